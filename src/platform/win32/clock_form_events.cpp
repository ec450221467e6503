#include "platform/win32/clock_form_events.h"

#include "platform/report_errors.h"

namespace sorvane::win32 {

void ClockFormEvents::Tick() {
  ReportErrors(errors_, [&] { form_.Tick(); });
}

void ClockFormEvents::TimeChanged() {
  ReportErrors(errors_, [&] { form_.TimeChanged(); });
}

void ClockFormEvents::Moved() {
  ReportErrors(errors_, [&] { form_.WindowMoved(); });
}

void ClockFormEvents::Paint(platform::Canvas& canvas) {
  ReportErrors(errors_, [&] { form_.Paint(canvas); });
}

void ClockFormEvents::RightButtonDown(int32_t x, int32_t y) {
  ReportErrors(errors_, [&] { form_.MouseDown(ClockForm::MouseButton::Right, x, y); });
}

void ClockFormEvents::MiddleButtonDown(int32_t x, int32_t y) {
  ReportErrors(errors_, [&] { form_.MouseDown(ClockForm::MouseButton::Middle, x, y); });
}

void ClockFormEvents::Command(UINT id) {
  ReportErrors(errors_, [&] { form_.RunMenuItem(static_cast<int32_t>(id)); });
}

void ClockFormEvents::DisplayScaleChanged() {
  ReportErrors(errors_, [&] { form_.DisplayScaleChanged(); });
}

void ClockFormEvents::Destroyed() {
  ReportErrors(errors_, [&] { form_.Stop(); });
  // The clock window is the main window: its end is the program's.
  PostQuitMessage(0);
}

}  // namespace sorvane::win32
