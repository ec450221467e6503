// The "Font" command: the user picks the clock's face (and slant) in the font dialog.
#include "app/form.h"

namespace sorvane {

// Size, weight, underline and strike-out chosen in the dialog do not reach the clock: the
// text height follows the window width and RealiseProfile keeps only face and slant.
void TForm1::ChooseFont1Click() {
  const std::optional<platform::ClockFontState> chosen = services_.dialogs.ChooseFont(ClockFont);
  if (!chosen) return;
  TProfile& profile = Profile();
  profile.fontname = chosen->face;
  profile.fontitalic = chosen->italic;
  ClockFont = *chosen;
  RealiseProfile(CurProfile);
  SaveProfiles(services_.program_folder, Profiles, services_.files);
}

}  // namespace sorvane
