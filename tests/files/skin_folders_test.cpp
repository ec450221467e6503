// Skins from several folders: the shipped ones, then the user's, whose file of the same name
// replaces the shipped one. A file without a \names line makes no skin, and does no harm.
#include <gtest/gtest.h>

#include "fake_files.h"
#include "files/skin.h"

namespace sorvane::testing {
namespace {

std::string Skin(const std::string& names) {
  return "Vitrelle skin file.\r\n" + names + "\\staticanalog\r\ncircle +\r\n0 0 100\r\n";
}

TEST(SkinFolders, LaterFolderReplacesASkinOfTheSameFileName) {
  FakeFiles files;
  files.Add("shipped/classic.skn", Skin("\\names Classic\r\n"));
  files.Add("shipped/ring.skn", Skin("\\names Ring\r\n"));
  files.Add("mine/ring.skn", Skin("\\names My Ring\r\n"));
  files.Add("mine/plain.skn", Skin(""));
  Skins skins;
  std::vector<std::string> items;
  LoadSkinFolders({"shipped", "missing", "mine"}, files, skins,
                  [&](const std::string& name, int32_t) { items.push_back(name); });
  ASSERT_EQ(skins.size(), 2u);
  EXPECT_EQ(skins[0].file_name, "classic.skn");
  EXPECT_NE(skins[1].name.find("My Ring"), std::string::npos) << skins[1].name;
  EXPECT_EQ(skins[1].file_name, "ring.skn");
  EXPECT_EQ(items.size(), 2u) << "one menu item per file name";
}

}  // namespace
}  // namespace sorvane::testing
