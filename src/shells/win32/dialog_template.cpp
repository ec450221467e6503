#include "shells/win32/dialog_template.h"

namespace sorvane::win32 {

namespace {

constexpr size_t kControlCountWord = 4;  // after the style and extended style DWORDs
// "MS Shell Dlg" at 8 points: the font the system's own dialogs use.
constexpr WORD kFontPoints = 8;
constexpr const wchar_t* kFontFace = L"MS Shell Dlg";

}  // namespace

DialogTemplate::DialogTemplate(const wchar_t* title, short width, short height) {
  PushDword(DS_MODALFRAME | DS_SETFONT | DS_CENTER | WS_POPUP | WS_CAPTION | WS_SYSMENU);
  PushDword(0);         // extended style
  words_.push_back(0);  // controls, counted as they are added
  for (const short value : {short{0}, short{0}, width, height}) {
    words_.push_back(static_cast<WORD>(value));
  }
  words_.push_back(0);  // no menu
  words_.push_back(0);  // the standard dialog class
  PushString(title);
  words_.push_back(kFontPoints);
  PushString(kFontFace);
}

void DialogTemplate::Add(const DialogControl& control) {
  AlignToDword();
  PushDword(WS_CHILD | WS_VISIBLE | control.style);
  PushDword(0);  // extended style
  for (const short value : {control.x, control.y, control.width, control.height}) {
    words_.push_back(static_cast<WORD>(value));
  }
  words_.push_back(control.id);
  words_.push_back(0xFFFF);  // the class by number
  words_.push_back(control.window_class);
  PushString(control.text);
  words_.push_back(0);  // no creation data
  ++words_[kControlCountWord];
}

void DialogTemplate::PushDword(DWORD value) {
  words_.push_back(LOWORD(value));
  words_.push_back(HIWORD(value));
}

void DialogTemplate::PushString(const wchar_t* text) {
  for (; *text != 0; ++text) words_.push_back(static_cast<WORD>(*text));
  words_.push_back(0);
}

void DialogTemplate::AlignToDword() {
  if (words_.size() % 2 != 0) words_.push_back(0);
}

}  // namespace sorvane::win32
