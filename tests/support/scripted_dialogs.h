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
  std::optional<ports::Color> ChooseColor(ports::Color initial) override;
  std::optional<ports::ClockFontState> ChooseFont(const ports::ClockFontState& current) override;
  std::optional<std::string> ChooseZone(const std::vector<ports::ChoiceRow>& rows,
                                        const std::string& current) override;
  std::optional<std::string> EditLabel(const std::string& initial) override;

  // Colours as vl.prf keeps them (COLORREF), for tests that read the file.
  std::deque<std::optional<int32_t>> color_answers;
  std::deque<std::optional<ports::ClockFontState>> font_answers;
  std::vector<int32_t> colors_offered;
  std::vector<ports::ClockFontState> fonts_offered;
  std::deque<std::optional<std::string>> zone_answers;
  std::deque<std::optional<std::string>> label_answers;
  std::vector<std::vector<ports::ChoiceRow>> zone_rows_offered;
  std::vector<std::string> zones_current;  // what each zone chooser was opened at
  std::vector<std::string> labels_offered;
};

}  // namespace sorvane::headless
