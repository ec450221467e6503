#include "shells/qt/pointer_buttons.h"

#include <QGuiApplication>

// Xlib's macros (None, Bool, Status, ...) would clash with Qt's names: included last.
#include <X11/Xlib.h>

namespace sorvane::qt {

bool LeftButtonDown() {
  const auto* x11 = qGuiApp->nativeInterface<QNativeInterface::QX11Application>();
  Display* display = x11 != nullptr ? x11->display() : nullptr;
  if (display == nullptr) return false;
  Window root = 0, child = 0;
  int root_x = 0, root_y = 0, x = 0, y = 0;
  unsigned int mask = 0;
  XQueryPointer(display, DefaultRootWindow(display), &root, &child, &root_x, &root_y, &x, &y,
                &mask);
  return (mask & Button1Mask) != 0;
}

}  // namespace sorvane::qt
