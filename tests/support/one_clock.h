#pragma once
// A program and its first clock, as the tests of a single clock use them: the program's
// events and the clock's commands in one place, and a view of both states.
#include <array>
#include <string>

#include "app/clock/menu_tree.h"
#include "app/program/program.h"
#include "support/headless_services.h"

namespace sorvane::headless {

// What a test of one clock looks at: the program's shared state and the first clock's.
struct OneClockState {
  const Skins& skins;
  const Profile& default_profile;
  Profiles profiles;
  uint8_t char_set;
  const std::string& time_separator;
  const std::string& date_separator;
  const DateFormatList& date_formats;
  const std::array<std::string, 11>& date_format_captions;
  const ports::ClockFontState& clock_font;
  int32_t current_skin;
  int32_t half_width;
  int last_hour, last_minute, last_second;
};

class OneClock {
 public:
  explicit OneClock(HeadlessServices& hs) : OneClock(hs.services, hs.host) {}
  OneClock(ports::Services& services, FakeHost& host) : host_(host), program(services) {}

  // Starts the program and shows its clocks; what the old single clock answered.
  bool Start() {
    program.Start();
    program.ShowClocks();
    return true;
  }
  Clock& First() { return program.ClockAt(0); }

  const Profile& CurrentProfile() const {
    return const_cast<OneClock*>(this)->First().CurrentProfile();
  }
  Profile& CurrentProfile() { return First().CurrentProfile(); }
  const MenuModel& Menu() const { return const_cast<OneClock*>(this)->First().Menu(); }
  void RefreshMenu() { program.RefreshMenu(First()); }
  OneClockState State();
  int32_t WindowColor() { return ports::RefFromColor(First().WindowColor()); }

  void Tick() { program.Tick(); }
  void TimeChanged() { program.TimeChanged(); }
  void Stop() { program.Stop(); }
  bool TimerRunning() const { return program.TimerRunning(); }
  void RunMenuItem(int32_t id) { program.RunMenuItem(First(), id); }
  void SaveAndClose() { program.SaveAndClose(); }
  void DragEnded() { program.DragEnded(First()); }
  void DisplayScaleChanged() {
    if (program.ClockCount() > 0) program.DisplayScaleChanged(First());
  }
  void ScreensChanged() { program.ScreensChanged(); }
  void SecondStart(bool tray_icon_shown) { program.SecondStart(tray_icon_shown); }
  void RightClick(int32_t x, int32_t y) { host_.events.at(0)->RightButtonDown(x, y); }
  void ApplyProfile() { First().ApplyProfile(); }
  // The commands as the menu runs them: changed, the timer armed again, saved.
  void ToggleFace(Face face) {
    RunMenuItem(face == Face::Analog ? menu_id::EnableAnalog : menu_id::EnableDigital);
  }
  void ToggleAnalogSeconds() { RunMenuItem(menu_id::AnalogSeconds); }
  void ToggleDigitalSeconds() { RunMenuItem(menu_id::DigitalSeconds); }
  void ChooseFont() { RunMenuItem(menu_id::Font); }
  void RebuildOutline() { First().RebuildOutline(); }
  void Paint(ports::Canvas& canvas) { First().Paint(canvas); }

  FakeHost& host_;
  Program program;
};

inline OneClockState OneClock::State() {
  const ProgramState& p = program.State();
  const ClockState& c = First().State();
  return {p.skins,
          p.default_profile,
          program.CurrentProfiles(),
          p.char_set,
          p.date.time_separator,
          p.date.date_separator,
          p.date.date_formats,
          p.date.captions,
          c.clock_font,
          c.current_skin,
          c.half_width,
          c.shown.hours,
          c.shown.minutes,
          c.shown.seconds};
}

}  // namespace sorvane::headless
