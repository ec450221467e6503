#include "shells/qt/dialogs.h"

#include <QColorDialog>
#include <QFontDialog>
#include <QString>
#include <algorithm>

#include "shells/qt/label_dialog.h"
#include "shells/qt/qt_canvas.h"
#include "shells/qt/zone_dialog.h"

namespace sorvane::qt {

QFont ToQFont(const ports::ClockFontState& font) {
  QFont qfont(QString::fromStdString(font.face));
  qfont.setPointSize(std::max(font.point_size, 1));
  qfont.setBold(font.bold);
  qfont.setItalic(font.italic);
  qfont.setUnderline(font.underline);
  qfont.setStrikeOut(font.strike_out);
  return qfont;
}

// The character set and the colour are not the dialog's to choose here: they stay.
ports::ClockFontState FromQFont(const QFont& font, const ports::ClockFontState& before) {
  ports::ClockFontState chosen = before;
  chosen.face = font.family().toStdString();
  chosen.point_size = std::max(font.pointSize(), 1);
  // At 96 dots per inch, as the clock's sizes are.
  chosen.height = std::max(1, (chosen.point_size * 96 + 36) / 72);
  chosen.bold = font.bold();
  chosen.italic = font.italic();
  chosen.underline = font.underline();
  chosen.strike_out = font.strikeOut();
  return chosen;
}

std::optional<ports::Color> QtDialogs::ChooseColor(ports::Color initial) {
  const QColor chosen =
      QColorDialog::getColor(QColor(initial.red, initial.green, initial.blue), owner_);
  if (!chosen.isValid()) return std::nullopt;  // Cancel
  const QColor rgb = chosen.toRgb();
  return ports::Color{static_cast<uint8_t>(rgb.red()), static_cast<uint8_t>(rgb.green()),
                      static_cast<uint8_t>(rgb.blue())};
}

// Scalable fonts only, as the clock draws their outlines.
std::optional<ports::ClockFontState> QtDialogs::ChooseFont(const ports::ClockFontState& current) {
  bool chosen = false;
  const QFont font = QFontDialog::getFont(&chosen, ToQFont(current), owner_, QString(),
                                          QFontDialog::ScalableFonts);
  if (!chosen) return std::nullopt;
  return FromQFont(font, current);
}

std::optional<std::string> QtDialogs::ChooseZone(const std::vector<ports::ChoiceRow>& rows,
                                                 const std::string& current) {
  return ChooseZoneIn(rows, current, owner_);
}

std::optional<std::string> QtDialogs::EditLabel(const std::string& initial) {
  return EditLabelIn(initial, owner_);
}

}  // namespace sorvane::qt
