#pragma once
// The clocks' popup menu: built afresh from a menu model each time it opens, so that its
// check marks and enabled states are those of the moment. Opened by a right click on a
// clock (modal, at the mouse) and as the tray icon's context menu, which is the program's
// tray menu.
#include <QMenu>

#include "app/ports/program_events.h"
#include "app/ports/shell.h"

namespace sorvane::qt {

class QtMenuView final : public ports::MenuView {
 public:
  QtMenuView();

  // Where the tray menu comes from and its chosen items go; none: the tray menu is empty.
  void SetTraySource(ports::ProgramEvents* program) { program_ = program; }

  int32_t PopupAt(const MenuModel& menu, Point screen) override;
  int32_t PopupAtPointer(const MenuModel& menu) override;
  // The tray icon's menu: filled from the program whenever it is about to show.
  QMenu& TrayMenu() { return tray_menu_; }

 private:
  ports::ProgramEvents* program_ = nullptr;
  QMenu tray_menu_;
};

}  // namespace sorvane::qt
