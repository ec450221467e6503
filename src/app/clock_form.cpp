// Starting and stopping the clock form, and the small things the rest of it shares: the
// profile in use, the window colour, the clock reading.
#include "app/clock_form.h"

#include "app/charset.h"
#include "app/menu_tree.h"

namespace sorvane {

ClockForm::ClockForm(ports::Services& services) : services_(services), menu_(BuildClockMenu()) {}

bool ClockForm::Start() {
  // A second copy must leave before it reads or writes anything.
  if (services_.window.AnotherCopyRunning()) return false;
  // The timer is armed even when reading fails: the window is shown all the same, on the
  // default profile, and must keep its time.
  try {
    ReadSettingsAndSkins();
  } catch (...) {
    ArmNextTick();
    throw;
  }
  ArmNextTick();
  return true;
}

void ClockForm::ReadSettingsAndSkins() {
  RecordRebuildTime(SplitTimeOfDay(MillisecondsSinceMidnight(Now())));
  ReadDateConventions();
  SetDateFormatCaptions(menu_, date_format_captions);
  char_set = CharSetForLanguage(services_.locale.language_id);
  profiles.clear();
  skins.clear();
  RemoveSkinItems(menu_);
  ResetToDefaults(default_profile);
  const bool first_start = !LoadProfilesOrDefault();
  LoadSkinFolders(
      services_.folders.skins, services_.files, skins,
      [this](const std::string& name, int32_t index) { AddSkinItem(menu_, name, index); });
  ShowSmoothEdgesItem();
  CheckMenuFromProfile();
  ShowLoginStart();
  ApplyProfile(current_profile);  // selects the skin
  if (first_start) PlaceInTopRightCorner();
  CheckCurrentSkin();
  RebuildOutline();
}

// Not a setting of the profile: the item shows whether the desktop starts the clock.
void ClockForm::ShowLoginStart() {
  if (services_.login_start == nullptr || menu_.Find(menu_id::StartAtLogin) != nullptr) return;
  AddLoginStartItem(menu_, services_.login_start->Caption());
  RefreshMenu();
}

void ClockForm::RefreshMenu() {
  if (services_.login_start == nullptr || menu_.Find(menu_id::StartAtLogin) == nullptr) return;
  menu_.SetChecked(menu_id::StartAtLogin, services_.login_start->IsOn());
}

// Only a shell that can show per-pixel alpha offers smooth edges.
void ClockForm::ShowSmoothEdgesItem() {
  if (services_.smooth_edges == nullptr || menu_.Find(menu_id::SmoothEdges) != nullptr) return;
  AddSmoothEdgesItem(menu_);
}

void ClockForm::ReadDateConventions() {
  DateConventions setup = DateConventionsFor(services_.locale);
  time_separator = std::move(setup.time_separator);
  date_separator = std::move(setup.date_separator);
  date_order = setup.date_order;
  date_formats = std::move(setup.date_formats);
  date_format_captions = std::move(setup.captions);
}

// Whether vl.prf exists. One that exists but cannot be read is reported by the caller; the
// window then goes on with the default profile instead of with no profile at all, and the
// unread file is kept aside before a save replaces it.
bool ClockForm::LoadProfilesOrDefault() {
  const std::filesystem::path file = services_.folders.settings / kProfilesFileName;
  const bool exists = services_.files.Exists(file);
  try {
    profiles = LoadProfiles(services_.folders.settings, default_profile, services_.files);
  } catch (...) {
    profiles = {default_profile};
    profiles_unread_ = true;
    throw;
  }
  if (exists) saved_profiles_ = profiles;
  return exists;
}

void ClockForm::Stop() {
  timer_running_ = false;
  skins.clear();
}

void ClockForm::MouseDown(MouseButton button, int32_t x, int32_t y) {
  // The left button never arrives here: the shell turns it into a caption drag.
  if (button != MouseButton::Right) return;
  const Rect bounds = services_.window.Bounds();
  RefreshMenu();
  services_.menu.PopupAt(bounds.left + x, bounds.top + y);
}

const Profile& ClockForm::CurrentProfile() const {
  return profiles.at(current_profile);
}
Profile& ClockForm::CurrentProfile() {
  return profiles.at(current_profile);
}

void ClockForm::SetWindowColor(int32_t color) {
  window_color_ = color;
  services_.window.SetColor(color);
  // An image with smooth edges holds its colours: it is made again.
  if (ShowsSmoothEdges()) ShowSmoothImage();
}

DateTime ClockForm::Now() const {
  return services_.clock.Local(services_.clock.Now());
}

void ClockForm::RecordRebuildTime(const TimeOfDay& time) {
  last_hour = time.hours;
  last_minute = time.minutes;
  last_second = time.seconds;
}

}  // namespace sorvane
