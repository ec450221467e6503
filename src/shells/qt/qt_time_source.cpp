#include "shells/qt/qt_time_source.h"

#include <QDateTime>
#include <algorithm>
#include <cctype>

namespace sorvane::qt {

namespace {

DateTime ToDateTime(const QDateTime& when) {
  const QDate d = when.date();
  const QTime t = when.time();
  return DateTime{d.year(), d.month(), d.day(), t.hour(), t.minute(), t.second(), t.msec()};
}

// "America/Argentina/Buenos_Aires": letters, digits and "_-+" in parts joined by slashes.
// Nothing else reaches QTimeZone, which takes what names no file of the tz database as a
// POSIX rule ("ABC-3", "EST5EDT,M3.2.0/2,M11.1.0") and an empty id as the system's zone.
bool IsAreaLocation(const QByteArray& id) {
  const auto name_char = [](char c) {
    return std::isalnum(static_cast<unsigned char>(c)) || c == '/' || c == '_' || c == '-' ||
           c == '+';
  };
  return !id.isEmpty() && std::isalpha(static_cast<unsigned char>(id.front())) &&
         id.contains('/') && std::all_of(id.begin(), id.end(), name_char);
}

// What Qt lists ("UTC", "UTC+05:30") or a name of the tz database's shape, the old names
// kept as links among them ("Asia/Calcutta").
bool IsZoneName(const QByteArray& id) {
  return IsAreaLocation(id) || QTimeZone::isTimeZoneIdAvailable(id);
}

}  // namespace

ports::Moment QtTimeSource::Now() const {
  return QDateTime::currentMSecsSinceEpoch();
}

DateTime QtTimeSource::Local(ports::Moment moment) const {
  return ToDateTime(QDateTime::fromMSecsSinceEpoch(moment));
}

std::optional<DateTime> QtTimeSource::InZone(ports::Moment moment, const std::string& id) const {
  const QTimeZone& zone = ZoneNamed(id);
  if (!zone.isValid()) return std::nullopt;
  return ToDateTime(QDateTime::fromMSecsSinceEpoch(moment, zone));
}

std::vector<ports::ZoneEntry> QtTimeSource::Zones(ports::Moment moment) const {
  const QDateTime at = QDateTime::fromMSecsSinceEpoch(moment, QTimeZone::utc());
  std::vector<ports::ZoneEntry> zones;
  for (const QByteArray& id : QTimeZone::availableTimeZoneIds()) {
    if (!IsAreaLocation(id) && id != "UTC") continue;
    const QTimeZone zone(id);
    if (!zone.isValid()) continue;
    zones.push_back(ports::ZoneEntry{id.toStdString(), zone.offsetFromUtc(at) / 60});
  }
  std::sort(zones.begin(), zones.end(),
            [](const ports::ZoneEntry& a, const ports::ZoneEntry& b) { return a.id < b.id; });
  return zones;
}

const QTimeZone& QtTimeSource::ZoneNamed(const std::string& id) const {
  if (const auto known = zones_.find(id); known != zones_.end()) return known->second;
  const QByteArray name = QByteArray::fromStdString(id);
  QTimeZone zone = IsZoneName(name) ? QTimeZone(name) : QTimeZone();
  return zones_.emplace(id, std::move(zone)).first->second;
}

}  // namespace sorvane::qt
