// A clock window's events, to its clock and to the program.
#include "app/ports/report_errors.h"
#include "app/program/program.h"

namespace sorvane {

template <typename Handler>
void ClockEvents::Run(Handler&& handler) {
  if (clock_ == nullptr) return;
  ports::ReportErrors(errors_, std::forward<Handler>(handler));
}

void ClockEvents::Paint(ports::Canvas& canvas) {
  Run([&] { clock_->Paint(canvas); });
}

void ClockEvents::RightButtonDown(int32_t x, int32_t y) {
  Run([&] {
    const Rect bounds = clock_->Window().Bounds();
    program_.OpenMenu(*clock_, {bounds.left + x, bounds.top + y});
  });
}

// The left button never arrives here (the shell turns it into a drag); the middle one does
// nothing.
void ClockEvents::MiddleButtonDown(int32_t, int32_t) {}

void ClockEvents::DragEnded() {
  Run([&] { program_.DragEnded(*clock_); });
}

void ClockEvents::DisplayScaleChanged() {
  Run([&] { program_.DisplayScaleChanged(*clock_); });
}

void ClockEvents::Command(int32_t id) {
  Run([&] { program_.RunMenuItem(*clock_, id); });
}

void ClockEvents::Closed() {
  Run([&] { program_.WindowClosed(); });
}

}  // namespace sorvane
