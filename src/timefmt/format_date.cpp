// Turning a date picture such as "dddd, MMMM d, yyyy" into text. Pattern letters are read
// without case and a run of one letter is one pattern: "MM" and "mm" are both the month
// number here, since a date picture holds no minutes.
#include "timefmt/date_format.h"
#include "timefmt/picture_text.h"
#include "timefmt/time_picture.h"

namespace sorvane {
namespace {

using picture::Padded;

// Monday is 0, as in LocaleData's day names. Counts days in the proleptic Gregorian
// calendar, with years starting in March so that leap days come last.
int WeekdayFromMonday(const DateTime& when) {
  const int y = when.month <= 2 ? when.year - 1 : when.year;
  const int era = (y >= 0 ? y : y - 399) / 400;
  const int year_of_era = y - era * 400;
  const int month_from_march = (when.month + 9) % 12;
  const int day_of_year = (153 * month_from_march + 2) / 5 + when.day - 1;
  const int day_of_era = year_of_era * 365 + year_of_era / 4 - year_of_era / 100 + day_of_year;
  // Day 0 is 1 January 1970, a Thursday (3 days after a Monday).
  const long long days = static_cast<long long>(era) * 146097 + day_of_era - 719468;
  const long long from_monday = (days + 3) % 7;
  return static_cast<int>(from_monday < 0 ? from_monday + 7 : from_monday);
}

// A name from a locale table, or nothing for a month outside 1..12.
template <size_t N>
const std::string& NameAt(const std::array<std::string, N>& names, int index) {
  static const std::string none;
  return index >= 0 && static_cast<size_t>(index) < N ? names[static_cast<size_t>(index)] : none;
}

void AppendDay(std::string& out, size_t run, const DateTime& when, const LocaleData& locale) {
  const int weekday = WeekdayFromMonday(when);
  if (run == 1) out += std::to_string(when.day);
  if (run == 2) out += Padded(when.day, 2);
  if (run == 3) out += NameAt(locale.abbrev_day_names, weekday);
  if (run >= 4) out += NameAt(locale.day_names, weekday);  // longer runs read as dddd
}

void AppendMonth(std::string& out, size_t run, const DateTime& when, const LocaleData& locale) {
  if (run == 1) out += std::to_string(when.month);
  if (run == 2) out += Padded(when.month, 2);
  if (run == 3) out += NameAt(locale.abbrev_month_names, when.month - 1);
  if (run >= 4) out += NameAt(locale.month_names, when.month - 1);
}

void AppendYear(std::string& out, size_t run, const DateTime& when) {
  out += run <= 2 ? Padded(when.year % 100, 2) : Padded(when.year, 4);
}

// Era patterns: the clock keeps the Gregorian calendar, whose one era is named by
// locale.era_name ("A.D." in English). "e" is the year within that era, which is the year
// itself; "ee" pads it to two digits at least.
void AppendEra(std::string& out, char letter, size_t run, const DateTime& when,
               const LocaleData& locale) {
  if (letter == 'g') out += locale.era_name;
  if (letter == 'e') out += Padded(when.year, run >= 2 ? 2 : 1);
}

// An empty picture: the short date, and when the time is not midnight, a blank and the
// time in the long time picture.
std::string DateAndTime(const DateTime& when, const LocaleData& locale,
                        std::string_view date_separator) {
  std::string out;
  // An empty short date must not lead back here.
  if (!locale.short_date.empty()) out = FormatDate(locale.short_date, when, locale, date_separator);
  if (when.hour != 0 || when.minute != 0 || when.second != 0) {
    out += ' ';
    out += FormatTimePicture(locale.long_time, when.hour, when.minute, when.second, locale);
  }
  return out;
}

}  // namespace

std::string FormatDate(std::string_view format, const DateTime& when, const LocaleData& locale,
                       std::string_view date_separator) {
  if (format.empty()) return DateAndTime(when, locale, date_separator);
  std::string out;
  size_t i = 0;
  while (i < format.size()) {
    const char c = format[i];
    const char letter = picture::LowerAscii(c);
    if (c == '\'' || c == '"') {
      i = picture::CopyQuoted(format, i, locale, out);
    } else if (c == '/') {
      out += date_separator;
      ++i;
    } else if (letter == 'd' || letter == 'm' || letter == 'y' || letter == 'g' || letter == 'e') {
      const size_t run = picture::RunLength(format, i);
      if (letter == 'd') AppendDay(out, run, when, locale);
      if (letter == 'm') AppendMonth(out, run, when, locale);
      if (letter == 'y') AppendYear(out, run, when);
      if (letter == 'g' || letter == 'e') AppendEra(out, letter, run, when, locale);
      i += run;
    } else {
      i = picture::CopyCharacter(format, i, locale, out);
    }
  }
  return out;
}

}  // namespace sorvane
