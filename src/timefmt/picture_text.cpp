#include "timefmt/picture_text.h"

namespace sorvane::picture {

char LowerAscii(char c) {
  return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c;
}

size_t RunLength(std::string_view picture, size_t at) {
  size_t end = at + 1;
  while (end < picture.size() && LowerAscii(picture[end]) == LowerAscii(picture[at])) ++end;
  return end - at;
}

size_t ExactRunLength(std::string_view picture, size_t at) {
  size_t end = at + 1;
  while (end < picture.size() && picture[end] == picture[at]) ++end;
  return end - at;
}

size_t CopyCharacter(std::string_view picture, size_t at, const LocaleData& locale,
                     std::string& out) {
  const auto byte = static_cast<unsigned char>(picture[at]);
  // A lead byte and its trail byte form one character; the trail byte may look like a
  // pattern letter or a quote and must not be read as one.
  const size_t length = (locale.lead_bytes[byte] && at + 1 < picture.size()) ? 2 : 1;
  out.append(picture.substr(at, length));
  return at + length;
}

size_t CopyQuoted(std::string_view picture, size_t at, const LocaleData& locale, std::string& out) {
  const char mark = picture[at];
  size_t i = at + 1;
  while (i < picture.size() && picture[i] != mark) i = CopyCharacter(picture, i, locale, out);
  return i < picture.size() ? i + 1 : i;
}

std::string Padded(int value, int width) {
  std::string digits = std::to_string(value < 0 ? -static_cast<long long>(value) : value);
  if (digits.size() < static_cast<size_t>(width)) {
    digits.insert(0, static_cast<size_t>(width) - digits.size(), '0');
  }
  if (value < 0) digits.insert(0, 1, '-');
  return digits;
}

}  // namespace sorvane::picture
