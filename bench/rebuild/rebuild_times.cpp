// rebuild_times: how long the clock takes to rebuild its outline, as the tick does, for
// every shipped skin and then, with the heaviest, for every style at every clock size and at
// a 1920 x 1080 full screen. The same program runs natively and under Wine; on Windows the
// text lines come from real GDI glyph outlines, elsewhere from the headless block glyphs.
//
//   rebuild_times SKINS_FOLDER [RUNS]
//
// Prints Markdown table rows and "key=value" figures for scripts/perf.sh.
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "app/program/program.h"
#include "app/program/remembered_text_lines.h"
#include "files/profile.h"
#include "files/skin.h"
#include "geometry/analog_region.h"
#include "geometry/clock_sizes.h"
#include "support/headless_services.h"
#include "region/region_workspace.h"
#ifdef _WIN32
#include "shells/win32/gdi_text_outlines.h"
#endif

namespace {

using namespace sorvane;

#ifdef _WIN32
using TextService = win32::GdiTextOutlines;
constexpr const char* kTextSource = "GDI glyph outlines";
#else
using TextService = headless::FakeTextOutlines;
constexpr const char* kTextSource = "headless block glyphs";
#endif

// Services without a journal, so repeated rebuilds measure the clock only.
struct Bench {
  explicit Bench(const std::filesystem::path& skins_folder) {
    for (const std::string& name : DiskFiles().List(skins_folder, ".skn")) {
      files.Put(headless::HeadlessServices::InProgramFolder(name),
                DiskFiles().ReadAll(skins_folder / name));
      skin_files.push_back(name);
    }
    std::sort(skin_files.begin(), skin_files.end());
    screen.SetPrimary(1920, 1080);
  }

  headless::FakeWindow window;
  headless::FakeScreen screen;
  headless::FakeClock clock;
  TextService system_text;
  RememberedTextLines text{system_text};  // as the clock program wires it
  headless::ScriptedDialogs dialogs;
  headless::RecordingShell shell;
  headless::RecordingErrors errors;
  headless::RecordingMenuView menu;
  headless::MemoryFiles files;
  std::vector<std::string> skin_files;

  // The services of one program whose clock's window is `window`.
  ports::Services ServicesWith(ports::ProgramHost& host) {
    return {host,   screen, clock, text,  dialogs, shell, errors,
            menu,   files,  UsEnglishLocale(),
            ports::Folders::AllIn(headless::HeadlessServices::ProgramFolder())};
  }
};

// One run is one tick: the clock shows the next second, so the time line is drawn anew each
// run while the date line stays what it was.
double MedianMicroseconds(Clock& clock, Bench& bench, int runs) {
  std::vector<double> times;
  times.reserve(static_cast<std::size_t>(runs));
  constexpr int kStart = 10 * 3600 + 8 * 60 + 37;
  // Ten ticks untimed first: the first ones fill what the clock keeps (fonts, characters,
  // the face) and, under Wine, the heap.
  for (int i = -10; i < runs; ++i) {
    const int second = (kStart + 86400 + i) % 86400;
    bench.clock.SetTime(second / 3600, second / 60 % 60, second % 60);
    const auto start = std::chrono::steady_clock::now();
    clock.RebuildOutline();
    const std::chrono::duration<double, std::micro> took = std::chrono::steady_clock::now() - start;
    if (i >= 0) times.push_back(took.count());
    bench.window.regions.clear();  // the fake keeps every region; a window holds one
    bench.window.images.clear();
  }
  std::nth_element(times.begin(), times.begin() + runs / 2, times.end());
  return times[static_cast<std::size_t>(runs / 2)];
}

// The worst case the tick meets: seconds on both faces and the date line, from 10:08:37 on.
Profile WorstCaseProfile(const std::string& skin, const std::string& style, std::string_view size) {
  Profile p;
  ResetToDefaults(p);
  p.skin_file = skin;
  p.style = style;
  p.size = std::string(size);
  p.show_date = true;
  p.analog_seconds = true;
  p.digital_seconds = true;
  p.x_edge = "left";
  return p;
}

double Time(Bench& bench, const Profile& profile, int runs, Size* window_size) {
  bench.files.Put(headless::HeadlessServices::InProgramFolder(kProfilesFileName),
                  FormatProfiles({profile}));
  bench.clock.SetTime(10, 8, 37);
  headless::FakeHost host(bench.window, nullptr);
  ports::Services services = bench.ServicesWith(host);
  Program program(services);
  program.Start();
  if (program.ClockCount() != 1) std::exit(2);
  if (window_size != nullptr) *window_size = {bench.window.width, bench.window.height};
  return MedianMicroseconds(program.ClockAt(0), bench, runs);
}

// The whole analog face drawn from nothing, as after a change of skin or size; a tick draws
// only the hands onto the kept face and marks.
double WholeFaceMicroseconds(Bench& bench, const std::string& skin_file, int runs) {
  Skins skins;
  LoadSkins(headless::HeadlessServices::ProgramFolder(), bench.files, skins, {});
  const int32_t index = SkinIndexByFileName(skins, skin_file);
  const int side = 1080;
  RegionWorkspace workspace;  // as the clock's rebuilds have
  const RegionWorkspace::Scope scope(workspace);
  std::vector<double> times;
  for (int i = 0; i < runs; ++i) {
    const auto start = std::chrono::steady_clock::now();
    const Region face =
        AnalogClockRegion(skins, index, TimeOfDay{10, 8, 37}, true, side / 2, side / 2, side);
    const std::chrono::duration<double, std::micro> took = std::chrono::steady_clock::now() - start;
    if (face.IsEmpty()) std::exit(3);
    times.push_back(took.count());
  }
  std::nth_element(times.begin(), times.begin() + runs / 2, times.end());
  return times[static_cast<std::size_t>(runs / 2)];
}

}  // namespace

int main(int argc, char** argv) {
  if (argc < 2) {
    std::fprintf(stderr, "usage: rebuild_times SKINS_FOLDER [RUNS]\n");
    return 1;
  }
  const int runs = argc > 2 ? std::max(1, std::atoi(argv[2])) : 201;
  Bench bench(argv[1]);
  if (bench.skin_files.empty()) {
    std::fprintf(stderr, "no skins in %s\n", argv[1]);
    return 1;
  }
  std::printf("text=%s\nruns=%d\n", kTextSource, runs);

  // The heaviest skin is the one whose analog face takes longest at full screen.
  std::string heaviest;
  double heaviest_us = -1;
  for (const std::string& skin : bench.skin_files) {
    const double us = Time(bench, WorstCaseProfile(skin, "Analog", "FullScreen"), runs, nullptr);
    std::printf("skin=%s analog_fullscreen_us=%.1f whole_face_us=%.1f\n", skin.c_str(), us,
                WholeFaceMicroseconds(bench, skin, runs));
    if (us > heaviest_us) {
      heaviest_us = us;
      heaviest = skin;
    }
  }
  std::printf("heaviest=%s\n", heaviest.c_str());

  double worst_tick_us = 0;  // the dearest rebuild a once-a-second tick can ask for
  std::string worst_tick;
  for (const char* style : {"Analog", "Digital", "AnaDigi"}) {
    for (const ClockSize& size : kClockSizes) {
      Size window{};
      const double us = Time(bench, WorstCaseProfile(heaviest, style, size.name), runs, &window);
      std::printf("row|%s|%s|%d x %d|%.1f\n", style, std::string(size.name).c_str(), window.width,
                  window.height, us);
      if (size.side > 0 && us > worst_tick_us) {
        worst_tick_us = us;
        worst_tick = std::string(style) + " " + std::string(size.name);
      }
    }
  }
  std::printf("worst_fixed_size=%s\nworst_fixed_size_us=%.1f\n", worst_tick.c_str(), worst_tick_us);

  // With smooth edges: the outline drawn at more samples per pixel, reduced to coverage and
  // painted into the window's image.
  for (const char* size : {"Small", "FullScreen"}) {
    Profile smooth = WorstCaseProfile(heaviest, "AnaDigi", size);
    smooth.smooth_edges = true;
    Size window{};
    const double us = Time(bench, smooth, runs, &window);
    std::printf("smooth_anadigi_%s=%d x %d\nsmooth_anadigi_%s_us=%.1f\n", size, window.width,
                window.height, size, us);
  }
  return 0;
}
