#pragma once
// The label box: one line of text, OK and Cancel.
#include <optional>
#include <string>

#include "shells/win32/windows_api.h"

namespace sorvane::win32 {

// Modal over `owner`, opened with `initial` all selected, so that typing replaces it. The
// text on OK, nothing on Cancel.
std::optional<std::string> EditLabelDialog(HWND owner, const std::string& initial);

}  // namespace sorvane::win32
