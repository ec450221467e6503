#include "shells/win32/modal_dialog.h"

namespace sorvane::win32 {

namespace {

INT_PTR CALLBACK DialogProcedure(HWND dialog, UINT message, WPARAM wparam, LPARAM lparam) {
  if (message == WM_INITDIALOG) SetWindowLongPtrA(dialog, DWLP_USER, lparam);
  auto* handler = reinterpret_cast<DialogHandler*>(GetWindowLongPtrA(dialog, DWLP_USER));
  // A few messages (WM_SETFONT) come before WM_INITDIALOG, when no handler is bound yet.
  if (handler == nullptr) return FALSE;
  return handler->OnMessage(dialog, message, wparam, lparam);
}

}  // namespace

INT_PTR RunModalDialog(HWND owner, const DialogTemplate& layout, DialogHandler& handler) {
  return DialogBoxIndirectParamA(GetModuleHandleA(nullptr), layout.get(), owner, DialogProcedure,
                                 reinterpret_cast<LPARAM>(&handler));
}

}  // namespace sorvane::win32
