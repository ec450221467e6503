// Random shapes and every combination mode against the per-pixel answer.
#include <gtest/gtest.h>

#include <random>
#include <vector>

#include "pixel_oracle.h"
#include "region/region.h"

namespace sorvane {
namespace {

using testing::PixelGrid;

constexpr Rect kWindow{-12, -12, 76, 76};  // shapes reach a little outside it

class ShapeMaker {
 public:
  explicit ShapeMaker(uint32_t seed) : rng_(seed) {}

  int32_t Coord() { return std::uniform_int_distribution<int32_t>(-8, 72)(rng_); }

  std::vector<Point> Vertices() {
    const int n = std::uniform_int_distribution<int>(3, 9)(rng_);
    std::vector<Point> v;
    for (int i = 0; i < n; ++i) v.push_back({Coord(), Coord()});
    return v;
  }

  // A random region with its per-pixel answer.
  std::pair<Region, PixelGrid> Any() {
    switch (std::uniform_int_distribution<int>(0, 4)(rng_)) {
      case 0: {
        const Rect r{Coord(), Coord(), Coord(), Coord()};
        return {Region::FromRect(r), PixelGrid(kWindow, [&r](int32_t x, int32_t y) {
                  return x >= r.left && x < r.right && y >= r.top && y < r.bottom;
                })};
      }
      case 1:
      case 2: {
        const auto v = Vertices();
        const FillMode mode = rng_() % 2 ? FillMode::Alternate : FillMode::Winding;
        return {Region::Polygon(v, mode), PixelGrid(kWindow, [&](int32_t x, int32_t y) {
                  return testing::PolygonCovers(v, mode, x, y);
                })};
      }
      case 3: {
        std::vector<Rect> rects(std::uniform_int_distribution<std::size_t>(0, 6)(rng_));
        for (Rect& r : rects) r = {Coord(), Coord(), Coord(), Coord()};
        return {Region::FromRects(rects), PixelGrid(kWindow, [&](int32_t x, int32_t y) {
                  for (const Rect& r : rects) {
                    if (x >= r.left && x < r.right && y >= r.top && y < r.bottom) return true;
                  }
                  return false;
                })};
      }
      default: {
        // No independent definition of the ellipse: its own pixels become the answer, and
        // the combinations are checked against them.
        Region e = Region::Ellipse({Coord(), Coord(), Coord(), Coord()});
        PixelGrid g = PixelGrid::Of(e, kWindow);
        return {std::move(e), std::move(g)};
      }
    }
  }

 private:
  std::mt19937 rng_;
};

void ExpectMatches(const Region& r, const PixelGrid& expected, const std::string& what) {
  ASSERT_TRUE(r.IsValid()) << what;
  ASSERT_EQ(expected.FirstDifference(PixelGrid::Of(r, kWindow)), "") << what;
}

TEST(RegionOracle, ShapesMatchTheirDefinitions) {
  ShapeMaker make(1234);
  for (int i = 0; i < 600; ++i) {
    auto [region, grid] = make.Any();
    ExpectMatches(region, grid, "shape " + std::to_string(i));
    EXPECT_EQ(Region::FromRects(region.Rects()), region) << "shape " << i;
  }
}

TEST(RegionOracle, EveryCombineModeMatchesPixelLogic) {
  ShapeMaker make(99);
  const CombineMode modes[] = {CombineMode::And, CombineMode::Or, CombineMode::Xor,
                               CombineMode::Diff};
  for (int i = 0; i < 400; ++i) {
    auto [a, ga] = make.Any();
    auto [b, gb] = make.Any();
    for (CombineMode mode : modes) {
      const Region c = Region::Combine(a, b, mode);
      const PixelGrid expected(kWindow, [&](int32_t x, int32_t y) {
        return testing::Apply(mode, ga.at(x, y), gb.at(x, y));
      });
      ExpectMatches(c, expected,
                    "pair " + std::to_string(i) + " mode " + std::to_string(int(mode)));
    }
  }
}

TEST(RegionOracle, ChainsOfCombinationsStayCanonical) {
  ShapeMaker make(7);
  const CombineMode modes[] = {CombineMode::And, CombineMode::Or, CombineMode::Xor,
                               CombineMode::Diff};
  for (int chain = 0; chain < 40; ++chain) {
    auto [acc, grid] = make.Any();
    for (int step = 0; step < 12; ++step) {
      auto [b, gb] = make.Any();
      const CombineMode mode = modes[(chain + step) % 4];
      acc.CombineWith(b, mode);
      grid = PixelGrid(kWindow, [&, &g = grid](int32_t x, int32_t y) {
        return testing::Apply(mode, g.at(x, y), gb.at(x, y));
      });
      ExpectMatches(acc, grid, "chain " + std::to_string(chain) + " step " + std::to_string(step));
    }
  }
}

TEST(RegionOracle, BoundsAndTranslateAgreeWithPixels) {
  ShapeMaker make(4321);
  for (int i = 0; i < 200; ++i) {
    auto [r, grid] = make.Any();
    Rect box{kWindow.right, kWindow.bottom, kWindow.left, kWindow.top};
    for (int32_t y = kWindow.top; y < kWindow.bottom; ++y) {
      for (int32_t x = kWindow.left; x < kWindow.right; ++x) {
        if (!grid.at(x, y)) continue;
        box = {std::min(box.left, x), std::min(box.top, y), std::max(box.right, x + 1),
               std::max(box.bottom, y + 1)};
      }
    }
    EXPECT_EQ(r.Bounds(), r.IsEmpty() ? Rect{} : box) << "shape " << i;
    Region moved = r;
    moved.Translate(3, -5);
    ASSERT_TRUE(moved.IsValid());
    for (int32_t y = kWindow.top; y < kWindow.bottom; ++y) {
      for (int32_t x = kWindow.left; x < kWindow.right; ++x) {
        ASSERT_EQ(moved.Contains(x + 3, y - 5), grid.at(x, y)) << "shape " << i;
      }
    }
  }
}

}  // namespace
}  // namespace sorvane
