#pragma once
// The dialogs a command may open, and the font the font dialog works on.
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "app/ports/color.h"

namespace sorvane::ports {

// The window's drawing font: what the font dialog chose and the clock text starts from.
struct ClockFontState {
  std::string face = "Microsoft Sans Serif";
  int32_t height = 13;  // character height in pixels
  int32_t point_size = 10;
  bool bold = true;
  bool italic = false;
  bool underline = false;
  bool strike_out = false;
  uint8_t char_set = 204;
  Color color;
  friend bool operator==(const ClockFontState&, const ClockFontState&) = default;
};

// One row of a list the user chooses from: what the row gives back, and what it shows.
struct ChoiceRow {
  std::string key;
  std::string caption;
  friend bool operator==(const ChoiceRow&, const ChoiceRow&) = default;
};

class Dialogs {
 public:
  virtual ~Dialogs() = default;
  // The colour dialog opened at `initial`; nothing on Cancel.
  virtual std::optional<Color> ChooseColor(Color initial) = 0;
  // The font dialog opened at `current`; nothing on Cancel.
  virtual std::optional<ClockFontState> ChooseFont(const ClockFontState& current) = 0;
  // The time-zone chooser: the rows in the order given, a filter box above them that keeps
  // the rows whose caption holds what is typed (letter case aside), the row of `current`
  // selected; the keyboard alone can filter, move and choose. The chosen row's key, or
  // nothing on Cancel.
  virtual std::optional<std::string> ChooseZone(const std::vector<ChoiceRow>& rows,
                                                const std::string& current) = 0;
  // A one-line text box opened with `initial` selected; its text on OK, nothing on Cancel.
  virtual std::optional<std::string> EditLabel(const std::string& initial) = 0;
};

}  // namespace sorvane::ports
