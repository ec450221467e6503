#include "app/clock_form_events.h"

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

void ClockFormEvents::Tick() {
  ReportErrors(errors_, [&] { form_.Tick(); });
}

void ClockFormEvents::TimeChanged() {
  ReportErrors(errors_, [&] { form_.TimeChanged(); });
}

void ClockFormEvents::DragEnded() {
  ReportErrors(errors_, [&] { form_.DragEnded(); });
}

void ClockFormEvents::Paint(ports::Canvas& canvas) {
  ReportErrors(errors_, [&] { form_.Paint(canvas); });
}

void ClockFormEvents::RightButtonDown(int32_t x, int32_t y) {
  ReportErrors(errors_, [&] { form_.MouseDown(ClockForm::MouseButton::Right, x, y); });
}

void ClockFormEvents::MiddleButtonDown(int32_t x, int32_t y) {
  ReportErrors(errors_, [&] { form_.MouseDown(ClockForm::MouseButton::Middle, x, y); });
}

void ClockFormEvents::Command(int32_t id) {
  ReportErrors(errors_, [&] { form_.RunMenuItem(id); });
}

void ClockFormEvents::DisplayScaleChanged() {
  ReportErrors(errors_, [&] { form_.DisplayScaleChanged(); });
}

void ClockFormEvents::Closed() {
  ReportErrors(errors_, [&] { form_.Stop(); });
  // The clock window is the main window: its end is the program's.
  quit_();
}

// At log-off nothing may wait for the user; a screen change is the system's doing, and the
// next one (or the next start) places the clock again.
void ClockFormEvents::SessionEnding() {
  IgnoreErrors([&] { form_.SessionEnding(); });
}

void ClockFormEvents::SessionEnded() {
  IgnoreErrors([&] { form_.SessionEnded(); });
}

void ClockFormEvents::ScreensChanged() {
  IgnoreErrors([&] { form_.ScreensChanged(); });
}

void ClockFormEvents::SecondStart(bool tray_icon_shown) {
  ReportErrors(errors_, [&] { form_.SecondStart(tray_icon_shown); });
}

}  // namespace sorvane
