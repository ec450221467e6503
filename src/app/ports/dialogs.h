#pragma once
// The dialogs a command may open, and the font the font dialog works on.
#include <cstdint>
#include <optional>
#include <string>

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
  int32_t color = 0;  // COLORREF
  friend bool operator==(const ClockFontState&, const ClockFontState&) = default;
};

class Dialogs {
 public:
  virtual ~Dialogs() = default;
  // The colour dialog opened at `initial`; nothing on Cancel.
  virtual std::optional<int32_t> ChooseColor(int32_t initial) = 0;
  // The font dialog opened at `current`; nothing on Cancel.
  virtual std::optional<ClockFontState> ChooseFont(const ClockFontState& current) = 0;
};

}  // namespace sorvane::ports
