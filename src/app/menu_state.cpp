// The menu's check marks at start-up. From then on each command keeps its own items in
// step with the profile; the menu is never set from the profile again.
#include "app/form.h"
#include "app/menu_tree.h"
#include "files/tokenizer.h"

namespace sorvane {

void TForm1::MakeProfilesStateMenu() {
  const Profile& profile = CurrentProfile();
  menu_.SetChecked(profile.twelve_hour ? menu_id::N12HFormat1 : menu_id::N24HFormat1, true);
  menu_.SetChecked(menu_id::ShowSeconds2, profile.analog_seconds);
  menu_.SetChecked(menu_id::ShowSeconds1, profile.digital_seconds);
  menu_.SetChecked(menu_id::ShowDate1, profile.show_date);
  SetStyleChecks(profile.style);
  if (profile.date_format >= 1 && profile.date_format <= 10) {
    menu_.SetChecked(menu_id::DateFormat(profile.date_format), true);
  }
  // A size that names no item leaves the menu's own choice, "Small", checked.
  for (const MenuItem& item : menu_.At(menu_id::Size1).children) {
    if (StripAmpersands(item.caption) == profile.size) menu_.SetChecked(item.id, true);
  }
}

// The 12/24-hour pair only matters for a digital face: a clock that starts analog-only
// keeps the pair disabled until the next start, whatever the commands do meanwhile.
// "Invisible" and unknown styles leave the items as built.
void TForm1::SetStyleChecks(const std::string& style) {
  const bool analog = style == "Analog";
  const bool anadigi = style == "AnaDigi";
  const bool digital = style == "Digital";
  if (!analog && !anadigi && !digital) return;
  menu_.SetChecked(menu_id::EnableAnalogClock1, analog || anadigi);
  menu_.SetChecked(menu_id::EnableDigitalClock1, anadigi || digital);
  menu_.SetEnabled(menu_id::N24HFormat1, !analog);
  menu_.SetEnabled(menu_id::N12HFormat1, !analog);
}

// Only skin items are candidates: the fixed items of the submenu share its Tag space.
void TForm1::SetCurSkinMenu() {
  for (const MenuItem& item : menu_.At(menu_id::AnalogClock2).children) {
    if (item.RadioItem && item.Tag == current_skin) menu_.SetChecked(item.id, true);
  }
}

}  // namespace sorvane
