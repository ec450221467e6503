// A day of ticks with seconds shown: 86,400 ticks through the clock, every style switched
// from the menu along the way (the two "Enable ... Clock" items, as the shell sends them). The
// outline must be rebuilt at every tick that shows a face, the window must get exactly one region
// per rebuild, and the heap must stay flat.
#include <algorithm>
#include <array>
#include <chrono>
#include <vector>

#if defined(__GLIBC__)
#include <malloc.h>
#endif

#include "hardening_support.h"
#include "heap_counter.h"

namespace sorvane::hardening {
namespace {

constexpr int kTicksPerDay = 86400;
constexpr int kTicksPerStyle = 900;  // a quarter of an hour, so each hour runs every style
const std::array<const char*, 4> kStyles{"Analog", "AnaDigi", "Digital", "Invisible"};

bool ShowsAFace(const std::string& style) {
  return style != "Invisible";
}

TEST(Soak, ADayOfTicksKeepsRegionsAndHeapFlat) {
  QuietServices qs;
  // The lightest shipped skin keeps the day short (the heaviest costs more per rebuild, not
  // more memory: scripts/perf.sh times it); the date line and both seconds are shown.
  qs.files.Put(InClockFolder("minimal.skn"),
               DiskFiles().ReadAll(ShippedSkinsFolder() / "minimal.skn"));
  Profile profile = HugeAnalogProfile();
  profile.skin_file = "minimal.skn";
  profile.show_date = true;
  profile.digital_seconds = true;
  qs.files.Put(InClockFolder(kProfilesFileName), FormatProfiles({profile}));
  qs.clock.SetTime(0, 0, 0);

  headless::OneClock form(qs.services, qs.host);
  ASSERT_TRUE(form.Start());
  ASSERT_EQ(form.State().skins.size(), 1u);

  long expected_regions = qs.window.regions_set;
  std::vector<HeapUse> hourly;
  const auto start = std::chrono::steady_clock::now();
  for (int tick = 1; tick <= kTicksPerDay; ++tick) {
    if (tick % kTicksPerStyle == 0) {
      // From "Analog", the digital item, then the analog item, and so on, walk the styles
      // in the order of kStyles.
      const std::size_t next = (tick / kTicksPerStyle) % kStyles.size();
      form.RunMenuItem(next % 2 == 1 ? menu_id::EnableDigital : menu_id::EnableAnalog);
      ASSERT_EQ(form.CurrentProfile().style, kStyles[next]) << "tick " << tick;
      if (ShowsAFace(kStyles[next])) ++expected_regions;
    }
    const int second_of_day = tick % kTicksPerDay;
    qs.clock.SetTime(second_of_day / 3600, second_of_day / 60 % 60, second_of_day % 60);
    form.Tick();
    if (ShowsAFace(form.CurrentProfile().style)) ++expected_regions;
    if (tick % 3600 == 0) hourly.push_back(LiveHeap());
  }
  const std::chrono::duration<double> took = std::chrono::steady_clock::now() - start;

  EXPECT_EQ(qs.window.regions_set, expected_regions)
      << "one region for every rebuild, none for a tick in the Invisible style";
  EXPECT_EQ(qs.window.RegionCount(), 1);
  EXPECT_TRUE(qs.window.CurrentRegion().IsValid());

  // After the first two hours everything the clock keeps exists; from then on each hourly
  // sample, taken at the same point of the style cycle, may differ only by the size of the
  // outline of that moment.
  ASSERT_EQ(hourly.size(), 24u);
  const HeapUse warm = hourly[1];
  int64_t most_blocks = 0, most_bytes = 0, least_bytes = INT64_MAX;
  for (std::size_t h = 2; h < hourly.size(); ++h) {
    most_blocks = std::max(most_blocks, hourly[h].blocks - warm.blocks);
    most_bytes = std::max(most_bytes, hourly[h].bytes - warm.bytes);
    least_bytes = std::min(least_bytes, hourly[h].bytes - warm.bytes);
  }
  EXPECT_LE(most_blocks, 0) << "live heap blocks grew after warm-up";
  EXPECT_LE(most_bytes, 16 * 1024) << "live heap bytes grew after warm-up";

  PrintFigure("soak: ticks", kTicksPerDay, "");
  PrintFigure("soak: regions set", static_cast<double>(qs.window.regions_set), "");
  PrintFigure("soak: wall time", took.count(), "s");
  PrintFigure("soak: live heap after 2 h, blocks", static_cast<double>(warm.blocks), "");
  PrintFigure("soak: live heap after 2 h", static_cast<double>(warm.bytes), "bytes");
  PrintFigure("soak: live heap after 24 h, blocks", static_cast<double>(hourly.back().blocks), "");
  PrintFigure("soak: live heap after 24 h", static_cast<double>(hourly.back().bytes), "bytes");
  PrintFigure("soak: hourly live heap from 2 h on, spread",
              static_cast<double>(most_bytes - least_bytes), "bytes");
#if defined(__GLIBC__)
  PrintFigure("soak: malloc arena in use at the end (mallinfo2)",
              static_cast<double>(mallinfo2().uordblks), "bytes");
#endif
}

}  // namespace
}  // namespace sorvane::hardening
