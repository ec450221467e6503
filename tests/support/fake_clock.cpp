#include "support/fake_clock.h"

#include <algorithm>

namespace sorvane::headless {

namespace {

constexpr int64_t kMinute = 60 * 1000;
constexpr int64_t kDay = 24 * 60 * kMinute;

// Days since 1970-01-01 of a date of the proleptic Gregorian calendar, and back
// (H. Hinnant's algorithms).
int64_t DaysFromCivil(int64_t y, int64_t m, int64_t d) {
  y -= m <= 2;
  const int64_t era = (y >= 0 ? y : y - 399) / 400;
  const int64_t yoe = y - era * 400;
  const int64_t doy = (153 * (m + (m > 2 ? -3 : 9)) + 2) / 5 + d - 1;
  const int64_t doe = yoe * 365 + yoe / 4 - yoe / 100 + doy;
  return era * 146097 + doe - 719468;
}

DateTime CivilFromDays(int64_t days) {
  days += 719468;
  const int64_t era = (days >= 0 ? days : days - 146096) / 146097;
  const int64_t doe = days - era * 146097;
  const int64_t yoe = (doe - doe / 1460 + doe / 36524 - doe / 146096) / 365;
  const int64_t doy = doe - (365 * yoe + yoe / 4 - yoe / 100);
  const int64_t mp = (5 * doy + 2) / 153;
  const int64_t d = doy - (153 * mp + 2) / 5 + 1;
  const int64_t m = mp < 10 ? mp + 3 : mp - 9;
  DateTime date;
  date.year = static_cast<int>(yoe + era * 400 + (m <= 2));
  date.month = static_cast<int>(m);
  date.day = static_cast<int>(d);
  return date;
}

int32_t OffsetAt(const FakeZone& zone, ports::Moment moment) {
  const bool summer = moment >= zone.summer_from && moment < zone.summer_until;
  return summer ? zone.summer_offset_minutes : zone.offset_minutes;
}

}  // namespace

ports::Moment FakeClock::MomentOf(const DateTime& utc) {
  return DaysFromCivil(utc.year, utc.month, utc.day) * kDay +
         ((utc.hour * 60 + utc.minute) * 60 + utc.second) * int64_t{1000} + utc.millisecond;
}

DateTime FakeClock::UtcOf(ports::Moment moment) {
  const int64_t days = (moment >= 0 ? moment : moment - (kDay - 1)) / kDay;
  const int64_t into_day = moment - days * kDay;
  DateTime time = CivilFromDays(days);
  time.hour = static_cast<int>(into_day / (60 * kMinute));
  time.minute = static_cast<int>(into_day / kMinute % 60);
  time.second = static_cast<int>(into_day / 1000 % 60);
  time.millisecond = static_cast<int>(into_day % 1000);
  return time;
}

ports::Moment FakeClock::Now() const {
  ++reads;
  Note(journal_, "clock.Now");
  return MomentOf(now) - local_offset_minutes * kMinute;
}

DateTime FakeClock::Local(ports::Moment moment) const {
  return UtcOf(moment + local_offset_minutes * kMinute);
}

std::optional<DateTime> FakeClock::InZone(ports::Moment moment, const std::string& id) const {
  const auto zone =
      std::find_if(zones.begin(), zones.end(), [&](const FakeZone& z) { return z.id == id; });
  if (zone == zones.end()) return std::nullopt;
  return UtcOf(moment + OffsetAt(*zone, moment) * kMinute);
}

std::vector<ports::ZoneEntry> FakeClock::Zones(ports::Moment moment) const {
  std::vector<ports::ZoneEntry> entries;
  for (const FakeZone& zone : zones) entries.push_back({zone.id, OffsetAt(zone, moment)});
  return entries;
}

}  // namespace sorvane::headless
