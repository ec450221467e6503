#pragma once
// The time-zone chooser: a filter box over a list of rows, OK and Cancel.
#include <optional>
#include <string>
#include <vector>

#include "app/ports/dialogs.h"
#include "shells/win32/windows_api.h"

namespace sorvane::win32 {

// Modal over `owner`; the rows shown in the order given, the row whose key is `current`
// selected, keyboard focus in the filter box (Up, Down, Page Up and Page Down there move
// the list's selection). The chosen row's key, or nothing on Cancel.
std::optional<std::string> ChooseZoneDialog(HWND owner, const std::vector<ports::ChoiceRow>& rows,
                                            const std::string& current);

}  // namespace sorvane::win32
