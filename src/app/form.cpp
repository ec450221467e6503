#include "app/form.h"

#include "app/charset.h"
#include "app/menu_tree.h"

namespace sorvane {

TForm1::TForm1(platform::Services& services) : services_(services), menu_(BuildClockMenu()) {}

bool TForm1::FormCreate() {
  // A second copy must leave before it reads or writes anything.
  if (services_.window.AnotherCopyRunning()) return false;

  RecordRebuildTime(SplitTimeOfDay(MillisecondsSinceMidnight(Now())));
  ReadDateConventions();
  SetDateFormatCaptions(menu_, DateFormatCaptions);
  FontCharSet = GetCharSet(services_.locale.language_id);
  Profiles.clear();
  Skins.clear();
  RemoveSkinItems(menu_);
  SetDefault(DefaultProfile);
  LoadProfilesOrDefault();
  LoadSkin(services_.program_folder, services_.files, Skins,
           [this](const std::string& name, int32_t index) { AddSkinItem(menu_, name, index); });
  MakeProfilesStateMenu();
  RealiseProfile(CurProfile);  // selects the skin
  SetCurSkinMenu();
  MakeRgn();
  return true;
}

void TForm1::ReadDateConventions() {
  DateFormatSetup setup = SetDateFormatList(services_.locale);
  TimeSep = std::move(setup.TimeSep);
  DateSep = std::move(setup.DateSep);
  DateOrder = setup.DateOrder;
  DateFormats = std::move(setup.DateFormats);
  DateFormatCaptions = std::move(setup.captions);
}

// A profiles file that exists but cannot be read is reported by the caller; the window then
// goes on with the default profile instead of with no profile at all.
void TForm1::LoadProfilesOrDefault() {
  try {
    Profiles = LoadProfiles(services_.program_folder, DefaultProfile, services_.files);
  } catch (...) {
    Profiles = {DefaultProfile};
    throw;
  }
}

void TForm1::FormDestroy() {
  timer_running_ = false;
  Skins.clear();
}

void TForm1::FormMouseDown(MouseButton button, int32_t x, int32_t y) {
  // The left button never arrives here: the shell turns it into a caption drag.
  if (button != MouseButton::Right) return;
  const Rect bounds = services_.window.Bounds();
  services_.menu.PopupAt(bounds.left + x, bounds.top + y);
}

const TProfile& TForm1::Profile() const {
  return Profiles.at(CurProfile);
}
TProfile& TForm1::Profile() {
  return Profiles.at(CurProfile);
}

void TForm1::SetWindowColor(int32_t color) {
  window_color_ = color;
  services_.window.SetColor(color);
}

DateTime TForm1::Now() const {
  return services_.clock.Now();
}

void TForm1::RecordRebuildTime(const TimeOfDay& time) {
  LastHour = time.hours;
  LastMinute = time.minutes;
  LastSecond = time.seconds;
}

}  // namespace sorvane
