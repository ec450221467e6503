#include "platform/win32/form_events.h"

#include "platform/win32/error_guard.h"

namespace sorvane::win32 {

void FormEvents::Tick() {
  ReportErrors(errors_, [&] { form_.Tick(); });
}

void FormEvents::Paint(platform::Canvas& canvas) {
  ReportErrors(errors_, [&] { form_.Paint(canvas); });
}

void FormEvents::RightButtonDown(int32_t x, int32_t y) {
  ReportErrors(errors_, [&] { form_.MouseDown(ClockForm::MouseButton::Right, x, y); });
}

void FormEvents::MiddleButtonDown(int32_t x, int32_t y) {
  ReportErrors(errors_, [&] { form_.MouseDown(ClockForm::MouseButton::Middle, x, y); });
}

void FormEvents::Command(UINT id) {
  ReportErrors(errors_, [&] { form_.RunMenuItem(static_cast<int32_t>(id)); });
}

void FormEvents::Destroyed() {
  ReportErrors(errors_, [&] { form_.Stop(); });
  // The clock window is the main window: its end is the program's.
  PostQuitMessage(0);
}

}  // namespace sorvane::win32
