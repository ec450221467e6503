#include "shells/qt/x_connection.h"

#include <QGuiApplication>

namespace sorvane::qt {

Display* XDisplay() {
  const auto* x11 = qGuiApp != nullptr
                        ? qGuiApp->nativeInterface<QNativeInterface::QX11Application>()
                        : nullptr;
  return x11 != nullptr ? x11->display() : nullptr;
}

}  // namespace sorvane::qt
