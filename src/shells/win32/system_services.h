#pragma once
// The small system services: screen and the error box.
#include "shells/win32/windows_api.h"

#include "app/ports/services.h"

namespace sorvane::win32 {

class Win32Screen final : public ports::Screen {
 public:
  Size PrimarySize() const override;
  std::vector<Rect> Monitors() const override;
  Rect PrimaryWorkArea() const override;
};

// The framework's error box: the error's text, the application title, a stop sign.
class MessageBoxErrors final : public ports::ErrorReporter {
 public:
  void SetOwner(HWND owner) { owner_ = owner; }
  void ShowError(const std::string& text) override;

 private:
  HWND owner_ = nullptr;
};

}  // namespace sorvane::win32
