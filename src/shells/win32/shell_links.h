#pragma once
// Help and web links: HTML Help, loaded only when first asked for, and the default browser.
#include "shells/win32/windows_api.h"

#include "app/ports/services.h"

namespace sorvane::win32 {

class Win32Shell final : public ports::Shell {
 public:
  Win32Shell() = default;
  Win32Shell(const Win32Shell&) = delete;
  Win32Shell& operator=(const Win32Shell&) = delete;
  ~Win32Shell() override;

  void SetOwner(HWND owner) { owner_ = owner; }
  void OpenHelp(const std::string& topic_path) override;
  void OpenUrl(const std::string& address) override;

 private:
  HWND owner_ = nullptr;
  HMODULE html_help_ = nullptr;  // hhctrl.ocx, kept while help windows may be open
};

}  // namespace sorvane::win32
