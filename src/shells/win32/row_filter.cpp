#include "shells/win32/row_filter.h"

#include <algorithm>

namespace sorvane::win32 {

namespace {

// Not std::tolower: its answer for bytes above 127 follows the C locale.
char AsciiLower(char c) {
  return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
}

}  // namespace

bool CaptionHolds(std::string_view caption, std::string_view text) {
  if (text.empty()) return true;
  const auto alike = [](char a, char b) { return AsciiLower(a) == AsciiLower(b); };
  return std::search(caption.begin(), caption.end(), text.begin(), text.end(), alike) !=
         caption.end();
}

std::vector<size_t> RowsHolding(const std::vector<ports::ChoiceRow>& rows, std::string_view text) {
  std::vector<size_t> kept;
  for (size_t i = 0; i < rows.size(); ++i) {
    if (CaptionHolds(rows[i].caption, text)) kept.push_back(i);
  }
  return kept;
}

}  // namespace sorvane::win32
