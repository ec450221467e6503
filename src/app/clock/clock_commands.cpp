// The commands of a clock's menu items. Each changes the profile, applies it again and
// rebuilds the outline as far as the change needs; the program saves the profiles after.
#include <stdexcept>

#include "app/clock/clock.h"
#include "app/clock/menu_tree.h"
#include "geometry/clock_sizes.h"

namespace sorvane {

namespace {

std::string StyleFromFaces(bool analog, bool digital) {
  if (analog) return digital ? "AnaDigi" : "Analog";
  return digital ? "Digital" : "Invisible";
}

}  // namespace

Clock::CommandResult Clock::RunCommand(const MenuItem& item) {
  const auto changed = [](bool made) {
    return made ? CommandResult::Changed : CommandResult::Unchanged;
  };
  switch (item.command) {
    case MenuCommand::ChooseSize:
      ChooseSize(item.tag);
      break;
    case MenuCommand::ToggleAnalogSeconds:
      ToggleAnalogSeconds();
      break;
    case MenuCommand::ToggleDigitalSeconds:
      ToggleDigitalSeconds();
      break;
    case MenuCommand::ToggleDate:
      ToggleDate();
      break;
    case MenuCommand::ToggleAnalogFace:
      ToggleFace(Face::Analog);
      break;
    case MenuCommand::ToggleDigitalFace:
      ToggleFace(Face::Digital);
      break;
    case MenuCommand::ChooseHours24:
    case MenuCommand::ChooseHours12:
      ChooseHourFormat(item.command == MenuCommand::ChooseHours12);
      break;
    case MenuCommand::ChooseDateFormat:
      ChooseDateFormat(item.tag);
      break;
    case MenuCommand::ChooseSkin:
      ChooseSkin(item.tag);
      break;
    case MenuCommand::ToggleSmoothEdges:
      ToggleSmoothEdges();
      break;
    case MenuCommand::ChooseOpacity:
      ChooseOpacity(item.tag);
      break;
    case MenuCommand::ChooseAnalogColor:
      return changed(ChooseAnalogColor());
    case MenuCommand::ChooseDigitalColor:
      return changed(ChooseDigitalColor());
    case MenuCommand::ChooseFont:
      return changed(ChooseFont());
    case MenuCommand::ChooseTimeZone:
      return changed(ChooseTimeZone());
    case MenuCommand::EditLabel:
      return changed(EditLabel());
    default:
      return CommandResult::NotAClockCommand;
  }
  return CommandResult::Changed;
}

// The row's name is the new size.
void Clock::ChooseSize(int32_t row) {
  if (row < 1 || row > static_cast<int32_t>(kClockSizes.size())) {
    throw std::out_of_range("no clock size " + std::to_string(row));
  }
  menu_.SetChecked(menu_id::SizeItem(row), true);
  profile_.size = std::string(kClockSizes[static_cast<size_t>(row - 1)].name);
  ApplyProfile();
  RebuildOutline();
}

// Seconds change only what the outline shows, never the window's size, and how soon the
// shown time next changes (the program arms its timer again after every command).
void Clock::ToggleAnalogSeconds() {
  profile_.analog_seconds = menu_.ToggleChecked(menu_id::AnalogSeconds);
  RebuildOutline();
}

void Clock::ToggleDigitalSeconds() {
  profile_.digital_seconds = menu_.ToggleChecked(menu_id::DigitalSeconds);
  RebuildOutline();
}

// The date line makes the window taller, so the profile is applied again.
void Clock::ToggleDate() {
  profile_.show_date = menu_.ToggleChecked(menu_id::ShowDate);
  ApplyProfile();
  RebuildOutline();
}

// The face's enable item flips, then both enable items together name the style.
void Clock::ToggleFace(Face face) {
  menu_.ToggleChecked(face == Face::Analog ? menu_id::EnableAnalog : menu_id::EnableDigital);
  profile_.style = StyleFromFaces(menu_.At(menu_id::EnableAnalog).checked,
                                  menu_.At(menu_id::EnableDigital).checked);
  ApplyProfile();
  RebuildOutline();
}

void Clock::ChooseHourFormat(bool twelve_hour) {
  menu_.SetChecked(twelve_hour ? menu_id::Hours12 : menu_id::Hours24, true);
  profile_.twelve_hour = twelve_hour;
  ApplyProfile();
  RebuildOutline();
}

void Clock::ChooseDateFormat(int32_t number) {
  menu_.SetChecked(menu_id::DateFormatItem(number), true);
  profile_.date_format = number;
  RebuildOutline();
}

// The analog colour is the window's own colour: a repaint shows it, the outline stays.
bool Clock::ChooseAnalogColor() {
  const std::optional<ports::Color> chosen =
      services_.dialogs.ChooseColor(ports::ColorFromRef(profile_.analog_color));
  if (!chosen) return false;
  profile_.analog_color = ports::RefFromColor(*chosen);
  SetWindowColor(*chosen);
  return true;
}

bool Clock::ChooseDigitalColor() {
  const std::optional<ports::Color> chosen =
      services_.dialogs.ChooseColor(ports::ColorFromRef(profile_.digital_color));
  if (!chosen) return false;
  profile_.digital_color = ports::RefFromColor(*chosen);
  ApplyProfile();
  return true;
}

// Size, weight, underline and strike-out chosen in the dialog do not reach the clock: the
// text height follows the window width and ApplyProfile keeps only face and slant.
bool Clock::ChooseFont() {
  const std::optional<ports::ClockFontState> chosen =
      services_.dialogs.ChooseFont(state_.clock_font);
  if (!chosen) return false;
  profile_.font_name = chosen->face;
  profile_.font_italic = chosen->italic;
  state_.clock_font = *chosen;
  ApplyProfile();
  return true;
}

void Clock::ChooseSkin(int32_t index) {
  menu_.SetChecked(menu_id::SkinItem(index), true);
  state_.current_skin = index;
  profile_.skin_file = context_.skins.at(static_cast<size_t>(index)).file_name;
  RebuildOutline();
}

void Clock::ToggleSmoothEdges() {
  profile_.smooth_edges = menu_.ToggleChecked(menu_id::SmoothEdges);
  RebuildOutline();
}

void Clock::ChooseOpacity(int32_t percent) {
  if (!IsAcceptedOpacity(percent)) {
    throw std::out_of_range("no opacity " + std::to_string(percent));
  }
  menu_.SetChecked(menu_id::OpacityItem(percent), true);
  profile_.opacity = percent;
  window_->SetOpacity(percent);
}

}  // namespace sorvane
