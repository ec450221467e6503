// The menu's check marks at start-up. From then on each command keeps its own items in
// step with the profile; the menu is never set from the profile again.
#include "app/clock_form.h"
#include "app/menu_tree.h"
#include "files/tokenizer.h"

namespace sorvane {

void ClockForm::CheckMenuFromProfile() {
  const Profile& profile = CurrentProfile();
  menu_.SetChecked(profile.twelve_hour ? menu_id::Hours12 : menu_id::Hours24, true);
  menu_.SetChecked(menu_id::AnalogSeconds, profile.analog_seconds);
  menu_.SetChecked(menu_id::DigitalSeconds, profile.digital_seconds);
  menu_.SetChecked(menu_id::ShowDate, profile.show_date);
  CheckFacesFromStyle(profile.style);
  if (profile.date_format >= 1 && profile.date_format <= 10) {
    menu_.SetChecked(menu_id::DateFormatItem(profile.date_format), true);
  }
  if (menu_.Find(menu_id::SmoothEdges) != nullptr) {
    menu_.SetChecked(menu_id::SmoothEdges, profile.smooth_edges);
  }
  if (IsAcceptedOpacity(profile.opacity)) {
    menu_.SetChecked(menu_id::OpacityItem(profile.opacity), true);
  }
  // A size that names no item leaves the menu's own choice, "Small", checked.
  for (const MenuItem& item : menu_.At(menu_id::SizeSubmenu).children) {
    if (StripAmpersands(item.caption) == profile.size) menu_.SetChecked(item.id, true);
  }
}

// The 12/24-hour pair only matters for a digital face: a clock that starts analog-only
// keeps the pair disabled until the next start, whatever the commands do meanwhile.
// "Invisible" and unknown styles leave the items as built.
void ClockForm::CheckFacesFromStyle(const std::string& style) {
  const bool analog = style == "Analog";
  const bool anadigi = style == "AnaDigi";
  const bool digital = style == "Digital";
  if (!analog && !anadigi && !digital) return;
  menu_.SetChecked(menu_id::EnableAnalog, analog || anadigi);
  menu_.SetChecked(menu_id::EnableDigital, anadigi || digital);
  menu_.SetEnabled(menu_id::Hours24, !analog);
  menu_.SetEnabled(menu_id::Hours12, !analog);
}

// Only skin items are candidates: the fixed items of the submenu share its tag space.
void ClockForm::CheckCurrentSkin() {
  for (const MenuItem& item : menu_.At(menu_id::AnalogSubmenu).children) {
    if (item.radio && item.tag == current_skin) menu_.SetChecked(item.id, true);
  }
}

}  // namespace sorvane
