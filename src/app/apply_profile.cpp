// Applying a profile to the window: the clock font's face and slant, the window's size for
// the clock size and style, its place from the anchor, its colour and the skin in use.
// The outline is not rebuilt here; callers that change its look call RebuildOutline afterwards.
#include "app/clock_form.h"
#include "geometry/anchor.h"
#include "geometry/clock_sizes.h"

namespace sorvane {

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

// Also for a size that matched nothing and for a 0 x 0 "Invisible" window. A place where no
// mouse could grab the window is left for one in the work area (KeepGrabbable) while it
// lasts; the profile keeps its own, for the day that place can be seen again.
void ClockForm::ApplyPosition(const Profile& profile) {
  const Point wanted = PlaceFromProfile(profile, services_.screen.PrimarySize());
  const Rect bounds = services_.window.Bounds();
  const Point place =
      KeepGrabbable(wanted, {bounds.right - bounds.left, bounds.bottom - bounds.top},
                    services_.screen.Monitors(), services_.screen.PrimaryWorkArea());
  services_.window.SetLeft(place.x);
  services_.window.SetTop(place.y);
  placed_at_ = place;
}

void ClockForm::StoreOffsets(Profile& profile, Point place) {
  const Point offsets = AnchorOffsets(place.x, place.y, profile, services_.screen.PrimarySize());
  profile.x_offset = offsets.x;
  profile.y_offset = offsets.y;
}

// A first start: the whole clock at the top-right corner of the primary monitor's work area,
// clear of the taskbar, with the offsets that give that place.
void ClockForm::PlaceInTopRightCorner() {
  Rect area = services_.screen.PrimaryWorkArea();
  if (area.right <= area.left || area.bottom <= area.top) {
    // The system gave no work area: the primary screen, taskbar or not.
    const Size screen = services_.screen.PrimarySize();
    area = {0, 0, screen.width, screen.height};
  }
  const Rect bounds = services_.window.Bounds();
  Profile& profile = CurrentProfile();
  StoreOffsets(profile, {area.right - (bounds.right - bounds.left), area.top});
  ApplyPosition(profile);
}

}  // namespace sorvane
