#include "render.h"

#include <gtest/gtest.h>

#include "geometry/analog_region.h"
#include "geometry/shape_region.h"
#include "shipped_skins.h"
#include "skin_source.h"

namespace sorvane::skintool {
namespace {

bool Within(const Region& part, const Region& whole) {
  return Region::Combine(part, whole, CombineMode::Diff).IsEmpty();
}
bool Meets(const Region& a, const Region& b) {
  return !Region::Combine(a, b, CombineMode::And).IsEmpty();
}

struct Hand {
  const char* name;
  const Shape Skin::*shape;
  int (*angle)(TimeOfDay);
};
constexpr Hand kHands[] = {{"hour", &Skin::hour_hand, HourHandAngle},
                           {"minute", &Skin::minute_hand, MinuteHandAngle},
                           {"second", &Skin::second_hand, SecondHandAngle}};

Region HandAt(const Skin& skin, const Hand& hand, TimeOfDay t, int size) {
  return ShapeRegion(skin.*hand.shape, size, hand.angle(t), size / 2, size / 2);
}

// Two times at which every hand stands far from where it stood at the other.
constexpr TimeOfDay kBefore{10, 9, 30};
constexpr TimeOfDay kAfter{4, 39, 0};

TEST(ShippedSkins, ThereAreSome) { EXPECT_GE(ShippedSkinFiles().size(), 1u); }

TEST(ShippedSkins, HandsAreSeparateAndMoveAndTheFaceStaysInItsSquare) {
  for (const auto& file : ShippedSkinFiles()) {
    const Skins skins = ReadOneSkinFile(file);
    ASSERT_EQ(skins.size(), 1u) << file;
    const Skin& skin = skins[0];
    for (const int size : {50, 1080}) {
      SCOPED_TRACE(file.filename().string() + " at " + std::to_string(size));
      const Region before = ClockRegion(skins, 0, kBefore, true, size);
      const Region after = ClockRegion(skins, 0, kAfter, true, size);
      for (const Region* r : {&before, &after}) {
        const Rect b = r->Bounds();
        EXPECT_FALSE(r->IsEmpty());
        EXPECT_GE(b.left, 0);
        EXPECT_GE(b.top, 0);
        EXPECT_LE(b.right, size);
        EXPECT_LE(b.bottom, size);
      }
      const Region changed = Region::Combine(before, after, CombineMode::Xor);
      Region all_hands;
      for (const Hand& hand : kHands) {
        const Region then = HandAt(skin, hand, kBefore, size);
        const Region now = HandAt(skin, hand, kAfter, size);
        ASSERT_FALSE(then.IsEmpty()) << hand.name << " hand missing";
        EXPECT_TRUE(Within(then, before)) << hand.name << " hand not part of the clock";
        EXPECT_TRUE(Within(now, after)) << hand.name << " hand not part of the clock";
        // Where this hand stood, the clock changed: it is seen, not hidden in the face.
        EXPECT_TRUE(Meets(changed, then)) << hand.name << " hand does not show";
        EXPECT_TRUE(Meets(changed, now)) << hand.name << " hand does not show";
        all_hands.CombineWith(then, CombineMode::Or);
        all_hands.CombineWith(now, CombineMode::Or);
      }
      // Nothing but the hands moves.
      EXPECT_TRUE(Within(changed, all_hands));
    }
  }
}

TEST(ShippedSkins, SecondHandOnlyWhenAsked) {
  for (const auto& file : ShippedSkinFiles()) {
    const Skins skins = ReadOneSkinFile(file);
    ASSERT_FALSE(skins.empty()) << file;
    const Region without = ClockRegion(skins, 0, {10, 9, 30}, false, 250);
    EXPECT_EQ(without, ClockRegion(skins, 0, {10, 9, 0}, false, 250)) << file;
    EXPECT_NE(without, ClockRegion(skins, 0, {10, 9, 30}, true, 250)) << file;
  }
}

TEST(Render, PictureShowsTheRegionInInkOnClearGround) {
  Skins skins(1);
  skins[0].face = {ShapeElement{0, 0, 290, '+', {}},
                           ShapeElement{0, 0, 270, '-', {}}};
  skins[0].hour_hand = {ShapeElement{0, 0, 0, '+', {{-10, 0}, {0, -170}, {10, 0}}}};
  const Region region = ClockRegion(skins, 0, {3, 0, 0}, false, 250);
  const Image image = RenderClock(region, 250);
  ASSERT_EQ(image.width(), 250);
  ASSERT_EQ(image.height(), 250);
  for (int y = 0; y < 250; ++y) {
    for (int x = 0; x < 250; ++x) {
      ASSERT_EQ(image.At(x, y), region.Contains(x, y) ? kInk : kClear) << x << "," << y;
    }
  }
  // The ring of box (4, 4, 246, 246) on a 250-pixel face, and the hour hand at three.
  EXPECT_EQ(region.Bounds(), (Rect{4, 4, 245, 245}));  // GDI leaves out the right and bottom edge
  EXPECT_TRUE(region.Contains(180, 125));
  EXPECT_FALSE(region.Contains(125, 60));
}

}  // namespace
}  // namespace sorvane::skintool
