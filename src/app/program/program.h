#pragma once
// The program: the profiles file and a clock for each of its profiles, the skins and the
// date conventions every clock shares, the one timer that serves them all, and the commands
// that concern the program rather than one clock (New Clock, Remove Clock, Start at Login,
// Help, Close). Everything it needs from the system comes through the services it is given.
//
// How it runs: Start reads the settings and the skins and makes a clock (a window) for each
// profile of vl.prf, then arms the timer for the moment any clock's shown time next changes.
// Tick shows the time in every clock and arms the timer again; in between the program
// sleeps. A command from a clock's menu runs on that clock and is saved at once, so the file
// always holds what the user sees; the end of a drag is saved likewise.
#include <cstdint>
#include <memory>
#include <vector>

#include "app/clock/clock.h"
#include "app/ports/clock_window_events.h"
#include "app/ports/services.h"
#include "files/profile.h"
#include "files/skin.h"
#include "timefmt/date_format.h"

namespace sorvane {

class ClockEvents;

// What the program shares with its clocks, open to tests.
struct ProgramState {
  Profile default_profile;
  Skins skins;
  DateConventions date;
  uint8_t char_set = 1;  // DEFAULT_CHARSET until the locale is read
};

class Program {
 public:
  explicit Program(ports::Services& services);
  ~Program();
  Program(const Program&) = delete;
  Program& operator=(const Program&) = delete;

  // Reads the settings and the skins and makes a clock for each profile, every window still
  // hidden. An unreadable vl.prf still gives a clock (of the default profile) before the
  // error (FileError) propagates; the timer is armed either way.
  void Start();
  void ShowClocks();
  // The program is ending: the timer stops.
  void Stop();

  // The timer's call: every clock shows the time of one reading of the clock, then the timer
  // is armed for the next change of what any of them shows. A clock whose rebuild fails is
  // left as it was, and the timer tries again a second later.
  void Tick();
  // The system time or zone was set, or the machine woke: shown at once, armed anew.
  void TimeChanged();
  bool TimerRunning() const { return timer_running_; }

  // A right click on a clock: its menu at that screen point, and the chosen item run.
  void OpenMenu(Clock& clock, Point screen);
  // The tray icon's menu is the first clock's.
  const MenuModel& TrayMenu();
  void RunTrayMenuItem(int32_t id);
  // Runs the command of the item with this id on `clock`; an unknown id, a disabled item or
  // an item without a command does nothing. A save that fails throws FileError after the
  // change in memory is in place; the shell reports it.
  void RunMenuItem(Clock& clock, int32_t id);
  // The check marks that show the system rather than a profile, read again as a menu opens.
  void RefreshMenu(Clock& clock);

  void DragEnded(Clock& clock);
  void DisplayScaleChanged(Clock& clock);
  // A clock's window was closed by the system: the program ends.
  void WindowClosed();

  // The program's own commands.
  void SaveAndClose();  // saves every profile, then ends; a failed save throws, nothing ends
  void NewClock(Clock& beside);
  void RemoveClock(Clock& clock);  // never the only one
  void ToggleLoginStart();
  void OpenHelp();
  void OpenWebLink(int32_t number);  // 1 to 3, the pages of kWebLinks

  // The screens changed: every clock is placed again from its profile.
  void ScreensChanged();
  // The session is ending: every profile is saved. Then, as it ends, what changed since.
  void SessionEnding();
  void SessionEnded();
  // The program was started again. A clock the user cannot reach (every clock shows
  // nothing, or there is no tray icon to right-click) opens its menu at the mouse pointer.
  void SecondStart(bool tray_icon_shown);
  // Smooth edges came or went with the desktop's compositing: every clock offers the item as
  // the desktop now allows and shows its outline the way it can. Profiles keep "smooth 1".
  void SmoothEdgesAvailabilityChanged();

  size_t ClockCount() const { return clocks_.size(); }
  Clock& ClockAt(size_t index) { return *clocks_.at(index).clock; }
  const ProgramState& State() const { return state_; }
  // Every clock's profile, in the order of the file.
  Profiles CurrentProfiles() const;

 private:
  struct Slot {
    std::unique_ptr<ClockEvents> events;
    std::unique_ptr<Clock> clock;
  };

  void ReadDateConventions();
  Profiles LoadProfilesOrDefault(bool& first_start);
  void MakeClock(Profile profile, size_t at);
  Clock& AddClock(Profile profile, size_t at);
  void PlaceInTopRightCorner(Clock& clock);
  void AddProgramItems(Clock& clock);
  void RunProgramCommand(Clock& clock, const MenuItem& item);
  void EraseClock(const Clock* clock);

  void ArmNextTick();
  void ArmTickFrom(ports::Moment now);

  void SaveAll();
  void SaveIfChanged();
  void KeepUnreadProfiles();

  ports::Services& services_;
  ProgramState state_;
  ClockContext context_;
  std::vector<Slot> clocks_;
  bool timer_running_ = true;  // the tick runs from the start to Stop
  // vl.prf existed at start-up but could not be read: the first save keeps it as vl.prf.bak.
  bool profiles_unread_ = false;
  // The profiles as vl.prf holds them (empty until read or saved): what a save would change.
  Profiles saved_profiles_;
};

// Hands a clock window's events to the program and its clock, under the framework's error
// handler (errors reach the error box).
class ClockEvents final : public ports::ClockWindowEvents {
 public:
  ClockEvents(Program& program, ports::ErrorReporter& errors)
      : program_(program), errors_(errors) {}
  void SetClock(Clock* clock) { clock_ = clock; }

  void Paint(ports::Canvas& canvas) override;
  void RightButtonDown(int32_t x, int32_t y) override;
  void MiddleButtonDown(int32_t x, int32_t y) override;
  void DragEnded() override;
  void DisplayScaleChanged() override;
  void Command(int32_t id) override;
  void Closed() override;

 private:
  template <typename Handler>
  void Run(Handler&& handler);

  Program& program_;
  ports::ErrorReporter& errors_;
  Clock* clock_ = nullptr;  // none while the window is being made
};

}  // namespace sorvane
