// The time line texts, the font of a text line, centring and the language character sets.
#include <gtest/gtest.h>

#include "app/clock/digital_text.h"
#include "app/program/charset.h"

namespace sorvane {
namespace {

TEST(TimeLineText, TwelveAndTwentyFourHourForms) {
  struct Case {
    TimeOfDay time;
    bool twelve_hour, seconds;
    const char* separator;
    const char* expected;
  };
  const Case cases[] = {
      {{0, 30, 0}, true, false, ":", "12:30 am"},
      {{13, 45, 0}, true, true, ":", "01:45:00 pm"},
      {{12, 10, 59}, true, false, ":", "12:10 pm"},
      {{23, 0, 0}, true, false, ":", "11:00 pm"},
      {{11, 59, 0}, true, false, ":", "11:59 am"},
      {{9, 5, 7}, false, true, ":", "09:05:07"},
      {{0, 5, 0}, false, false, ":", "00:05"},
      {{9, 5, 0}, false, false, "", "0905"},
      {{21, 7, 3}, false, true, " h ", "21 h 07 h 03"},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(TimeLineText(c.time, c.twelve_hour, c.seconds, c.separator), c.expected)
        << c.time.hours << ":" << c.time.minutes;
  }
}

TEST(TextLineFont, SizedFromBoxAndCharacterCount) {
  ports::ClockFontState clock;
  clock.face = "Segoe";
  clock.italic = true;
  clock.bold = true;
  clock.underline = true;
  const ports::FontSpec font = TextLineFont("01:45:00 pm", 200, clock, 238);
  EXPECT_EQ(font.height, 50);
  EXPECT_EQ(font.width, 15);  // 200 div 13
  EXPECT_EQ(font.weight, 400);
  EXPECT_TRUE(font.italic);
  EXPECT_FALSE(font.underline);
  EXPECT_FALSE(font.strike_out);
  EXPECT_EQ(font.char_set, 238);
  EXPECT_EQ(font.face, "Segoe");

  clock.face = std::string(40, 'F');
  EXPECT_EQ(TextLineFont("", 0, clock, 1).face, std::string(31, 'F'));
  EXPECT_EQ(TextLineFont("", 0, clock, 1).width, 0);  // an empty box has no division by zero
}

TEST(CentredLeft, CentresShiftsLeftOrStays) {
  EXPECT_EQ(CentredLeft(0, 250, 175), 37);
  EXPECT_EQ(CentredLeft(10, 100, 140), -10);  // wider than the box: left of it by half
  EXPECT_EQ(CentredLeft(0, 100, 101), 0);     // -1 div 2 truncates toward zero
  EXPECT_EQ(CentredLeft(7, 100, std::nullopt), 7);
}

TEST(DateLineFormat, NumbersOutsideTheListUseFormatOne) {
  DateFormatList formats;
  for (int n = 0; n <= 10; ++n) formats[n] = std::to_string(n * 11);
  EXPECT_EQ(DateLineFormat(formats, 1), "11");
  EXPECT_EQ(DateLineFormat(formats, 10), "110");
  EXPECT_EQ(DateLineFormat(formats, 0), "11");
  EXPECT_EQ(DateLineFormat(formats, 11), "11");
  EXPECT_EQ(DateLineFormat(formats, -2147483647 - 1), "11");
}

TEST(CharSetForLanguage, FromPrimaryLanguageWithSerbianCyrillic) {
  const std::pair<uint16_t, int> cases[] = {
      {0x0419, 204}, {0x0C1A, 204}, {0x081A, 238}, {0x041A, 238}, {0x0404, 136}, {0x0804, 136},
      {0x0411, 1},   {0x0409, 0},   {0x0401, 178}, {0x0408, 161}, {0x040D, 177}, {0x041E, 222},
      {0x041F, 162}, {0x0425, 186}, {0x042A, 163}, {0x0000, 1},   {0x042B, 1},   {0x1C1A, 238},
  };
  for (const auto& [language, char_set] : cases) {
    EXPECT_EQ(CharSetForLanguage(language), char_set) << std::hex << language;
  }
}

}  // namespace
}  // namespace sorvane
