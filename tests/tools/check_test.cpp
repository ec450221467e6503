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
Lines Skin(std::initializer_list<Lines> parts) {
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
      {"clean example", Skin({{"\\staticanalog", "circle +", "0 0 290", "circle -", "0 0 270",
                               "", "\\harrow"}, kTriangle, {"\\mark 0 U"}, kTriangle,
                              {"\\analogorder", "static", "marks", "harrow"}}), {}},
      {"unknown keyword", Skin({{"\\harow"}}), {{3, N::kUnknownLine}}},
      {"comment-like line", Skin({{"; the face"}}), {{3, N::kUnknownLine}}},
      {"data outside a shape", Skin({{"\\harrow", "10 20"}}), {{4, N::kDataOutsideShape}}},
      {"mark out of range", Skin({{"\\mark 15"}, kTriangle}),
       {{3, N::kNoTarget}, {4, N::kShapeDiscarded}}},
      {"mark not a number", Skin({{"\\mark x u"}}), {{3, N::kNoTarget}}},
      {"digit out of range", Skin({{"\\digit 13"}}), {{3, N::kNoTarget}}},
      {"mark 13", Skin({{"\\mark 13"}, kTriangle}), {{3, N::kMarkNeverDrawn}}},
      {"u on the minute mark", Skin({{"\\mark 14 u"}, kTriangle}), {{3, N::kRotateIgnored}}},
      {"not u", Skin({{"\\mark 3 x"}, kTriangle}), {{3, N::kExtraWords}}},
      {"order entry in capitals", Skin({{"\\analogorder", "static", "Marks"}}),
       {{5, N::kOrderCapitals}}},
      {"digits in the analog order", Skin({{"\\analogorder", "digits"}}),
       {{4, N::kOrderNotAnalog}}},
      {"sixth analog entry", Skin({{"\\analogorder", "static", "marks", "harrow", "marrow",
                                    "sarrow", "static"}}), {{9, N::kOrderOverflow}}},
      {"third digital entry", Skin({{"\\digitalorder", "static", "digits", "static"}}),
       {{6, N::kOrderOverflow}}},
      {"order entry outside a section", Skin({{"marks"}}), {{3, N::kOrderOutsideSection}}},
      {"order entry in a shape section", Skin({{"\\harrow"}, kTriangle, {"marks"}, kTriangle}),
       {{8, N::kOrderInShapes}}},
      {"data line with no element", Skin({{"\\harrow"}, kTriangle, {"marks", "5 5"}}),
       {{8, N::kOrderInShapes}, {9, N::kDataNoElement}}},
      {"polygon of two vertices", Skin({{"\\harrow", "polygon +", "0 0", "10 10", "\\marrow"}}),
       {{4, N::kShortPolygon}}},
      {"polygon cut short by the file's end", Skin({{"\\sarrow", "polygon +", "0 0"}}),
       {{4, N::kShortPolygon}}},
      {"operation too long", Skin({{"\\harrow"}, kTriangle, {"polygon ++", "-1 0", "0 -9", "1 0"}}),
       {{8, N::kOperationInvalid}, {8, N::kNoOperation}}},
      {"unknown operation", Skin({{"\\harrow"}, kTriangle, {"polygon x", "-1 0", "0 -9", "1 0"}}),
       {{8, N::kOperationUnknown}}},
      {"later shape without operation", Skin({{"\\harrow"}, kTriangle, {"circle", "0 0 5"}}),
       {{8, N::kNoOperation}}},
      {"first shape without operation", Skin({{"\\harrow", "polygon", "-1 0", "0 -9", "1 0"}}), {}},
      {"circle of radius 0", Skin({{"\\staticanalog", "circle +", "0 0 0"}}),
       {{5, N::kCircleTooSmall}}},
      {"circle without radius", Skin({{"\\staticanalog", "circle +", "0 0"}}),
       {{5, N::kDataMalformed}}},
      {"vertex of three numbers", Skin({{"\\harrow"}, kTriangle, {"5 5 5"}}),
       {{8, N::kDataMalformed}}},
      {"number too large", Skin({{"\\harrow"}, kTriangle, {"99999999999 0"}}),
       {{8, N::kBadNumber}}},
      {"lone minus sign", Skin({{"\\harrow"}, kTriangle, {"- 0"}}), {{8, N::kBadNumber}}},
      {"section again", Skin({{"\\harrow"}, kTriangle, {"\\harrow"}, kTriangle}),
       {{8, N::kSectionRepeated}}},
      {"view line short", Skin({{"\\firsthourview 1 2"}}), {{3, N::kViewMalformed}}},
      {"extra words on a header", Skin({{"\\harrow now"}, kTriangle}), {{3, N::kExtraWords}}},
      {"shape in an order section", Skin({{"\\analogorder"}, kTriangle}),
       {{4, N::kShapeDiscarded}}},
      {"second names line", Skin({{"\\names Again"}}), {{3, N::kSecondNames}}},
      {"line before names", {"Vitrelle skin file.", "\\harrow", "\\names T"},
       {{2, N::kBeforeNames}}},
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
  const Lines quirky = Skin({{"\\harrow"}, kTriangle, {"marks", "5 5", "polygon ++", "1 1",
                              "\\harrow", "polygon", "0 0", "\\mark 3 u"}, kTriangle,
                             {"\\analogorder", "Static", "digits"}});
  TempFolder folder;
  const auto file = WriteSkin(folder, quirky);
  int heard = 0;
  const TSkins listened = ReadOneSkinFile(file, [&](const SkinNoteEvent&) { ++heard; });
  const TSkins plain = ReadOneSkinFile(file);
  EXPECT_GT(heard, 0);
  ASSERT_EQ(listened.size(), 1u);
  ASSERT_EQ(plain.size(), 1u);
  const TSkin& a = listened[0];
  const TSkin& b = plain[0];
  EXPECT_EQ(a.HArrow, b.HArrow);
  EXPECT_EQ(a.Marks, b.Marks);
  EXPECT_EQ(a.MarkRotate, b.MarkRotate);
  EXPECT_EQ(a.AnalogOrder, b.AnalogOrder);
  EXPECT_FALSE(b.MarkRotate[3]);
  EXPECT_EQ(b.AnalogOrder[0], "Static");
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
