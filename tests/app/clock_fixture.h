#pragma once
// A clock window on headless services with a profiles file and skins in memory.
#include <gtest/gtest.h>

#include <string>

#include "app/form.h"
#include "files/profile.h"
#include "platform/headless/headless_services.h"

namespace sorvane::testing {

// A skin whose face is a disc over the whole face square, and nothing else.
inline std::string DiscSkin(const std::string& name) {
  return "Vitrelle skin file.\r\n\\names " + name + "\r\n\\staticanalog\r\ncircle +\r\n0 0 300\r\n";
}

class ClockTest : public ::testing::Test {
 protected:
  ClockTest() {
    SetDefault(profile);
    profile.size = "Huge";
    profile.style = "Analog";
    profile.datashow = false;
    profile.showseconds = false;
    profile.showsecondsd = false;
    profile.xside = "left";
    profile.x = 100;
    profile.y = 50;
    hs.clock.SetTime(10, 20, 30);
  }

  static std::filesystem::path ProfilesPath() {
    return headless::HeadlessServices::InProgramFolder(kProfilesFileName);
  }
  void WriteProfile(const TProfile& p) { hs.files.Put(ProfilesPath(), FormatProfiles({p})); }
  void PutSkin(const std::string& file, const std::string& name) {
    hs.files.Put(headless::HeadlessServices::InProgramFolder(file), DiscSkin(name));
  }
  // Starts the clock on `profile` as it stands.
  void Start() {
    WriteProfile(profile);
    ASSERT_TRUE(form.FormCreate());
  }
  // Changes the profile in use and applies it, as a menu command would.
  template <typename Change>
  void Reapply(Change change) {
    change(form.Profile());
    form.RealiseProfile(0);
  }

  headless::HeadlessServices hs;
  TForm1 form{hs.services};
  TProfile profile;
};

}  // namespace sorvane::testing
