#include "shells/qt/wall_clock_timer.h"

#include <sys/timerfd.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <ctime>
#include <utility>

namespace sorvane::qt {

WallClockTimer::WallClockTimer(std::function<void()> fired, std::function<void()> time_set)
    : fired_(std::move(fired)), time_set_(std::move(time_set)) {
  fd_ = timerfd_create(CLOCK_REALTIME, TFD_NONBLOCK | TFD_CLOEXEC);
  if (fd_ >= 0) {
    notifier_ = std::make_unique<QSocketNotifier>(fd_, QSocketNotifier::Read);
    QObject::connect(notifier_.get(), &QSocketNotifier::activated, [this] { OnReadable(); });
  }
  fallback_.setSingleShot(true);
  fallback_.setTimerType(Qt::PreciseTimer);
  QObject::connect(&fallback_, &QTimer::timeout, [this] { fired_(); });
}

WallClockTimer::~WallClockTimer() {
  notifier_.reset();
  if (fd_ >= 0) close(fd_);
}

void WallClockTimer::Start(int32_t milliseconds) {
  const int32_t wait = std::max(milliseconds, 1);  // an expiry of zero would disarm it
  timespec now{};
  if (fd_ < 0 || clock_gettime(CLOCK_REALTIME, &now) != 0) {
    fallback_.start(wait);
    return;
  }
  const int64_t nanoseconds = int64_t{now.tv_nsec} + int64_t{wait % 1000} * 1000000;
  itimerspec at{};
  at.it_value.tv_sec = now.tv_sec + wait / 1000 + static_cast<time_t>(nanoseconds / 1000000000);
  at.it_value.tv_nsec = static_cast<long>(nanoseconds % 1000000000);
  if (timerfd_settime(fd_, TFD_TIMER_ABSTIME | TFD_TIMER_CANCEL_ON_SET, &at, nullptr) != 0) {
    fallback_.start(wait);
  }
}

void WallClockTimer::Stop() {
  fallback_.stop();
  if (fd_ < 0) return;
  const itimerspec disarmed{};
  timerfd_settime(fd_, 0, &disarmed, nullptr);
}

// A read that fails with ECANCELED means the system time was set: the time shown may be
// wrong now and the moment armed for is no longer the right one.
void WallClockTimer::OnReadable() {
  uint64_t expirations = 0;
  if (read(fd_, &expirations, sizeof(expirations)) == sizeof(expirations)) {
    fired_();
  } else if (errno == ECANCELED) {
    time_set_();
  }
}

}  // namespace sorvane::qt
