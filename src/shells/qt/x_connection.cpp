#include "shells/qt/x_connection.h"

#include <QGuiApplication>

#include <xcb/xcb.h>

namespace sorvane::qt {

namespace {

const QNativeInterface::QX11Application* X11() {
  return qGuiApp != nullptr ? qGuiApp->nativeInterface<QNativeInterface::QX11Application>()
                            : nullptr;
}

}  // namespace

Display* XDisplay() {
  const auto* x11 = X11();
  return x11 != nullptr ? x11->display() : nullptr;
}

void FlushX() {
  const auto* x11 = X11();
  if (x11 != nullptr && x11->connection() != nullptr) xcb_flush(x11->connection());
}

}  // namespace sorvane::qt
