#pragma once
// The small system services: screens and the error box.
#include <QWidget>

#include "app/ports/services.h"

namespace sorvane::qt {

class QtScreen final : public ports::Screen {
 public:
  Size PrimarySize() const override;
  std::vector<Rect> Monitors() const override;
  Rect PrimaryWorkArea() const override;
};

// The error box: the error's text, the program's name as title, a stop sign.
class MessageBoxErrors final : public ports::ErrorReporter {
 public:
  void SetOwner(QWidget* owner) { owner_ = owner; }
  void ShowError(const std::string& text) override;

 private:
  QWidget* owner_ = nullptr;
};

}  // namespace sorvane::qt
