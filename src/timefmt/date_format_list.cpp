// The ten date formats of the date line, built once from the user's regional settings.
#include <charconv>

#include "timefmt/date_format.h"

namespace sorvane {
namespace {

// Separators are kept to sixteen characters; longer ones are cut.
std::string Separator(const std::string& text) {
  return text.substr(0, 16);
}

// The date order as a number; -1 when the text is no integer, which picks no numeric formats.
int DateOrderOf(const std::string& text) {
  int value = 0;
  const char* end = text.data() + text.size();
  const auto [stop, error] = std::from_chars(text.data(), end, value);
  return (error == std::errc() && stop == end && !text.empty()) ? value : -1;
}

// first, separator, second, separator, third
std::string Join(std::string_view first, const std::string& sep, std::string_view second,
                 std::string_view third) {
  std::string text(first);
  text.append(sep).append(second).append(sep).append(third);
  return text;
}

// Formats 3 to 6: the numbers in the user's order, joined by the date separator.
void SetNumericFormats(DateConventions& setup) {
  const std::string& s = setup.date_separator;
  DateFormatList& f = setup.date_formats;
  switch (setup.date_order) {
    case 0:
      f[3] = Join("MM", s, "dd", "yy");
      f[4] = Join("MM", s, "dd", "yyy");
      f[5] = Join("MM", s, "dd", "yy ddd");
      f[6] = Join("MM", s, "dd", "yyy ddd");
      break;
    case 1:
      f[3] = Join("dd", s, "MM", "yy");
      f[4] = Join("dd", s, "MM", "yyy");
      f[5] = Join("dd", s, "MM", "yy ddd");
      f[6] = Join("dd", s, "MM", "yyy ddd");
      break;
    case 2:
      f[3] = Join("yy", s, "MM", "dd");
      f[4] = Join("yyy", s, "MM", "dd");
      f[5] = Join("yy", s, "MM", "dd ddd");
      f[6] = Join("yyy", s, "MM", "dd ddd");
      break;
    default:
      break;  // an order we do not know leaves these formats empty
  }
}

}  // namespace

DateConventions DateConventionsFor(const LocaleData& locale) {
  DateConventions setup;
  setup.time_separator = Separator(locale.time_separator);
  setup.date_separator = Separator(locale.date_separator);
  setup.date_order = DateOrderOf(locale.date_order);
  setup.date_formats[1] = locale.short_date;
  setup.date_formats[2] = locale.long_date;
  SetNumericFormats(setup);
  setup.date_formats[7] = "dd MMM yyy";
  setup.date_formats[8] = "dd MMM yyy ddd";
  setup.date_formats[9] = "MMMM dd, yyy";
  setup.date_formats[10] = "MMMM dd, yyy ddd";
  for (int n = 1; n <= 10; ++n) {
    setup.captions[static_cast<size_t>(n)] =
        FormatDate(setup.date_formats[n], kSampleDate, locale, setup.date_separator);
  }
  return setup;
}

}  // namespace sorvane
