// The outline: which lines are built where for each style, the font and centring of a line,
// and the analog face united with the text.
#include "clock_fixture.h"
#include "timefmt/date_format.h"

namespace sorvane::testing {
namespace {

using Outline = ClockTest;

TEST_F(Outline, DigitalTimeLineIsCentredInItsBox) {
  profile.style = "Digital";
  Start();
  ASSERT_EQ(hs.text.outlines.size(), 1u);
  const auto& line = hs.text.outlines[0];
  EXPECT_EQ(line.text, "10:20");
  EXPECT_EQ(line.font.height, 62);  // 250 div 4
  EXPECT_EQ(line.font.width, 35);   // 250 div (5 + 2)
  EXPECT_EQ(line.font.face, "Microsoft Sans Serif");
  EXPECT_EQ(line.font.char_set, 0);
  EXPECT_EQ(line.x, 37);  // (250 - 5 * 35) div 2
  EXPECT_EQ(line.y, 0);
  EXPECT_EQ(hs.window.CurrentRegion().Bounds(), (Rect{37, 0, 37 + 4 * 35 + 34, 62}));
}

TEST_F(Outline, LinesSitWhereTheStyleLaysThemOut) {
  struct Case {
    const char* style;
    std::vector<std::pair<std::string, int32_t>> lines;  // "time" or "date", top
    bool face;
  };
  const Case cases[] = {
      {"Analog", {{"date", 250}}, true},
      {"Digital", {{"time", 0}, {"date", 62}}, false},
      {"AnaDigi", {{"time", 250}, {"date", 312}}, true},
  };
  PutSkin("disc.skn", "Disc");
  profile.show_date = true;
  Start();
  const DateTime now = hs.clock.now;
  const std::string date = FormatDate(form.State().date_formats[1], now, hs.services.locale,
                                      form.State().date_separator);
  for (const Case& c : cases) {
    Reapply([&](Profile& p) { p.style = c.style; });
    hs.text.outlines.clear();
    form.RebuildOutline();
    ASSERT_EQ(hs.text.outlines.size(), c.lines.size()) << c.style;
    for (size_t i = 0; i < c.lines.size(); ++i) {
      const auto& line = hs.text.outlines[i];
      EXPECT_EQ(line.text, c.lines[i].first == "time" ? "10:20" : date) << c.style;
      EXPECT_EQ(line.y, c.lines[i].second) << c.style;
      // Every line is a quarter of the box high and lies inside the outline.
      EXPECT_EQ(line.font.height, 62);
      EXPECT_TRUE(hs.window.CurrentRegion().Contains(line.x, line.y + 1)) << c.style;
    }
    EXPECT_EQ(hs.window.CurrentRegion().Contains(125, 125), c.face) << c.style;
  }
}

TEST_F(Outline, OtherStylesKeepTheOutlineTheyHave) {
  Start();
  for (const char* style : {"Invisible", "analog", "", "Digital "}) {
    Reapply([&](Profile& p) { p.style = style; });
    form.RebuildOutline();
  }
  EXPECT_EQ(hs.window.RegionCount(), 1);
  EXPECT_TRUE(hs.text.outlines.empty());
}

TEST_F(Outline, AnalogWithoutSkinIsAnEmptyOutline) {
  Start();
  ASSERT_EQ(hs.window.RegionCount(), 1);
  EXPECT_TRUE(hs.window.CurrentRegion().IsEmpty());
}

TEST_F(Outline, AnalogFaceFillsTheTopSquare) {
  PutSkin("disc.skn", "Disc");
  profile.size = "Small";
  Start();
  const Region& outline = hs.window.CurrentRegion();
  EXPECT_TRUE(outline.Contains(68, 68));
  EXPECT_TRUE(outline.Contains(1, 68));
  EXPECT_FALSE(outline.Contains(1, 1));  // a corner outside the disc
  EXPECT_EQ(form.State().half_width, 68);
}

TEST_F(Outline, TimeLineFollowsTwelveHourAndSecondsSettings) {
  profile.style = "Digital";
  profile.twelve_hour = true;
  profile.digital_seconds = true;
  hs.clock.SetTime(13, 45, 0);
  Start();
  ASSERT_EQ(hs.text.outlines.size(), 1u);
  EXPECT_EQ(hs.text.outlines[0].text, "01:45:00 pm");
  EXPECT_EQ(hs.text.outlines[0].font.width, 250 / 13);
}

TEST_F(Outline, FailedMeasurementLeavesTheLineAtTheBoxEdge) {
  profile.style = "Digital";
  hs.text.fail_measure = true;
  Start();
  ASSERT_EQ(hs.text.outlines.size(), 1u);
  EXPECT_EQ(hs.text.outlines[0].x, 0);
}

TEST_F(Outline, DateFormatNumberPicksTheFormatAndStraysUseTheFirst) {
  profile.style = "Digital";
  profile.show_date = true;
  Start();
  auto date_with = [&](int32_t number) {
    form.CurrentProfile().date_format = number;
    hs.text.outlines.clear();
    form.RebuildOutline();
    return hs.text.outlines.at(1).text;
  };
  const std::string first = date_with(1);
  EXPECT_EQ(first, FormatDate(form.State().date_formats[1], hs.clock.now, hs.services.locale,
                              form.State().date_separator));
  EXPECT_NE(date_with(5), first);
  EXPECT_EQ(date_with(0), first);
  EXPECT_EQ(date_with(11), first);
  form.CurrentProfile().twelve_hour = true;
  form.CurrentProfile().digital_seconds = true;
  EXPECT_EQ(date_with(1), first);  // the date ignores the time settings
}

}  // namespace
}  // namespace sorvane::testing
