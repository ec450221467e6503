#pragma once
// The system's clock and its time zones. The clock reads the moment once and shows it in the
// zone of each clock, so that every clock agrees to the millisecond on what time it is.
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "timefmt/date_format.h"

namespace sorvane::ports {

// A moment: milliseconds since 1970-01-01 00:00 UTC, as the system clock counts them.
using Moment = int64_t;

// A zone the system knows, by its IANA id ("Asia/Kolkata"), and its offset from UTC at the
// moment asked about, daylight-saving time included.
struct ZoneEntry {
  std::string id;
  int32_t offset_minutes = 0;
  friend bool operator==(const ZoneEntry&, const ZoneEntry&) = default;
};

class TimeSource {
 public:
  virtual ~TimeSource() = default;
  virtual Moment Now() const = 0;
  // The date and time the system's own zone shows at `moment`.
  virtual DateTime Local(Moment moment) const = 0;
  // The date and time zone `id` shows at `moment`; nothing for an id the system does not
  // know (a file written on a newer system, say).
  virtual std::optional<DateTime> InZone(Moment moment, const std::string& id) const = 0;
  // Every zone the system knows, sorted by id, with its offset at `moment`.
  virtual std::vector<ZoneEntry> Zones(Moment moment) const = 0;
};

}  // namespace sorvane::ports
