// The menu's commands. Each changes the profile in use, applies it again and rebuilds the
// outline as far as the change needs, then writes the profiles file at once.
#include <stdexcept>

#include "app/clock_form.h"
#include "app/menu_tree.h"
#include "app/web_links.h"
#include "geometry/clock_sizes.h"

namespace sorvane {

namespace {

std::string StyleFromFaces(bool analog, bool digital) {
  if (analog) return digital ? "AnaDigi" : "Analog";
  return digital ? "Digital" : "Invisible";
}

}  // namespace

void ClockForm::RunMenuItem(int32_t id) {
  const MenuItem* item = menu_.Find(id);
  if (item == nullptr || !item->enabled || item->kind != MenuItemKind::Command) return;
  RunCommand(*item);
}

void ClockForm::RunCommand(const MenuItem& item) {
  switch (item.command) {
    case MenuCommand::None:
      return;
    case MenuCommand::ChooseSize:
      return ChooseSize(item.tag);
    case MenuCommand::ToggleAnalogSeconds:
      return ToggleAnalogSeconds();
    case MenuCommand::ToggleDigitalSeconds:
      return ToggleDigitalSeconds();
    case MenuCommand::ToggleDate:
      return ToggleDate();
    case MenuCommand::ToggleAnalogFace:
      return ToggleFace(Face::Analog);
    case MenuCommand::ToggleDigitalFace:
      return ToggleFace(Face::Digital);
    case MenuCommand::ChooseHours24:
      return ChooseHourFormat(false);
    case MenuCommand::ChooseHours12:
      return ChooseHourFormat(true);
    case MenuCommand::ChooseDateFormat:
      return ChooseDateFormat(item.tag);
    case MenuCommand::ChooseAnalogColor:
      return ChooseAnalogColor();
    case MenuCommand::ChooseDigitalColor:
      return ChooseDigitalColor();
    case MenuCommand::ChooseFont:
      return ChooseFont();
    case MenuCommand::ChooseSkin:
      return ChooseSkin(item.tag);
    case MenuCommand::OpenHelp:
      return OpenHelp();
    case MenuCommand::OpenWebLink:
      return OpenWebLink(menu_id::WebLinkNumber(item.id));
    case MenuCommand::SaveAndClose:
      return SaveAndClose();
    case MenuCommand::ToggleLoginStart:
      return ToggleLoginStart();
    case MenuCommand::ToggleSmoothEdges:
      return ToggleSmoothEdges();
    case MenuCommand::ChooseOpacity:
      return ChooseOpacity(item.tag);
  }
}

void ClockForm::SaveAll() {
  if (profiles_unread_) KeepUnreadProfiles();
  SaveProfiles(services_.folders.settings, profiles, services_.files);
  saved_profiles_ = profiles;
}

// Settings that could not be read at start-up are still the user's: no save replaces them
// before they are safe in vl.prf.bak. Until then every save is refused and tries again.
void ClockForm::KeepUnreadProfiles() {
  try {
    BackUpProfiles(services_.folders.settings, services_.files);
  } catch (const FileError& error) {
    throw FileError(std::string(error.what()) + " The settings were not saved, so that " +
                    kProfilesFileName + " is not lost.");
  }
  profiles_unread_ = false;
}

// The row's name is the new size.
void ClockForm::ChooseSize(int32_t row) {
  if (row < 1 || row > static_cast<int32_t>(kClockSizes.size())) {
    throw std::out_of_range("no clock size " + std::to_string(row));
  }
  menu_.SetChecked(menu_id::SizeItem(row), true);
  CurrentProfile().size = std::string(kClockSizes[static_cast<size_t>(row - 1)].name);
  ApplyProfile(current_profile);
  RebuildOutline();
  SaveAll();
}

// Seconds change only what the outline shows, never the window's size, and how soon the
// shown time next changes: the timer is armed anew before the save, which may fail.
void ClockForm::ToggleAnalogSeconds() {
  CurrentProfile().analog_seconds = menu_.ToggleChecked(menu_id::AnalogSeconds);
  RebuildOutline();
  ArmNextTick();
  SaveAll();
}

void ClockForm::ToggleDigitalSeconds() {
  CurrentProfile().digital_seconds = menu_.ToggleChecked(menu_id::DigitalSeconds);
  RebuildOutline();
  ArmNextTick();
  SaveAll();
}

// The date line makes the window taller, so the profile is applied again.
void ClockForm::ToggleDate() {
  CurrentProfile().show_date = menu_.ToggleChecked(menu_id::ShowDate);
  ApplyProfile(current_profile);
  RebuildOutline();
  SaveAll();
}

// The face's enable item flips, then both enable items together name the style.
void ClockForm::ToggleFace(Face face) {
  menu_.ToggleChecked(face == Face::Analog ? menu_id::EnableAnalog : menu_id::EnableDigital);
  CurrentProfile().style = StyleFromFaces(menu_.At(menu_id::EnableAnalog).checked,
                                          menu_.At(menu_id::EnableDigital).checked);
  ApplyProfile(current_profile);
  RebuildOutline();
  ArmNextTick();
  SaveAll();
}

void ClockForm::ChooseHourFormat(bool twelve_hour) {
  menu_.SetChecked(twelve_hour ? menu_id::Hours12 : menu_id::Hours24, true);
  CurrentProfile().twelve_hour = twelve_hour;
  ApplyProfile(current_profile);
  RebuildOutline();
  SaveAll();
}

void ClockForm::ChooseDateFormat(int32_t number) {
  menu_.SetChecked(menu_id::DateFormatItem(number), true);
  CurrentProfile().date_format = number;
  RebuildOutline();
  SaveAll();
}

// The analog colour is the window's own colour: a repaint shows it, the outline stays.
void ClockForm::ChooseAnalogColor() {
  const std::optional<int32_t> chosen =
      services_.dialogs.ChooseColor(CurrentProfile().analog_color);
  if (!chosen) return;
  CurrentProfile().analog_color = *chosen;
  SetWindowColor(*chosen);
  SaveAll();
}

void ClockForm::ChooseDigitalColor() {
  const std::optional<int32_t> chosen =
      services_.dialogs.ChooseColor(CurrentProfile().digital_color);
  if (!chosen) return;
  CurrentProfile().digital_color = *chosen;
  ApplyProfile(current_profile);
  SaveAll();
}

void ClockForm::ChooseSkin(int32_t index) {
  menu_.SetChecked(menu_id::SkinItem(index), true);
  current_skin = index;
  CurrentProfile().skin_file = skins.at(static_cast<size_t>(index)).file_name;
  RebuildOutline();
  SaveAll();
}

void ClockForm::ToggleSmoothEdges() {
  CurrentProfile().smooth_edges = menu_.ToggleChecked(menu_id::SmoothEdges);
  RebuildOutline();
  SaveAll();
}

void ClockForm::ChooseOpacity(int32_t percent) {
  if (!IsAcceptedOpacity(percent)) {
    throw std::out_of_range("no opacity " + std::to_string(percent));
  }
  menu_.SetChecked(menu_id::OpacityItem(percent), true);
  CurrentProfile().opacity = percent;
  ApplyOpacity(CurrentProfile());
  SaveAll();
}

// The folder text already ends in a backslash; the help path adds its own as well, and
// the help viewer reads the doubled separator as one.
void ClockForm::OpenHelp() {
  services_.shell.OpenHelp(FolderText(services_.folders.help) + "\\" +
                           "snk.chm::/1_1.html>mainwin");
}

void ClockForm::OpenWebLink(int32_t number) {
  const WebLink& link = kWebLinks.at(static_cast<size_t>(number - 1));
  services_.shell.OpenUrl(WebLinkAddress(services_.folders.help, link));
}

// A change that fails leaves the check mark as the desktop has it; the error reaches the box.
void ClockForm::ToggleLoginStart() {
  ports::LoginStart& login = *services_.login_start;
  const bool wanted = !login.IsOn();
  try {
    login.SetOn(wanted);
  } catch (...) {
    menu_.SetChecked(menu_id::StartAtLogin, login.IsOn());
    throw;
  }
  menu_.SetChecked(menu_id::StartAtLogin, login.IsOn());
}

void ClockForm::SaveAndClose() {
  SaveAll();
  services_.window.Close();
}

}  // namespace sorvane
