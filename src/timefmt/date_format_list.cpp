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
void SetNumericFormats(DateFormatSetup& setup) {
  const std::string& s = setup.DateSep;
  TDateFormatList& f = setup.DateFormats;
  switch (setup.DateOrder) {
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

DateFormatSetup SetDateFormatList(const LocaleData& locale) {
  DateFormatSetup setup;
  setup.TimeSep = Separator(locale.time_separator);
  setup.DateSep = Separator(locale.date_separator);
  setup.DateOrder = DateOrderOf(locale.date_order);
  setup.DateFormats[1] = locale.short_date;
  setup.DateFormats[2] = locale.long_date;
  SetNumericFormats(setup);
  setup.DateFormats[7] = "dd MMM yyy";
  setup.DateFormats[8] = "dd MMM yyy ddd";
  setup.DateFormats[9] = "MMMM dd, yyy";
  setup.DateFormats[10] = "MMMM dd, yyy ddd";
  for (int n = 1; n <= 10; ++n) {
    setup.captions[static_cast<size_t>(n)] =
        FormatDate(setup.DateFormats[n], kSampleDate, locale, setup.DateSep);
  }
  return setup;
}

}  // namespace sorvane
