// The window's place back into the profile: a drag moves the window without the clock, and
// its new offsets reach the profile, and the file, when the user lets go.
#include "app/clock_form.h"
#include "geometry/anchor.h"

namespace sorvane {

// Only a drag changes the stored place: the system's own moves (a screen that changed, a
// window manager keeping windows on screen) and the clock's placing never do, so a clock
// brought into view keeps the place the user chose for it.
void ClockForm::DragEnded() {
  if (profiles.empty()) return;
  const Rect bounds = services_.window.Bounds();
  if (placed_at_ == Point{bounds.left, bounds.top}) return;  // pressed, not moved
  StoreWindowPlace();
  SaveIfChanged();
}

// The offsets are kept from the profile's own edges. The window now stands where the
// profile says.
void ClockForm::StoreWindowPlace() {
  const Rect bounds = services_.window.Bounds();
  StoreOffsets(CurrentProfile(), {bounds.left, bounds.top});
  placed_at_ = Point{bounds.left, bounds.top};
}

}  // namespace sorvane
