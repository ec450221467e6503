#include "platform/win32/form_events.h"

#include "platform/win32/error_guard.h"

namespace sorvane::win32 {

void FormEvents::Tick() {
  ReportErrors(errors_, [&] { form_.Timer2Timer(); });
}

void FormEvents::Paint(platform::Canvas& canvas) {
  ReportErrors(errors_, [&] { form_.FormPaint(canvas); });
}

void FormEvents::RightButtonDown(int32_t x, int32_t y) {
  ReportErrors(errors_, [&] { form_.FormMouseDown(TForm1::MouseButton::Right, x, y); });
}

void FormEvents::MiddleButtonDown(int32_t x, int32_t y) {
  ReportErrors(errors_, [&] { form_.FormMouseDown(TForm1::MouseButton::Middle, x, y); });
}

void FormEvents::Command(UINT id) {
  ReportErrors(errors_, [&] { form_.MenuCommand(static_cast<int32_t>(id)); });
}

void FormEvents::Destroyed() {
  ReportErrors(errors_, [&] { form_.FormDestroy(); });
  // The clock window is the main window: its end is the program's.
  PostQuitMessage(0);
}

}  // namespace sorvane::win32
