#include "shells/qt/pointer_buttons.h"

#include "shells/qt/x_connection.h"

// Xlib's macros (None, Bool, Status, ...) would clash with Qt's names: included last.
#include <X11/Xlib.h>

namespace sorvane::qt {

bool LeftButtonDown() {
  Display* display = XDisplay();
  if (display == nullptr) return false;
  Window root = 0, child = 0;
  int root_x = 0, root_y = 0, x = 0, y = 0;
  unsigned int mask = 0;
  XQueryPointer(display, DefaultRootWindow(display), &root, &child, &root_x, &root_y, &x, &y,
                &mask);
  return (mask & Button1Mask) != 0;
}

}  // namespace sorvane::qt
