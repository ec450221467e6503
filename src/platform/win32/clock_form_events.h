#pragma once
// Hands the clock window's events to the clock form (ClockForm), under the
// framework's error handler.
#include "app/clock_form.h"
#include "platform/win32/clock_window_events.h"

namespace sorvane::win32 {

class ClockFormEvents final : public ClockWindowEvents {
 public:
  ClockFormEvents(ClockForm& form, platform::ErrorReporter& errors)
      : form_(form), errors_(errors) {}

  void Tick() override;
  void TimeChanged() override;
  void Moved() override;
  void Paint(platform::Canvas& canvas) override;
  void RightButtonDown(int32_t x, int32_t y) override;
  void MiddleButtonDown(int32_t x, int32_t y) override;
  void Command(UINT id) override;
  void DisplayScaleChanged() override;
  void Destroyed() override;

 private:
  ClockForm& form_;
  platform::ErrorReporter& errors_;
};

}  // namespace sorvane::win32
