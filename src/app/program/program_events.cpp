#include "app/program/program_events.h"

#include "app/ports/report_errors.h"

namespace sorvane {

namespace {

template <typename Handler>
void IgnoreErrors(Handler&& handler) {
  try {
    handler();
  } catch (...) {
  }
}

}  // namespace

void ProgramEventHandler::Tick() {
  ports::ReportErrors(errors_, [&] { program_.Tick(); });
}

void ProgramEventHandler::TimeChanged() {
  ports::ReportErrors(errors_, [&] { program_.TimeChanged(); });
}

// At log-off nothing may wait for the user; a screen change is the system's doing, and the
// next one (or the next start) places the clocks again.
void ProgramEventHandler::SessionEnding() {
  IgnoreErrors([&] { program_.SessionEnding(); });
}

void ProgramEventHandler::SessionEnded() {
  IgnoreErrors([&] { program_.SessionEnded(); });
}

void ProgramEventHandler::ScreensChanged() {
  IgnoreErrors([&] { program_.ScreensChanged(); });
}

void ProgramEventHandler::SecondStart(bool tray_icon_shown) {
  ports::ReportErrors(errors_, [&] { program_.SecondStart(tray_icon_shown); });
}

void ProgramEventHandler::SmoothEdgesAvailabilityChanged() {
  IgnoreErrors([&] { program_.SmoothEdgesAvailabilityChanged(); });
}

const MenuModel* ProgramEventHandler::TrayMenu() {
  const MenuModel* menu = nullptr;
  ports::ReportErrors(errors_, [&] { menu = &program_.TrayMenu(); });
  return menu;
}

void ProgramEventHandler::TrayMenuItemChosen(int32_t id) {
  ports::ReportErrors(errors_, [&] { program_.RunTrayMenuItem(id); });
}

}  // namespace sorvane
