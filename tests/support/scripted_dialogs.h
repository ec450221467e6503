#pragma once
// Dialogs that answer from a script: each call takes the next answer queued for it, and an
// empty queue answers Cancel. What each dialog was opened with is kept.
#include <deque>
#include <optional>
#include <vector>

#include "app/ports/services.h"

namespace sorvane::headless {

class ScriptedDialogs : public ports::Dialogs {
 public:
  std::optional<int32_t> ChooseColor(int32_t initial) override;
  std::optional<ports::ClockFontState> ChooseFont(
      const ports::ClockFontState& current) override;

  std::deque<std::optional<int32_t>> color_answers;
  std::deque<std::optional<ports::ClockFontState>> font_answers;
  std::vector<int32_t> colors_offered;
  std::vector<ports::ClockFontState> fonts_offered;
};

}  // namespace sorvane::headless
