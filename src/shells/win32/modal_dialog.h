#pragma once
// A modal dialog of the standard dialog class, made from a template in memory, whose
// messages go to an object.
#include "shells/win32/dialog_template.h"
#include "shells/win32/windows_api.h"

namespace sorvane::win32 {

class DialogHandler {
 public:
  // A dialog procedure's answer: TRUE for a message handled. WM_INITDIALOG comes first.
  virtual INT_PTR OnMessage(HWND dialog, UINT message, WPARAM wparam, LPARAM lparam) = 0;

 protected:
  ~DialogHandler() = default;
};

// Shows the dialog over `owner` (disabled meanwhile) until EndDialog; returns what EndDialog
// was given, or -1 when the dialog could not be made.
INT_PTR RunModalDialog(HWND owner, const DialogTemplate& layout, DialogHandler& handler);

}  // namespace sorvane::win32
