#pragma once
// What a shell reports to the program as a whole, from wherever its system tells it.
#include <cstdint>

#include "app/ports/menu_model.h"

namespace sorvane::ports {

class ProgramEvents {
 public:
  virtual ~ProgramEvents() = default;
  // The program's one timer fired (ProgramHost::ScheduleTick).
  virtual void Tick() = 0;
  // The system's time or time zone was set, or the machine woke from sleep.
  virtual void TimeChanged() = 0;
  // The session is about to end (log-off, shutdown, a signal to end): everything is saved
  // now, with nothing shown, since the program may not get another chance.
  virtual void SessionEnding() = 0;
  // The session ends now: what changed since SessionEnding is saved too.
  virtual void SessionEnded() = 0;
  // A screen was added or removed, the primary one changed, or a size or work area did.
  virtual void ScreensChanged() = 0;
  // The program was started again while this copy runs; `tray_icon_shown` says whether the
  // user can reach the menu through the notification area.
  virtual void SecondStart(bool tray_icon_shown) = 0;
  // Smooth edges can be shown now, or no longer (a compositing manager started or stopped).
  virtual void SmoothEdgesAvailabilityChanged() = 0;
  // The tray icon's menu, read afresh each time it opens, and the item chosen in it.
  virtual const MenuModel* TrayMenu() = 0;
  virtual void TrayMenuItemChosen(int32_t id) = 0;
};

}  // namespace sorvane::ports
