#include "files/profile.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "fake_files.h"

namespace sorvane {
namespace {

using testing::FakeFiles;

const std::filesystem::path kFolder = "C:/clock";
const std::filesystem::path kFile = kFolder / "vl.prf";

TProfile Default() {
  TProfile p;
  SetDefault(p);
  return p;
}

std::string Crlf(const std::vector<std::string>& lines) {
  std::string bytes;
  for (const std::string& line : lines) bytes += line + "\r\n";
  return bytes;
}

TProfiles LoadText(const std::string& bytes) {
  FakeFiles files;
  files.Add(kFile, bytes);
  return LoadProfiles(kFolder, Default(), files);
}

// A file with one profile: the header, "\profile P" and the given key lines.
TProfile LoadOne(const std::vector<std::string>& key_lines) {
  std::vector<std::string> lines{"Vitrelle profiles file.", "\\profile P"};
  lines.insert(lines.end(), key_lines.begin(), key_lines.end());
  const TProfiles profiles = LoadText(Crlf(lines));
  EXPECT_EQ(profiles.size(), 1u);
  return profiles.front();
}

const std::string kDefaultFile =
    "Vitrelle profiles file.\r\n"
    "\\profile StartUp\r\n"
    "x 0 right\r\n"
    "y 0 top\r\n"
    "size \r\n"
    "timecolor 16777215\r\n"
    "clockcolor 255\r\n"
    "dateformatnumber  1\r\n"
    "style Analog\r\n"
    "showseconds 1\r\n"
    "showsecondsd 1\r\n"
    "datashow 1\r\n"
    "format12 0\r\n"
    "showalarms 1\r\n"
    "ancor desktop\r\n"
    "visible 1\r\n"
    "skinfile \r\n"
    "fontitalic 0\r\n"
    "fontname Microsoft Sans Serif\r\n";

TEST(Profiles, DefaultProfileIsWrittenByteForByte) {
  EXPECT_EQ(FormatProfiles({Default()}), kDefaultFile);
  FakeFiles files;
  SaveProfiles(kFolder, {Default()}, files);
  EXPECT_EQ(files.Bytes(kFile), kDefaultFile);
}

TEST(Profiles, MissingOrForeignFileGivesTheDefaultProfile) {
  FakeFiles none;
  EXPECT_EQ(LoadProfiles(kFolder, Default(), none), TProfiles{Default()});
  const std::vector<std::string> files = {
      "",
      Crlf({"vitrelle profiles file.", "\\profile A", "x 5 left"}),  // header has case
      Crlf({" Vitrelle profiles file.", "\\profile A"}),
      Crlf({"Vitrelle profiles file."}),
      Crlf({"Vitrelle profiles file.", "x 5 left", "\\profile", "y 7 bottom"}),
  };
  for (const std::string& bytes : files) EXPECT_EQ(LoadText(bytes), TProfiles{Default()}) << bytes;
}

TEST(Profiles, ReadsBackWhatItWrites) {
  TProfile a = Default();
  a.name = "Desk top clock";
  a.x = -40;
  a.xside = "right";
  a.y = 2147483647;
  a.yside = "bottom";
  a.size = "SuperTiny";
  a.style = "AnaDigi";
  a.ancor = "hook";
  a.showseconds = false;
  a.format12 = true;
  a.visible = false;
  a.timecolor = -1;
  a.clockcolor = 0x00FF8000;
  a.skinfile = "steel.skn";
  a.fontitalic = true;
  a.fontname = "Courier New";
  a.dateformatnumber = -7;
  TProfile b = Default();
  b.name = "StartUp";  // two profiles of one name are both kept
  b.size = "FullScreen";
  const TProfiles list{a, b, Default()};
  EXPECT_EQ(LoadText(FormatProfiles(list)), list);
  const std::string text = FormatProfiles({a});
  EXPECT_NE(text.find("\r\nx -40 right\r\n"), std::string::npos);
  EXPECT_NE(text.find("\r\ndateformatnumber  -7\r\n"), std::string::npos);
}

TEST(Profiles, ValuesThatDoNotSurviveTheRoundTrip) {
  TProfile p = Default();
  p.xside = "";                // written "x 0 " and read back as "right"
  p.skinfile = "my skin.skn";  // read back as its first word
  p.style = "Invisible";       // written by the menu, refused when read
  p.size = "";                 // "size " has one word and is skipped
  const std::string text = FormatProfiles({p});
  EXPECT_NE(text.find("\r\nx 0 \r\n"), std::string::npos);
  const TProfile back = LoadText(text).front();
  EXPECT_EQ(back.xside, "right");
  EXPECT_EQ(back.skinfile, "my");
  EXPECT_EQ(back.style, "Analog");
  EXPECT_EQ(back.size, "");
}

struct KeyCase {
  std::vector<std::string> lines;
  std::function<void(TProfile&)> change;  // applied to the default to get the expected profile
};

TEST(Profiles, KeyLinesChangeOnlyFieldsWhoseValuesPass) {
  const std::vector<KeyCase> cases = {
      {{"X 12 left"}, [](TProfile& p) { p.x = 12, p.xside = "left"; }},
      {{"x 12"}, [](TProfile& p) { p.x = 12; }},
      {{"x 12 middle"}, [](TProfile& p) { p.x = 12; }},
      {{"x 12 left extra"}, [](TProfile& p) { p.x = 12; }},
      {{"x abc left"}, [](TProfile& p) { p.xside = "left"; }},
      {{"x 12 Left"}, [](TProfile& p) { p.x = 12; }},
      {{"y -3 bottom"}, [](TProfile& p) { p.y = -3, p.yside = "bottom"; }},
      {{"x - left"}, [](TProfile& p) { p.xside = "left"; }},  // "-" passes IsNum, is no number
      {{"x 1-2"}, [](TProfile&) {}},
      {{"x 99999999999"}, [](TProfile&) {}},
      {{"timecolor -"}, [](TProfile&) {}},
      {{"clockcolor 2147483648"}, [](TProfile&) {}},
      {{"clockcolor -2147483648"}, [](TProfile& p) { p.clockcolor = INT32_MIN; }},
      {{"timecolor 0x00ff"}, [](TProfile&) {}},
      {{"SIZE Huge"}, [](TProfile& p) { p.size = "Huge"; }},
      {{"size huge"}, [](TProfile&) {}},
      {{"style analog"}, [](TProfile&) {}},
      {{"style Digital"}, [](TProfile& p) { p.style = "Digital"; }},
      {{"style Invisible"}, [](TProfile&) {}},
      {{"ancor Desktop"}, [](TProfile&) {}},
      {{"ancor hook"}, [](TProfile& p) { p.ancor = "hook"; }},
      {{"SHOWSECONDS yes"}, [](TProfile& p) { p.showseconds = false; }},
      {{"showseconds 2"}, [](TProfile& p) { p.showseconds = false; }},
      {{"format12 1"}, [](TProfile& p) { p.format12 = true; }},
      {{"visible 0", "datashow 0"}, [](TProfile& p) { p.visible = false, p.datashow = false; }},
      {{"x 1 left", "x 2"}, [](TProfile& p) { p.x = 2, p.xside = "left"; }},  // later wins
      {{"dateformatnumber 4"}, [](TProfile& p) { p.dateformatnumber = 4; }},
      {{"dateformatnumber  4"}, [](TProfile& p) { p.dateformatnumber = 4; }},
      {{"skinfile Steel.SKN"}, [](TProfile& p) { p.skinfile = "Steel.SKN"; }},
      {{"skinfile "}, [](TProfile&) {}},
      {{"fontname Times New Roman"}, [](TProfile& p) { p.fontname = "Times New Roman"; }},
      {{"fontname  Arial"}, [](TProfile& p) { p.fontname = " Arial"; }},
      {{"  fontname Arial"}, [](TProfile& p) { p.fontname = "e Arial"; }},  // read by position
      {{"FONTNAME\tTahoma"}, [](TProfile& p) { p.fontname = "Tahoma"; }},
      {{"colour 5", "nonsense"}, [](TProfile&) {}},
  };
  for (const KeyCase& c : cases) {
    SCOPED_TRACE(c.lines.front());
    TProfile expected = Default();
    expected.name = std::string(1, 'P');
    c.change(expected);
    EXPECT_EQ(LoadOne(c.lines), expected);
  }
}

TEST(Profiles, ProfileLinesNameProfilesByPosition) {
  const TProfiles profiles = LoadText(Crlf({
      "Vitrelle profiles file.",
      "\\PROFILE Night clock",
      "x 5 left",
      "\\profile",  // one word: starts no profile, so the next line still acts on the first
      "y 9 bottom",
      "  \\profile Second",
      "x 7",
  }));
  ASSERT_EQ(profiles.size(), 2u);
  EXPECT_EQ(profiles[0].name, "Night clock");
  EXPECT_EQ(profiles[0].x, 5);
  EXPECT_EQ(profiles[0].y, 9);
  EXPECT_EQ(profiles[1].name, "e Second");
  EXPECT_EQ(profiles[1].x, 7);
  EXPECT_EQ(profiles[1].xside, "right");
}

TEST(Profiles, ReadsLinesTheWayTheFileIsSplit) {
  // CR alone ends a line too; Ctrl-Z ends the file.
  const TProfiles profiles =
      LoadText("Vitrelle profiles file.\r\\profile A\rx 3 left\r\n\x1ay 4 bottom\r\n");
  ASSERT_EQ(profiles.size(), 1u);
  EXPECT_EQ(profiles[0].x, 3);
  EXPECT_EQ(profiles[0].y, 0);
}

TEST(Profiles, UnreadableFileIsReported) {
  FakeFiles files;
  files.Add(kFile, kDefaultFile);
  files.MakeUnreadable(kFile);
  EXPECT_THROW(LoadProfiles(kFolder, Default(), files), FileError);
}

TEST(Profiles, FailedSaveLeavesTheOldFile) {
  FakeFiles files;
  files.Add(kFile, "old bytes");
  files.FailWrites();
  TProfile p = Default();
  p.x = 99;
  EXPECT_THROW(SaveProfiles(kFolder, {p}, files), FileError);
  EXPECT_EQ(files.Bytes(kFile), "old bytes");
}

TEST(Profiles, IsRightKnowsEachKindsWords) {
  EXPECT_TRUE(IsRight("left", 0));
  EXPECT_FALSE(IsRight("top", 0));
  EXPECT_TRUE(IsRight("bottom", 1));
  EXPECT_TRUE(IsRight("SuperTiny", 2));
  EXPECT_FALSE(IsRight("Supertiny", 2));
  EXPECT_TRUE(IsRight("AnaDigi", 3));
  EXPECT_FALSE(IsRight("Invisible", 3));
  EXPECT_TRUE(IsRight("hook", 4));
  EXPECT_FALSE(IsRight("hook", 5));
  EXPECT_FALSE(IsRight("left", -1));
}

}  // namespace
}  // namespace sorvane
