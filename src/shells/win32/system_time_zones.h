#pragma once
// The time zones this Windows system knows, by their Windows ids ("India Standard Time").
// Reading them walks the registry, so they are read once, when made, and kept.
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "shells/win32/windows_api.h"

namespace sorvane::win32 {

class SystemTimeZones {
 public:
  SystemTimeZones();
  // The zone of that Windows id, or nullptr for a zone this system does not have.
  const DYNAMIC_TIME_ZONE_INFORMATION* Find(std::string_view windows_id) const;

 private:
  std::vector<std::pair<std::string, DYNAMIC_TIME_ZONE_INFORMATION>> zones_;  // sorted by id
};

}  // namespace sorvane::win32
