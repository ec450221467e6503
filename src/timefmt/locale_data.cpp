// US English regional settings: what a clock without access to the system's settings shows.
#include "timefmt/locale_data.h"

namespace sorvane {

LocaleData UsEnglishLocale() {
  LocaleData us;
  us.time_separator = ":";
  us.date_separator = "/";
  us.date_order = "0";
  us.short_date = "M/d/yyyy";
  us.long_date = "dddd, MMMM d, yyyy";
  us.long_time = "h:mm:ss tt";
  us.am = "AM";
  us.pm = "PM";
  us.month_names = {"January", "February", "March",     "April",   "May",      "June",
                    "July",    "August",   "September", "October", "November", "December"};
  us.abbrev_month_names = {"Jan", "Feb", "Mar", "Apr", "May", "Jun",
                           "Jul", "Aug", "Sep", "Oct", "Nov", "Dec"};
  us.day_names = {"Monday", "Tuesday", "Wednesday", "Thursday", "Friday", "Saturday", "Sunday"};
  us.abbrev_day_names = {"Mon", "Tue", "Wed", "Thu", "Fri", "Sat", "Sun"};
  us.lead_bytes.fill(false);  // code page 1252 has no double-byte characters
  us.language_id = 0x0409;
  return us;
}

}  // namespace sorvane
