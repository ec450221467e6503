// What the program hears from outside its clocks' windows: the end of the session, a change
// of the screens, and a second start of the program.
#include <algorithm>

#include "app/program/program.h"

namespace sorvane {

// Nothing is saved: no profile changed.
void Program::ScreensChanged() {
  for (Slot& slot : clocks_) slot.clock->PlaceAgain();
}

// Saved whether or not anything changed: a log-off is the last chance, and a file removed or
// damaged meanwhile is written whole again.
void Program::SessionEnding() {
  if (clocks_.empty()) return;
  SaveAll();
}

void Program::SessionEnded() {
  if (clocks_.empty()) return;
  SaveIfChanged();
}

void Program::SmoothEdgesAvailabilityChanged() {
  for (Slot& slot : clocks_) {
    slot.clock->ShowSmoothEdgesItem();
    slot.clock->RebuildOutline();
  }
}

// With a tray icon and a clock that shows something, the user reaches every menu as always:
// a second start changes nothing. Otherwise the menu of the first clock that shows nothing
// (or of the first clock) opens where the mouse pointer is.
void Program::SecondStart(bool tray_icon_shown) {
  if (clocks_.empty()) return;
  const auto hidden = std::find_if(clocks_.begin(), clocks_.end(),
                                   [](const Slot& slot) { return slot.clock->ShowsNothing(); });
  const bool all_hidden = std::all_of(clocks_.begin(), clocks_.end(),
                                      [](const Slot& slot) { return slot.clock->ShowsNothing(); });
  if (tray_icon_shown && !all_hidden) return;
  Clock& clock = hidden != clocks_.end() ? *hidden->clock : ClockAt(0);
  RefreshMenu(clock);
  const int32_t chosen = services_.menu.PopupAtPointer(clock.Menu());
  if (chosen != 0) RunMenuItem(clock, chosen);
}

}  // namespace sorvane
