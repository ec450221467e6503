#pragma once
// Hands the clock window's events and the chosen menu items to the clock form, under
// the framework's error handler.
#include "app/clock_form.h"
#include "platform/qt/clock_window_events.h"

namespace sorvane::qt {

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
  void Closed() override;
  void Command(int32_t id);

 private:
  ClockForm& form_;
  platform::ErrorReporter& errors_;
};

}  // namespace sorvane::qt
