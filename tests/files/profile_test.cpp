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

Profile Default() {
  Profile p;
  ResetToDefaults(p);
  return p;
}

std::string Crlf(const std::vector<std::string>& lines) {
  std::string bytes;
  for (const std::string& line : lines) bytes += line + "\r\n";
  return bytes;
}

Profiles LoadText(const std::string& bytes) {
  FakeFiles files;
  files.Add(kFile, bytes);
  return LoadProfiles(kFolder, Default(), files);
}

// A file with one profile: the header, "\profile P" and the given key lines.
Profile LoadOne(const std::vector<std::string>& key_lines) {
  std::vector<std::string> lines{"Vitrelle profiles file.", "\\profile P"};
  lines.insert(lines.end(), key_lines.begin(), key_lines.end());
  const Profiles profiles = LoadText(Crlf(lines));
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
  EXPECT_EQ(LoadProfiles(kFolder, Default(), none), Profiles{Default()});
  const std::vector<std::string> files = {
      "",
      Crlf({"vitrelle profiles file.", "\\profile A", "x 5 left"}),  // header has case
      Crlf({" Vitrelle profiles file.", "\\profile A"}),
      Crlf({"Vitrelle profiles file."}),
      Crlf({"Vitrelle profiles file.", "x 5 left", "\\profile", "y 7 bottom"}),
  };
  for (const std::string& bytes : files) EXPECT_EQ(LoadText(bytes), Profiles{Default()}) << bytes;
}

TEST(Profiles, ReadsBackWhatItWrites) {
  Profile a = Default();
  a.name = "Desk top clock";
  a.x_offset = -40;
  a.x_edge = "right";
  a.y_offset = 2147483647;
  a.y_edge = "bottom";
  a.size = "SuperTiny";
  a.style = "AnaDigi";
  a.anchor = "hook";
  a.analog_seconds = false;
  a.twelve_hour = true;
  a.visible = false;
  a.digital_color = -1;
  a.analog_color = 0x00FF8000;
  a.skin_file = "steel.skn";
  a.font_italic = true;
  a.font_name = "Courier New";
  a.date_format = -7;
  a.smooth_edges = true;
  a.opacity = 85;
  a.time_zone = "Asia/Kolkata";
  a.label = " Team in Pune ";
  Profile b = Default();
  b.time_zone = "Mars/Olympus_Mons";  // unknown to every system: kept as read
  b.name = "StartUp";  // two profiles of one name are both kept
  b.size = "FullScreen";
  const Profiles list{a, b, Default()};
  EXPECT_EQ(LoadText(FormatProfiles(list)), list);
  const std::string text = FormatProfiles({a});
  EXPECT_NE(text.find("\r\nx -40 right\r\n"), std::string::npos);
  EXPECT_NE(text.find("\r\ndateformatnumber  -7\r\nsmooth 1\r\nopacity 85\r\n"
                      "timezone Asia/Kolkata\r\nlabel  Team in Pune \r\nstyle "),
            std::string::npos);
  Profile only_opacity = Default();
  only_opacity.opacity = 50;
  EXPECT_NE(FormatProfiles({only_opacity}).find("  1\r\nopacity 50\r\nstyle "), std::string::npos);
}

TEST(Profiles, ValuesThatDoNotSurviveTheRoundTrip) {
  Profile p = Default();
  p.x_edge = "";                // written "x 0 " and read back as "right"
  p.skin_file = "my skin.skn";  // read back as its first word
  p.style = "Invisible";        // written by the menu, refused when read
  p.size = "";                  // "size " has one word and is skipped
  const std::string text = FormatProfiles({p});
  EXPECT_NE(text.find("\r\nx 0 \r\n"), std::string::npos);
  const Profile back = LoadText(text).front();
  EXPECT_EQ(back.x_edge, "right");
  EXPECT_EQ(back.skin_file, "my");
  EXPECT_EQ(back.style, "Analog");
  EXPECT_EQ(back.size, "");
}

struct KeyCase {
  std::vector<std::string> lines;
  std::function<void(Profile&)> change;  // applied to the default to get the expected profile
};

TEST(Profiles, KeyLinesChangeOnlyFieldsWhoseValuesPass) {
  const std::vector<KeyCase> cases = {
      {{"X 12 left"}, [](Profile& p) { p.x_offset = 12, p.x_edge = "left"; }},
      {{"x 12"}, [](Profile& p) { p.x_offset = 12; }},
      {{"x 12 middle"}, [](Profile& p) { p.x_offset = 12; }},
      {{"x 12 left extra"}, [](Profile& p) { p.x_offset = 12; }},
      {{"x abc left"}, [](Profile& p) { p.x_edge = "left"; }},
      {{"x 12 Left"}, [](Profile& p) { p.x_offset = 12; }},
      {{"y -3 bottom"}, [](Profile& p) { p.y_offset = -3, p.y_edge = "bottom"; }},
      {{"x - left"},
       [](Profile& p) { p.x_edge = "left"; }},  // "-" passes IsNumberWord, is no number
      {{"x 1-2"}, [](Profile&) {}},
      {{"x 99999999999"}, [](Profile&) {}},
      {{"timecolor -"}, [](Profile&) {}},
      {{"clockcolor 2147483648"}, [](Profile&) {}},
      {{"clockcolor -2147483648"}, [](Profile& p) { p.analog_color = INT32_MIN; }},
      {{"timecolor 0x00ff"}, [](Profile&) {}},
      {{"SIZE Huge"}, [](Profile& p) { p.size = "Huge"; }},
      {{"size huge"}, [](Profile&) {}},
      {{"style analog"}, [](Profile&) {}},
      {{"style Digital"}, [](Profile& p) { p.style = "Digital"; }},
      {{"style Invisible"}, [](Profile&) {}},
      {{"ancor Desktop"}, [](Profile&) {}},
      {{"ancor hook"}, [](Profile& p) { p.anchor = "hook"; }},
      {{"SHOWSECONDS yes"}, [](Profile& p) { p.analog_seconds = false; }},
      {{"showseconds 2"}, [](Profile& p) { p.analog_seconds = false; }},
      {{"format12 1"}, [](Profile& p) { p.twelve_hour = true; }},
      {{"visible 0", "datashow 0"}, [](Profile& p) { p.visible = false, p.show_date = false; }},
      {{"x 1 left", "x 2"}, [](Profile& p) { p.x_offset = 2, p.x_edge = "left"; }},  // later wins
      {{"dateformatnumber 4"}, [](Profile& p) { p.date_format = 4; }},
      {{"dateformatnumber  4"}, [](Profile& p) { p.date_format = 4; }},
      {{"skinfile Steel.SKN"}, [](Profile& p) { p.skin_file = "Steel.SKN"; }},
      {{"skinfile "}, [](Profile&) {}},
      {{"fontname Times New Roman"}, [](Profile& p) { p.font_name = "Times New Roman"; }},
      {{"fontname  Arial"}, [](Profile& p) { p.font_name = " Arial"; }},
      {{"  fontname Arial"}, [](Profile& p) { p.font_name = "e Arial"; }},  // read by position
      {{"FONTNAME\tTahoma"}, [](Profile& p) { p.font_name = "Tahoma"; }},
      {{"colour 5", "nonsense"}, [](Profile&) {}},
      {{"SMOOTH 1"}, [](Profile& p) { p.smooth_edges = true; }},
      {{"smooth 1", "smooth yes"}, [](Profile&) {}},
      {{"opacity 70"}, [](Profile& p) { p.opacity = 70; }},
      {{"opacity 60"}, [](Profile&) {}},
      {{"opacity 50", "opacity 0"}, [](Profile& p) { p.opacity = 50; }},
      {{"opacity 085"}, [](Profile& p) { p.opacity = 85; }},
      {{"TIMEZONE America/New_York extra"}, [](Profile& p) { p.time_zone = "America/New_York"; }},
      {{"label New York office"}, [](Profile& p) { p.label = "New York office"; }},
      {{"label "}, [](Profile&) {}},
  };
  for (const KeyCase& c : cases) {
    SCOPED_TRACE(c.lines.front());
    Profile expected = Default();
    expected.name = std::string(1, 'P');
    c.change(expected);
    EXPECT_EQ(LoadOne(c.lines), expected);
  }
}

TEST(Profiles, ProfileLinesNameProfilesByPosition) {
  const Profiles profiles = LoadText(Crlf({
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
  EXPECT_EQ(profiles[0].x_offset, 5);
  EXPECT_EQ(profiles[0].y_offset, 9);
  EXPECT_EQ(profiles[1].name, "e Second");
  EXPECT_EQ(profiles[1].x_offset, 7);
  EXPECT_EQ(profiles[1].x_edge, "right");
}

TEST(Profiles, ReadsLinesTheWayTheFileIsSplit) {
  // CR alone ends a line too; Ctrl-Z ends the file.
  const Profiles profiles =
      LoadText("Vitrelle profiles file.\r\\profile A\rx 3 left\r\n\x1ay 4 bottom\r\n");
  ASSERT_EQ(profiles.size(), 1u);
  EXPECT_EQ(profiles[0].x_offset, 3);
  EXPECT_EQ(profiles[0].y_offset, 0);
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
  Profile p = Default();
  p.x_offset = 99;
  EXPECT_THROW(SaveProfiles(kFolder, {p}, files), FileError);
  EXPECT_EQ(files.Bytes(kFile), "old bytes");
}

TEST(Profiles, IsAcceptedWordKnowsEachListsWords) {
  EXPECT_TRUE(IsAcceptedWord("left", ProfileWords::XEdge));
  EXPECT_FALSE(IsAcceptedWord("top", ProfileWords::XEdge));
  EXPECT_TRUE(IsAcceptedWord("bottom", ProfileWords::YEdge));
  EXPECT_TRUE(IsAcceptedWord("SuperTiny", ProfileWords::Size));
  EXPECT_FALSE(IsAcceptedWord("Supertiny", ProfileWords::Size));
  EXPECT_TRUE(IsAcceptedWord("AnaDigi", ProfileWords::Style));
  EXPECT_FALSE(IsAcceptedWord("Invisible", ProfileWords::Style));
  EXPECT_TRUE(IsAcceptedWord("hook", ProfileWords::Anchor));
  EXPECT_FALSE(IsAcceptedWord("hook", static_cast<ProfileWords>(5)));
}

}  // namespace
}  // namespace sorvane
