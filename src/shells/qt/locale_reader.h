#pragma once
// The user's date conventions from QLocale, in the form the date formatter takes.
#include <QLocale>
#include <string>

#include "timefmt/locale_data.h"

namespace sorvane::qt {

// QLocale's date and time patterns use nearly the same picture letters as the clock's
// date formats (d, dd, ddd, dddd, M ... MMMM, yy, yyyy, h, hh, H, HH, m, mm, s, ss, quoted
// text); the rest is mapped: "ap"/"AP" to "tt", a lone "y" (the year in full) to "yyyy",
// and a "/" is quoted, since the clock reads a bare one as the date separator.
std::string ToDatePicture(const QString& qt_pattern);

// The first character of a pattern that is neither a picture letter nor quoted, the
// separator between its fields ("." in "dd.MM.yyyy"); a blank only where there is nothing
// else; empty when there is none.
std::string SeparatorOf(const QString& qt_pattern);

// "0" month-day-year, "1" day-month-year, "2" year-month-day, by the order of the fields in
// the short date pattern.
std::string DateOrderOf(const QString& short_pattern);

LocaleData ReadLocale(const QLocale& locale);
inline LocaleData ReadUserLocale() {
  return ReadLocale(QLocale::system());
}

}  // namespace sorvane::qt
