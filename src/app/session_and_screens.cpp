// What the program hears from outside the clock window: the end of the session, a change of
// the screens, and a second start of the program.
#include "app/clock_form.h"

namespace sorvane {

// Sized and placed as at start-up: FullScreen takes the new screen's height, a clock kept
// at the right or bottom edge follows that edge, and one left out of reach is shown whole on
// the primary monitor. Nothing is saved: the profile did not change.
void ClockForm::ScreensChanged() {
  if (profiles.empty()) return;  // before start-up: the start places the window
  ApplyProfile(current_profile);
  RebuildOutline();
}

// Saved whether or not anything changed: a log-off is the last chance, and a file removed or
// damaged meanwhile is written whole again.
void ClockForm::SessionEnding() {
  if (profiles.empty()) return;
  SaveAll();
}

void ClockForm::SessionEnded() {
  if (profiles.empty()) return;
  SaveIfChanged();
}

void ClockForm::SaveIfChanged() {
  if (profiles != saved_profiles_) SaveAll();
}

// A visible clock with a tray icon is reached as always: a second start changes nothing.
void ClockForm::SecondStart(bool tray_icon_shown) {
  if (profiles.empty() || (tray_icon_shown && !ShowsNothing())) return;
  RefreshMenu();
  services_.menu.PopupAtPointer();
}

bool ClockForm::ShowsNothing() const {
  const Rect bounds = services_.window.Bounds();
  return bounds.right <= bounds.left || bounds.bottom <= bounds.top || outline_empty_;
}

}  // namespace sorvane
