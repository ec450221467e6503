// Words of a data-file line. Positions are plain ints, so lines of any length are taken
// apart correctly (an 8-bit counter would wrap after 255 characters).
#include "files/tokenizer.h"

#include <limits>

namespace sorvane {
namespace {

bool IsBlank(char c) {
  return c == ' ' || c == '\t';
}

}  // namespace

std::string NthWord(std::string_view line, int n) {
  if (n == 0) return {};
  if (n < 0) return std::string(kNoWord);  // no word stands before the first
  size_t i = 0;
  for (int k = 1;; ++k) {
    while (i < line.size() && IsBlank(line[i])) ++i;
    // Once a number finds no word, every higher number finds none either.
    if (i >= line.size()) return std::string(kNoWord);
    const size_t start = i;
    while (i < line.size() && !IsBlank(line[i])) ++i;
    if (k == n) return std::string(line.substr(start, i - start));
  }
}

int32_t WordCount(std::string_view line) {
  int32_t count = 0;
  // A word that reads "%&" cannot be told from the no-word marker, so it ends the count.
  while (NthWord(line, count + 1) != kNoWord) ++count;
  return count;
}

bool IsNumberWord(std::string_view word) {
  for (char c : word) {
    if (c != '-' && (c < '0' || c > '9')) return false;
  }
  return true;
}

std::string StripAmpersands(std::string_view text) {
  std::string result;
  result.reserve(text.size());
  for (char c : text) {
    if (c != '&') result += c;
  }
  return result;
}

std::optional<int32_t> ToInt32(std::string_view word) {
  const bool negative = !word.empty() && word.front() == '-';
  if (negative) word.remove_prefix(1);
  if (word.empty()) return std::nullopt;
  // Accumulate the magnitude in 64 bits and stop as soon as it leaves the 32-bit range,
  // so any number of digits is safe.
  const int64_t limit = negative ? -int64_t{std::numeric_limits<int32_t>::min()}
                                 : int64_t{std::numeric_limits<int32_t>::max()};
  int64_t magnitude = 0;
  for (char c : word) {
    if (c < '0' || c > '9') return std::nullopt;
    magnitude = magnitude * 10 + (c - '0');
    if (magnitude > limit) return std::nullopt;
  }
  return static_cast<int32_t>(negative ? -magnitude : magnitude);
}

}  // namespace sorvane
