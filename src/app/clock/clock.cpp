// A clock's start, the window's events it answers itself, and where it stands.
#include "app/clock/clock.h"

#include "app/clock/menu_tree.h"
#include "geometry/anchor.h"

namespace sorvane {

Clock::Clock(const ClockContext& context, Profile profile,
             std::unique_ptr<ports::ClockWindow> window)
    : context_(context),
      services_(context.services),
      profile_(std::move(profile)),
      window_(std::move(window)),
      menu_(BuildClockMenu()) {
  SetDateFormatCaptions(menu_, context_.date.captions);
  for (size_t i = 0; i < context_.skins.size(); ++i) {
    AddSkinItem(menu_, context_.skins[i].name, static_cast<int32_t>(i));
  }
}

void Clock::Start() {
  CheckMenuFromProfile();
  ApplyProfile();  // selects the skin
  CheckCurrentSkin();
  RebuildOutline();
}

// Only a drag changes the stored place: the system's own moves (a screen that changed, a
// window manager keeping windows on screen) and the clock's placing never do, so a clock
// brought into view keeps the place the user chose for it.
bool Clock::DragEnded() {
  const Rect bounds = window_->Bounds();
  const Point place{bounds.left, bounds.top};
  if (placed_at_ == place) return false;  // pressed, not moved
  const Point offsets = AnchorOffsets(place.x, place.y, profile_, services_.screen.PrimarySize());
  profile_.x_offset = offsets.x;
  profile_.y_offset = offsets.y;
  placed_at_ = place;
  return true;
}

void Clock::MoveTo(Point place) {
  const Point offsets = AnchorOffsets(place.x, place.y, profile_, services_.screen.PrimarySize());
  profile_.x_offset = offsets.x;
  profile_.y_offset = offsets.y;
  const Rect bounds = window_->Bounds();
  ApplyPlace({bounds.right - bounds.left, bounds.bottom - bounds.top});
}

// Sized and placed as at start-up: FullScreen takes the new screen's height, a clock kept
// at the right or bottom edge follows that edge, and one left out of reach is shown whole on
// the primary monitor.
void Clock::PlaceAgain() {
  ApplyProfile();
  RebuildOutline();
}

// Sizes are for 96 DPI; the place is where the window is now, since a drag onto the other
// monitor may still be under way (and its end stores the place).
void Clock::DisplayScaleChanged() {
  const std::optional<Size> size = SizeFromProfile();
  if (!size) return;
  const Rect bounds = window_->Bounds();
  window_->SetBounds(
      {bounds.left, bounds.top, bounds.left + size->width, bounds.top + size->height});
  window_->Repaint();
  RebuildOutline();
}

bool Clock::ShowsNothing() const {
  const Rect bounds = window_->Bounds();
  return bounds.right <= bounds.left || bounds.bottom <= bounds.top || outline_empty_;
}

std::string CityOfZone(const std::string& zone_id) {
  std::string city = zone_id.substr(zone_id.rfind('/') + 1);
  for (char& c : city) {
    if (c == '_') c = ' ';
  }
  return city;
}

}  // namespace sorvane
