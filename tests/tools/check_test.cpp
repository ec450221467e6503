#include "check.h"

#include <gtest/gtest.h>

#include <sstream>

#include "run.h"
#include "shipped_skins.h"
#include "skin_source.h"
#include "temp_folder.h"

namespace sorvane::skintool {
namespace {

using N = SkinNote;
using Lines = std::vector<std::string>;
struct Expected {
  int32_t line;
  SkinNote note;
  friend bool operator==(const Expected&, const Expected&) = default;
};

std::filesystem::path WriteSkin(const TempFolder& folder, const Lines& lines) {
  std::string bytes;
  for (const std::string& line : lines) bytes += line + "\r\n";
  return folder.WriteBytes("t.skn", bytes);
}

const Lines kTriangle = {"polygon +", "-10 0", "0 -100", "10 0"};

// The header and "\names T" (lines 1 and 2), then `body` from line 3 on.
Lines SkinLines(std::initializer_list<Lines> parts) {
  Lines lines = {"Vitrelle skin file.", "\\names T"};
  for (const Lines& part : parts) lines.insert(lines.end(), part.begin(), part.end());
  return lines;
}

std::string Describe(const std::vector<Expected>& notes) {
  std::ostringstream out;
  for (const Expected& e : notes) out << e.line << ":" << static_cast<int>(e.note) << " ";
  return out.str();
}

TEST(Check, EachKindOfWarningOnASmallBadSkin) {
  const struct {
    const char* what;
    Lines lines;
    std::vector<Expected> notes;
  } cases[] = {
      {"clean example", SkinLines({{"\\staticanalog", "circle +", "0 0 290", "circle -", "0 0 270",
                               "", "\\harrow"}, kTriangle, {"\\mark 0 U"}, kTriangle,
                              {"\\analogorder", "static", "marks", "harrow"}}), {}},
      {"unknown keyword", SkinLines({{"\\harow"}}), {{3, N::UnknownLine}}},
      {"comment-like line", SkinLines({{"; the face"}}), {{3, N::UnknownLine}}},
      {"data outside a shape", SkinLines({{"\\harrow", "10 20"}}), {{4, N::DataOutsideShape}}},
      {"mark out of range", SkinLines({{"\\mark 15"}, kTriangle}),
       {{3, N::NoTarget}, {4, N::ShapeDiscarded}}},
      {"mark not a number", SkinLines({{"\\mark x u"}}), {{3, N::NoTarget}}},
      {"digit out of range", SkinLines({{"\\digit 13"}}), {{3, N::NoTarget}}},
      {"mark 13", SkinLines({{"\\mark 13"}, kTriangle}), {{3, N::MarkNeverDrawn}}},
      {"u on the minute mark", SkinLines({{"\\mark 14 u"}, kTriangle}), {{3, N::RotateIgnored}}},
      {"not u", SkinLines({{"\\mark 3 x"}, kTriangle}), {{3, N::ExtraWords}}},
      {"order entry in capitals", SkinLines({{"\\analogorder", "static", "Marks"}}),
       {{5, N::OrderCapitals}}},
      {"digits in the analog order", SkinLines({{"\\analogorder", "digits"}}),
       {{4, N::OrderNotAnalog}}},
      {"sixth analog entry", SkinLines({{"\\analogorder", "static", "marks", "harrow", "marrow",
                                    "sarrow", "static"}}), {{9, N::OrderOverflow}}},
      {"third digital entry", SkinLines({{"\\digitalorder", "static", "digits", "static"}}),
       {{6, N::OrderOverflow}}},
      {"order entry outside a section", SkinLines({{"marks"}}), {{3, N::OrderOutsideSection}}},
      {"order entry in a shape section", SkinLines({{"\\harrow"}, kTriangle, {"marks"}, kTriangle}),
       {{8, N::OrderInShapes}}},
      {"data line with no element", SkinLines({{"\\harrow"}, kTriangle, {"marks", "5 5"}}),
       {{8, N::OrderInShapes}, {9, N::DataNoElement}}},
      {"polygon of two vertices", SkinLines({{"\\harrow", "polygon +", "0 0", "10 10", "\\marrow"}}),
       {{4, N::ShortPolygon}}},
      {"polygon cut short by the file's end", SkinLines({{"\\sarrow", "polygon +", "0 0"}}),
       {{4, N::ShortPolygon}}},
      {"operation too long", SkinLines({{"\\harrow"}, kTriangle, {"polygon ++", "-1 0", "0 -9", "1 0"}}),
       {{8, N::OperationInvalid}, {8, N::NoOperation}}},
      {"unknown operation", SkinLines({{"\\harrow"}, kTriangle, {"polygon x", "-1 0", "0 -9", "1 0"}}),
       {{8, N::OperationUnknown}}},
      {"later shape without operation", SkinLines({{"\\harrow"}, kTriangle, {"circle", "0 0 5"}}),
       {{8, N::NoOperation}}},
      {"first shape without operation", SkinLines({{"\\harrow", "polygon", "-1 0", "0 -9", "1 0"}}), {}},
      {"circle of radius 0", SkinLines({{"\\staticanalog", "circle +", "0 0 0"}}),
       {{5, N::CircleTooSmall}}},
      {"circle without radius", SkinLines({{"\\staticanalog", "circle +", "0 0"}}),
       {{5, N::DataMalformed}}},
      {"vertex of three numbers", SkinLines({{"\\harrow"}, kTriangle, {"5 5 5"}}),
       {{8, N::DataMalformed}}},
      {"number too large", SkinLines({{"\\harrow"}, kTriangle, {"99999999999 0"}}),
       {{8, N::BadNumber}}},
      {"lone minus sign", SkinLines({{"\\harrow"}, kTriangle, {"- 0"}}), {{8, N::BadNumber}}},
      {"section again", SkinLines({{"\\harrow"}, kTriangle, {"\\harrow"}, kTriangle}),
       {{8, N::SectionRepeated}}},
      {"view line short", SkinLines({{"\\firsthourview 1 2"}}), {{3, N::ViewMalformed}}},
      {"extra words on a header", SkinLines({{"\\harrow now"}, kTriangle}), {{3, N::ExtraWords}}},
      {"shape in an order section", SkinLines({{"\\analogorder"}, kTriangle}),
       {{4, N::ShapeDiscarded}}},
      {"second names line", SkinLines({{"\\names Again"}}), {{3, N::SecondNames}}},
      {"line before names", {"Vitrelle skin file.", "\\harrow", "\\names T"},
       {{2, N::BeforeNames}}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    TempFolder folder;
    const auto file = WriteSkin(folder, c.lines);
    const CheckResult result = CheckSkinFile(file);
    ASSERT_TRUE(result.is_skin) << result.not_skin_reason;
    std::vector<Expected> got;
    for (const SkinNoteEvent& e : result.warnings) got.push_back({e.line, e.note});
    EXPECT_EQ(got, c.notes) << "got " << Describe(got) << " expected " << Describe(c.notes);
    EXPECT_EQ(CheckStatus(result), c.notes.empty() ? 0 : 1);
    for (const SkinNoteEvent& e : result.warnings) {
      EXPECT_EQ(e.text, c.lines[static_cast<size_t>(e.line) - 1]);
    }
  }
}

// The observer only listens: the skins read are the same with it and without it.
TEST(Check, ListeningChangesNothingTheReaderReads) {
  const Lines quirky = SkinLines({{"\\harrow"}, kTriangle, {"marks", "5 5", "polygon ++", "1 1",
                              "\\harrow", "polygon", "0 0", "\\mark 3 u"}, kTriangle,
                             {"\\analogorder", "Static", "digits"}});
  TempFolder folder;
  const auto file = WriteSkin(folder, quirky);
  int heard = 0;
  const Skins listened = ReadOneSkinFile(file, [&](const SkinNoteEvent&) { ++heard; });
  const Skins plain = ReadOneSkinFile(file);
  EXPECT_GT(heard, 0);
  ASSERT_EQ(listened.size(), 1u);
  ASSERT_EQ(plain.size(), 1u);
  const Skin& a = listened[0];
  const Skin& b = plain[0];
  EXPECT_EQ(a.hour_hand, b.hour_hand);
  EXPECT_EQ(a.marks, b.marks);
  EXPECT_EQ(a.mark_turns, b.mark_turns);
  EXPECT_EQ(a.analog_order, b.analog_order);
  EXPECT_FALSE(b.mark_turns[3]);
  EXPECT_EQ(b.analog_order[0], "Static");
}

TEST(Check, FilesThatAreNotSkins) {
  const struct {
    const char* what;
    std::string bytes;
    std::string reason;  // a part of it
  } cases[] = {
      {"empty", "", "it is empty"},
      {"lower case", "vitrelle skin file.\r\n\\names A\r\n", "letter case"},
      {"trailing blank", "Vitrelle skin file. \r\n\\names A\r\n", "blanks"},
      {"byte-order mark", "\xEF\xBB\xBFVitrelle skin file.\r\n\\names A\r\n", "byte-order mark"},
      {"LF line ends", "Vitrelle skin file.\n\\names A\n", "CR LF"},
      {"something else", "hello\r\n", "must be exactly"},
      {"no names", "Vitrelle skin file.\r\n\\harrow\r\n", "no \\names line"},
  };
  for (const auto& c : cases) {
    TempFolder folder;
    const CheckResult result = CheckSkinFile(folder.WriteBytes("x.skn", c.bytes));
    EXPECT_FALSE(result.is_skin) << c.what;
    EXPECT_NE(result.not_skin_reason.find(c.reason), std::string::npos)
        << c.what << ": " << result.not_skin_reason;
    EXPECT_EQ(CheckStatus(result), 2) << c.what;
  }
}

TEST(Check, ReportLinesAndExitStatusOfARun) {
  TempFolder folder;
  const std::string clean = folder.WriteLines("clean.skn", {"Vitrelle skin file.", "\\names A",
                                                            "\\staticanalog", "circle +",
                                                            "0 0 290"}).string();
  const std::string warned = folder.WriteLines("warned.skn", {"Vitrelle skin file.",
                                                              "\\names B", "\\hrarow"}).string();
  const std::string plain = folder.WriteLines("plain.skn", {"just text"}).string();
  const std::string missing = (folder.path() / "missing.skn").string();
  const auto run = [](const std::vector<std::string>& args, std::string* out = nullptr,
                      std::string* err = nullptr) {
    std::ostringstream o, e;
    const int status = skintool::Run(args, o, e);
    if (out) *out = o.str();
    if (err) *err = e.str();
    return status;
  };
  std::string out, err;
  EXPECT_EQ(run({"check", clean}, &out), 0);
  EXPECT_EQ(out, clean + ": no warnings\n");
  EXPECT_EQ(run({"check", clean, warned}, &out), 1);
  EXPECT_NE(out.find(warned + ":3: warning: unknown keyword; the line is ignored: \\hrarow\n"),
            std::string::npos) << out;
  EXPECT_NE(out.find(warned + ": 1 warning\n"), std::string::npos) << out;
  // Control characters in a line cannot break the one-warning-a-line report.
  const std::string junk = folder.WriteBytes("junk.skn", "Vitrelle skin file.\r\n\\names J\r\n"
                                                        "\x01x\ny\x1b\r\n").string();
  EXPECT_EQ(run({"check", junk}, &out), 1);
  EXPECT_EQ(out, junk + ":3: warning: unknown keyword; the line is ignored: ?x?y?\n" + junk +
                     ": 1 warning\n");
  EXPECT_EQ(run({"check", warned, plain, clean}, &out), 2);
  EXPECT_NE(out.find(plain + ":1: error: not a skin"), std::string::npos) << out;
  // A missing file is an error, and the files after it are still checked.
  EXPECT_EQ(run({"check", missing, clean}, &out, &err), kExitError);
  EXPECT_NE(out.find(clean + ": no warnings"), std::string::npos) << out;
  EXPECT_NE(err.find("does not exist"), std::string::npos) << err;
}

TEST(Check, ShippedSkinsAreClean) {
  const auto files = ShippedSkinFiles();
  ASSERT_FALSE(files.empty());
  for (const auto& file : files) {
    const CheckResult result = CheckSkinFile(file);
    std::ostringstream report;
    PrintCheck(file.filename().string(), result, report);
    EXPECT_EQ(CheckStatus(result), 0) << report.str();
  }
}

}  // namespace
}  // namespace sorvane::skintool
