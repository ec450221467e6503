// The menu's commands. Each changes the profile in use, applies it again and rebuilds the
// outline as far as the change needs, then writes the profiles file at once; choosing a
// skin is the one change that waits for the next save.
#include <stdexcept>

#include "app/form.h"
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

void TForm1::MenuCommand(int32_t id) {
  const MenuItem* item = menu_.Find(id);
  if (item == nullptr || !item->Enabled || item->kind != MenuItemKind::Command) return;
  RunHandler(*item);
}

void TForm1::RunHandler(const MenuItem& item) {
  const int32_t sender = item.id;
  switch (item.handler) {
    case MenuHandler::None:
      return;
    case MenuHandler::Huge1Click:
      return Huge1Click(sender);
    case MenuHandler::Showseconds2Click:
      return Showseconds2Click(sender);
    case MenuHandler::ShowSeconds1Click:
      return ShowSeconds1Click(sender);
    case MenuHandler::ShowDate1Click:
      return ShowDate1Click(sender);
    case MenuHandler::EnableAnalogClock1Click:
      return EnableAnalogClock1Click(sender);
    case MenuHandler::N24HFormat1Click:
      return N24HFormat1Click(sender);
    case MenuHandler::N12HFormat1Click:
      return N12HFormat1Click(sender);
    case MenuHandler::N41Click:
      return N41Click(sender);
    case MenuHandler::Clockcolor1Click:
      return Clockcolor1Click();
    case MenuHandler::Timecolor1Click:
      return Timecolor1Click();
    case MenuHandler::ChooseFont1Click:
      return ChooseFont1Click();
    case MenuHandler::Skins1Click:
      return Skins1Click(sender);
    case MenuHandler::Help1Click:
      return Help1Click();
    case MenuHandler::WebLink1Click:
      return WebLink1Click();
    case MenuHandler::WebLink2Click:
      return WebLink2Click();
    case MenuHandler::WebLink3Click:
      return WebLink3Click();
    case MenuHandler::Close1Click:
      return Close1Click();
  }
}

void TForm1::SaveAll() {
  SaveProfiles(services_.program_folder, profiles, services_.files);
}

// The Tag of a Size item is its row in kClockSizes, so the row's name is the new size.
void TForm1::Huge1Click(int32_t sender) {
  menu_.SetChecked(sender, true);
  const int32_t row = menu_.At(sender).Tag;
  if (row < 1 || row > static_cast<int32_t>(kClockSizes.size())) {
    throw std::out_of_range("no clock size for menu item " + std::to_string(sender));
  }
  CurrentProfile().size = std::string(kClockSizes[static_cast<size_t>(row - 1)].name);
  RealiseProfile(current_profile);
  MakeRgn();
  SaveAll();
}

// Seconds change only what the outline shows, never the window's size.
void TForm1::Showseconds2Click(int32_t sender) {
  CurrentProfile().analog_seconds = menu_.ToggleChecked(sender);
  MakeRgn();
  SaveAll();
}

void TForm1::ShowSeconds1Click(int32_t sender) {
  CurrentProfile().digital_seconds = menu_.ToggleChecked(sender);
  MakeRgn();
  SaveAll();
}

// The date line makes the window taller, so the profile is applied again.
void TForm1::ShowDate1Click(int32_t sender) {
  CurrentProfile().show_date = menu_.ToggleChecked(sender);
  RealiseProfile(current_profile);
  MakeRgn();
  SaveAll();
}

// Serves both enable items: the clicked one flips, then both together name the style.
void TForm1::EnableAnalogClock1Click(int32_t sender) {
  menu_.ToggleChecked(sender);
  CurrentProfile().style = StyleFromFaces(menu_.At(menu_id::EnableAnalogClock1).Checked,
                                          menu_.At(menu_id::EnableDigitalClock1).Checked);
  RealiseProfile(current_profile);
  MakeRgn();
  SaveAll();
}

void TForm1::N24HFormat1Click(int32_t sender) {
  menu_.SetChecked(sender, true);
  CurrentProfile().twelve_hour = false;
  RealiseProfile(current_profile);
  MakeRgn();
  SaveAll();
}

void TForm1::N12HFormat1Click(int32_t sender) {
  menu_.SetChecked(sender, true);
  CurrentProfile().twelve_hour = true;
  RealiseProfile(current_profile);
  MakeRgn();
  SaveAll();
}

void TForm1::N41Click(int32_t sender) {
  menu_.SetChecked(sender, true);
  CurrentProfile().date_format = menu_.At(sender).Tag;
  MakeRgn();
  SaveAll();
}

// The analog colour is the window's own colour: a repaint shows it, the outline stays.
void TForm1::Clockcolor1Click() {
  const std::optional<int32_t> chosen =
      services_.dialogs.ChooseColor(CurrentProfile().analog_color);
  if (!chosen) return;
  CurrentProfile().analog_color = *chosen;
  SetWindowColor(*chosen);
  SaveAll();
}

void TForm1::Timecolor1Click() {
  const std::optional<int32_t> chosen =
      services_.dialogs.ChooseColor(CurrentProfile().digital_color);
  if (!chosen) return;
  CurrentProfile().digital_color = *chosen;
  RealiseProfile(current_profile);
  SaveAll();
}

void TForm1::Skins1Click(int32_t sender) {
  menu_.SetChecked(sender, true);
  const int32_t index = menu_.At(sender).Tag;
  current_skin = index;
  CurrentProfile().skin_file = skins.at(static_cast<size_t>(index)).file_name;
  MakeRgn();
}

// The folder text already ends in a backslash; the help path adds its own as well, and
// the help viewer reads the doubled separator as one.
void TForm1::Help1Click() {
  services_.shell.OpenHelp(FolderText(services_.program_folder) + "\\" +
                           "snk.chm::/1_1.html>mainwin");
}

void TForm1::OpenWebLink(size_t index) {
  services_.shell.OpenUrl(WebLinkAddress(services_.program_folder, kWebLinks.at(index)));
}

void TForm1::WebLink1Click() {
  OpenWebLink(0);
}
void TForm1::WebLink2Click() {
  OpenWebLink(1);
}
void TForm1::WebLink3Click() {
  OpenWebLink(2);
}

void TForm1::Close1Click() {
  SaveAll();
  services_.window.Close();
}

}  // namespace sorvane
