#pragma once
// The colour and font dialogs, Qt's own.
#include <QFont>
#include <QWidget>

#include "platform/platform.h"

namespace sorvane::qt {

// The clock font as the font dialog shows it, and the dialog's answer back.
QFont ToQFont(const platform::ClockFontState& font);
platform::ClockFontState FromQFont(const QFont& font, const platform::ClockFontState& before);

class QtDialogs final : public platform::Dialogs {
 public:
  void SetOwner(QWidget* owner) { owner_ = owner; }
  std::optional<int32_t> ChooseColor(int32_t initial) override;
  std::optional<platform::ClockFontState> ChooseFont(
      const platform::ClockFontState& current) override;

 private:
  QWidget* owner_ = nullptr;
};

}  // namespace sorvane::qt
