#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "files/skin.h"
#include "skin_test_support.h"

namespace sorvane {
namespace {

using namespace sorvane::testing;

Skin LoadOne(const std::vector<std::string>& lines) {
  const Catalogue c = LoadFiles({{"one.skn", SkinText(lines)}});
  EXPECT_EQ(c.skins.size(), 1u);
  return c.skins.empty() ? Skin{} : c.skins.front();
}

TEST(SkinReader, ReadsASmallCompleteSkin) {
  const Catalogue c = LoadFiles({{"plain.skn", SkinText({
                                                   "\\names Plain",
                                                   "\\staticanalog",
                                                   "circle +",
                                                   "0 0 290",
                                                   "circle -",
                                                   "0 0 270",
                                                   "\\harrow",
                                                   "polygon +",
                                                   "-10 0",
                                                   "0 -170",
                                                   "10 0",
                                                   "\\mark 0",
                                                   "polygon +",
                                                   "-6 -290",
                                                   "6 -290",
                                                   "6 -250",
                                                   "-6 -250",
                                               })}});
  ASSERT_EQ(c.skins.size(), 1u);
  const Skin& s = c.skins[0];
  EXPECT_EQ(s.name, " Plain");  // the blank after the keyword belongs to the name
  EXPECT_EQ(s.file_name, "plain.skn");
  EXPECT_EQ(c.created, (std::vector<std::pair<std::string, int32_t>>{{" Plain", 0}}));
  EXPECT_EQ(s.face, (Shape{Circle('+', 0, 0, 290), Circle('-', 0, 0, 270)}));
  EXPECT_EQ(s.hour_hand, (Shape{Poly('+', {{-10, 0}, {0, -170}, {10, 0}})}));
  EXPECT_EQ(s.marks[0], (Shape{Poly('+', {{-6, -290}, {6, -290}, {6, -250}, {-6, -250}})}));
  const Skin fresh;
  EXPECT_EQ(s.analog_order, fresh.analog_order);
  EXPECT_EQ(s.mark_turns, fresh.mark_turns);
  EXPECT_TRUE(s.minute_hand.empty() && s.second_hand.empty() && s.marks[14].empty());
}

// One skin per case: the lines after "\names S", and a check of what they gave.
struct SkinCase {
  const char* what;
  std::vector<std::string> lines;
  std::function<void(const Skin&)> check;
};

TEST(SkinReader, ReadsEveryKindOfLineWithItsQuirks) {
  using Order = std::array<std::string, 5>;
  const std::vector<SkinCase> cases = {
      {"keywords in any case",
       {"\\HARROW", "Polygon -", "1 2", "\\MArrow", "CIRCLE", "3 4 5"},
       [](const Skin& s) {
         EXPECT_EQ(s.hour_hand, (Shape{Poly('-', {{1, 2}})}));
         EXPECT_EQ(s.minute_hand, (Shape{Circle(0, 3, 4, 5)}));
       }},
      {"order entries keep their case",
       {"\\analogorder", "sarrow", "Marks", "static"},
       [](const Skin& s) {
         EXPECT_EQ(s.analog_order, (Order{"sarrow", "Marks", "static", "marrow", "sarrow"}));
       }},
      {"extra order entries are dropped",
       {"\\analogorder", "static", "static", "static", "static", "static", "harrow",
        "\\digitalorder", "digits", "static", "marks"},
       [](const Skin& s) {
         EXPECT_EQ(s.analog_order, (Order{"static", "static", "static", "static", "static"}));
       }},
      {"u in any case turns rotation off",
       {"\\mark 3 U", "\\mark 4 x", "\\mark 5 u", "\\mark 20 u", "\\mark - u"},
       [](const Skin& s) {
         for (size_t k = 0; k < 15; ++k) EXPECT_EQ(s.mark_turns[k], k != 3 && k != 5) << k;
       }},
      {"operation characters",
       {"\\sarrow", "polygon", "polygon ++", "polygon x", "circle &", "circle %", "polygon -"},
       [](const Skin& s) {
         ASSERT_EQ(s.second_hand.size(), 6u);
         const std::string ops{s.second_hand[0].operation, s.second_hand[1].operation, s.second_hand[2].operation,
                               s.second_hand[3].operation, s.second_hand[4].operation, s.second_hand[5].operation};
         EXPECT_EQ(ops, std::string("\0\0+&%-", 6));
       }},
      {"circles: defaults, the last data line wins, two numbers are no circle",
       {"\\staticanalog", "circle", "circle +", "1 2 3", "4 5 6", "circle", "7 8", "circle",
        "1 2 3 4"},
       [](const Skin& s) {
         EXPECT_EQ(s.face, (Shape{Circle(0, 0, 0, 10), Circle('+', 4, 5, 6),
                                           Circle(0, 0, 0, 10), Circle(0, 1, 2, 3)}));
       }},
      {"polygon vertices need exactly two words",
       {"\\harrow", "polygon", "1 2", "3 4 5", "6 7 x", "8 9"},
       [](const Skin& s) {
         EXPECT_EQ(s.hour_hand, (Shape{Poly(0, {{1, 2}, {8, 9}})}));
       }},
      {"data before the first shape and in sections without a target is discarded",
       {"\\harrow", "1 2", "\\mark x", "polygon", "1 1", "\\mark 20", "circle", "0 0 5",
        "\\digit 13", "polygon", "2 2", "\\marrow", "1 2 3"},
       [](const Skin& s) {
         EXPECT_TRUE(s.hour_hand.empty() && s.minute_hand.empty());
         for (const Shape& m : s.marks) EXPECT_TRUE(m.empty());
       }},
      {"marks at the ends of their range",
       {"\\mark 14", "polygon", "1 1", "\\mark 0", "circle", "0 0 3"},
       [](const Skin& s) {
         EXPECT_EQ(s.marks[14], (Shape{Poly(0, {{1, 1}})}));
         EXPECT_EQ(s.marks[0], (Shape{Circle(0, 0, 0, 3)}));
       }},
      // The clock draws no digital face from a skin: those sections are read (a shape line
      // there belongs to them) and kept from every list the clock draws.
      {"digital sections, views and the digital order are read and skipped",
       {"\\harrow", "polygon", "1 1", "\\digit 12", "circle", "0 0 3", "\\digit 0", "polygon",
        "5 5", "\\staticdigital", "circle +", "1 2 3", "\\firsthourview 1 2 3", "2 2",
        "\\digitalorder", "digits", "static", "\\marrow", "circle", "4 4 4"},
       [](const Skin& s) {
         EXPECT_EQ(s.hour_hand, (Shape{Poly(0, {{1, 1}})}));
         EXPECT_EQ(s.minute_hand, (Shape{Circle(0, 4, 4, 4)}));
         EXPECT_TRUE(s.second_hand.empty() && s.face.empty());
         for (const Shape& m : s.marks) EXPECT_TRUE(m.empty());
         EXPECT_EQ(s.analog_order, Skin{}.analog_order);
       }},
      {"numbers that are no 32-bit integers",
       {"\\harrow", "polygon", "- 1", "1-2 3", "99999999999 0", "-2147483648 2147483647",
        "\\firsthourview 1 - 3", "\\mark -"},
       [](const Skin& s) {
         EXPECT_EQ(s.hour_hand, (Shape{Poly(0, {{INT32_MIN, INT32_MAX}})}));
       }},
      {"a view line stays inside its section",
       {"\\marrow", "polygon +", "1 1", "\\FirstHourView 1 2 3", "2 2",
        "\\secondampmview -1 -2 -3 9", "circle", "0 0 4"},
       [](const Skin& s) {
         EXPECT_EQ(s.minute_hand, (Shape{Poly('+', {{1, 1}, {2, 2}}), Circle(0, 0, 0, 4)}));
       }},
      {"an order entry in a shape section leaves an empty element",
       {"\\harrow", "polygon +", "1 1", "marks", "5 5", "polygon -", "2 2"},
       [](const Skin& s) {
         EXPECT_EQ(s.hour_hand, (Shape{Poly('+', {{1, 1}}), ShapeElement{}, Poly('-', {{2, 2}})}));
         EXPECT_EQ(s.analog_order, Skin{}.analog_order);
       }},
      {"a shape in an order section ends the order entries",
       {"\\analogorder", "sarrow", "polygon", "harrow", "static"},
       [](const Skin& s) {
         EXPECT_EQ(s.analog_order, (Order{"sarrow", "marks", "harrow", "marrow", "sarrow"}));
       }},
      {"a repeated section overwrites its list from the first element",
       {"\\staticanalog", "circle +", "0 0 290", "circle -", "0 0 270", "\\harrow",
        "\\staticanalog", "polygon", "1 1", "2 2"},
       [](const Skin& s) {
         // The first element is reused: it keeps its operation and centre, drops its radius.
         ShapeElement reused = Poly('+', {{1, 1}, {2, 2}});
         EXPECT_EQ(s.face, Shape{reused});
       }},
      {"a repeated header with no shape keeps the list",
       {"\\harrow", "polygon", "1 1", "\\marrow", "\\harrow", "\\harrow"},
       [](const Skin& s) {
         EXPECT_EQ(s.hour_hand, (Shape{Poly(0, {{1, 1}})}));
       }},
      {"only the first names line counts",
       {"\\harrow", "polygon", "1 1", "\\names Second", "2 2"},
       [](const Skin& s) {
         EXPECT_EQ(s.name, " S");
         EXPECT_EQ(s.hour_hand, (Shape{Poly(0, {{1, 1}, {2, 2}})}));
       }},
      {"unknown lines are ignored",
       {"", "   ", "\\harow", "polygon", "hello 1 2", "1 2", "%& 3", "\\HARROW", "3 4"},
       [](const Skin& s) { EXPECT_TRUE(s.hour_hand.empty()); }},
  };
  for (const SkinCase& c : cases) {
    SCOPED_TRACE(c.what);
    std::vector<std::string> lines{"\\names S"};
    lines.insert(lines.end(), c.lines.begin(), c.lines.end());
    c.check(LoadOne(lines));
  }
}

TEST(SkinReader, StoresPolygonsOfAnyLength) {
  std::vector<std::string> lines{"\\names Big", "\\staticanalog", "polygon +"};
  std::vector<Point> points;
  for (int32_t i = 0; i < 5000; ++i) {
    points.push_back({i, -i});
    lines.push_back(std::to_string(i) + " " + std::to_string(-i));
  }
  EXPECT_EQ(LoadOne(lines).face, (Shape{Poly('+', points)}));
}

TEST(SkinReader, NamesLineRulesAndFilesWithoutHeader) {
  const Catalogue c = LoadFiles({
      {"a.skn", SkinText({"\\harrow", "polygon", "1 1", "\\names", "\\marrow", "circle", "1 1 1"})},
      {"b.skn", "vitrelle skin file.\r\n\\names Lower\r\n"},
      {"c.skn", "Vitrelle skin file. \r\n\\names Blank\r\n"},
      {"d.skn", ""},
      {"e.skn", SkinText({"  \\NAMES  Two words "})},
  });
  ASSERT_EQ(c.skins.size(), 2u);
  EXPECT_EQ(c.skins[0].name, "");          // "\names" with nothing after it
  EXPECT_TRUE(c.skins[0].hour_hand.empty());  // lines before the first skin act on nothing
  EXPECT_EQ(c.skins[0].minute_hand, (Shape{Circle(0, 1, 1, 1)}));
  EXPECT_EQ(c.skins[1].name, "ES  Two words ");  // read by position
  EXPECT_EQ(c.skins[1].file_name, "e.skn");
  EXPECT_EQ(c.created,
            (std::vector<std::pair<std::string, int32_t>>{{"", 0}, {"ES  Two words ", 1}}));
}

TEST(SkinReader, LinesOfALaterFileActOnTheSkinMadeLast) {
  const Catalogue c = LoadFiles({
      {"first.skn", SkinText({"\\names First", "\\harrow", "polygon +", "1 1"})},
      // No "\names": its lines go to the first skin, and it makes no skin of its own.
      {"nameless.skn", SkinText({"\\analogorder", "harrow", "\\mark 2 u", "circle", "9 9 9"})},
      {"third.skn",
       SkinText({"\\sarrow", "circle", "5 5 5", "\\names Third", "\\marrow", "polygon", "7 7"})},
  });
  ASSERT_EQ(c.skins.size(), 2u);
  const Skin& first = c.skins[0];
  EXPECT_EQ(first.hour_hand, (Shape{Poly('+', {{1, 1}})}));
  EXPECT_EQ(first.analog_order[0], "harrow");
  EXPECT_FALSE(first.mark_turns[2]);
  EXPECT_EQ(first.marks[2], (Shape{Circle(0, 9, 9, 9)}));
  EXPECT_EQ(first.second_hand, (Shape{Circle(0, 5, 5, 5)}));
  const Skin& third = c.skins[1];
  EXPECT_EQ(third.name, " Third");
  EXPECT_EQ(third.minute_hand, (Shape{Poly(0, {{7, 7}})}));
  // The open "\sarrow" section carried over the "\names" line into the new skin.
  EXPECT_EQ(third.second_hand, (Shape{Circle(0, 5, 5, 5)}));
}

// A section taken up from the first skin and still open at the later file's "\names" line:
// the first skin keeps what it held at that line, the new skin holds that and what follows.
TEST(SkinReader, SectionOpenAcrossANamesLineLandsInBothSkins) {
  const Catalogue c = LoadFiles({
      {"first.skn", SkinText({"\\names First", "\\harrow", "polygon +", "1 1", "circle", "2 2 2",
                              "\\mark 4", "polygon", "8 8"})},
      {"second.skn", SkinText({"\\harrow", "polygon -", "3 3", "\\names Second", "4 4",
                               "circle", "5 5 5", "\\mark 4", "circle", "6 6 6"})},
      // Nothing after its "\names": the section it carries ends with the file, unchanged.
      {"third.skn", SkinText({"\\mark 4", "\\names Third"})},
  });
  ASSERT_EQ(c.skins.size(), 3u);
  // The first element is reused by "polygon -": new operation, its vertices restarted.
  EXPECT_EQ(c.skins[0].hour_hand, (Shape{Poly('-', {{3, 3}})}));
  EXPECT_EQ(c.skins[0].marks[4], (Shape{Poly(0, {{8, 8}})}));
  EXPECT_EQ(c.skins[1].hour_hand, (Shape{Poly('-', {{3, 3}, {4, 4}}), Circle(0, 5, 5, 5)}));
  EXPECT_EQ(c.skins[1].marks[4], (Shape{Circle(0, 6, 6, 6)}));
  EXPECT_EQ(c.skins[2].marks[4], (Shape{Circle(0, 6, 6, 6)}));
  EXPECT_TRUE(c.skins[2].hour_hand.empty());
}

TEST(SkinReader, KeepsDirectoryOrderAndFindsSkinsByFileName) {
  const Catalogue c = LoadFiles({
      {"zeta.skn", SkinText({"\\names Same"})},
      {"alpha.skn", SkinText({"\\names Same"})},
      {"Alpha.skn", SkinText({"\\names Other"})},
  });
  ASSERT_EQ(c.skins.size(), 3u);
  EXPECT_EQ(c.skins[0].file_name, "zeta.skn");
  EXPECT_EQ(c.skins[1].file_name, "alpha.skn");
  EXPECT_EQ(c.created[1], (std::pair<std::string, int32_t>{" Same", 1}));
  EXPECT_EQ(SkinIndexByFileName(c.skins, "alpha.skn"), 1);
  EXPECT_EQ(SkinIndexByFileName(c.skins, "Alpha.skn"), 2);
  EXPECT_EQ(SkinIndexByFileName(c.skins, "ALPHA.SKN"), 0);
  EXPECT_EQ(SkinIndexByFileName(c.skins, "alpha"), 0);
  EXPECT_EQ(SkinIndexByFileName({}, "alpha.skn"), 0);
  Skins twice{c.skins[0], c.skins[0]};
  EXPECT_EQ(SkinIndexByFileName(twice, "zeta.skn"), 1);  // the last match wins
}

TEST(SkinReader, UnreadableFileStopsTheLoadAndKeepsEarlierSkins) {
  FakeFiles disk;
  disk.Add(kSkinFolder / "a.skn", SkinText({"\\names A"}));
  disk.Add(kSkinFolder / "b.skn", SkinText({"\\names B"}));
  disk.Add(kSkinFolder / "c.skn", SkinText({"\\names C"}));
  disk.MakeUnreadable(kSkinFolder / "b.skn");
  Skins skins;
  EXPECT_THROW(LoadSkins(kSkinFolder, disk, skins, {}), FileError);
  ASSERT_EQ(skins.size(), 1u);
  EXPECT_EQ(skins[0].name, " A");
  EXPECT_EQ(disk.reads, 2);  // c.skn was never read
}

}  // namespace
}  // namespace sorvane
