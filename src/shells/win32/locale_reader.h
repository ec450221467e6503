#pragma once
// The user's regional settings, read once at start-up.
#include "timefmt/locale_data.h"

namespace sorvane::win32 {

LocaleData ReadUserLocale();

}  // namespace sorvane::win32
