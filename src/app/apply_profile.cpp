// Applying a profile to the window: the clock font's face and slant, the window's size for
// the clock size and style, its place from the anchor, its colour and the skin in use.
// The outline is not rebuilt here; callers that change its look call RebuildOutline afterwards.
#include <algorithm>
#include <limits>

#include "app/clock_form.h"
#include "geometry/anchor.h"
#include "geometry/clock_sizes.h"

namespace sorvane {

namespace {

int32_t ClampedSum(int32_t a, int32_t b) {
  const int64_t sum = int64_t{a} + b;
  return static_cast<int32_t>(std::clamp<int64_t>(sum, std::numeric_limits<int32_t>::min(),
                                                  std::numeric_limits<int32_t>::max()));
}

}  // namespace

void ClockForm::ApplyProfile(int32_t index) {
  const Profile& profile = profiles.at(index);
  ApplyFont(profile);
  ApplySize(profile);
  ApplyPosition(profile);
  ApplyOpacity(profile);
  SetWindowColor(profile.analog_color);
  current_skin = SkinIndexByFileName(skins, profile.skin_file);
}

// The clock text is never bold, underlined or struck out, whatever the font was before.
void ClockForm::ApplyFont(const Profile& profile) {
  clock_font.face = profile.font_name;
  clock_font.italic = profile.font_italic;
  clock_font.bold = false;
  clock_font.underline = false;
  clock_font.strike_out = false;
}

// A size that names no row leaves the window as large as it is.
void ClockForm::ApplySize(const Profile& profile) {
  const std::optional<int> row = FindClockSize(profile.size);
  if (!row) return;
  const int32_t side =
      ScaledToDpi(kClockSizes[static_cast<size_t>(*row - 1)].side, services_.window.Dpi());
  const Size size =
      WindowSizeFor(side, profile.style, profile.show_date, services_.screen.PrimarySize());
  services_.window.SetWidth(size.width);
  services_.window.SetHeight(size.height);
  services_.window.Repaint();
}

void ClockForm::ApplyOpacity(const Profile& profile) {
  services_.window.SetOpacity(profile.opacity);
}

// Sizes are for 96 DPI; offsets in the profile stay in pixels, so the place is kept.
void ClockForm::DisplayScaleChanged() {
  if (profiles.empty()) return;  // a message before start-up: the start sizes the window
  ApplySize(CurrentProfile());
  RebuildOutline();
}

// Also for a size that matched nothing and for a 0 x 0 "Invisible" window. A place that
// would show the window on no monitor is moved onto the primary screen; the tick then
// stores the new offsets as after a drag.
void ClockForm::ApplyPosition(const Profile& profile) {
  const Size screen = services_.screen.PrimarySize();
  const Point place = PlaceFromProfile(profile, screen);
  const Rect bounds = services_.window.Bounds();
  const Rect wanted{place.x, place.y, ClampedSum(place.x, bounds.right - bounds.left),
                    ClampedSum(place.y, bounds.bottom - bounds.top)};
  const std::vector<Rect> monitors = services_.screen.Monitors();
  const Rect kept = KeepOnSomeMonitor(wanted, monitors);
  services_.window.SetLeft(kept.left);
  services_.window.SetTop(kept.top);
}

}  // namespace sorvane
