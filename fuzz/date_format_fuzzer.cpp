// FormatDate with arbitrary format strings, any valid date, arbitrary date separators and
// user pictures (the empty format falls back on them), and some bytes of the code page
// marked as lead bytes, so a lead byte at the very end of a format is tried too. Then
// DateConventionsFor with the same settings and an arbitrary date order text.
#include <fuzzer/FuzzedDataProvider.h>

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "fuzz_check.h"
#include "timefmt/date_format.h"
#include "timefmt/locale_data.h"

namespace {

using namespace sorvane;

int DaysInMonth(int year, int month) {
  static constexpr int kDays[12] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
  const bool leap = (year % 4 == 0 && year % 100 != 0) || year % 400 == 0;
  return month == 2 && leap ? 29 : kDays[month - 1];
}

DateTime ConsumeDate(FuzzedDataProvider& in) {
  DateTime when;
  when.year = in.ConsumeIntegralInRange(1, 9999);
  when.month = in.ConsumeIntegralInRange(1, 12);
  when.day = in.ConsumeIntegralInRange(1, DaysInMonth(when.year, when.month));
  when.hour = in.ConsumeIntegralInRange(0, 23);
  when.minute = in.ConsumeIntegralInRange(0, 59);
  when.second = in.ConsumeIntegralInRange(0, 59);
  when.millisecond = in.ConsumeIntegralInRange(0, 999);
  return when;
}

LocaleData ConsumeLocale(FuzzedDataProvider& in) {
  LocaleData locale = UsEnglishLocale();
  const int lead_bytes = in.ConsumeIntegralInRange(0, 3);
  for (int i = 0; i < lead_bytes; ++i) locale.lead_bytes[in.ConsumeIntegral<uint8_t>()] = true;
  if (in.ConsumeBool()) locale.date_separator = in.ConsumeRandomLengthString(24);
  if (in.ConsumeBool()) locale.time_separator = in.ConsumeRandomLengthString(24);
  if (in.ConsumeBool()) locale.date_order = in.ConsumeRandomLengthString(12);
  if (in.ConsumeBool()) locale.short_date = in.ConsumeRandomLengthString(40);
  if (in.ConsumeBool()) locale.long_date = in.ConsumeRandomLengthString(40);
  if (in.ConsumeBool()) locale.long_time = in.ConsumeRandomLengthString(40);
  return locale;
}

size_t LongestPiece(const LocaleData& locale, std::string_view separator) {
  size_t longest = std::max<size_t>(16, separator.size());
  for (const auto* names : {&locale.month_names, &locale.abbrev_month_names})
    for (const std::string& n : *names) longest = std::max(longest, n.size());
  for (const auto* names : {&locale.day_names, &locale.abbrev_day_names})
    for (const std::string& n : *names) longest = std::max(longest, n.size());
  return std::max({longest, locale.am.size(), locale.pm.size(), locale.time_separator.size()});
}

// Characters that are no pattern in any picture language the formatter might know.
bool IsPlainText(std::string_view text) {
  return !text.empty() && text.find_first_not_of("0123456789 ,.-()") == std::string_view::npos;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  FuzzedDataProvider in(data, size);
  const DateTime when = ConsumeDate(in);
  const LocaleData locale = ConsumeLocale(in);
  const std::string separator = in.ConsumeRandomLengthString(20);
  const std::string format = in.ConsumeRemainingBytesAsString();

  const std::string text = FormatDate(format, when, locale, separator);
  FUZZ_CHECK(text == FormatDate(format, when, locale, separator));
  // Every character of a picture yields at most one piece: a number, a name or a separator.
  const size_t pictures = format.size() + locale.short_date.size() + locale.long_time.size() + 2;
  FUZZ_CHECK(text.size() <= pictures * LongestPiece(locale, separator));
  if (IsPlainText(format)) FUZZ_CHECK(text == format);

  const DateConventions setup = DateConventionsFor(locale);
  FUZZ_CHECK(setup.time_separator.size() <= 16 && setup.date_separator.size() <= 16);
  return 0;
}
