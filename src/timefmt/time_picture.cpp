#include "timefmt/time_picture.h"

#include "timefmt/picture_text.h"

namespace sorvane {
namespace {

using picture::Padded;

int TwelveHour(int hour) {
  const int h = hour % 12;
  return h == 0 ? 12 : h;  // midnight and noon show as 12
}

}  // namespace

std::string FormatTimePicture(std::string_view text, int hour, int minute, int second,
                              const LocaleData& locale) {
  std::string out;
  const std::string& designator = hour < 12 ? locale.am : locale.pm;
  size_t i = 0;
  while (i < text.size()) {
    const char c = text[i];
    const char lower = picture::LowerAscii(c);
    if (c == '\'' || c == '"') {
      i = picture::CopyQuoted(text, i, locale, out);
      continue;
    }
    const size_t run =
        c == 'h' || c == 'H' ? picture::ExactRunLength(text, i) : picture::RunLength(text, i);
    const int width = run >= 2 ? 2 : 1;
    if (c == 'h') {
      out += Padded(TwelveHour(hour), width);
    } else if (c == 'H') {
      out += Padded(hour, width);
    } else if (lower == 'm') {
      out += Padded(minute, width);
    } else if (lower == 's') {
      out += Padded(second, width);
    } else if (lower == 't') {
      if (run >= 2) {
        out += designator;
      } else if (!designator.empty()) {
        picture::CopyCharacter(designator, 0, locale, out);
      }
    } else {
      i = picture::CopyCharacter(text, i, locale, out);
      continue;
    }
    i += run;
  }
  return out;
}

}  // namespace sorvane
