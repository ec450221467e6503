#pragma once
// The single-instance rule: a running copy shows itself by its hidden application window,
// an unowned top-level window carrying the application title.
#include "platform/win32/windows_api.h"

namespace sorvane::win32 {

// Walks the top-level windows in Z order from `any_top_level`'s first sibling and tells
// whether one that is not `own_app_window` and has no owner is titled exactly `title`
// (case counts; titles longer than 127 characters are compared by their first 127).
bool UnownedWindowTitled(HWND any_top_level, HWND own_app_window, const char* title);

}  // namespace sorvane::win32
