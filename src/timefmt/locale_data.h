#pragma once
// The user's regional settings, read once at start-up. The Windows shell fills this from
// GetLocaleInfoA; tests and platforms without locale data use UsEnglishLocale().
#include <array>
#include <cstdint>
#include <string>

namespace sorvane {

struct LocaleData {
  // Each text as the system gives it; empty when it could not be read.
  std::string time_separator;   // LOCALE_STIME
  std::string date_separator;   // LOCALE_SDATE
  std::string date_order;       // LOCALE_IDATE: "0" m-d-y, "1" d-m-y, "2" y-m-d
  std::string short_date;       // LOCALE_SSHORTDATE
  std::string long_date;        // LOCALE_SLONGDATE
  std::string long_time;        // LOCALE_STIMEFORMAT
  std::string am = "AM";        // LOCALE_S1159
  std::string pm = "PM";        // LOCALE_S2359
  std::string era_name = "A.D.";  // CAL_SERASTRING of the Gregorian calendar (pattern "g")
  std::array<std::string, 12> month_names;         // January first
  std::array<std::string, 12> abbrev_month_names;
  std::array<std::string, 7> day_names;            // Monday first
  std::array<std::string, 7> abbrev_day_names;
  std::array<bool, 256> lead_bytes{};              // lead bytes of the ANSI code page
  uint16_t language_id = 0x0409;                   // GetUserDefaultLangID
};

LocaleData UsEnglishLocale();

}  // namespace sorvane
