#include "shells/qt/wall_clock_timer.h"

#include <sys/timerfd.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <ctime>
#include <utility>

namespace sorvane::qt {

namespace {

// A step of the system time smaller than this is the machine keeping its time, not the
// time being set.
constexpr int64_t kSmallestSetNs = 50'000'000;

int64_t Nanoseconds(clockid_t clock) {
  timespec at{};
  clock_gettime(clock, &at);
  return int64_t{at.tv_sec} * 1'000'000'000 + at.tv_nsec;
}

int64_t SystemOffsetNs() { return Nanoseconds(CLOCK_REALTIME) - Nanoseconds(CLOCK_MONOTONIC); }

}  // namespace

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
  deadline_ = itimerspec{};
  deadline_.it_value.tv_sec =
      now.tv_sec + wait / 1000 + static_cast<time_t>(nanoseconds / 1000000000);
  deadline_.it_value.tv_nsec = static_cast<long>(nanoseconds % 1000000000);
  system_offset_ns_ = SystemOffsetNs();
  if (!Arm()) fallback_.start(wait);
}

// Arming, again too, also watches for the next setting of the time.
bool WallClockTimer::Arm() {
  return timerfd_settime(fd_, TFD_TIMER_ABSTIME | TFD_TIMER_CANCEL_ON_SET, &deadline_,
                         nullptr) == 0;
}

void WallClockTimer::Stop() {
  fallback_.stop();
  if (fd_ < 0) return;
  const itimerspec disarmed{};
  timerfd_settime(fd_, 0, &disarmed, nullptr);
}

// A read that fails with ECANCELED means the system time was set: the time shown may be
// wrong now and the moment armed for is no longer the right one. Small steps add up from the
// last start: many of them one way are a set too.
void WallClockTimer::OnReadable() {
  uint64_t expirations = 0;
  if (read(fd_, &expirations, sizeof(expirations)) == sizeof(expirations)) {
    fired_();
  } else if (errno == ECANCELED) {
    const int64_t step = SystemOffsetNs() - system_offset_ns_;
    const bool small = step > -kSmallestSetNs && step < kSmallestSetNs;
    if (!small || !Arm()) time_set_();
  }
}

}  // namespace sorvane::qt
