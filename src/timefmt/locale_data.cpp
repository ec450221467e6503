// US English regional settings: what a clock without access to the system's settings shows.
#include "timefmt/locale_data.h"

namespace sorvane {

LocaleData UsEnglishLocale() {
  return LocaleData{
      .time_separator = ":",
      .date_separator = "/",
      .date_order = "0",
      .short_date = "M/d/yyyy",
      .long_date = "dddd, MMMM d, yyyy",
      .long_time = "h:mm:ss tt",
      .am = "AM",
      .pm = "PM",
      .era_name = "A.D.",
      .month_names = {"January", "February", "March", "April", "May", "June", "July", "August",
                      "September", "October", "November", "December"},
      .abbrev_month_names = {"Jan", "Feb", "Mar", "Apr", "May", "Jun", "Jul", "Aug", "Sep", "Oct",
                             "Nov", "Dec"},
      .day_names = {"Monday", "Tuesday", "Wednesday", "Thursday", "Friday", "Saturday", "Sunday"},
      .abbrev_day_names = {"Mon", "Tue", "Wed", "Thu", "Fri", "Sat", "Sun"},
      .lead_bytes = {},  // code page 1252 has no double-byte characters
      .language_id = 0x0409,
  };
}

}  // namespace sorvane
