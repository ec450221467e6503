#pragma once
// The clock's icon in the notification area: a still 16 x 16 icon without a tooltip, from
// start-up to the end. Releasing the right button over it opens the popup menu at the mouse;
// a left click or a double click does nothing. When a new taskbar comes up (Explorer
// restarted) the icon is added again, or a hidden clock could no longer be reached.
#include "app/ports/program_events.h"
#include "shells/win32/popup_menu_view.h"
#include "shells/win32/windows_api.h"

namespace sorvane::win32 {

class TrayIcon {
 public:
  // The menu is the program's tray menu (ProgramEvents::TrayMenu), shown by `menu`.
  TrayIcon(HINSTANCE instance, PopupMenuView& menu, ports::ProgramEvents& program);
  TrayIcon(const TrayIcon&) = delete;
  TrayIcon& operator=(const TrayIcon&) = delete;
  ~TrayIcon();

  // Whether the taskbar took the icon (there may be no taskbar at all).
  bool Add();
  void Remove();
  bool Shown() const { return shown_; }

 private:
  NOTIFYICONDATAA Data() const;

  void OpenMenu();

  PopupMenuView& menu_;
  ports::ProgramEvents& program_;
  HICON icon_ = nullptr;
  bool shown_ = false;
};

}  // namespace sorvane::win32
