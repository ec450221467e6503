#pragma once
// The clock's popup menu, built afresh from the menu model each time it opens so that its
// check marks and enabled states are those of the moment, and shown modally at a point.
#include <functional>

#include "app/ports/menu_model.h"
#include "app/ports/services.h"
#include "shells/win32/menu_owner_window.h"
#include "shells/win32/windows_api.h"

namespace sorvane::win32 {

class PopupMenuView final : public ports::MenuView {
 public:
  using CommandHandler = std::function<void(UINT)>;
  using ModelSource = std::function<const MenuModel*()>;

  explicit PopupMenuView(HINSTANCE instance) : owner_(instance) {}

  void SetModelSource(ModelSource source) { model_ = std::move(source); }
  void SetCommandHandler(CommandHandler handler) { on_command_ = std::move(handler); }
  MenuOwnerWindow& owner() { return owner_; }

  // Shows the menu modally; the chosen item's id goes to the command handler.
  void PopupAt(int32_t screen_x, int32_t screen_y) override;
  void PopupAtPointer() override;

 private:
  MenuOwnerWindow owner_;
  ModelSource model_;
  CommandHandler on_command_;
};

}  // namespace sorvane::win32
