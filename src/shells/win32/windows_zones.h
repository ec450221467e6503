#pragma once
// Which Windows time zone shows an IANA zone, and the IANA ids the zone chooser offers.
// The table is made by tools/zones/make_windows_zones.py from CLDR and tzdata.
#include <optional>
#include <span>
#include <string_view>

namespace sorvane::win32 {

// The Windows zone id ("India Standard Time") for an IANA id, its old names
// (Asia/Calcutta) included; nothing for an id the table does not know.
std::optional<std::string_view> WindowsZoneFor(std::string_view iana_id);

// The ids to show users: one per real zone, today's names, sorted, no Etc/ zones.
std::span<const std::string_view> ShownZoneIds();

}  // namespace sorvane::win32
