#include "support/scripted_dialogs.h"

namespace sorvane::headless {

namespace {
template <typename T>
std::optional<T> NextAnswer(std::deque<std::optional<T>>& answers) {
  if (answers.empty()) return std::nullopt;
  std::optional<T> answer = answers.front();
  answers.pop_front();
  return answer;
}
}  // namespace

std::optional<ports::Color> ScriptedDialogs::ChooseColor(ports::Color initial) {
  colors_offered.push_back(ports::RefFromColor(initial));
  const std::optional<int32_t> answer = NextAnswer(color_answers);
  if (!answer) return std::nullopt;
  return ports::ColorFromRef(*answer);
}

std::optional<ports::ClockFontState> ScriptedDialogs::ChooseFont(
    const ports::ClockFontState& current) {
  fonts_offered.push_back(current);
  return NextAnswer(font_answers);
}

std::optional<std::string> ScriptedDialogs::ChooseZone(const std::vector<ports::ChoiceRow>& rows,
                                                       const std::string& current) {
  zone_rows_offered.push_back(rows);
  zones_current.push_back(current);
  return NextAnswer(zone_answers);
}

std::optional<std::string> ScriptedDialogs::EditLabel(const std::string& initial) {
  labels_offered.push_back(initial);
  return NextAnswer(label_answers);
}

}  // namespace sorvane::headless
