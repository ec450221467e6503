#include "files/tokenizer.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace sorvane {
namespace {

struct WordsCase {
  std::string line;
  std::vector<std::string> words;  // words 1, 2, ... then the first missing one
  int32_t count;
};

TEST(Tokenizer, SplitsLinesIntoWords) {
  const std::vector<WordsCase> cases = {
      {"", {"%&", "%&"}, 0},
      {" \t  \t", {"%&", "%&"}, 0},
      {"\tx  12", {"x", "12", "%&", "%&"}, 2},
      {"single", {"single", "%&"}, 1},
      {"  lead and   trail  ", {"lead", "and", "trail", "%&"}, 3},
      {"a\rb c\nd", {"a\rb", "c\nd", "%&"}, 2},  // CR and LF belong to words
      {"first %& third", {"first", "%&", "third", "%&"}, 1},
      {"\x01 \x7f", {"\x01", "\x7f", "%&"}, 2},  // other control characters are word text
  };
  for (const WordsCase& c : cases) {
    SCOPED_TRACE(c.line);
    for (size_t n = 0; n < c.words.size(); ++n) {
      EXPECT_EQ(NthWord(c.line, static_cast<int>(n) + 1), c.words[n]) << "word " << n + 1;
    }
    EXPECT_EQ(NthWord(c.line, 0), "");
    EXPECT_EQ(WordCount(c.line), c.count);
  }
}

TEST(Tokenizer, HandlesLinesLongerThanAnEightBitCounter) {
  std::string line;
  for (int i = 0; i < 300; ++i) line.append("w").append(std::to_string(i)).append(" ");
  EXPECT_EQ(WordCount(line), 300);
  EXPECT_EQ(NthWord(line, 300), "w299");
  EXPECT_EQ(NthWord(line, 301), "%&");
  const std::string far_word = std::string(400, ' ') + "late";
  EXPECT_EQ(NthWord(far_word, 1), "late");
  EXPECT_EQ(NthWord("a b", -1), "%&");
}

TEST(Tokenizer, IsNumAcceptsDigitsAndMinusSignsOnly) {
  const std::vector<std::pair<std::string, bool>> cases = {
      {"0", true},   {"123", true}, {"-45", true},  {"-", true},    {"1-2", true}, {"", true},
      {"%&", false}, {"+1", false}, {"1.5", false}, {"12a", false}, {" 1", false},
  };
  for (const auto& [word, expected] : cases) EXPECT_EQ(IsNumberWord(word), expected) << word;
}

TEST(Tokenizer, ToInt32AcceptsOnlySigned32BitIntegers) {
  const std::vector<std::pair<std::string, std::optional<int32_t>>> cases = {
      {"0", 0},
      {"-40", -40},
      {"007", 7},
      {"2147483647", 2147483647},
      {"-2147483648", INT32_MIN},
      {"2147483648", std::nullopt},
      {"-2147483649", std::nullopt},
      {"99999999999999999999999", std::nullopt},
      {"-", std::nullopt},
      {"1-2", std::nullopt},
      {"--1", std::nullopt},
      {"", std::nullopt},
  };
  for (const auto& [word, expected] : cases) EXPECT_EQ(ToInt32(word), expected) << word;
}

TEST(Tokenizer, StripAmpersandsRemovesEveryAmpersand) {
  EXPECT_EQ(StripAmpersands("&Huge"), "Huge");
  EXPECT_EQ(StripAmpersands("Super&Tiny&"), "SuperTiny");
  EXPECT_EQ(StripAmpersands("&&&"), "");
  EXPECT_EQ(StripAmpersands("plain"), "plain");
}

TEST(Tokenizer, SplitLinesEndsLinesAtCarriageReturns) {
  const std::vector<std::pair<std::string, std::vector<std::string>>> cases = {
      {"", {}},
      {"one", {"one"}},
      {"one\r\ntwo\r\n", {"one", "two"}},
      {"one\rtwo", {"one", "two"}},
      {"a\nb\r\n", {"a\nb"}},  // a lone LF is part of the line
      {"a\r\n\r\nb", {"a", "", "b"}},
      {"a\r\r\nb", {"a", "", "b"}},  // only one LF is swallowed per CR
      {"a\r\n\nb", {"a", "\nb"}},
      {"a\r\nb\x1a\r\nlost", {"a", "b"}},  // Ctrl-Z ends the file
      {std::string("a\0b\r\n", 5), {std::string("a\0b", 3)}},
  };
  for (const auto& [bytes, lines] : cases) EXPECT_EQ(SplitLines(bytes), lines);
}

}  // namespace
}  // namespace sorvane
