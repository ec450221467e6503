#include "shells/win32/label_dialog.h"

#include "shells/win32/modal_dialog.h"

namespace sorvane::win32 {

namespace {

constexpr WORD kTextId = 100;

DialogTemplate LabelDialogLayout() {
  DialogTemplate layout(L"Label", 180, 48);
  layout.Add({kTextId, kEditClass, WS_BORDER | WS_TABSTOP | ES_AUTOHSCROLL, 7, 7, 166, 14});
  layout.Add({IDOK, kButtonClass, WS_TABSTOP | BS_DEFPUSHBUTTON, 69, 27, 50, 14, L"OK"});
  layout.Add({IDCANCEL, kButtonClass, WS_TABSTOP | BS_PUSHBUTTON, 123, 27, 50, 14, L"Cancel"});
  return layout;
}

std::string TextOf(HWND control) {
  std::string text(static_cast<size_t>(GetWindowTextLengthA(control)) + 1, '\0');
  text.resize(
      static_cast<size_t>(GetWindowTextA(control, text.data(), static_cast<int>(text.size()))));
  return text;
}

class LabelDialog final : public DialogHandler {
 public:
  explicit LabelDialog(const std::string& initial) : initial_(initial) {}

  std::optional<std::string> text() const { return text_; }

  INT_PTR OnMessage(HWND dialog, UINT message, WPARAM wparam, LPARAM) override {
    if (message == WM_INITDIALOG) return Start(dialog);
    if (message != WM_COMMAND) return FALSE;
    if (LOWORD(wparam) == IDOK) text_ = TextOf(GetDlgItem(dialog, kTextId));
    if (LOWORD(wparam) == IDOK || LOWORD(wparam) == IDCANCEL) EndDialog(dialog, LOWORD(wparam));
    return TRUE;
  }

 private:
  INT_PTR Start(HWND dialog) {
    const HWND edit = GetDlgItem(dialog, kTextId);
    SetWindowTextA(edit, initial_.c_str());
    SendMessageA(edit, EM_SETSEL, 0, -1);
    SetFocus(edit);
    return FALSE;  // the focus is set
  }

  const std::string& initial_;
  std::optional<std::string> text_;
};

}  // namespace

std::optional<std::string> EditLabelDialog(HWND owner, const std::string& initial) {
  LabelDialog dialog(initial);
  if (RunModalDialog(owner, LabelDialogLayout(), dialog) != IDOK) return std::nullopt;
  return dialog.text();
}

}  // namespace sorvane::win32
