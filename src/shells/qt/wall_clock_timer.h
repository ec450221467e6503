#pragma once
// A one-shot timer set for a moment of the system clock, not after a span of the monotonic
// one: a span does not run while the machine sleeps, so after a resume the clock would stay
// up to a minute behind, and a span knows nothing of the system time being set. The timer
// fires at its moment, or at once if that passed in sleep, and says when the system time
// was set meanwhile (Linux timerfd, TFD_TIMER_CANCEL_ON_SET). Where no timerfd can be had
// it falls back to a precise QTimer.
//
// Virtual machines step the system time by fractions of a millisecond many times a second
// to keep it with the host's. Such a step changes nothing the clock shows, so it is not
// reported: the timer is armed again for the same moment and goes on.
#include <QSocketNotifier>
#include <QTimer>
#include <ctime>
#include <cstdint>
#include <functional>
#include <memory>

namespace sorvane::qt {

class WallClockTimer {
 public:
  WallClockTimer(std::function<void()> fired, std::function<void()> time_set);
  ~WallClockTimer();
  WallClockTimer(const WallClockTimer&) = delete;
  WallClockTimer& operator=(const WallClockTimer&) = delete;

  // Fires once, `milliseconds` from now by the system clock; replaces any earlier time.
  void Start(int32_t milliseconds);
  void Stop();

 private:
  void OnReadable();
  bool Arm();

  std::function<void()> fired_;
  std::function<void()> time_set_;
  int fd_ = -1;
  std::unique_ptr<QSocketNotifier> notifier_;
  QTimer fallback_;
  itimerspec deadline_{};         // the moment armed for, by the system clock
  int64_t system_offset_ns_ = 0;  // the system clock less the monotonic one, at the start
};

}  // namespace sorvane::qt
