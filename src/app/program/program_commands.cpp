// The menus of the clocks, and the commands that concern the program rather than one clock.
// Every command that changes a profile is saved at once.
#include <algorithm>
#include <stdexcept>

#include "app/clock/menu_tree.h"
#include "app/clock/web_links.h"
#include "app/program/program.h"
#include "geometry/anchor.h"

namespace sorvane {

void Program::OpenMenu(Clock& clock, Point screen) {
  RefreshMenu(clock);
  const int32_t chosen = services_.menu.PopupAt(clock.Menu(), screen);
  if (chosen != 0) RunMenuItem(clock, chosen);
}

const MenuModel& Program::TrayMenu() {
  Clock& first = ClockAt(0);
  RefreshMenu(first);
  return first.Menu();
}

void Program::RunTrayMenuItem(int32_t id) {
  if (!clocks_.empty()) RunMenuItem(ClockAt(0), id);
}

// Start at Login shows the desktop, which the user may have changed elsewhere; the only
// clock cannot be removed.
void Program::RefreshMenu(Clock& clock) {
  MenuModel& menu = clock.Menu();
  if (services_.login_start != nullptr && menu.Find(menu_id::StartAtLogin) != nullptr) {
    menu.SetChecked(menu_id::StartAtLogin, services_.login_start->IsOn());
  }
  menu.SetEnabled(menu_id::RemoveClock, clocks_.size() > 1);
}

// A command that changes what the clock shows may change when it next changes too: the timer
// is armed anew before the save, which may fail.
void Program::RunMenuItem(Clock& clock, int32_t id) {
  const MenuItem* found = clock.Menu().Find(id);
  if (found == nullptr || !found->enabled || found->kind != MenuItemKind::Command) return;
  const MenuItem item = *found;  // a command may change the menu
  switch (clock.RunCommand(item)) {
    case Clock::CommandResult::Changed:
      ArmNextTick();
      SaveAll();
      return;
    case Clock::CommandResult::Unchanged:
      return;
    case Clock::CommandResult::NotAClockCommand:
      RunProgramCommand(clock, item);
      return;
  }
}

void Program::RunProgramCommand(Clock& clock, const MenuItem& item) {
  switch (item.command) {
    case MenuCommand::SaveAndClose:
      return SaveAndClose();
    case MenuCommand::NewClock:
      return NewClock(clock);
    case MenuCommand::RemoveClock:
      return RemoveClock(clock);
    case MenuCommand::ToggleLoginStart:
      return ToggleLoginStart();
    case MenuCommand::OpenHelp:
      return OpenHelp();
    case MenuCommand::OpenWebLink:
      return OpenWebLink(menu_id::WebLinkNumber(item.id));
    default:
      return;
  }
}

void Program::SaveAndClose() {
  SaveAll();
  Stop();
  services_.host.Quit();
}

// A copy of the clock, with a name of its own, whole on the screen beside it.
void Program::NewClock(Clock& beside) {
  Profile profile = beside.CurrentProfile();
  for (int number = 2;; ++number) {
    profile.name = "Clock " + std::to_string(number);
    const Profiles profiles = CurrentProfiles();
    if (std::none_of(profiles.begin(), profiles.end(),
                     [&](const Profile& p) { return p.name == profile.name; })) {
      break;
    }
  }
  const Rect near = beside.Window().Bounds();
  Clock& clock = AddClock(std::move(profile), clocks_.size());
  const Rect bounds = clock.Window().Bounds();
  clock.MoveTo(PlaceBeside(near, {bounds.right - bounds.left, bounds.bottom - bounds.top},
                           services_.screen.Monitors(), services_.screen.PrimaryWorkArea()));
  clock.Show();
  ArmNextTick();
  SaveAll();
}

// The clock leaves the program at once and is saved without it; its window goes once the
// event at hand is over, since the command may have come from that window's own menu.
void Program::RemoveClock(Clock& clock) {
  if (clocks_.size() <= 1) return;
  const auto found = std::find_if(clocks_.begin(), clocks_.end(),
                                  [&](const Slot& slot) { return slot.clock.get() == &clock; });
  if (found == clocks_.end()) return;
  auto leaving = std::make_shared<Slot>(std::move(*found));
  clocks_.erase(found);
  services_.host.Defer([leaving] {});
  SaveAll();
}

// A change that fails leaves the check mark as the desktop has it; the error reaches the box.
void Program::ToggleLoginStart() {
  ports::LoginStart& login = *services_.login_start;
  try {
    login.SetOn(!login.IsOn());
  } catch (...) {
    for (Slot& slot : clocks_) RefreshMenu(*slot.clock);
    throw;
  }
  for (Slot& slot : clocks_) RefreshMenu(*slot.clock);
}

void Program::OpenHelp() {
  services_.shell.OpenHelp(ports::HelpTopic{"1_1.html"});
}

void Program::OpenWebLink(int32_t number) {
  const WebLink& link = kWebLinks.at(static_cast<size_t>(number - 1));
  services_.shell.OpenUrl(WebLinkAddress(services_.folders.help, link));
}

void Program::DragEnded(Clock& clock) {
  if (clock.DragEnded()) SaveIfChanged();
}

void Program::DisplayScaleChanged(Clock& clock) {
  clock.DisplayScaleChanged();
}

void Program::WindowClosed() {
  Stop();
  services_.host.Quit();
}

}  // namespace sorvane
