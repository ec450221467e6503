// The program's start and end, and how a clock is made.
#include "app/program/program.h"

#include <exception>

#include "app/clock/menu_tree.h"
#include "app/program/charset.h"

namespace sorvane {

Program::Program(ports::Services& services)
    : services_(services), context_{services, state_.skins, state_.date} {}

Program::~Program() = default;

// A file that cannot be read does not keep the clocks from showing: the profiles that could
// not be read give one clock of the default profile, a skin that could not be read leaves
// the skins read before it. The first such error is thrown once the clocks stand, and the
// timer is armed either way.
void Program::Start() {
  std::exception_ptr first_error;
  const auto keep_going = [&first_error](auto&& step) {
    try {
      step();
    } catch (...) {
      if (!first_error) first_error = std::current_exception();
    }
  };
  ReadDateConventions();
  state_.char_set = CharSetForLanguage(services_.locale.language_id);
  context_.char_set = state_.char_set;
  ResetToDefaults(state_.default_profile);
  bool first_start = false;
  Profiles profiles{state_.default_profile};
  keep_going([&] { profiles = LoadProfilesOrDefault(first_start); });
  state_.skins.clear();
  keep_going([&] {
    LoadSkinFolders(services_.folders.skins, services_.files, state_.skins,
                    [](const std::string&, int32_t) {});
  });
  try {
    for (Profile& profile : profiles) AddClock(std::move(profile), clocks_.size());
    if (first_start) PlaceInTopRightCorner(ClockAt(0));
  } catch (...) {
    ArmNextTick();
    throw;
  }
  ArmNextTick();
  if (first_error) std::rethrow_exception(first_error);
}

void Program::ReadDateConventions() {
  state_.date = DateConventionsFor(services_.locale);
}

void Program::ShowClocks() {
  for (Slot& slot : clocks_) slot.clock->Show();
}

void Program::Stop() {
  timer_running_ = false;
}

// The window is made before its clock, which it then reports to.
Clock& Program::AddClock(Profile profile, size_t at) {
  Slot slot;
  slot.events = std::make_unique<ClockEvents>(*this, services_.errors);
  std::unique_ptr<ports::ClockWindow> window = services_.host.MakeClockWindow(*slot.events);
  slot.clock = std::make_unique<Clock>(context_, std::move(profile), std::move(window));
  slot.events->SetClock(slot.clock.get());
  Clock& clock = *slot.clock;
  clocks_.insert(clocks_.begin() + static_cast<std::ptrdiff_t>(at), std::move(slot));
  AddProgramItems(clock);
  clock.Start();
  return clock;
}

// Not settings of a profile: the item shows whether the desktop starts the program.
void Program::AddProgramItems(Clock& clock) {
  if (services_.login_start != nullptr) {
    AddLoginStartItem(clock.Menu(), services_.login_start->Caption());
  }
  RefreshMenu(clock);
}

// A first start: the whole clock at the top-right corner of the primary monitor's work area,
// clear of the taskbar, with the offsets that give that place.
void Program::PlaceInTopRightCorner(Clock& clock) {
  Rect area = services_.screen.PrimaryWorkArea();
  if (area.right <= area.left || area.bottom <= area.top) {
    // The system gave no work area: the primary screen, taskbar or not.
    const Size screen = services_.screen.PrimarySize();
    area = {0, 0, screen.width, screen.height};
  }
  const Rect bounds = clock.Window().Bounds();
  clock.MoveTo({area.right - (bounds.right - bounds.left), area.top});
}

Profiles Program::CurrentProfiles() const {
  Profiles profiles;
  profiles.reserve(clocks_.size());
  for (const Slot& slot : clocks_) profiles.push_back(slot.clock->CurrentProfile());
  return profiles;
}

}  // namespace sorvane
