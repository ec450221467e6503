#include "geometry/anchor.h"

#include <gtest/gtest.h>

#include <limits>
#include <vector>

namespace sorvane {
namespace {

Profile At(int32_t x, int32_t y, const char* x_edge, const char* y_edge,
           const char* anchor = "desktop") {
  Profile p;
  p.x_offset = x;
  p.y_offset = y;
  p.x_edge = x_edge;
  p.y_edge = y_edge;
  p.anchor = anchor;
  return p;
}

TEST(AnchorBoxOf, HookIsAllZeroAndAnythingElseIsThePrimaryScreen) {
  EXPECT_EQ(AnchorBoxOf(At(0, 0, "left", "top", "hook"), {1024, 768}), (AnchorBox{0, 0, 0, 0}));
  EXPECT_EQ(AnchorBoxOf(At(0, 0, "left", "top", "desktop"), {1024, 768}),
            (AnchorBox{0, 0, 1023, 767}));
  EXPECT_EQ(AnchorBoxOf(At(0, 0, "left", "top", "Hook"), {1920, 1080}),
            (AnchorBox{0, 0, 1919, 1079}));
}

TEST(Placement, OffsetsRoundTripThroughEveryAnchorAndSide) {
  const Size screen{1024, 768};
  const struct {
    Profile profile;
    Point window;  // left, top
  } cases[] = {
      {At(-137, 0, "right", "top"), {886, 0}},  // a Small clock at the right edge
      {At(10, 20, "left", "top"), {10, 20}},
      {At(-250, -250, "right", "bottom"), {773, 517}},
      {At(-5, 5, "left", "bottom"), {-5, 772}},
      {At(300, 200, "right", "bottom", "hook"), {300, 200}},
      {At(300, 200, "Right", "Bottom"), {300, 200}},  // side words are case-sensitive
      {At(-40, -30, "left", "top"), {-40, -30}},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(PlaceFromProfile(c.profile, screen), c.window) << c.profile.x_offset;
    EXPECT_EQ(AnchorOffsets(c.window.x, c.window.y, c.profile, screen),
              (Point{c.profile.x_offset, c.profile.y_offset}))
        << c.profile.x_offset;
  }
}

TEST(AnchorOffsets, HookOffsetsDoNotDependOnTheSides) {
  const Size screen{1024, 768};
  EXPECT_EQ(AnchorOffsets(700, 40, At(0, 0, "right", "bottom", "hook"), screen), (Point{700, 40}));
  EXPECT_EQ(AnchorOffsets(700, 40, At(0, 0, "left", "top", "hook"), screen), (Point{700, 40}));
  // With the desktop anchor the same move gives offsets from the last column and row.
  EXPECT_EQ(AnchorOffsets(700, 40, At(0, 0, "right", "bottom"), screen), (Point{-323, -727}));
}

TEST(Placement, OffsetsBeyondTheIntRangeAreClamped) {
  const int32_t max = std::numeric_limits<int32_t>::max();
  const int32_t min = std::numeric_limits<int32_t>::min();
  EXPECT_EQ(PlaceFromProfile(At(max, min, "right", "top"), {1024, 768}), (Point{max, min}));
  EXPECT_EQ(AnchorOffsets(min, max, At(0, 0, "right", "bottom"), {1024, 768}),
            (Point{min, max - 767}));
  EXPECT_EQ(AnchorOffsets(min, 0, At(0, 0, "right", "top"), {1024, 768}), (Point{min, 0}));
}

TEST(KeepOnSomeMonitor, OnlyAWindowThatShowsNowhereIsMoved) {
  const std::vector<Rect> monitors{{0, 0, 1024, 768}, {1024, 0, 2944, 1080}};
  const struct {
    Rect window;
    Rect placed;
  } cases[] = {
      {{10, 10, 260, 260}, {10, 10, 260, 260}},            // on the primary
      {{-249, -249, 1, 1}, {-249, -249, 1, 1}},            // one pixel shows
      {{1500, 900, 1750, 1150}, {1500, 900, 1750, 1150}},  // on the second monitor
      {{1000, 700, 1250, 950}, {1000, 700, 1250, 950}},    // across both
      {{-250, 100, 0, 350}, {0, 100, 250, 350}},           // just off the left edge
      {{3000, 100, 3250, 350}, {774, 100, 1024, 350}},     // beyond the second monitor
      {{1100, 2000, 1350, 2250}, {774, 518, 1024, 768}},   // below both
      {{-5000, -5000, -4750, -4750}, {0, 0, 250, 250}},
      {{-1300, 800, -100, 2000}, {0, 0, 1200, 1200}},      // larger than the screen
      {{5000, 5000, 5000, 5000}, {1023, 767, 1023, 767}},  // empty window, off screen
      {{20, 30, 20, 30}, {20, 30, 20, 30}},                // empty window, on screen
  };
  for (const auto& c : cases) {
    EXPECT_EQ(KeepOnSomeMonitor(c.window, monitors), c.placed)
        << c.window.left << "," << c.window.top;
  }
  EXPECT_EQ(KeepOnSomeMonitor({-9000, 0, -8000, 10}, {}), (Rect{-9000, 0, -8000, 10}));
}

}  // namespace
}  // namespace sorvane
