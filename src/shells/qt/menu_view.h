#pragma once
// The clock's popup menu: built afresh from the menu model each time it opens, so its
// check marks and enabled states are those of the moment. Opened by a right click on the
// clock (modal, at the mouse) and as the tray icon's context menu.
#include <QMenu>
#include <functional>

#include "app/ports/menu_model.h"
#include "app/ports/services.h"

namespace sorvane::qt {

class QtMenuView final : public ports::MenuView {
 public:
  using CommandHandler = std::function<void(int32_t)>;
  using ModelSource = std::function<const MenuModel*()>;

  QtMenuView();

  void SetModelSource(ModelSource source) { model_ = std::move(source); }
  void SetCommandHandler(CommandHandler handler) { on_command_ = std::move(handler); }

  // Shows the menu at a screen point until an item is chosen or it is dismissed; the
  // chosen item's id goes to the command handler.
  void PopupAt(int32_t screen_x, int32_t screen_y) override;
  void PopupAtPointer() override;
  // The tray icon's menu: filled from the model whenever it is about to show.
  QMenu& TrayMenu() { return tray_menu_; }

 private:
  void Fill(QMenu& menu) const;
  void Run(const QAction* chosen) const;

  ModelSource model_;
  CommandHandler on_command_;
  QMenu tray_menu_;
};

}  // namespace sorvane::qt
