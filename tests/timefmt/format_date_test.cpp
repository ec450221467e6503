#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "locales.h"
#include "timefmt/date_format.h"
#include "timefmt/time_picture.h"

namespace sorvane {
namespace {

struct FormatCase {
  std::string format;
  std::string expected;
};

void ExpectAll(const std::vector<FormatCase>& cases, const DateTime& when, const LocaleData& locale,
               const std::string& separator) {
  for (const FormatCase& c : cases) {
    EXPECT_EQ(FormatDate(c.format, when, locale, separator), c.expected) << "format " << c.format;
  }
}

const DateTime kMonday{2005, 3, 7, 14, 5, 9, 0};

TEST(FormatDate, EveryPatternInUsEnglish) {
  ExpectAll({{"d", "7"},
             {"dd", "07"},
             {"ddd", "Mon"},
             {"dddd", "Monday"},
             {"ddddd", "Monday"},
             {"DdD", "Mon"},
             {"m", "3"},
             {"M", "3"},
             {"mm", "03"},
             {"MM", "03"},
             {"mMm", "Mar"},
             {"MMMM", "March"},
             {"mmmmmm", "March"},
             {"y", "05"},
             {"yy", "05"},
             {"YYY", "2005"},
             {"yyyy", "2005"},
             {"yyyyyy", "2005"},
             {"/", "-"},
             {"d/m/y", "7-3-05"},
             {"dddd, MMMM d, yyyy", "Monday, March 7, 2005"},
             {"h:n:s x", "h:n:s x"},  // no time patterns in a date picture
             {"dm", "73"},            // a change of letter ends a run
             {"g", "A.D."},
             {"e", "2005"},
             {"ee", "2005"}},
            kMonday, UsEnglishLocale(), "-");
}

TEST(FormatDate, QuotedText) {
  ExpectAll({{"'dd' dd", "dd 07"},
             {"\"yyyy\"", "yyyy"},
             {"'it''s' d", "its 7"},    // two quoted pieces side by side
             {"\"it's\" d", "it's 7"},  // the other mark inside
             {"d 'open to the end", "7 open to the end"},
             {"''", ""},
             {"'/'/", "/-"}},
            kMonday, UsEnglishLocale(), "-");
}

TEST(FormatDate, GermanExamples) {
  const LocaleData de = testing::GermanLocale();
  ExpectAll({{"dddd, d. MMMM yyyy", "Montag, 7. M\xe4rz 2005"},
             {"dd.MM.yy", "07.03.05"},
             {"ddd dd MMM yyy", "Mo 07 Mrz 2005"}},
            kMonday, de, ".");
}

TEST(FormatDate, WeekdaysAndYears) {
  struct Case {
    DateTime when;
    std::string expected;  // "dddd yy yyy"
  };
  const std::vector<Case> cases = {
      {{1970, 1, 1}, "Thursday 70 1970"},  {{2000, 2, 29}, "Tuesday 00 2000"},
      {{1900, 3, 1}, "Thursday 00 1900"},  {{2024, 1, 1}, "Monday 24 2024"},
      {{1601, 1, 1}, "Monday 01 1601"},    {{999, 12, 31}, "Tuesday 99 0999"},
      {{2002, 12, 31}, "Tuesday 02 2002"}, {{2100, 2, 28}, "Sunday 00 2100"},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(FormatDate("dddd yy yyy", c.when, UsEnglishLocale(), "/"), c.expected);
  }
  EXPECT_EQ(FormatDate("mmm mmmm", DateTime{2002, 13, 1}, UsEnglishLocale(), "/"), " ");
}

TEST(FormatDate, DoubleByteCharactersAreCopiedWhole) {
  const LocaleData dbcs = testing::DoubleByteLocale();
  // Trail bytes that look like pattern letters, quotes or the separator stay as they are.
  ExpectAll({{"d\x82"
              "d",
              "7\x82"
              "d"},
             {"\x82m\x82y\x82/", "\x82m\x82y\x82/"},
             {"\x82'd", "\x82'7"},
             {"'\x82'' d", "\x82' 7"},
             {"yy\x94N", "05\x94N"},
             {"d\x82", "7\x82"}},  // a lead byte at the end stands alone
            kMonday, dbcs, "-");
  // Without lead bytes the same bytes are single characters.
  EXPECT_EQ(FormatDate("\x82m", kMonday, UsEnglishLocale(), "-"),
            "\x82"
            "3");
}

TEST(FormatDate, EmptyFormatShowsShortDateAndTimeUnlessMidnight) {
  const LocaleData us = UsEnglishLocale();
  struct Case {
    DateTime when;
    std::string expected;
  };
  const std::vector<Case> cases = {
      {{2005, 3, 7, 0, 0, 0, 0}, "3/7/2005"},
      {{2005, 3, 7, 0, 0, 0, 500}, "3/7/2005"},  // milliseconds alone do not count
      {{2005, 3, 7, 14, 5, 9, 0}, "3/7/2005 2:05:09 PM"},
      {{2005, 3, 7, 0, 0, 1, 0}, "3/7/2005 12:00:01 AM"},
      {{2005, 3, 7, 12, 30, 0, 0}, "3/7/2005 12:30:00 PM"},
  };
  for (const Case& c : cases) EXPECT_EQ(FormatDate("", c.when, us, "/"), c.expected);
  EXPECT_EQ(FormatDate("", kMonday, testing::GermanLocale(), "."), "07.03.2005 14:05:09");
  LocaleData no_short = us;
  no_short.short_date.clear();
  EXPECT_EQ(FormatDate("", kMonday, no_short, "/"), " 2:05:09 PM");
  EXPECT_EQ(FormatDate("", DateTime{2005, 3, 7}, no_short, "/"), "");
}

TEST(TimePicture, EveryPattern) {
  const LocaleData us = UsEnglishLocale();
  struct Case {
    std::string picture;
    int hour, minute, second;
    std::string expected;
  };
  const std::vector<Case> cases = {
      {"h:mm:ss tt", 0, 0, 0, "12:00:00 AM"},
      {"h:mm:ss tt", 11, 59, 59, "11:59:59 AM"},
      {"h:mm:ss tt", 12, 0, 0, "12:00:00 PM"},
      {"hh:mm t", 13, 7, 0, "01:07 P"},
      {"H:m:s", 9, 5, 3, "9:5:3"},
      {"HH.MM.SS", 9, 5, 3, "09.05.03"},
      {"HHH hhh", 7, 0, 0, "07 07"},
      {"hH", 15, 0, 0, "315"},
      {"'h' H 'Uhr'", 8, 0, 0, "h 8 Uhr"},
      {"\"t\"t", 20, 0, 0, "tP"},
      {"TT", 1, 0, 0, "AM"},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(FormatTimePicture(c.picture, c.hour, c.minute, c.second, us), c.expected)
        << c.picture;
  }
  LocaleData no_designator = us;
  no_designator.pm.clear();
  EXPECT_EQ(FormatTimePicture("h t|tt|", 15, 0, 0, no_designator), "3 ||");
}

TEST(TimeOfDay, SplitsMillisecondsSinceMidnight) {
  struct Case {
    int64_t ms;
    TimeOfDay expected;
  };
  const std::vector<Case> cases = {
      {0, {0, 0, 0}},      {86'399'999, {23, 59, 59}}, {3'600'000, {1, 0, 0}}, {59'999, {0, 0, 59}},
      {60'000, {0, 1, 0}}, {45'296'789, {12, 34, 56}}, {-1, {0, 0, 0}},
  };
  for (const Case& c : cases) EXPECT_EQ(SplitTimeOfDay(c.ms), c.expected) << c.ms;
  EXPECT_EQ(MillisecondsSinceMidnight({2002, 12, 31, 23, 59, 59, 999}), 86'399'999);
  EXPECT_EQ(MillisecondsSinceMidnight({2002, 12, 31, 12, 34, 56, 789}), 45'296'789);
}

}  // namespace
}  // namespace sorvane
