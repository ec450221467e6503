#include "app/clock_form_events.h"

#include "platform/report_errors.h"

namespace sorvane {

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

}  // namespace sorvane
