#pragma once
// What the hardening tests share: a clock on fakes that keep no history (so a day of ticks
// measures the clock and not the recorders), the framework's error box, real folders on
// disk, and a stopwatch for the figures they print.
#include <gtest/gtest.h>

#include <chrono>
#include <cstdio>
#include <exception>
#include <filesystem>
#include <optional>
#include <string>

#include "app/clock/menu_tree.h"
#include "files/profile.h"
#include "geometry/clock_sizes.h"
#include "support/headless_services.h"
#include "support/one_clock.h"

namespace sorvane::hardening {

// Holds only the region it shows now, as a real window does, and counts the regions it was
// handed.
class CurrentRegionWindow : public headless::FakeWindow {
 public:
  void SetRegion(const Region& region) override {
    regions.assign(1, region);
    ++regions_set;
  }
  long regions_set = 0;
};

// Keeps only the timer's last arming, as a real timer does.
class CurrentTimerHost : public headless::FakeHost {
 public:
  explicit CurrentTimerHost(headless::FakeWindow& window) : FakeHost(window, nullptr) {}
  void ScheduleTick(int32_t milliseconds) override { tick_delays.assign(1, milliseconds); }
};

// Draws like the headless text service but forgets each call once answered.
class ForgetfulTextOutlines : public headless::FakeTextOutlines {
 public:
  Region Outline(const ports::FontSpec& font, const std::string& text, int32_t x,
                 int32_t y) override {
    Region outline = FakeTextOutlines::Outline(font, text, x, y);
    outlines.clear();
    return outline;
  }
};

// The clock's services with no journal. `disk` replaces the in-memory files, with
// `folder` as the program's folder.
struct QuietServices {
  explicit QuietServices(FileService* disk = nullptr,
                         std::filesystem::path folder = headless::HeadlessServices::ProgramFolder())
      : services{host,
                 screen,
                 clock,
                 text,
                 dialogs,
                 shell,
                 errors,
                 menu,
                 disk != nullptr ? *disk : files,
                 UsEnglishLocale(),
                 ports::Folders::AllIn(folder)} {}
  QuietServices(const QuietServices&) = delete;
  QuietServices& operator=(const QuietServices&) = delete;

  CurrentRegionWindow window;
  CurrentTimerHost host{window};
  headless::FakeScreen screen;
  headless::FakeClock clock;
  ForgetfulTextOutlines text;
  headless::ScriptedDialogs dialogs;
  headless::RecordingShell shell;
  headless::RecordingErrors errors;
  headless::RecordingMenuView menu;
  headless::MemoryFiles files;
  ports::Services services;
};

// What the windowing framework does with an error a handler lets out: it shows the text in
// its error box and the program goes on.
template <typename Handler>
void AsTheFrameworkDoes(ports::ErrorReporter& errors, Handler&& handler) {
  try {
    handler();
  } catch (const std::exception& error) {
    errors.ShowError(error.what());
  }
}

inline std::filesystem::path ShippedSkinsFolder() {
  // tests/data sits two levels below the source tree's root, where skins/ is.
  return std::filesystem::path(SORVANE_TEST_DATA).parent_path().parent_path() / "skins";
}

inline std::filesystem::path InClockFolder(const std::string& name) {
  return headless::HeadlessServices::InProgramFolder(name);
}

// Milliseconds one call takes, the best of `runs`: the least disturbed by other processes.
template <typename Call>
double BestMilliseconds(Call&& call, int runs = 5) {
  double best = 1e300;
  for (int i = 0; i < runs; ++i) {
    const auto start = std::chrono::steady_clock::now();
    call();
    const std::chrono::duration<double, std::milli> took = std::chrono::steady_clock::now() - start;
    if (took.count() < best) best = took.count();
  }
  return best;
}

inline void PrintFigure(const std::string& what, double value, const char* unit) {
  std::printf("[ figure   ] %s: %.3f %s\n", what.c_str(), value, unit);
}

// A clock profile with the analog face at the "Huge" size, anchored at the top left.
inline Profile HugeAnalogProfile() {
  Profile p;
  ResetToDefaults(p);
  p.size = "Huge";
  p.style = "Analog";
  p.x_edge = "left";
  p.y_edge = "top";
  p.x_offset = 100;
  p.y_offset = 50;
  p.show_date = false;
  p.analog_seconds = true;
  p.digital_seconds = false;
  return p;
}

// A click on the "Size" menu item of `size`, as the shell hands it to the clock. Errors go
// to the caller, as they leave a command.
inline void SizeCommand(headless::OneClock& form, const std::string& size) {
  const std::optional<int> row = FindClockSize(size);
  ASSERT_TRUE(row.has_value()) << size;
  form.RunMenuItem(menu_id::SizeItem(*row));
}

// Sets any style word, as the two "Enable ... Clock" items do for the four they know.
inline void StyleCommand(headless::OneClock& form, ports::Services& services,
                         const std::string& style) {
  form.CurrentProfile().style = style;
  form.ApplyProfile();
  form.RebuildOutline();
  SaveProfiles(services.folders.settings, form.State().profiles, services.files);
}

}  // namespace sorvane::hardening
