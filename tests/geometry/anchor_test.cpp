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

// Two monitors side by side; the primary's work area ends above a 40-pixel taskbar.
TEST(KeepGrabbable, AWindowStaysOnlyWhereAMouseCanGrabIt) {
  const std::vector<Rect> monitors{{0, 0, 1024, 768}, {1024, 0, 2944, 1080}};
  const Rect work_area{0, 0, 1024, 728};
  const int32_t max = std::numeric_limits<int32_t>::max();
  const int32_t min = std::numeric_limits<int32_t>::min();
  const struct {
    Point place;
    Size size;
    Point kept;
  } cases[] = {
      {{10, 10}, {250, 250}, {10, 10}},
      {{-226, -226}, {250, 250}, {-226, -226}},  // 24 x 24 show: enough
      {{-227, 100}, {250, 250}, {0, 100}},       // 23 columns show: not
      {{100, 745}, {250, 250}, {100, 478}},      // 23 rows: up, clear of the taskbar
      {{1500, 900}, {250, 250}, {1500, 900}},    // on the second monitor
      {{1004, 100}, {40, 250}, {984, 100}},      // 20 columns on each monitor
      {{1014, 758}, {10, 10}, {1014, 758}},      // a small window that shows whole stays,
      {{1019, 100}, {10, 10}, {1014, 100}},      // one cut in two is moved
      {{3000, 0}, {302, 302}, {722, 0}},         // beyond the second monitor
      {{max, 0}, {137, 137}, {887, 0}},          // hook, x 2147483647
      {{min, max}, {137, 137}, {0, 591}},        // x -2147483648 right, y 2147483647 bottom
      {{-1300, 800}, {1200, 1200}, {0, 0}},      // larger than the work area
      {{5000, 5000}, {0, 0}, {1023, 727}},       // "Invisible", off screen
      {{20, 30}, {0, 0}, {20, 30}},              // "Invisible", on screen
  };
  for (const auto& c : cases) {
    EXPECT_EQ(KeepGrabbable(c.place, c.size, monitors, work_area), c.kept)
        << c.place.x << "," << c.place.y << " " << c.size.width;
  }
  EXPECT_EQ(KeepGrabbable({100, 745}, {250, 250}, monitors, Rect{}), (Point{100, 518}))
      << "no work area: the primary monitor";
  EXPECT_EQ(KeepGrabbable({900, 650}, {137, 137}, {{Rect{0, 0, 800, 600}}}, Rect{0, 0, 1024, 768}),
            (Point{663, 463}))
      << "the work area of a screen since made smaller: what of it is on the screen";
  EXPECT_EQ(KeepGrabbable({-9000, 0}, {1000, 10}, {}, work_area), (Point{-9000, 0}));
  // "x 0 right" of earlier first starts: one column on a single monitor.
  const std::vector<Rect> one_monitor{monitors.front()};
  EXPECT_EQ(KeepGrabbable({1023, 0}, {302, 302}, one_monitor, work_area), (Point{722, 0}));
}

}  // namespace
}  // namespace sorvane
