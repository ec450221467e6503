#pragma once
// The X server connection Qt's X11 platform opened, for what Qt does not do itself; null on
// any other platform.
using Display = struct _XDisplay;

namespace sorvane::qt {

Display* XDisplay();

}  // namespace sorvane::qt
