#pragma once
// Words of a data-file line: runs of characters other than blank and tab.
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace sorvane {

inline constexpr std::string_view kNoWord = "%&";

// The n-th word (from 1), kNoWord when there is none, "" for n == 0.
std::string NthWord(std::string_view line, int n);
// Number of words before the first kNoWord.
int32_t WordCount(std::string_view line);
// Every character a digit or '-' (so "", "-" and "1-2" pass).
bool IsNumberWord(std::string_view word);
std::string StripAmpersands(std::string_view text);
// The value of a word IsNumberWord accepts, or nothing when it is no valid signed 32-bit integer.
std::optional<int32_t> ToInt32(std::string_view word);
// Splits file bytes into lines: a line ends at CR (one LF right after it is skipped), an LF
// elsewhere belongs to the line, and Ctrl-Z ends the file.
std::vector<std::string> SplitLines(std::string_view bytes);

}  // namespace sorvane
