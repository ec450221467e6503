#pragma once
// A local clock that shows whatever time the test sets.
#include "support/journal.h"
#include "app/ports/services.h"

namespace sorvane::headless {

class FakeClock : public ports::LocalClock {
 public:
  explicit FakeClock(Journal* journal = nullptr) : journal_(journal) {}

  DateTime Now() const override {
    ++reads;
    Note(journal_, "clock.Now");
    return now;
  }
  void SetTime(int hour, int minute, int second) {
    now.hour = hour;
    now.minute = minute;
    now.second = second;
    now.millisecond = 0;
  }

  DateTime now{2002, 12, 31, 10, 20, 30, 0};
  mutable int reads = 0;

 private:
  Journal* journal_;
};

}  // namespace sorvane::headless
