#pragma once
// A dialog's layout made in memory, in the form DialogBoxIndirectParam reads, so that the
// shell's own small dialogs need no entries in the resource script. Sizes in dialog units.
#include <vector>

#include "shells/win32/windows_api.h"

namespace sorvane::win32 {

// The predefined classes a template names by number.
inline constexpr WORD kButtonClass = 0x0080;
inline constexpr WORD kEditClass = 0x0081;
inline constexpr WORD kListBoxClass = 0x0083;

struct DialogControl {
  WORD id = 0;
  WORD window_class = kButtonClass;
  DWORD style = 0;  // WS_CHILD | WS_VISIBLE are added
  short x = 0, y = 0, width = 0, height = 0;
  const wchar_t* text = L"";
};

class DialogTemplate {
 public:
  // A modal dialog with a caption, in the system's dialog font.
  DialogTemplate(const wchar_t* title, short width, short height);
  void Add(const DialogControl& control);
  const DLGTEMPLATE* get() const { return reinterpret_cast<const DLGTEMPLATE*>(words_.data()); }

 private:
  void PushDword(DWORD value);
  void PushString(const wchar_t* text);
  void AlignToDword();

  // WORDs, so that the DWORD fields fall where the system reads them: the buffer starts on a
  // DWORD boundary and each control is padded to one.
  std::vector<WORD> words_;
};

}  // namespace sorvane::win32
