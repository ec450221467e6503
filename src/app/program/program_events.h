#pragma once
// Hands the shell's program-wide events to the program, under the framework's error handler.
// Nothing is shown while the session ends or the screens change: those errors are dropped
// (a failed save leaves the old file, as every failed save does).
#include "app/ports/program_events.h"
#include "app/program/program.h"

namespace sorvane {

class ProgramEventHandler final : public ports::ProgramEvents {
 public:
  ProgramEventHandler(Program& program, ports::ErrorReporter& errors)
      : program_(program), errors_(errors) {}

  void Tick() override;
  void TimeChanged() override;
  void SessionEnding() override;
  void SessionEnded() override;
  void ScreensChanged() override;
  void SecondStart(bool tray_icon_shown) override;
  void SmoothEdgesAvailabilityChanged() override;
  const MenuModel* TrayMenu() override;
  void TrayMenuItemChosen(int32_t id) override;

 private:
  Program& program_;
  ports::ErrorReporter& errors_;
};

}  // namespace sorvane
