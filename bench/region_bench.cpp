// The region engine at the size of a full-screen clock (1080 pixels): the shapes a skin is
// made of, and a whole rebuild's worth of them united into one outline. Each runs with a
// region workspace in use, as the clock's rebuilds do.
#include <benchmark/benchmark.h>

#include <cmath>
#include <numbers>
#include <vector>

#include "region/region.h"
#include "region/region_workspace.h"

namespace sorvane {
namespace {

constexpr double kSide = 1080.0;
constexpr double kCentre = kSide / 2;

// A design-space outline (600 units across, origin at the centre) turned by `degrees` and
// scaled to the clock, rounded to pixels as the clock does.
std::vector<Point> Turned(const std::vector<std::pair<double, double>>& outline, double degrees) {
  const double a = degrees * std::numbers::pi / 180, scale = kSide / 600;
  std::vector<Point> out;
  for (const auto& [x, y] : outline) {
    const double tx = (x * std::cos(a) + y * std::sin(a)) * scale + kCentre;
    const double ty = (-x * std::sin(a) + y * std::cos(a)) * scale + kCentre;
    out.push_back(
        {static_cast<int32_t>(std::nearbyint(tx)), static_cast<int32_t>(std::nearbyint(ty))});
  }
  return out;
}

const std::vector<std::pair<double, double>> kHand{
    {-8, 30}, {-14, -60}, {0, -270}, {14, -60}, {8, 30}};
const std::vector<std::pair<double, double>> kMark{{-4, -285}, {4, -285}, {4, -255}, {-4, -255}};
const std::vector<std::pair<double, double>> kStar{
    {0, -200}, {118, 162}, {-190, -62}, {190, -62}, {-118, 162}};

Region FaceRing() {
  const Region outer = Region::Ellipse({10, 10, 1070, 1070});
  return Region::Combine(outer, Region::Ellipse({40, 40, 1040, 1040}), CombineMode::Diff);
}

void BM_PolygonHand(benchmark::State& state) {
  RegionWorkspace workspace;
  const RegionWorkspace::Scope scope(workspace);
  const auto hand = Turned(kHand, 37);
  for (auto _ : state) benchmark::DoNotOptimize(Region::Polygon(hand, FillMode::Alternate));
}
BENCHMARK(BM_PolygonHand);

void BM_PolygonStarWinding(benchmark::State& state) {
  RegionWorkspace workspace;
  const RegionWorkspace::Scope scope(workspace);
  const auto star = Turned(kStar, 10);
  for (auto _ : state) benchmark::DoNotOptimize(Region::Polygon(star, FillMode::Winding));
}
BENCHMARK(BM_PolygonStarWinding);

void BM_EllipseFace(benchmark::State& state) {
  RegionWorkspace workspace;
  const RegionWorkspace::Scope scope(workspace);
  for (auto _ : state) benchmark::DoNotOptimize(Region::Ellipse({10, 10, 1070, 1070}));
}
BENCHMARK(BM_EllipseFace);

void BM_CombineRing(benchmark::State& state) {
  RegionWorkspace workspace;
  const RegionWorkspace::Scope scope(workspace);
  const Region outer = Region::Ellipse({10, 10, 1070, 1070});
  const Region inner = Region::Ellipse({40, 40, 1040, 1040});
  for (auto _ : state) benchmark::DoNotOptimize(Region::Combine(outer, inner, CombineMode::Diff));
}
BENCHMARK(BM_CombineRing);

std::vector<Region> SixtyMarksAndFace() {
  std::vector<Region> parts{FaceRing()};
  for (int i = 0; i < 60; ++i)
    parts.push_back(Region::Polygon(Turned(kMark, i * 6), FillMode::Alternate));
  for (int i = 0; i < 3; ++i)
    parts.push_back(Region::Polygon(Turned(kHand, i * 97), FillMode::Alternate));
  return parts;
}

// The outline as the clock composes it: each piece united into the outline in turn.
void BM_UniteOneByOne64(benchmark::State& state) {
  RegionWorkspace workspace;
  const RegionWorkspace::Scope scope(workspace);
  const auto parts = SixtyMarksAndFace();
  for (auto _ : state) {
    Region outline;
    for (const Region& p : parts) outline.CombineWith(p, CombineMode::Or);
    benchmark::DoNotOptimize(outline);
  }
}
BENCHMARK(BM_UniteOneByOne64)->Unit(benchmark::kMicrosecond);

void BM_UnionOf64(benchmark::State& state) {
  RegionWorkspace workspace;
  const RegionWorkspace::Scope scope(workspace);
  const auto parts = SixtyMarksAndFace();
  for (auto _ : state) benchmark::DoNotOptimize(Region::UnionOf(parts));
}
BENCHMARK(BM_UnionOf64)->Unit(benchmark::kMicrosecond);

// Everything a rebuild does to the region: make every piece, then unite them.
void BM_FullRebuild(benchmark::State& state) {
  RegionWorkspace workspace;
  const RegionWorkspace::Scope scope(workspace);
  for (auto _ : state) {
    Region outline = FaceRing();
    for (int i = 0; i < 60; ++i) {
      outline.CombineWith(Region::Polygon(Turned(kMark, i * 6), FillMode::Alternate),
                          CombineMode::Or);
    }
    for (int i = 0; i < 3; ++i) {
      outline.CombineWith(Region::Polygon(Turned(kHand, i * 97), FillMode::Alternate),
                          CombineMode::Or);
    }
    benchmark::DoNotOptimize(outline);
  }
}
BENCHMARK(BM_FullRebuild)->Unit(benchmark::kMicrosecond);

// The same with every region allocated afresh: what the workspace saves.
void BM_FullRebuildNoWorkspace(benchmark::State& state) {
  for (auto _ : state) {
    Region outline = FaceRing();
    for (int i = 0; i < 60; ++i) {
      outline.CombineWith(Region::Polygon(Turned(kMark, i * 6), FillMode::Alternate),
                          CombineMode::Or);
    }
    for (int i = 0; i < 3; ++i) {
      outline.CombineWith(Region::Polygon(Turned(kHand, i * 97), FillMode::Alternate),
                          CombineMode::Or);
    }
    benchmark::DoNotOptimize(outline);
  }
}
BENCHMARK(BM_FullRebuildNoWorkspace)->Unit(benchmark::kMicrosecond);

}  // namespace
}  // namespace sorvane
