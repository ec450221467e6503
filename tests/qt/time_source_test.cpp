// The system's zones as the tz database has them: half and three-quarter hours, summer time
// both ways of the equator, half an hour of summer time, and ids that name no zone.
#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <cstdlib>

#include "shells/qt/qt_time_source.h"

namespace sorvane::qt {
namespace {

using namespace std::chrono;

// 12:00:00.250 UTC on the 15th of a month of 2024.
ports::Moment NoonUtc(month m) {
  const sys_days day{year{2024} / m / 15};
  return duration_cast<milliseconds>(day.time_since_epoch() + hours{12} + milliseconds{250})
      .count();
}

struct ZoneCase {
  const char* id;
  month month_;
  std::optional<DateTime> shown;
};

TEST(QtTimeSource, ShowsTheMomentInEachZone) {
  const ZoneCase cases[] = {
      {"Asia/Kolkata", January, DateTime{2024, 1, 15, 17, 30, 0, 250}},
      {"Asia/Kathmandu", January, DateTime{2024, 1, 15, 17, 45, 0, 250}},
      {"America/New_York", January, DateTime{2024, 1, 15, 7, 0, 0, 250}},
      {"America/New_York", July, DateTime{2024, 7, 15, 8, 0, 0, 250}},
      {"Australia/Lord_Howe", January, DateTime{2024, 1, 15, 23, 0, 0, 250}},
      {"Australia/Lord_Howe", July, DateTime{2024, 7, 15, 22, 30, 0, 250}},
      {"Asia/Calcutta", January, DateTime{2024, 1, 15, 17, 30, 0, 250}},  // an old name
      {"Mars/Olympus_Mons", January, std::nullopt},
      {"ABC-3", January, std::nullopt},  // a POSIX rule, no zone's name
      {"", January, std::nullopt},       // not the system's own zone
  };
  const QtTimeSource clock;
  for (const ZoneCase& c : cases) {
    SCOPED_TRACE(c.id);
    EXPECT_EQ(clock.InZone(NoonUtc(c.month_), c.id), c.shown);
  }
}

TEST(QtTimeSource, ZonesAreSortedAreaLocationNamesWithTheirOffsets) {
  const std::vector<ports::ZoneEntry> zones = QtTimeSource().Zones(NoonUtc(July));
  EXPECT_TRUE(std::is_sorted(zones.begin(), zones.end(),
                             [](const auto& a, const auto& b) { return a.id < b.id; }));
  const auto has = [&](const ports::ZoneEntry& entry) {
    return std::find(zones.begin(), zones.end(), entry) != zones.end();
  };
  EXPECT_TRUE(has({"Asia/Kolkata", 330}));
  EXPECT_TRUE(has({"America/New_York", -240}));
  EXPECT_TRUE(has({"UTC", 0}));
  EXPECT_FALSE(has({"UTC+05:30", 330}));  // Qt's own fixed offsets are no places
}

// The system's zone is TZ's while it is set; it is put back after.
TEST(QtTimeSource, LocalIsTheSystemsZone) {
  const char* before = std::getenv("TZ");
  const std::string saved = before != nullptr ? before : "";
  setenv("TZ", "Asia/Kathmandu", 1);
  const DateTime local = QtTimeSource().Local(NoonUtc(January));
  if (before != nullptr) {
    setenv("TZ", saved.c_str(), 1);
  } else {
    unsetenv("TZ");
  }
  EXPECT_EQ(local, (DateTime{2024, 1, 15, 17, 45, 0, 250}));
}

}  // namespace
}  // namespace sorvane::qt
