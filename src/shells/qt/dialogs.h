#pragma once
// The dialogs: colour and font are Qt's own, the zone chooser and the label box ours.
#include <QFont>
#include <QWidget>

#include "app/ports/services.h"

namespace sorvane::qt {

// The clock font as the font dialog shows it, and the dialog's answer back.
QFont ToQFont(const ports::ClockFontState& font);
ports::ClockFontState FromQFont(const QFont& font, const ports::ClockFontState& before);

class QtDialogs final : public ports::Dialogs {
 public:
  void SetOwner(QWidget* owner) { owner_ = owner; }
  std::optional<ports::Color> ChooseColor(ports::Color initial) override;
  std::optional<ports::ClockFontState> ChooseFont(const ports::ClockFontState& current) override;
  std::optional<std::string> ChooseZone(const std::vector<ports::ChoiceRow>& rows,
                                        const std::string& current) override;
  std::optional<std::string> EditLabel(const std::string& initial) override;

 private:
  QWidget* owner_ = nullptr;
};

}  // namespace sorvane::qt
