#include "shells/win32/win32_time_source.h"

#include <cstdint>
#include <limits>

#include "shells/win32/windows_zones.h"

namespace sorvane::win32 {

namespace {

// FILETIME counts 100 ns ticks since 1601-01-01 UTC.
constexpr int64_t kTicksPerMs = 10'000;
constexpr int64_t kMsFrom1601To1970 = 11'644'473'600'000;

ports::Moment MomentOfTicks(uint64_t ticks) {
  return static_cast<int64_t>(ticks / kTicksPerMs) - kMsFrom1601To1970;
}

// Nothing for a moment before 1601 or past what FILETIME holds.
std::optional<SYSTEMTIME> UtcOf(ports::Moment moment) {
  constexpr int64_t kLastMs = std::numeric_limits<int64_t>::max() / kTicksPerMs - kMsFrom1601To1970;
  if (moment < -kMsFrom1601To1970 || moment > kLastMs) return std::nullopt;
  const auto ticks = static_cast<uint64_t>(moment + kMsFrom1601To1970) * kTicksPerMs;
  const FILETIME file{static_cast<DWORD>(ticks), static_cast<DWORD>(ticks >> 32)};
  SYSTEMTIME utc{};
  if (!FileTimeToSystemTime(&file, &utc)) return std::nullopt;
  return utc;
}

std::optional<ports::Moment> MomentOf(const SYSTEMTIME& time) {
  FILETIME file{};
  if (!SystemTimeToFileTime(&time, &file)) return std::nullopt;
  return MomentOfTicks((uint64_t{file.dwHighDateTime} << 32) | file.dwLowDateTime);
}

DateTime DateTimeOf(const SYSTEMTIME& t) {
  return DateTime{t.wYear, t.wMonth, t.wDay, t.wHour, t.wMinute, t.wSecond, t.wMilliseconds};
}

}  // namespace

ports::Moment Win32TimeSource::Now() const {
  FILETIME now{};
  GetSystemTimePreciseAsFileTime(&now);
  return MomentOfTicks((uint64_t{now.dwHighDateTime} << 32) | now.dwLowDateTime);
}

// A moment Windows cannot show gives the default date rather than a made-up one.
DateTime Win32TimeSource::Local(ports::Moment moment) const {
  const auto utc = UtcOf(moment);
  SYSTEMTIME local{};
  if (!utc || !SystemTimeToTzSpecificLocalTime(nullptr, &*utc, &local)) return DateTime{};
  return DateTimeOf(local);
}

std::optional<DateTime> Win32TimeSource::InZone(ports::Moment moment, const std::string& id) const {
  const auto windows_id = WindowsZoneFor(id);
  const auto utc = UtcOf(moment);
  if (!windows_id || !utc) return std::nullopt;
  const auto local = LocalTimeIn(*windows_id, *utc);
  if (!local) return std::nullopt;
  return DateTimeOf(*local);
}

std::vector<ports::ZoneEntry> Win32TimeSource::Zones(ports::Moment moment) const {
  std::vector<ports::ZoneEntry> entries;
  const auto utc = UtcOf(moment);
  if (!utc) return entries;
  for (const std::string_view id : ShownZoneIds()) {
    const auto windows_id = WindowsZoneFor(id);
    const auto local = windows_id ? LocalTimeIn(*windows_id, *utc) : std::nullopt;
    const auto local_moment = local ? MomentOf(*local) : std::nullopt;
    if (!local_moment) continue;  // a zone this system does not have
    const auto offset = static_cast<int32_t>((*local_moment - moment) / 60'000);
    entries.push_back({std::string(id), offset});
  }
  return entries;  // in the shown ids' order, which is sorted
}

void Win32TimeSource::ReloadZones() {
  rules_.clear();
  zones_.reset();
}

const SystemTimeZones& Win32TimeSource::SystemZones() const {
  if (!zones_) zones_.emplace();
  return *zones_;
}

// Rules are per year of the zone's own calendar: near the new year that may be the year
// before or after UTC's, so a result in another year is worked out again with its rules.
std::optional<SYSTEMTIME> Win32TimeSource::LocalTimeIn(std::string_view windows_id,
                                                       const SYSTEMTIME& utc) const {
  SYSTEMTIME local{};
  const TIME_ZONE_INFORMATION* rules = RulesFor(windows_id, utc.wYear);
  if (rules == nullptr || !SystemTimeToTzSpecificLocalTime(rules, &utc, &local)) {
    return std::nullopt;
  }
  if (local.wYear == utc.wYear) return local;
  rules = RulesFor(windows_id, local.wYear);
  if (rules == nullptr || !SystemTimeToTzSpecificLocalTime(rules, &utc, &local)) {
    return std::nullopt;
  }
  return local;
}

const TIME_ZONE_INFORMATION* Win32TimeSource::RulesFor(std::string_view windows_id,
                                                       int year) const {
  const auto key = std::make_pair(windows_id, year);
  if (const auto kept = rules_.find(key); kept != rules_.end()) return &kept->second;
  const DYNAMIC_TIME_ZONE_INFORMATION* zone = SystemZones().Find(windows_id);
  if (zone == nullptr) return nullptr;
  DYNAMIC_TIME_ZONE_INFORMATION asked = *zone;  // the call takes a pointer it may write to
  TIME_ZONE_INFORMATION rules{};
  if (!GetTimeZoneInformationForYear(static_cast<USHORT>(year), &asked, &rules)) return nullptr;
  return &rules_.emplace(key, rules).first->second;
}

}  // namespace sorvane::win32
