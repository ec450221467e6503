#pragma once
// The X server connection Qt's X11 platform opened, for what Qt does not do itself. Null
// (and a flush that does nothing) on any other platform.
using Display = struct _XDisplay;

namespace sorvane::qt {

Display* XDisplay();

// Sends what is queued for the server now. Qt sends its own requests when it next waits
// for events with work of its own pending; a window's new shape, asked for from a timer,
// would otherwise wait in the queue until the queue fills, seconds later.
void FlushX();

}  // namespace sorvane::qt
