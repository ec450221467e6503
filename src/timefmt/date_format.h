#pragma once
// The ten date formats of the date line, the date formatter and the time-of-day split.
#include <array>
#include <cstdint>
#include <string>
#include <string_view>

#include "timefmt/locale_data.h"

namespace sorvane {

struct DateTime {
  int year = 2002, month = 12, day = 31;   // month 1..12
  int hour = 0, minute = 0, second = 0, millisecond = 0;
  friend bool operator==(const DateTime&, const DateTime&) = default;
};

// Formats numbered 1 to 10; index 0 is unused so that a format's number is its index.
struct DateFormatList {
  std::array<std::string, 11> items;
  std::string& operator[](int n) { return items[n]; }
  const std::string& operator[](int n) const { return items[n]; }
};

struct DateConventions {
  std::string time_separator;                 // at most 16 characters
  std::string date_separator;                 // at most 16 characters
  int date_order = 0;                   // -1 when the system gave no readable order
  DateFormatList date_formats;
  std::array<std::string, 11> captions;  // the sample date in each format, 1 to 10
};

inline constexpr DateTime kSampleDate{2002, 12, 31, 0, 0, 0, 0};

DateConventions DateConventionsFor(const LocaleData& locale);
std::string FormatDate(std::string_view format, const DateTime& when, const LocaleData& locale,
                       std::string_view date_separator);

struct TimeOfDay {
  int hours = 0, minutes = 0, seconds = 0;
  friend bool operator==(const TimeOfDay&, const TimeOfDay&) = default;
};
TimeOfDay SplitTimeOfDay(int64_t ms_since_midnight);
int64_t MillisecondsSinceMidnight(const DateTime& when);

}  // namespace sorvane
