#include "shells/win32/common_dialogs.h"

#include <algorithm>
#include <cstdlib>
#include <cstring>

#include "shells/win32/gdi_holders.h"
#include "shells/win32/label_dialog.h"
#include "shells/win32/zone_dialog.h"

namespace sorvane::win32 {

namespace {

// CF_SCREENFONTS | CF_INITTOLOGFONTSTRUCT | CF_SCALABLEONLY: scalable screen fonts only,
// and no effects (underline, strike-out, colour) to choose.
constexpr DWORD kFontDialogFlags = 0x20041;
static_assert(kFontDialogFlags == (CF_SCREENFONTS | CF_INITTOLOGFONTSTRUCT | CF_SCALABLEONLY));

}  // namespace

LOGFONTA ClockFontToLogFont(const ports::ClockFontState& font) {
  LOGFONTA log{};
  log.lfHeight = -font.height;  // negative: the character height, not the cell's
  log.lfWeight = font.bold ? FW_BOLD : FW_NORMAL;
  log.lfItalic = font.italic ? 1 : 0;
  log.lfUnderline = font.underline ? 1 : 0;
  log.lfStrikeOut = font.strike_out ? 1 : 0;
  log.lfCharSet = font.char_set;
  const size_t length = std::min(font.face.size(), sizeof(log.lfFaceName) - 1);
  std::copy_n(font.face.data(), length, log.lfFaceName);
  return log;
}

ports::ClockFontState ClockFontFromDialog(const LOGFONTA& log, INT point_size_tenths,
                                          COLORREF color) {
  ports::ClockFontState font;
  font.face = std::string(log.lfFaceName, strnlen(log.lfFaceName, sizeof(log.lfFaceName)));
  font.height = std::abs(log.lfHeight);
  font.point_size = point_size_tenths / 10;
  font.bold = log.lfWeight >= FW_BOLD;
  font.italic = log.lfItalic != 0;
  font.underline = log.lfUnderline != 0;
  font.strike_out = log.lfStrikeOut != 0;
  font.char_set = log.lfCharSet;
  font.color = ports::Color{GetRValue(color), GetGValue(color), GetBValue(color)};
  return font;
}

std::optional<ports::Color> Win32Dialogs::ChooseColor(ports::Color initial) {
  CHOOSECOLORA dialog{};
  dialog.lStructSize = sizeof(dialog);
  dialog.hwndOwner = owner_;
  dialog.rgbResult = RGB(initial.red, initial.green, initial.blue);
  dialog.lpCustColors = custom_colors_.data();
  // CC_RGBINIT opens the dialog at the colour in use.
  dialog.Flags = CC_FULLOPEN | CC_SOLIDCOLOR | CC_ANYCOLOR | CC_RGBINIT;
  if (!::ChooseColorA(&dialog)) return std::nullopt;
  const COLORREF c = dialog.rgbResult;
  return ports::Color{GetRValue(c), GetGValue(c), GetBValue(c)};
}

std::optional<ports::ClockFontState> Win32Dialogs::ChooseFont(
    const ports::ClockFontState& current) {
  LOGFONTA log = ClockFontToLogFont(current);
  WindowDc window_dc(owner_);
  CHOOSEFONTA dialog{};
  dialog.lStructSize = sizeof(dialog);
  dialog.hwndOwner = owner_;
  dialog.hDC = window_dc.get();
  dialog.lpLogFont = &log;
  dialog.iPointSize = current.point_size * 10;
  dialog.Flags = kFontDialogFlags;
  dialog.rgbColors = RGB(current.color.red, current.color.green, current.color.blue);
  if (!::ChooseFontA(&dialog)) return std::nullopt;
  return ClockFontFromDialog(log, dialog.iPointSize, dialog.rgbColors);
}

std::optional<std::string> Win32Dialogs::ChooseZone(const std::vector<ports::ChoiceRow>& rows,
                                                    const std::string& current) {
  return ChooseZoneDialog(owner_, rows, current);
}

std::optional<std::string> Win32Dialogs::EditLabel(const std::string& initial) {
  return EditLabelDialog(owner_, initial);
}

}  // namespace sorvane::win32
