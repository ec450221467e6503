// The analog clock's outline, rebuilt as the once-a-second tick does: one face, 48 minute
// marks, 12 hour marks and three hands, at the "Huge" size and at a 1080-pixel full screen.
#include <benchmark/benchmark.h>

#include "bench_skin.h"
#include "geometry/analog_region.h"

namespace {

void BM_MakeAnalogClockRgn(benchmark::State& state) {
  const sorvane::Skins skins{sorvane::bench::BenchSkin()};
  const int side = static_cast<int>(state.range(0));
  for (auto _ : state) {
    sorvane::Region r = sorvane::MakeAnalogClockRgn(skins, 0, sorvane::bench::kBenchTime, true,
                                                    side / 2, side / 2, side);
    benchmark::DoNotOptimize(r);
  }
}
BENCHMARK(BM_MakeAnalogClockRgn)->Arg(250)->Arg(1080)->Unit(benchmark::kMicrosecond);

}  // namespace
