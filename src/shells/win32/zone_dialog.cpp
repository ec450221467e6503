#include "shells/win32/zone_dialog.h"

#include <algorithm>

#include "shells/win32/modal_dialog.h"
#include "shells/win32/row_filter.h"

namespace sorvane::win32 {

namespace {

constexpr WORD kFilterId = 100;
constexpr WORD kListId = 101;

DialogTemplate ZoneDialogLayout() {
  DialogTemplate layout(L"Time Zone", 220, 214);
  layout.Add({kFilterId, kEditClass, WS_BORDER | WS_TABSTOP | ES_AUTOHSCROLL, 7, 7, 206, 14});
  layout.Add({kListId, kListBoxClass,
              WS_BORDER | WS_TABSTOP | WS_VSCROLL | LBS_NOTIFY | LBS_NOINTEGRALHEIGHT, 7, 25, 206,
              162});
  layout.Add({IDOK, kButtonClass, WS_TABSTOP | BS_DEFPUSHBUTTON, 109, 193, 50, 14, L"OK"});
  layout.Add({IDCANCEL, kButtonClass, WS_TABSTOP | BS_PUSHBUTTON, 163, 193, 50, 14, L"Cancel"});
  return layout;
}

bool MovesTheList(WPARAM key) {
  return key == VK_UP || key == VK_DOWN || key == VK_PRIOR || key == VK_NEXT;
}

// The filter box hands the keys that move through a list to the list; the edit control's
// own procedure, kept in its user data, gets everything else.
LRESULT CALLBACK FilterBoxProcedure(HWND edit, UINT message, WPARAM wparam, LPARAM lparam) {
  const auto edit_procedure = reinterpret_cast<WNDPROC>(GetWindowLongPtrA(edit, GWLP_USERDATA));
  if (message == WM_KEYDOWN && MovesTheList(wparam)) {
    return SendDlgItemMessageA(GetParent(edit), kListId, message, wparam, lparam);
  }
  return CallWindowProcA(edit_procedure, edit, message, wparam, lparam);
}

class ZoneDialog final : public DialogHandler {
 public:
  ZoneDialog(const std::vector<ports::ChoiceRow>& rows, const std::string& current)
      : rows_(rows), selected_key_(current) {}

  std::optional<std::string> chosen() const { return chosen_; }

  INT_PTR OnMessage(HWND dialog, UINT message, WPARAM wparam, LPARAM) override {
    if (message == WM_INITDIALOG) return Start(dialog);
    if (message != WM_COMMAND) return FALSE;
    const WORD id = LOWORD(wparam);
    const WORD code = HIWORD(wparam);
    if (id == kFilterId && code == EN_CHANGE) Filter(dialog);
    if (id == kListId && code == LBN_SELCHANGE) RememberSelection(dialog);
    if (id == IDOK || (id == kListId && code == LBN_DBLCLK)) ChooseSelected(dialog);
    if (id == IDCANCEL) EndDialog(dialog, IDCANCEL);
    return TRUE;
  }

 private:
  INT_PTR Start(HWND dialog) {
    const HWND filter = GetDlgItem(dialog, kFilterId);
    SetWindowLongPtrA(filter, GWLP_USERDATA, GetWindowLongPtrA(filter, GWLP_WNDPROC));
    SetWindowLongPtrA(filter, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&FilterBoxProcedure));
    Filter(dialog);
    SetFocus(filter);
    return FALSE;  // the focus is set
  }

  // Shows the rows that hold the filter's text; the selected row stays selected while it is
  // shown, otherwise the first row shown is.
  void Filter(HWND dialog) {
    char text[256] = {};
    GetDlgItemTextA(dialog, kFilterId, text, sizeof(text));
    shown_ = RowsHolding(rows_, text);
    const HWND list = GetDlgItem(dialog, kListId);
    SendMessageA(list, WM_SETREDRAW, FALSE, 0);
    SendMessageA(list, LB_RESETCONTENT, 0, 0);
    for (const size_t row : shown_) {
      SendMessageA(list, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(rows_[row].caption.c_str()));
    }
    const auto selected = std::find_if(shown_.begin(), shown_.end(),
                                       [&](size_t row) { return rows_[row].key == selected_key_; });
    const auto position = selected != shown_.end() ? selected - shown_.begin() : 0;
    SendMessageA(list, LB_SETCURSEL, static_cast<WPARAM>(position), 0);
    SendMessageA(list, WM_SETREDRAW, TRUE, 0);
    InvalidateRect(list, nullptr, TRUE);
    RememberSelection(dialog);
  }

  // The selected row, or nothing when no row is shown.
  std::optional<size_t> SelectedRow(HWND dialog) const {
    const auto position = SendDlgItemMessageA(dialog, kListId, LB_GETCURSEL, 0, 0);
    if (position < 0 || static_cast<size_t>(position) >= shown_.size()) return std::nullopt;
    return shown_[static_cast<size_t>(position)];
  }

  void RememberSelection(HWND dialog) {
    if (const auto row = SelectedRow(dialog)) selected_key_ = rows_[*row].key;
  }

  // With no row shown there is nothing to choose, and the dialog stays open.
  void ChooseSelected(HWND dialog) {
    const auto row = SelectedRow(dialog);
    if (!row) return;
    chosen_ = rows_[*row].key;
    EndDialog(dialog, IDOK);
  }

  const std::vector<ports::ChoiceRow>& rows_;
  std::vector<size_t> shown_;  // the rows the list shows, by position in rows_
  std::string selected_key_;
  std::optional<std::string> chosen_;
};

}  // namespace

std::optional<std::string> ChooseZoneDialog(HWND owner, const std::vector<ports::ChoiceRow>& rows,
                                            const std::string& current) {
  ZoneDialog dialog(rows, current);
  if (RunModalDialog(owner, ZoneDialogLayout(), dialog) != IDOK) return std::nullopt;
  return dialog.chosen();
}

}  // namespace sorvane::win32
