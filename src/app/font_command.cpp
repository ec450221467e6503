// The "Font" command: the user picks the clock's face (and slant) in the font dialog.
#include "app/clock_form.h"

namespace sorvane {

// Size, weight, underline and strike-out chosen in the dialog do not reach the clock: the
// text height follows the window width and ApplyProfile keeps only face and slant.
void ClockForm::ChooseFont() {
  const std::optional<ports::ClockFontState> chosen = services_.dialogs.ChooseFont(clock_font);
  if (!chosen) return;
  Profile& profile = CurrentProfile();
  profile.font_name = chosen->face;
  profile.font_italic = chosen->italic;
  clock_font = *chosen;
  ApplyProfile(current_profile);
  SaveAll();
}

}  // namespace sorvane
