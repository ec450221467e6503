#pragma once
// The program's host as a fake: windows the test can look into (the first one is the
// test's own), a timer that records when it was armed, deferred work the test runs itself.
#include <deque>
#include <functional>
#include <memory>
#include <vector>

#include "app/ports/program_host.h"
#include "support/fake_window.h"
#include "support/journal.h"

namespace sorvane::headless {

class FakeHost : public ports::ProgramHost {
 public:
  FakeHost(FakeWindow& first_window, Journal* journal)
      : first_window_(first_window), journal_(journal) {}
  // Work still deferred may own clocks, whose windows must outlive them.
  ~FakeHost() override { deferred.clear(); }

  std::unique_ptr<ports::ClockWindow> MakeClockWindow(ports::ClockWindowEvents& events) override;
  void ScheduleTick(int32_t milliseconds) override;
  void Defer(std::function<void()> task) override { deferred.push_back(std::move(task)); }
  void Quit() override;
  bool SmoothEdgesAvailable() const override { return smooth_edges; }

  // Runs the work deferred so far, as the event loop would once the event is over.
  void RunDeferred();
  int32_t ArmedDelay() const { return tick_delays.back(); }  // the arming in force

  std::vector<FakeWindow*> windows;               // every window made, in order
  std::vector<ports::ClockWindowEvents*> events;  // what each reports to
  std::vector<int32_t> tick_delays;               // every arming of the timer, in order
  std::deque<std::function<void()>> deferred;
  bool quit = false;
  bool smooth_edges = true;

 private:
  FakeWindow& first_window_;
  std::vector<std::unique_ptr<FakeWindow>> more_windows_;
  Journal* journal_;
};

}  // namespace sorvane::headless
