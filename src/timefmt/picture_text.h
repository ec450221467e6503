#pragma once
// Pieces shared by the date and the time picture formatters: runs of a pattern letter,
// quoted text, and characters that may take two bytes in the system code page.
#include <cstddef>
#include <string>
#include <string_view>

#include "timefmt/locale_data.h"

namespace sorvane::picture {

char LowerAscii(char c);
// How many characters from `at` on are the letter at `at`, compared without case.
size_t RunLength(std::string_view picture, size_t at);
// Same, but case counts (h and H are different patterns in a time picture).
size_t ExactRunLength(std::string_view picture, size_t at);
// Copies the character at `at` (both bytes of a double-byte one); returns the next position.
size_t CopyCharacter(std::string_view picture, size_t at, const LocaleData& locale,
                     std::string& out);
// `at` holds a quote mark: copies the text up to the matching mark (or to the end when
// there is none) without the marks; returns the position after the closing mark.
size_t CopyQuoted(std::string_view picture, size_t at, const LocaleData& locale, std::string& out);
// `value` in decimal, padded with zeros to at least `width` digits.
std::string Padded(int value, int width);

}  // namespace sorvane::picture
