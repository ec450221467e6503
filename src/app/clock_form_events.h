#pragma once
// Hands the clock window's and the program's events and the chosen menu items to the clock
// form, under the framework's error handler. The same for every shell; each says how its
// event loop ends. Nothing is shown while the session ends: its saves fail silently, leaving
// the old file as every failed save does.
#include <functional>
#include <utility>

#include "app/clock_form.h"
#include "app/ports/clock_window_events.h"
#include "app/ports/program_events.h"

namespace sorvane {

class ClockFormEvents final : public ports::ClockWindowEvents, public ports::ProgramEvents {
 public:
  ClockFormEvents(ClockForm& form, ports::ErrorReporter& errors, std::function<void()> quit)
      : form_(form), errors_(errors), quit_(std::move(quit)) {}

  void Tick() override;
  void TimeChanged() override;
  void DragEnded() override;
  void Paint(ports::Canvas& canvas) override;
  void RightButtonDown(int32_t x, int32_t y) override;
  void MiddleButtonDown(int32_t x, int32_t y) override;
  void Command(int32_t id) override;
  void DisplayScaleChanged() override;
  void Closed() override;

  void SessionEnding() override;
  void SessionEnded() override;
  void ScreensChanged() override;
  void SecondStart(bool tray_icon_shown) override;

 private:
  ClockForm& form_;
  ports::ErrorReporter& errors_;
  std::function<void()> quit_;
};

}  // namespace sorvane
