#include "shells/win32/system_time_zones.h"

#include <algorithm>
#include <iterator>

namespace sorvane::win32 {

namespace {

// Windows' zone ids are plain ASCII ("Nepal Standard Time").
std::string KeyName(const DYNAMIC_TIME_ZONE_INFORMATION& zone) {
  std::string name;
  for (const WCHAR* c = zone.TimeZoneKeyName; c < std::end(zone.TimeZoneKeyName) && *c != 0; ++c) {
    name.push_back(*c < 0x80 ? static_cast<char>(*c) : '?');
  }
  return name;
}

bool ById(const std::pair<std::string, DYNAMIC_TIME_ZONE_INFORMATION>& a,
          const std::pair<std::string, DYNAMIC_TIME_ZONE_INFORMATION>& b) {
  return a.first < b.first;
}

}  // namespace

SystemTimeZones::SystemTimeZones() {
  DYNAMIC_TIME_ZONE_INFORMATION zone{};
  for (DWORD index = 0; EnumDynamicTimeZoneInformation(index, &zone) == ERROR_SUCCESS; ++index) {
    zones_.emplace_back(KeyName(zone), zone);
    zone = {};
  }
  std::sort(zones_.begin(), zones_.end(), ById);
}

const DYNAMIC_TIME_ZONE_INFORMATION* SystemTimeZones::Find(std::string_view windows_id) const {
  const auto found =
      std::lower_bound(zones_.begin(), zones_.end(), windows_id,
                       [](const auto& zone, std::string_view id) { return zone.first < id; });
  if (found == zones_.end() || found->first != windows_id) return nullptr;
  return &found->second;
}

}  // namespace sorvane::win32
