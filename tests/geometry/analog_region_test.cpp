#include "geometry/analog_region.h"

#include <gtest/gtest.h>

#include <array>
#include <cmath>
#include <limits>
#include <numbers>
#include <string>
#include <vector>

#include "geometry/shape_region.h"
#include "shape_builders.h"

namespace sorvane {
namespace {

using testing::Bar;
using testing::Circle;
using testing::CountComponents;
using testing::Hand;
using testing::Poly;

// Side 600 centred at (300, 300): one skin unit is one pixel.
constexpr int kSide = 600;
constexpr int kCentre = 300;

Region Draw(const Skin& skin, TimeOfDay t = {}, bool show_seconds = true) {
  return AnalogClockRegion(Skins{skin}, 0, t, show_seconds, kCentre, kCentre, kSide);
}

Region At(const Shape& shape, int angle) {
  return ShapeRegion(shape, kSide, angle, kCentre, kCentre);
}

Region Union(const std::vector<Region>& parts) {
  Region out;
  for (const Region& r : parts) out.CombineWith(r, CombineMode::Or);
  return out;
}

// The pixel `radius` units from the centre in the direction of the clock position
// `minutes` (0 to 59, clockwise from 12), worked out without the transformation code.
bool Covers(const Region& r, int minutes, double radius) {
  const double a = minutes * 6 * std::numbers::pi / 180;
  return r.Contains(static_cast<int32_t>(std::lround(kCentre + radius * std::sin(a))),
                    static_cast<int32_t>(std::lround(kCentre - radius * std::cos(a))));
}

Shape MinuteMark() {
  return Bar(-276, -292, 3);
}
Shape HourMark() {
  return Bar(-250, -292, 9);
}
Shape Dot() {
  return {Circle(0, -270, 14)};
}

TEST(HandAngles, FollowTheClock) {
  const struct {
    TimeOfDay t;
    int hour, minute, second;
  } cases[] = {
      {{0, 0, 0}, 0, 0, 0},
      {{3, 0, 0}, -90, 0, 0},
      {{15, 0, 0}, -450, 0, 0},
      {{10, 59, 0}, -329, -354, 0},
      {{11, 0, 0}, -330, 0, 0},
      {{12, 34, 56}, -377, -204, -336},
      {{23, 59, 59}, -719, -354, -354},
      {{6, 1, 30}, -180, -6, -180},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(HourHandAngle(c.t), c.hour) << c.t.hours << ":" << c.t.minutes;
    EXPECT_EQ(MinuteHandAngle(c.t), c.minute) << c.t.hours << ":" << c.t.minutes;
    EXPECT_EQ(SecondHandAngle(c.t), c.second) << c.t.seconds;
  }
}

TEST(AnalogClockRegion, MinuteMarksStandAtFortyEightPositions) {
  Skin skin;
  skin.marks[14] = MinuteMark();
  skin.mark_turns[14] = false;  // minute marks turn whatever their flag says
  const Region r = Draw(skin);
  EXPECT_TRUE(r.IsValid());
  EXPECT_EQ(CountComponents(r), 48);
  for (int m = 0; m < 60; ++m) EXPECT_EQ(Covers(r, m, 284), m % 5 != 0) << "minute " << m;
  std::vector<Region> expected;
  for (int m = 1; m < 60; ++m) {
    if (m % 5 != 0) expected.push_back(At(MinuteMark(), -6 * m));
  }
  EXPECT_EQ(r, Union(expected));
}

TEST(AnalogClockRegion, GenericHourMarkTurnsToEveryHourUnlessFixed) {
  Skin skin;
  skin.marks[0] = HourMark();
  const Region turned = Draw(skin);
  EXPECT_EQ(CountComponents(turned), 12);
  for (int h = 0; h < 12; ++h) {
    EXPECT_TRUE(Covers(turned, 5 * h, 270)) << h;
    EXPECT_FALSE(Covers(turned, 5 * h + 2, 270)) << h;
  }
  // The "u" word: twelve copies at the place the skin drew it, uniting into one.
  skin.mark_turns[0] = false;
  const Region fixed = Draw(skin);
  EXPECT_EQ(fixed, At(HourMark(), 0));
  EXPECT_EQ(CountComponents(fixed), 1);
}

TEST(AnalogClockRegion, SpecificMarksReplaceTheGenericOneAtTheirPositionOnly) {
  // Specific mark N stands at position N - 1: mark 1 at 12 o'clock, mark 4 at 3 o'clock.
  Skin skin;
  skin.marks[0] = HourMark();
  skin.marks[1] = Dot();
  skin.marks[4] = Dot();
  const Region r = Draw(skin);
  std::vector<Region> expected{At(Dot(), 0), At(Dot(), -90)};
  for (int j : {1, 2, 4, 5, 6, 7, 8, 9, 10, 11}) expected.push_back(At(HourMark(), -30 * j));
  EXPECT_EQ(r, Union(expected));
  // The bar's tip near the rim shows at 1 o'clock but not where the dots stand.
  EXPECT_TRUE(Covers(r, 5, 290));
  EXPECT_FALSE(Covers(r, 0, 290));
  EXPECT_FALSE(Covers(r, 15, 290));

  // A specific mark that does not turn is drawn where the skin put it (12 o'clock), yet
  // still takes 3 o'clock's place from the generic mark.
  skin.marks[1].clear();
  skin.mark_turns[4] = false;
  const Region fixed = Draw(skin);
  EXPECT_TRUE(Covers(fixed, 0, 290));  // generic mark at 12
  EXPECT_TRUE(Covers(fixed, 0, 270));  // and the dot over it
  EXPECT_FALSE(Covers(fixed, 15, 270));
  EXPECT_FALSE(Covers(fixed, 15, 290));
  EXPECT_EQ(CountComponents(fixed), 11);
}

TEST(AnalogClockRegion, SpecificMarksAloneLeaveOtherPositionsEmpty) {
  Skin skin;
  skin.marks[12] = Dot();  // position 11: 11 o'clock
  const Region r = Draw(skin);
  EXPECT_EQ(r, At(Dot(), -330));
  EXPECT_TRUE(Covers(r, 55, 270));
}

TEST(AnalogClockRegion, MarkThirteenIsNeverDrawn) {
  Skin only13;
  only13.marks[13] = HourMark();
  EXPECT_TRUE(Draw(only13).IsEmpty());
  Skin generic;
  generic.marks[0] = HourMark();
  Skin with13 = generic;
  with13.marks[13] = {Circle(0, 0, 200)};
  EXPECT_EQ(Draw(with13), Draw(generic));
}

TEST(AnalogClockRegion, HandsStandAtTheirAnglesForTheTime) {
  const struct {
    TimeOfDay t;
    int hour, minute, second;
  } cases[] = {
      {{0, 0, 0}, 0, 0, 0},     {{10, 59, 0}, -329, -354, 0},
      {{11, 0, 0}, -330, 0, 0}, {{12, 34, 56}, -377, -204, -336},
      {{15, 0, 0}, -450, 0, 0},
  };
  for (const auto& c : cases) {
    Skin h, m, s;
    h.hour_hand = Hand();
    m.minute_hand = Hand();
    s.second_hand = Hand();
    const Region hour = Draw(h, c.t);
    EXPECT_EQ(hour, At(Hand(), c.hour)) << c.t.hours << ":" << c.t.minutes;
    EXPECT_NE(hour, At(Hand(), c.hour - 1)) << c.t.hours << ":" << c.t.minutes;
    EXPECT_NE(hour, At(Hand(), c.hour + 1)) << c.t.hours << ":" << c.t.minutes;
    EXPECT_EQ(Draw(m, c.t), At(Hand(), c.minute)) << c.t.minutes;
    EXPECT_EQ(Draw(s, c.t), At(Hand(), c.second)) << c.t.seconds;
  }
  // The hand tip points at the hour: three o'clock and fifteen o'clock alike.
  Skin h;
  h.hour_hand = Hand();
  EXPECT_TRUE(Covers(Draw(h, {3, 0, 0}), 15, 240));
  EXPECT_EQ(Draw(h, {15, 0, 0}), Draw(h, {3, 0, 0}));
  EXPECT_FALSE(Covers(Draw(h, {3, 0, 0}), 0, 240));
}

TEST(AnalogClockRegion, SecondHandOnlyWithSeconds) {
  Skin skin;
  skin.face = {Circle(0, 0, 40)};
  skin.second_hand = Hand();
  const TimeOfDay t{12, 34, 56};
  EXPECT_EQ(Draw(skin, t, false), At(skin.face, 0));
  EXPECT_EQ(Draw(skin, t, true),
            Region::Combine(At(skin.face, 0), At(Hand(), -336), CombineMode::Or));
  Skin only_seconds;
  only_seconds.second_hand = Hand();
  EXPECT_TRUE(Draw(only_seconds, t, false).IsEmpty());
}

Skin FullSkin() {
  Skin skin;
  skin.face = {Circle(0, 0, 298), Circle(0, 0, 294, '-'), Circle(0, 0, 20, '+')};
  skin.marks[0] = HourMark();
  skin.marks[14] = MinuteMark();
  skin.hour_hand = Hand();
  skin.minute_hand = {Poly({{-4, 10}, {-4, -270}, {4, -270}, {4, 10}})};
  skin.second_hand = {Poly({{-1, 30}, {-1, -285}, {1, -285}, {1, 30}})};
  return skin;
}

TEST(AnalogClockRegion, OrderSlotsChooseWhatIsDrawn) {
  const TimeOfDay t{8, 20, 40};
  const Skin skin = FullSkin();
  const Region face = At(skin.face, 0);
  Skin marks_only = skin;
  marks_only.analog_order = {"marks", "", "", "", ""};
  const Region marks = Draw(marks_only, t);
  const Region hands =
      Union({At(skin.hour_hand, -250), At(skin.minute_hand, -120), At(skin.second_hand, -240)});
  EXPECT_EQ(Draw(skin, t), Union({face, marks, hands}));

  const struct {
    std::array<std::string, 5> order;
    Region expected;
  } cases[] = {
      // What an order section listing only the three hands leaves behind.
      {{"harrow", "marrow", "sarrow", "marrow", "sarrow"}, hands},
      {{"Static", "MARKS", "Harrow", "marrow ", ""}, Region()},  // exact spelling only
      {{"static", "static", "static", "static", "static"}, face},
      {{"marks", "marks", "marks", "marks", "marks"}, marks},
      {{"marks", "harrow", "marks", "marrow", "sarrow"}, Union({marks, hands})},
      {{"sarrow", "harrow", "marrow", "marks", "static"}, Union({face, marks, hands})},
      {{"", "", "", "", ""}, Region()},
  };
  for (const auto& c : cases) {
    Skin s = skin;
    s.analog_order = c.order;
    EXPECT_EQ(Draw(s, t), c.expected) << c.order[0] << " " << c.order[1];
  }
}

TEST(AnalogClockRegion, NoSkinOrNothingToDrawGivesAnEmptyRegion) {
  const TimeOfDay t{1, 2, 3};
  EXPECT_TRUE(AnalogClockRegion({}, 0, t, true, 125, 125, 250).IsEmpty());
  const Skins one{FullSkin()};
  EXPECT_TRUE(AnalogClockRegion(one, 1, t, true, 125, 125, 250).IsEmpty());
  EXPECT_TRUE(AnalogClockRegion(one, -1, t, true, 125, 125, 250).IsEmpty());
  EXPECT_TRUE(AnalogClockRegion({Skin{}}, 0, t, true, 125, 125, 250).IsEmpty());
  // The index picks the skin.
  Skin dot;
  dot.face = {Circle(0, 0, 50)};
  const Skins two{FullSkin(), dot};
  EXPECT_EQ(AnalogClockRegion(two, 1, t, true, 125, 125, 250),
            ShapeRegion(dot.face, 250, 0, 125, 125));
}

TEST(AnalogClockRegion, ExtremeSkinNumbersDoNotBreakTheRebuild) {
  const int32_t max = std::numeric_limits<int32_t>::max();
  const int32_t min = std::numeric_limits<int32_t>::min();
  Skin skin;
  skin.face = {Circle(min, max, max)};
  skin.marks[0] = {Poly({{min, min}, {max, min}, {0, max}})};
  skin.marks[14] = {Poly({{0, min}, {1, min}, {1, max}})};
  skin.hour_hand = {Circle(max, max, 1)};
  const Region r = AnalogClockRegion(Skins{skin}, 0, {10, 10, 10}, true, 540, 540, 1080);
  EXPECT_TRUE(r.IsValid());
}

}  // namespace
}  // namespace sorvane
