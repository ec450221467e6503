#include "shells/qt/locale_reader.h"

#include <QString>

namespace sorvane::qt {

namespace {

bool IsPictureLetter(QChar c) {
  return c == u'd' || c == u'M' || c == u'y' || c == u'h' || c == u'H' || c == u'm' || c == u's' ||
         c == u'a' || c == u'A' || c == u'z' || c == u't';
}

std::string Utf8(const QString& text) {
  return text.toStdString();
}

qsizetype RunLength(const QString& text, qsizetype at) {
  qsizetype end = at;
  while (end < text.size() && text[end] == text[at]) ++end;
  return end - at;
}

}  // namespace

std::string ToDatePicture(const QString& qt_pattern) {
  QString out;
  for (qsizetype i = 0; i < qt_pattern.size();) {
    const QChar c = qt_pattern[i];
    if (c == u'\'') {  // quoted text, with '' for a quote, as in the clock's pictures
      const qsizetype close = qt_pattern.indexOf(u'\'', i + 1);
      const qsizetype end = close < 0 ? qt_pattern.size() : close + 1;
      out += qt_pattern.mid(i, end - i);
      i = end;
      continue;
    }
    qsizetype run = RunLength(qt_pattern, i);
    if (c == u'/') {
      // The clock reads "/" as the date separator; here it is the pattern's own character.
      out += QStringLiteral("'/'");
    } else if (c == u'a' || c == u'A') {
      out += QStringLiteral("tt");
      const bool pair = i + 1 < qt_pattern.size() && qt_pattern[i + 1].toLower() == u'p';
      run = pair ? 2 : 1;  // "ap" and "a" alike
    } else if (c == u'y' && run == 1) {
      out += QStringLiteral("yyyy");
    } else if (c == u't' || c == u'z') {
      // time zone and milliseconds have no picture of their own: left out
    } else {
      out += qt_pattern.mid(i, run);
    }
    i += run;
  }
  return Utf8(out.trimmed());
}

std::string SeparatorOf(const QString& qt_pattern) {
  bool quoted = false;
  QChar blank;
  for (const QChar c : qt_pattern) {
    if (c == u'\'') {
      quoted = !quoted;
      continue;
    }
    if (quoted || IsPictureLetter(c)) continue;
    if (!c.isSpace()) return Utf8(QString(c));
    if (blank.isNull()) blank = c;  // "d MMM yyyy" has only blanks between its fields
  }
  return blank.isNull() ? std::string() : Utf8(QString(blank));
}

std::string DateOrderOf(const QString& short_pattern) {
  const qsizetype day = short_pattern.indexOf(u'd');
  const qsizetype month = short_pattern.indexOf(u'M');
  const qsizetype year = short_pattern.indexOf(u'y');
  if (year >= 0 && (month < 0 || year < month) && (day < 0 || year < day)) return "2";
  if (day >= 0 && month >= 0 && day < month) return "1";
  return "0";
}

LocaleData ReadLocale(const QLocale& locale) {
  LocaleData data;
  const QString short_date = locale.dateFormat(QLocale::ShortFormat);
  const QString short_time = locale.timeFormat(QLocale::ShortFormat);
  data.time_separator = SeparatorOf(short_time);
  data.date_separator = SeparatorOf(short_date);
  data.date_order = DateOrderOf(short_date);
  data.short_date = ToDatePicture(short_date);
  data.long_date = ToDatePicture(locale.dateFormat(QLocale::LongFormat));
  data.long_time = ToDatePicture(locale.timeFormat(QLocale::LongFormat));
  data.am = Utf8(locale.amText());
  data.pm = Utf8(locale.pmText());
  // The names as they stand within a date ("9 grudnia", not "grudzień"): dates are what the
  // clock shows them in.
  for (int i = 0; i < 12; ++i) {
    data.month_names[static_cast<size_t>(i)] = Utf8(locale.monthName(i + 1));
    data.abbrev_month_names[static_cast<size_t>(i)] =
        Utf8(locale.monthName(i + 1, QLocale::ShortFormat));
  }
  for (int i = 0; i < 7; ++i) {  // Qt counts Monday as day 1, as the clock does
    data.day_names[static_cast<size_t>(i)] = Utf8(locale.dayName(i + 1));
    data.abbrev_day_names[static_cast<size_t>(i)] =
        Utf8(locale.dayName(i + 1, QLocale::ShortFormat));
  }
  // Texts are UTF-8: no byte is the lead byte of a double-byte character set, and no
  // UTF-8 byte of a word is an ASCII picture letter.
  data.lead_bytes = {};
  return data;
}

}  // namespace sorvane::qt
