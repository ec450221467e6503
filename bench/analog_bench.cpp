// The analog clock's outline, rebuilt as the once-a-second tick does: one face, 48 minute
// marks, 12 hour marks and three hands, at the "Huge" size and at a 1080-pixel full screen.
#include <benchmark/benchmark.h>

#include "bench_skin.h"
#include "geometry/analog_region.h"
#include "region/region_workspace.h"

namespace {

void Rebuild(benchmark::State& state) {
  const sorvane::Skins skins{sorvane::bench::BenchSkin()};
  const int side = static_cast<int>(state.range(0));
  for (auto _ : state) {
    sorvane::Region r = sorvane::AnalogClockRegion(skins, 0, sorvane::bench::kBenchTime, true,
                                                   side / 2, side / 2, side);
    benchmark::DoNotOptimize(r);
  }
}

// As the clock rebuilds: with the storage of its region workspace.
void BM_MakeAnalogClockRgn(benchmark::State& state) {
  sorvane::RegionWorkspace workspace;
  const sorvane::RegionWorkspace::Scope scope(workspace);
  Rebuild(state);
}
BENCHMARK(BM_MakeAnalogClockRgn)->Arg(250)->Arg(1080)->Unit(benchmark::kMicrosecond);

// Every region allocated afresh: what the workspace saves.
void BM_MakeAnalogClockRgnNoWorkspace(benchmark::State& state) {
  Rebuild(state);
}
BENCHMARK(BM_MakeAnalogClockRgnNoWorkspace)->Arg(250)->Arg(1080)->Unit(benchmark::kMicrosecond);

}  // namespace
