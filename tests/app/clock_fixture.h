#pragma once
// A clock window on headless services with a profiles file and skins in memory.
#include <gtest/gtest.h>

#include <string>

#include "files/profile.h"
#include "support/headless_services.h"
#include "support/one_clock.h"

namespace sorvane::testing {

// A skin whose face is a disc over the whole face square, and nothing else.
inline std::string DiscSkin(const std::string& name) {
  return "Vitrelle skin file.\r\n\\names " + name + "\r\n\\staticanalog\r\ncircle +\r\n0 0 300\r\n";
}

class ClockTest : public ::testing::Test {
 protected:
  ClockTest() {
    ResetToDefaults(profile);
    profile.size = "Huge";
    profile.style = "Analog";
    profile.show_date = false;
    profile.analog_seconds = false;
    profile.digital_seconds = false;
    profile.x_edge = "left";
    profile.x_offset = 100;
    profile.y_offset = 50;
    hs.clock.SetTime(10, 20, 30);
  }

  static std::filesystem::path ProfilesPath() {
    return headless::HeadlessServices::InProgramFolder(kProfilesFileName);
  }
  void WriteProfile(const Profile& p) { hs.files.Put(ProfilesPath(), FormatProfiles({p})); }
  void PutSkin(const std::string& file, const std::string& name) {
    hs.files.Put(headless::HeadlessServices::InProgramFolder(file), DiscSkin(name));
  }
  // Starts the clock on `profile` as it stands.
  void Start() {
    WriteProfile(profile);
    ASSERT_TRUE(form.Start());
  }
  // Changes the profile in use and applies it, as a menu command would.
  template <typename Change>
  void Reapply(Change change) {
    change(form.CurrentProfile());
    form.ApplyProfile();
  }

  headless::HeadlessServices hs;
  headless::OneClock form{hs};
  Profile profile;
};

}  // namespace sorvane::testing
