#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "locales.h"
#include "timefmt/date_format.h"

namespace sorvane {
namespace {

using Captions = std::vector<std::string>;

Captions CaptionsOf(const DateConventions& setup) {
  return Captions(setup.captions.begin() + 1, setup.captions.end());
}

TEST(DateFormatList, UsEnglishFormatsAndCaptions) {
  const DateConventions us = DateConventionsFor(UsEnglishLocale());
  EXPECT_EQ(us.time_separator, ":");
  EXPECT_EQ(us.date_separator, "/");
  EXPECT_EQ(us.date_order, 0);
  EXPECT_EQ(us.date_formats[1], "M/d/yyyy");
  EXPECT_EQ(us.date_formats[3], "MM/dd/yy");
  EXPECT_EQ(us.date_formats[6], "MM/dd/yyy ddd");
  EXPECT_EQ(us.date_formats[10], "MMMM dd, yyy ddd");
  EXPECT_EQ(CaptionsOf(us),
            (Captions{"12/31/2002", "Tuesday, December 31, 2002", "12/31/02", "12/31/2002",
                      "12/31/02 Tue", "12/31/2002 Tue", "31 Dec 2002", "31 Dec 2002 Tue",
                      "December 31, 2002", "December 31, 2002 Tue"}));
}

TEST(DateFormatList, GermanFormatsAndCaptions) {
  const DateConventions de = DateConventionsFor(testing::GermanLocale());
  EXPECT_EQ(de.date_order, 1);
  EXPECT_EQ(de.date_formats[4], "dd.MM.yyy");
  EXPECT_EQ(CaptionsOf(de),
            (Captions{"31.12.2002", "Dienstag, 31. Dezember 2002", "31.12.02", "31.12.2002",
                      "31.12.02 Di", "31.12.2002 Di", "31 Dez 2002", "31 Dez 2002 Di",
                      "Dezember 31, 2002", "Dezember 31, 2002 Di"}));
}

TEST(DateFormatList, NumericFormatsFollowTheDateOrder) {
  struct Case {
    std::string order, separator;
    int date_order;
    std::vector<std::string> formats3to6, captions3to6;
  };
  const std::vector<Case> cases = {
      {"2",
       "-",
       2,
       {"yy-MM-dd", "yyy-MM-dd", "yy-MM-dd ddd", "yyy-MM-dd ddd"},
       {"02-12-31", "2002-12-31", "02-12-31 Tue", "2002-12-31 Tue"}},
      {"1",
       "",
       1,
       {"ddMMyy", "ddMMyyy", "ddMMyy ddd", "ddMMyyy ddd"},
       {"311202", "31122002", "311202 Tue", "31122002 Tue"}},
      // An order the clock does not know leaves the formats empty; their captions then
      // show the short date.
      {"3", "/", 3, {"", "", "", ""}, {"12/31/2002", "12/31/2002", "12/31/2002", "12/31/2002"}},
      {"", "/", -1, {"", "", "", ""}, {"12/31/2002", "12/31/2002", "12/31/2002", "12/31/2002"}},
      {"x1", "/", -1, {"", "", "", ""}, {"12/31/2002", "12/31/2002", "12/31/2002", "12/31/2002"}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE("order " + c.order);
    LocaleData locale = UsEnglishLocale();
    locale.date_order = c.order;
    locale.date_separator = c.separator;
    const DateConventions setup = DateConventionsFor(locale);
    EXPECT_EQ(setup.date_order, c.date_order);
    for (int n = 3; n <= 6; ++n) {
      EXPECT_EQ(setup.date_formats[n], c.formats3to6[static_cast<size_t>(n - 3)]) << n;
      EXPECT_EQ(setup.captions[static_cast<size_t>(n)], c.captions3to6[static_cast<size_t>(n - 3)])
          << n;
    }
  }
}

TEST(DateFormatList, SeparatorsAreCutToSixteenCharacters) {
  LocaleData locale = UsEnglishLocale();
  locale.date_separator = "abcdefghijklmnopq";  // 17
  locale.time_separator = "0123456789ABCDEF";   // 16: kept whole
  const DateConventions setup = DateConventionsFor(locale);
  EXPECT_EQ(setup.date_separator, "abcdefghijklmnop");
  EXPECT_EQ(setup.time_separator, "0123456789ABCDEF");
  EXPECT_EQ(setup.date_formats[3], "MMabcdefghijklmnopddabcdefghijklmnopyy");
}

TEST(DateFormatList, UnreadableSettingsLeaveTheirTargetsEmpty) {
  LocaleData locale = UsEnglishLocale();
  locale.time_separator.clear();
  locale.date_separator.clear();
  locale.long_date.clear();
  const DateConventions setup = DateConventionsFor(locale);
  EXPECT_EQ(setup.time_separator, "");
  EXPECT_EQ(setup.date_formats[2], "");
  EXPECT_EQ(setup.captions[2], "12312002");  // an empty format shows the short date
  EXPECT_EQ(setup.captions[3], "123102");
}

}  // namespace
}  // namespace sorvane
