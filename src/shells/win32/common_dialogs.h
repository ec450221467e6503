#pragma once
// The dialogs a command may open, modal over the clock window: colour and font (comdlg32),
// the time-zone chooser and the label box (the shell's own).
#include "shells/win32/windows_api.h"

#include <array>

#include "app/ports/services.h"

namespace sorvane::win32 {

// The logical font that describes the clock font, as the font dialog starts from it.
LOGFONTA ClockFontToLogFont(const ports::ClockFontState& font);
// The clock font the dialog chose: its logical font, point size (tenths) and colour.
ports::ClockFontState ClockFontFromDialog(const LOGFONTA& log, INT point_size_tenths,
                                          COLORREF color);

class Win32Dialogs final : public ports::Dialogs {
 public:
  void SetOwner(HWND owner) { owner_ = owner; }
  std::optional<ports::Color> ChooseColor(ports::Color initial) override;
  std::optional<ports::ClockFontState> ChooseFont(const ports::ClockFontState& current) override;
  std::optional<std::string> ChooseZone(const std::vector<ports::ChoiceRow>& rows,
                                        const std::string& current) override;
  std::optional<std::string> EditLabel(const std::string& initial) override;

 private:
  HWND owner_ = nullptr;
  // The dialog's sixteen custom colours, kept while the program runs.
  std::array<COLORREF, 16> custom_colors_{};
};

}  // namespace sorvane::win32
