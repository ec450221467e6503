// Smooth edges at full screen: the analog face of a 1920 x 1080 AnaDigi clock (810 pixels
// across) drawn at S x S samples per pixel and reduced to coverage, as a tick in smooth mode
// does; S = 1 is the region path's own cost plus an all-or-nothing reduction. The reduction
// alone is timed for 4 x 4, 8 x 4 and 8 x 8 on the same face drawn once.
#include <benchmark/benchmark.h>

#include "bench_skin.h"
#include "geometry/analog_region.h"
#include "region/coverage.h"
#include "region/region_workspace.h"

namespace {

constexpr int kSide = 810;
constexpr int kHeight = 1080;

sorvane::Region FineFace(int samples) {
  const sorvane::Skins skins{sorvane::bench::BenchSkin()};
  const int side = kSide * samples;
  return sorvane::AnalogClockRegion(skins, 0, sorvane::bench::kBenchTime, true, side / 2, side / 2,
                                    side);
}

void BM_SmoothFace(benchmark::State& state) {
  sorvane::RegionWorkspace workspace;
  const sorvane::RegionWorkspace::Scope scope(workspace);
  const auto samples = static_cast<int32_t>(state.range(0));
  for (auto _ : state) {
    const sorvane::Region fine = FineFace(samples);
    benchmark::DoNotOptimize(sorvane::CoverageOf(fine, samples, samples, kSide, kHeight));
  }
}
BENCHMARK(BM_SmoothFace)->Arg(1)->Arg(4)->Arg(8)->Unit(benchmark::kMicrosecond);

// The face drawn at 8 x 8 is reduced as 8 x 8, and (read as a face twice as tall) as 8 x 4.
void BM_ReductionOnly(benchmark::State& state) {
  const auto sx = static_cast<int32_t>(state.range(0));
  const auto sy = static_cast<int32_t>(state.range(1));
  const sorvane::Region fine = FineFace(sx);
  for (auto _ : state) {
    benchmark::DoNotOptimize(sorvane::CoverageOf(fine, sx, sy, kSide, kHeight));
  }
}
BENCHMARK(BM_ReductionOnly)
    ->Args({4, 4})
    ->Args({8, 4})
    ->Args({8, 8})
    ->Unit(benchmark::kMicrosecond);

}  // namespace
