#pragma once
// Help and web links: HTML Help, loaded only when first asked for, and the default browser.
#include "shells/win32/windows_api.h"

#include "app/ports/services.h"

namespace sorvane::win32 {

class Win32Shell final : public ports::Shell {
 public:
  Win32Shell(const Win32Shell&) = delete;
  Win32Shell& operator=(const Win32Shell&) = delete;
  ~Win32Shell() override;

  // The help file, snk.chm, is in `help_folder`.
  explicit Win32Shell(std::string help_folder) : help_folder_(std::move(help_folder)) {}
  void SetOwner(HWND owner) { owner_ = owner; }
  void OpenHelp(const ports::HelpTopic& topic) override;
  void OpenUrl(const std::string& address) override;

 private:
  std::string help_folder_;
  HWND owner_ = nullptr;
  HMODULE html_help_ = nullptr;  // hhctrl.ocx, kept while help windows may be open
};

}  // namespace sorvane::win32
