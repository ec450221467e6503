#include "shells/win32/locale_reader.h"

#include "shells/win32/windows_api.h"

namespace sorvane::win32 {

namespace {

// GetLocaleInfoA counts the terminator: 0 means failure and 1 an empty text.
std::string LocaleText(LCTYPE item) {
  char buffer[200] = {};
  const int count = GetLocaleInfoA(LOCALE_USER_DEFAULT, item, buffer, sizeof(buffer));
  if (count <= 1) return std::string();
  return std::string(buffer, static_cast<size_t>(count - 1));
}

template <size_t N>
void ReadNames(std::array<std::string, N>& names, LCTYPE first) {
  for (size_t i = 0; i < N; ++i) names[i] = LocaleText(first + static_cast<LCTYPE>(i));
}

}  // namespace

LocaleData ReadUserLocale() {
  LocaleData locale;
  locale.time_separator = LocaleText(LOCALE_STIME);
  locale.date_separator = LocaleText(LOCALE_SDATE);
  locale.date_order = LocaleText(LOCALE_IDATE);
  locale.short_date = LocaleText(LOCALE_SSHORTDATE);
  locale.long_date = LocaleText(LOCALE_SLONGDATE);
  locale.long_time = LocaleText(LOCALE_STIMEFORMAT);
  locale.am = LocaleText(LOCALE_S1159);
  locale.pm = LocaleText(LOCALE_S2359);
  // The month and day constants are consecutive; day 1 is Monday.
  ReadNames(locale.month_names, LOCALE_SMONTHNAME1);
  ReadNames(locale.abbrev_month_names, LOCALE_SABBREVMONTHNAME1);
  ReadNames(locale.day_names, LOCALE_SDAYNAME1);
  ReadNames(locale.abbrev_day_names, LOCALE_SABBREVDAYNAME1);
  for (size_t byte = 0; byte < locale.lead_bytes.size(); ++byte) {
    locale.lead_bytes[byte] = IsDBCSLeadByte(static_cast<BYTE>(byte)) != 0;
  }
  locale.language_id = GetUserDefaultLangID();
  return locale;
}

}  // namespace sorvane::win32
