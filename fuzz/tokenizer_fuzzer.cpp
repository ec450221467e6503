// The line tokenizer against a plain model of words: maximal runs of characters other than
// blank and tab, with "%&" standing for "no word". Lines of any length, with any bytes.
#include <cstddef>
#include <cstdint>
#include <limits>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "files/tokenizer.h"
#include "fuzz_check.h"

namespace {

using namespace sorvane;

bool IsBlank(char c) { return c == ' ' || c == '\t'; }

std::vector<std::string> ModelWords(std::string_view line) {
  std::vector<std::string> words;
  std::string current;
  for (char c : line) {
    if (!IsBlank(c)) {
      current += c;
    } else if (!current.empty()) {
      words.push_back(current);
      current.clear();
    }
  }
  if (!current.empty()) words.push_back(current);
  return words;
}

// An optional minus sign and at least one digit, within the signed 32-bit range.
std::optional<int32_t> ModelInt(std::string_view word) {
  const bool negative = !word.empty() && word[0] == '-';
  const std::string_view digits = word.substr(negative ? 1 : 0);
  if (digits.empty() || digits.find_first_not_of("0123456789") != std::string_view::npos)
    return std::nullopt;
  const size_t first = std::min(digits.find_first_not_of('0'), digits.size());
  if (digits.size() - first > 10) return std::nullopt;
  const long long magnitude = first == digits.size() ? 0 : std::stoll(std::string(digits.substr(first)));
  const long long value = negative ? -magnitude : magnitude;
  if (value < std::numeric_limits<int32_t>::min() || value > std::numeric_limits<int32_t>::max())
    return std::nullopt;
  return static_cast<int32_t>(value);
}

std::vector<std::string> ModelLines(std::string_view bytes) {
  bytes = bytes.substr(0, bytes.find('\x1a'));
  std::vector<std::string> lines;
  std::string current;
  bool open = false;  // a line has started and not yet ended
  for (size_t i = 0; i < bytes.size(); ++i) {
    if (bytes[i] == '\r') {
      lines.push_back(current);
      current.clear();
      open = false;
      if (i + 1 < bytes.size() && bytes[i + 1] == '\n') ++i;
    } else {
      current += bytes[i];
      open = true;
    }
  }
  if (open) lines.push_back(current);
  return lines;
}

void CheckWords(std::string_view line) {
  const std::vector<std::string> words = ModelWords(line);
  FUZZ_CHECK(NthWord(line, 0).empty());
  const int n = static_cast<int>(words.size());
  for (int i = 1; i <= n + 2; ++i) {
    FUZZ_CHECK(NthWord(line, i) == (i <= n ? words[i - 1] : std::string(kNoWord)));
  }
  int32_t count = 0;
  while (count < n && words[count] != kNoWord) ++count;
  FUZZ_CHECK(WordCount(line) == count);
}

void CheckNumbers(std::string_view word) {
  const bool num = word.find_first_not_of("0123456789-") == std::string_view::npos;
  FUZZ_CHECK(IsNumberWord(word) == num);
  const std::optional<int32_t> value = ToInt32(word);
  FUZZ_CHECK(value == ModelInt(word));
  if (value) FUZZ_CHECK(ToInt32(std::to_string(*value)) == value);
}

void CheckStrip(std::string_view text) {
  std::string expected;
  for (char c : text)
    if (c != '&') expected += c;
  FUZZ_CHECK(StripAmpersands(text) == expected);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string_view bytes(reinterpret_cast<const char*>(data), size);
  FUZZ_CHECK(SplitLines(bytes) == ModelLines(bytes));
  CheckWords(bytes);
  for (const std::string& word : ModelWords(bytes)) CheckNumbers(word);
  CheckNumbers(bytes);
  CheckStrip(bytes);
  return 0;
}
