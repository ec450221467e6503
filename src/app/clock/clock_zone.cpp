// The time-zone and label commands: which zone a clock shows, and the line above it.
#include <algorithm>
#include <cstdlib>

#include "app/clock/clock.h"

namespace sorvane {

namespace {

// What the zone chooser shows of an offset: "UTC+05:30", "UTC-03:00", "UTC".
std::string OffsetText(int32_t minutes) {
  if (minutes == 0) return "UTC";
  const int32_t whole = std::abs(minutes);
  std::string text = minutes < 0 ? "UTC-" : "UTC+";
  const auto two_digits = [](int32_t n) {
    return std::string(n < 10 ? "0" : "") + std::to_string(n);
  };
  return text + two_digits(whole / 60) + ":" + two_digits(whole % 60);
}

// The chooser's rows: the system's own time first (the empty key), then every zone the
// system knows, with its offset now.
std::vector<ports::ChoiceRow> ZoneRows(const std::vector<ports::ZoneEntry>& zones) {
  std::vector<ports::ChoiceRow> rows{{"", "Local time"}};
  rows.reserve(zones.size() + 1);
  for (const ports::ZoneEntry& zone : zones) {
    rows.push_back({zone.id, zone.id + " (" + OffsetText(zone.offset_minutes) + ")"});
  }
  return rows;
}

// A label is one line of the file: no control characters, not too long to draw, and one
// of blanks alone is none.
constexpr size_t kMaxLabelLength = 100;

std::string CleanLabel(std::string text) {
  for (char& c : text) {
    if (static_cast<unsigned char>(c) < 0x20 || c == 0x7F) c = ' ';
  }
  if (text.size() > kMaxLabelLength) text.resize(kMaxLabelLength);
  const bool blank = std::all_of(text.begin(), text.end(), [](char c) { return c == ' '; });
  return blank ? std::string() : text;
}

}  // namespace

// A clock without a label that gets a zone is offered the zone's city as one.
bool Clock::ChooseTimeZone() {
  const std::optional<std::string> chosen = services_.dialogs.ChooseZone(
      ZoneRows(services_.clock.Zones(services_.clock.Now())), profile_.time_zone);
  if (!chosen || *chosen == profile_.time_zone) return false;
  profile_.time_zone = *chosen;
  if (profile_.label.empty() && !chosen->empty()) {
    if (const auto label = services_.dialogs.EditLabel(CityOfZone(*chosen))) {
      profile_.label = CleanLabel(*label);
    }
  }
  ApplyProfile();
  RebuildOutline();
  return true;
}

bool Clock::EditLabel() {
  const bool offer_city = profile_.label.empty() && !profile_.time_zone.empty();
  const std::optional<std::string> text =
      services_.dialogs.EditLabel(offer_city ? CityOfZone(profile_.time_zone) : profile_.label);
  if (!text) return false;
  const std::string label = CleanLabel(*text);
  if (label == profile_.label) return false;
  profile_.label = label;
  ApplyProfile();
  RebuildOutline();
  return true;
}

}  // namespace sorvane
