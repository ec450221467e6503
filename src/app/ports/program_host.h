#pragma once
// What the program asks of the shell it runs in beyond the system's services: windows for
// its clocks, its one timer, work to do once the event at hand is over, and its end.
#include <cstdint>
#include <functional>
#include <memory>

#include "app/ports/clock_window.h"
#include "app/ports/clock_window_events.h"

namespace sorvane::ports {

class ProgramHost {
 public:
  virtual ~ProgramHost() = default;
  // A new clock window, hidden, that reports to `events` (which outlive it). Throws
  // std::runtime_error when the system gives no window.
  virtual std::unique_ptr<ClockWindow> MakeClockWindow(ClockWindowEvents& events) = 0;
  // Arms the program's one timer: the shell calls ProgramEvents::Tick once, `milliseconds`
  // from now (at once for 0 or less). Arming it again replaces the earlier time.
  virtual void ScheduleTick(int32_t milliseconds) = 0;
  // Runs `task` from the event loop once the event being handled is over: a window may not
  // be destroyed from inside one of its own handlers.
  virtual void Defer(std::function<void()> task) = 0;
  // Ends the event loop; the program's windows go with the program.
  virtual void Quit() = 0;
  // Whether windows can show an image with per-pixel alpha now (smooth edges); the shell
  // tells when that changes (ProgramEvents::SmoothEdgesAvailabilityChanged).
  virtual bool SmoothEdgesAvailable() const = 0;
};

}  // namespace sorvane::ports
