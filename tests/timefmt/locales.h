#pragma once
// Regional settings for the tests besides US English.
#include "timefmt/locale_data.h"

namespace sorvane::testing {

inline LocaleData GermanLocale() {
  return LocaleData{
      .time_separator = ":",
      .date_separator = ".",
      .date_order = "1",
      .short_date = "dd.MM.yyyy",
      .long_date = "dddd, d. MMMM yyyy",
      .long_time = "HH:mm:ss",
      .am = "",
      .pm = "",
      .era_name = "n. Chr.",
      .month_names = {"Januar", "Februar", "M\xe4rz", "April", "Mai", "Juni", "Juli", "August",
                      "September", "Oktober", "November", "Dezember"},
      .abbrev_month_names = {"Jan", "Feb", "Mrz", "Apr", "Mai", "Jun", "Jul", "Aug", "Sep", "Okt",
                             "Nov", "Dez"},
      .day_names = {"Montag", "Dienstag", "Mittwoch", "Donnerstag", "Freitag", "Samstag",
                    "Sonntag"},
      .abbrev_day_names = {"Mo", "Di", "Mi", "Do", "Fr", "Sa", "So"},
      .lead_bytes = {},
      .language_id = 0x0407,
  };
}

// A double-byte code page in the manner of Shift-JIS: 0x81..0x9F start two-byte characters.
inline LocaleData DoubleByteLocale() {
  LocaleData l = UsEnglishLocale();
  for (int b = 0x81; b <= 0x9F; ++b) l.lead_bytes[static_cast<size_t>(b)] = true;
  return l;
}

}  // namespace sorvane::testing
