#include <gtest/gtest.h>

#include <set>
#include <string>

#include "shells/win32/common_dialogs.h"
#include "shells/win32/locale_reader.h"

namespace sorvane::win32 {
namespace {

TEST(FontDialogRecord, TheClockFontTravelsThroughTheLogicalFont) {
  struct Case {
    const char* name;
    ports::ClockFontState font;
  };
  ports::ClockFontState window_font;  // Microsoft Sans Serif, 13 px, bold, charset 204
  ports::ClockFontState italic = window_font;
  italic.face = "Courier New";
  italic.bold = false;
  italic.italic = true;
  italic.underline = true;
  italic.height = 40;
  italic.point_size = 30;
  italic.color = ports::ColorFromRef(0x123456);
  for (const Case& c : {Case{"window font", window_font}, Case{"italic", italic}}) {
    SCOPED_TRACE(c.name);
    const LOGFONTA log = ClockFontToLogFont(c.font);
    EXPECT_EQ(log.lfHeight, -c.font.height);  // character height, not cell height
    EXPECT_EQ(log.lfWeight, c.font.bold ? 700 : 400);
    EXPECT_EQ(log.lfCharSet, c.font.char_set);
    EXPECT_EQ(ClockFontFromDialog(log, c.font.point_size * 10,
                                  RGB(c.font.color.red, c.font.color.green, c.font.color.blue)),
              c.font);
  }
}

TEST(FontDialogRecord, LongFaceNamesAreCutTo31Characters) {
  ports::ClockFontState font;
  font.face = std::string(40, 'F');
  const LOGFONTA log = ClockFontToLogFont(font);
  EXPECT_EQ(std::string(log.lfFaceName), std::string(31, 'F'));
  EXPECT_EQ(ClockFontFromDialog(log, 100, 0).face, std::string(31, 'F'));
}

TEST(UserLocale, NamesAndSeparatorsAreRead) {
  const LocaleData locale = ReadUserLocale();
  EXPECT_EQ(locale.language_id, GetUserDefaultLangID());
  EXPECT_FALSE(locale.time_separator.empty());
  EXPECT_FALSE(locale.short_date.empty());
  EXPECT_TRUE(locale.date_order == "0" || locale.date_order == "1" || locale.date_order == "2");
  const std::set<std::string> months(locale.month_names.begin(), locale.month_names.end());
  const std::set<std::string> days(locale.day_names.begin(), locale.day_names.end());
  EXPECT_EQ(months.size(), 12u);
  EXPECT_EQ(days.size(), 7u);
  EXPECT_EQ(months.count(""), 0u);
  for (const std::string& name : locale.month_names) {
    // No terminator was kept in the text.
    EXPECT_EQ(name.find('\0'), std::string::npos);
  }
  if (locale.language_id == 0x0409) {
    EXPECT_EQ(locale.month_names[0], "January");
    EXPECT_EQ(locale.abbrev_month_names[11], "Dec");
    EXPECT_EQ(locale.day_names[0], "Monday");  // the week starts on Monday here
    EXPECT_EQ(locale.abbrev_day_names[6], "Sun");
    EXPECT_EQ(locale.time_separator, ":");
    EXPECT_EQ(locale.am, "AM");
    EXPECT_FALSE(locale.lead_bytes[0x81]);  // a single-byte code page
  }
}

}  // namespace
}  // namespace sorvane::win32
