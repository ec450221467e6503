// A clock's check marks at start-up. From then on each command keeps its own items in step
// with the profile; the menu is never set from the profile again.
#include "app/clock/clock.h"
#include "app/clock/menu_tree.h"
#include "files/tokenizer.h"

namespace sorvane {

void Clock::CheckMenuFromProfile() {
  menu_.SetChecked(profile_.twelve_hour ? menu_id::Hours12 : menu_id::Hours24, true);
  menu_.SetChecked(menu_id::AnalogSeconds, profile_.analog_seconds);
  menu_.SetChecked(menu_id::DigitalSeconds, profile_.digital_seconds);
  menu_.SetChecked(menu_id::ShowDate, profile_.show_date);
  CheckFacesFromStyle();
  if (profile_.date_format >= 1 && profile_.date_format <= 10) {
    menu_.SetChecked(menu_id::DateFormatItem(profile_.date_format), true);
  }
  ShowSmoothEdgesItem();
  if (IsAcceptedOpacity(profile_.opacity)) {
    menu_.SetChecked(menu_id::OpacityItem(profile_.opacity), true);
  }
  // A size that names no item leaves the menu's own choice, "Small", checked.
  for (const MenuItem& item : menu_.At(menu_id::SizeSubmenu).children) {
    if (StripAmpersands(item.caption) == profile_.size) menu_.SetChecked(item.id, true);
  }
}

// Only a shell that can show per-pixel alpha now offers smooth edges.
void Clock::ShowSmoothEdgesItem() {
  if (!services_.host.SmoothEdgesAvailable()) {
    RemoveSmoothEdgesItem(menu_);
    return;
  }
  if (menu_.Find(menu_id::SmoothEdges) == nullptr) AddSmoothEdgesItem(menu_);
  menu_.SetChecked(menu_id::SmoothEdges, profile_.smooth_edges);
}

// The 12/24-hour pair only matters for a digital face: a clock that starts analog-only
// keeps the pair disabled until the next start, whatever the commands do meanwhile.
// "Invisible" and unknown styles leave the items as built.
void Clock::CheckFacesFromStyle() {
  const ClockStyle style = ParseClockStyle(profile_.style);
  const bool analog = style == ClockStyle::Analog;
  const bool anadigi = style == ClockStyle::AnaDigi;
  const bool digital = style == ClockStyle::Digital;
  if (!analog && !anadigi && !digital) return;
  menu_.SetChecked(menu_id::EnableAnalog, analog || anadigi);
  menu_.SetChecked(menu_id::EnableDigital, anadigi || digital);
  menu_.SetEnabled(menu_id::Hours24, !analog);
  menu_.SetEnabled(menu_id::Hours12, !analog);
}

// Only skin items are candidates: the fixed items of the submenu share its tag space.
void Clock::CheckCurrentSkin() {
  for (const MenuItem& item : menu_.At(menu_id::AnalogSubmenu).children) {
    if (item.radio && item.tag == state_.current_skin) menu_.SetChecked(item.id, true);
  }
}

}  // namespace sorvane
