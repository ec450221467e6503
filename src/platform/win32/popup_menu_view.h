#pragma once
// The clock's popup menu, opened at the mouse. This first version of the view carries only
// the "Close" item; the items for faces, sizes, colours, skins and help join it with the
// menu model.
#include "platform/win32/windows_api.h"

#include <functional>

#include "platform/platform.h"

namespace sorvane::win32 {

// Command identifiers of the menu items, as WM_COMMAND carries them.
inline constexpr UINT kCloseCommand = 100;

// A new popup menu with the items of this view; the caller destroys it.
HMENU BuildPopupMenu();

class PopupMenuView final : public platform::MenuView {
 public:
  using CommandHandler = std::function<void(UINT)>;

  explicit PopupMenuView(HWND owner) : owner_(owner) {}
  void SetOwner(HWND owner) { owner_ = owner; }
  void SetCommandHandler(CommandHandler handler) { on_command_ = std::move(handler); }

  // Shows the menu modally; the chosen item's command goes to the handler.
  void PopupAt(int32_t screen_x, int32_t screen_y) override;

 private:
  HWND owner_;
  CommandHandler on_command_;
};

}  // namespace sorvane::win32
