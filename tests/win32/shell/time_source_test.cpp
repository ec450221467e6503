// The system clock and its zones, read through Windows' own time zone data.
#include <gtest/gtest.h>

#include <algorithm>
#include <ctime>

#include "shells/win32/win32_time_source.h"
#include "support/fake_clock.h"

namespace sorvane::win32 {
namespace {

using headless::FakeClock;

ports::Moment Utc(int year, int month, int day, int hour, int minute, int ms = 0) {
  return FakeClock::MomentOf({year, month, day, hour, minute, 0, ms});
}

TEST(Win32TimeSource, ShowsEachZoneItsOwnWallTime) {
  struct Case {
    const char* id;
    ports::Moment moment;
    std::optional<DateTime> shown;
  };
  const Case cases[] = {
      {"Asia/Kolkata", Utc(2024, 1, 15, 12, 0, 250), DateTime{2024, 1, 15, 17, 30, 0, 250}},
      {"Asia/Kathmandu", Utc(2024, 1, 15, 12, 0), DateTime{2024, 1, 15, 17, 45, 0, 0}},
      {"America/New_York", Utc(2024, 1, 15, 12, 0), DateTime{2024, 1, 15, 7, 0, 0, 0}},
      {"America/New_York", Utc(2024, 7, 15, 12, 0), DateTime{2024, 7, 15, 8, 0, 0, 0}},
      {"Australia/Lord_Howe", Utc(2024, 1, 15, 12, 0), DateTime{2024, 1, 15, 23, 0, 0, 0}},
      {"Australia/Lord_Howe", Utc(2024, 7, 15, 12, 0), DateTime{2024, 7, 15, 22, 30, 0, 0}},
      // Already next year there while UTC is still in the old one.
      {"Australia/Lord_Howe", Utc(2023, 12, 31, 13, 30), DateTime{2024, 1, 1, 0, 30, 0, 0}},
      {"Asia/Calcutta", Utc(2024, 7, 15, 12, 0), DateTime{2024, 7, 15, 17, 30, 0, 0}},
      {"Mars/Olympus_Mons", Utc(2024, 1, 15, 12, 0), std::nullopt},
  };
  const Win32TimeSource clock;
  for (const Case& c : cases) {
    SCOPED_TRACE(c.id);
    EXPECT_EQ(clock.InZone(c.moment, c.id), c.shown);
  }
}

TEST(Win32TimeSource, ZonesAreSortedAndAgreeWithTheirWallTimes) {
  Win32TimeSource clock;
  const ports::Moment january = Utc(2024, 1, 15, 12, 0);
  const std::vector<ports::ZoneEntry> zones = clock.Zones(january);
  ASSERT_GT(zones.size(), 100u);
  EXPECT_TRUE(std::is_sorted(zones.begin(), zones.end(),
                             [](const auto& a, const auto& b) { return a.id < b.id; }));
  const auto has = [&](const ports::ZoneEntry& entry) {
    return std::find(zones.begin(), zones.end(), entry) != zones.end();
  };
  EXPECT_TRUE(has({"Asia/Kolkata", 330}));
  EXPECT_TRUE(has({"Australia/Lord_Howe", 660}));
  EXPECT_FALSE(has({"Asia/Calcutta", 330})) << "old names are not offered";
  for (const ports::ZoneEntry& zone : zones) {
    SCOPED_TRACE(zone.id);
    EXPECT_EQ(clock.InZone(january, zone.id),
              FakeClock::UtcOf(january + zone.offset_minutes * 60'000));
  }
  clock.ReloadZones();
  EXPECT_EQ(clock.Zones(january), zones);
}

TEST(Win32TimeSource, NowAndLocalFollowTheSystemClock) {
  const Win32TimeSource clock;
  const ports::Moment now = clock.Now();
  EXPECT_LE(std::abs(now - static_cast<ports::Moment>(std::time(nullptr)) * 1000), 2000);
  SYSTEMTIME system_local{};
  GetLocalTime(&system_local);
  const DateTime local = clock.Local(now);
  const DateTime expected{system_local.wYear,        system_local.wMonth,  system_local.wDay,
                          system_local.wHour,        system_local.wMinute, system_local.wSecond,
                          system_local.wMilliseconds};
  EXPECT_LE(std::abs(FakeClock::MomentOf(local) - FakeClock::MomentOf(expected)), 2000);
}

}  // namespace
}  // namespace sorvane::win32
