#pragma once
// The system's clock and the zones of the tz database, through QDateTime and QTimeZone.
#include <QTimeZone>
#include <functional>
#include <map>
#include <string>

#include "app/ports/time_source.h"

namespace sorvane::qt {

class QtTimeSource final : public ports::TimeSource {
 public:
  ports::Moment Now() const override;
  DateTime Local(ports::Moment moment) const override;
  std::optional<DateTime> InZone(ports::Moment moment, const std::string& id) const override;
  // The tz database's Area/Location zones and "UTC"; Qt's own fixed-offset names
  // ("UTC+05:30") are left out, as they are no zone a place keeps.
  std::vector<ports::ZoneEntry> Zones(ports::Moment moment) const override;

 private:
  // Each clock asks for its zone every second: a zone is looked up once and kept, an id
  // that names no zone as an invalid QTimeZone.
  const QTimeZone& ZoneNamed(const std::string& id) const;

  mutable std::map<std::string, QTimeZone, std::less<>> zones_;
};

}  // namespace sorvane::qt
