// The window's place back into the profile: a drag moves the window without the clock, and
// its new offsets must reach the profile before any save writes it.
#include "app/clock_form.h"
#include "geometry/anchor.h"

namespace sorvane {

// Move events come from the window system while the clock itself applies a profile too;
// those moves are the profile's own, and a half-finished one (left set, top not yet) must
// not be taken for the profile's place. A failure (no screen size) is dropped: the next
// move tries again.
void ClockForm::WindowMoved() {
  if (placing_window_) return;
  try {
    StoreWindowPlace();
  } catch (...) {
  }
}

// The offsets are kept from the profile's own edges, and only written when they changed.
void ClockForm::StoreWindowPlace() {
  if (profiles.empty()) return;
  Profile& profile = CurrentProfile();
  const Rect bounds = services_.window.Bounds();
  const Point offsets =
      AnchorOffsets(bounds.left, bounds.top, profile, services_.screen.PrimarySize());
  if (offsets.x != profile.x_offset || offsets.y != profile.y_offset) {
    profile.x_offset = offsets.x;
    profile.y_offset = offsets.y;
  }
}

}  // namespace sorvane
