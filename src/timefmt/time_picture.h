#pragma once
// The user's long time picture (e.g. "h:mm:ss tt"), used when a date format is empty.
#include <string>
#include <string_view>

#include "timefmt/locale_data.h"

namespace sorvane {

// h/hh: 12-hour clock, H/HH: 24-hour clock, m/mm minutes, s/ss seconds, t: the first
// character of the AM or PM text, tt: all of it; doubled letters give two digits. Quoted
// text is copied without its quotes; any other character is copied as it is.
std::string FormatTimePicture(std::string_view picture, int hour, int minute, int second,
                              const LocaleData& locale);

}  // namespace sorvane
