#pragma once
// A system clock that shows whatever time the test sets, with a few zones of its own: the
// local zone is UTC (until a test moves it), the others fixed offsets or one daylight-saving
// rule, enough for half-hour zones, DST turns and an id the system does not know.
#include <string>
#include <vector>

#include "app/ports/time_source.h"
#include "support/journal.h"

namespace sorvane::headless {

struct FakeZone {
  std::string id;
  int32_t offset_minutes = 0;
  int32_t summer_offset_minutes = 0;  // between summer_from and summer_until
  ports::Moment summer_from = 0;
  ports::Moment summer_until = 0;
};

class FakeClock : public ports::TimeSource {
 public:
  explicit FakeClock(Journal* journal = nullptr) : journal_(journal) {}

  ports::Moment Now() const override;
  DateTime Local(ports::Moment moment) const override;
  std::optional<DateTime> InZone(ports::Moment moment, const std::string& id) const override;
  std::vector<ports::ZoneEntry> Zones(ports::Moment moment) const override;

  void SetTime(int hour, int minute, int second) {
    now.hour = hour;
    now.minute = minute;
    now.second = second;
    now.millisecond = 0;
  }

  // The local wall time Now reads; with the local zone at UTC it is the UTC time as well.
  DateTime now{2002, 12, 31, 10, 20, 30, 0};
  int32_t local_offset_minutes = 0;
  std::vector<FakeZone> zones{
      {"America/New_York", -300, -240, MomentOf({2002, 4, 7, 7, 0, 0, 0}),
       MomentOf({2002, 10, 27, 6, 0, 0, 0})},
      {"Asia/Kathmandu", 345},
      {"Asia/Kolkata", 330},
  };
  mutable int reads = 0;

  // The moment a UTC date and time stands for, and back.
  static ports::Moment MomentOf(const DateTime& utc);
  static DateTime UtcOf(ports::Moment moment);

 private:
  Journal* journal_;
};

}  // namespace sorvane::headless
