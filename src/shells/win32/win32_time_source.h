#pragma once
// The system clock and its time zones: the system's own zone for the local time, the
// Windows zone behind an IANA id (windows_zones.h) for every other.
#include <map>
#include <optional>
#include <string_view>
#include <utility>

#include "app/ports/time_source.h"
#include "shells/win32/system_time_zones.h"
#include "shells/win32/windows_api.h"

namespace sorvane::win32 {

// The clock asks from its window's thread alone, so the kept rules need no lock.
class Win32TimeSource final : public ports::TimeSource {
 public:
  ports::Moment Now() const override;
  DateTime Local(ports::Moment moment) const override;
  std::optional<DateTime> InZone(ports::Moment moment, const std::string& id) const override;
  std::vector<ports::ZoneEntry> Zones(ports::Moment moment) const override;

  // Reads the system's zones again (after an update of Windows' zone data, say) and forgets
  // the rules kept from them.
  void ReloadZones();

 private:
  // The wall time a Windows zone shows at a UTC time.
  std::optional<SYSTEMTIME> LocalTimeIn(std::string_view windows_id, const SYSTEMTIME& utc) const;
  // That zone's rules for a year, read from the system once and kept.
  const TIME_ZONE_INFORMATION* RulesFor(std::string_view windows_id, int year) const;
  // Read on first use: the walk through the registry takes a third of a second under Wine,
  // which a clock in the local zone alone need not wait for at start.
  const SystemTimeZones& SystemZones() const;

  mutable std::optional<SystemTimeZones> zones_;
  // Keyed by the generated table's ids, which live as long as the program.
  mutable std::map<std::pair<std::string_view, int>, TIME_ZONE_INFORMATION> rules_;
};

}  // namespace sorvane::win32
