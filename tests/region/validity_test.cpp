// The self-check must refuse every way a region can be malformed; the builder's raw band entry
// is the one door through which a malformed region can be made.
#include <gtest/gtest.h>

#include <vector>

#include "region/region_builder.h"

namespace sorvane {
namespace {

struct RawBand {
  int32_t y0, y1;
  std::vector<Region::Span> spans;
};

Region Raw(const std::vector<RawBand>& bands) {
  RegionBuilder b;
  for (const RawBand& band : bands) b.AddBand(band.y0, band.y1, band.spans);
  return b.Finish();
}

TEST(RegionValidity, SelfCheckRefusesMalformedRegions) {
  struct Case {
    const char* what;
    std::vector<RawBand> bands;
    bool valid;
  } cases[] = {
      {"empty", {}, true},
      {"two bands, two spans", {{0, 2, {{0, 3}, {5, 9}}}, {2, 4, {{1, 3}}}}, true},
      {"bands with a gap and equal spans", {{0, 2, {{0, 3}}}, {3, 4, {{0, 3}}}}, true},
      {"spans out of order", {{0, 2, {{5, 8}, {0, 3}}}}, false},
      {"touching spans", {{0, 2, {{0, 3}, {3, 5}}}}, false},
      {"overlapping spans", {{0, 2, {{0, 4}, {3, 5}}}}, false},
      {"span without width", {{0, 2, {{4, 4}}}}, false},
      {"overlapping bands", {{0, 3, {{0, 3}}}, {2, 4, {{5, 6}}}}, false},
      {"span beyond the limit", {{0, 1, {{0, kCoordLimit + 1}}}}, false},
  };
  for (const Case& c : cases) EXPECT_EQ(Raw(c.bands).IsValid(), c.valid) << c.what;
}

TEST(RegionValidity, BuilderJoinsTouchingEqualBands) {
  const Region r = Raw({{0, 2, {{0, 3}}}, {2, 5, {{0, 3}}}, {5, 6, {{1, 3}}}});
  EXPECT_TRUE(r.IsValid());
  EXPECT_EQ(r.bands().size(), 2u);
  EXPECT_EQ(r.Rects(), (std::vector<Rect>{{0, 0, 3, 5}, {1, 5, 3, 6}}));
}

}  // namespace
}  // namespace sorvane
