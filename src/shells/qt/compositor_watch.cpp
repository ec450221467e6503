#include "shells/qt/compositor_watch.h"

#include <QCoreApplication>
#include <cstdint>
#include <string>

#include "shells/qt/x_connection.h"

// Xlib's macros (None, Bool, Status, ...) would clash with Qt's names: included last.
#include <X11/Xlib.h>
#include <X11/extensions/Xfixes.h>

namespace sorvane::qt {

CompositorWatch::CompositorWatch(std::function<void()> changed) : changed_(std::move(changed)) {
  Display* display = XDisplay();
  int error_base = 0;
  if (display == nullptr || !XFixesQueryExtension(display, &xfixes_events_, &error_base)) return;
  // The server answers XFixes requests only from a client that has told its version.
  int major = 0, minor = 0;
  if (!XFixesQueryVersion(display, &major, &minor) || major < 1) return;
  const std::string name = "_NET_WM_CM_S" + std::to_string(DefaultScreen(display));
  selection_ = XInternAtom(display, name.c_str(), False);
  XFixesSelectSelectionInput(display, DefaultRootWindow(display), selection_,
                             XFixesSetSelectionOwnerNotifyMask |
                                 XFixesSelectionWindowDestroyNotifyMask |
                                 XFixesSelectionClientCloseNotifyMask);
  XFlush(display);
  running_ = AskServer();
  QCoreApplication::instance()->installNativeEventFilter(this);
}

CompositorWatch::~CompositorWatch() {
  if (selection_ != 0) QCoreApplication::instance()->removeNativeEventFilter(this);
}

bool CompositorWatch::AskServer() const {
  Display* display = XDisplay();
  return display != nullptr && selection_ != 0 &&
         XGetSelectionOwner(display, selection_) != 0;  // 0 is None
}

// The XFixes selection event as it comes over the wire (the X protocol fixes it).
struct SelectionOwnerEvent {
  uint8_t response_type;
  uint8_t subtype;
  uint16_t sequence;
  uint32_t window;
  uint32_t owner;
  uint32_t selection;
  uint32_t timestamp;
  uint32_t selection_timestamp;
};

// Qt's clipboard watches other selections the same way: only ours is looked at, and its
// owner asked of the server, which is one round trip when a compositor comes or goes.
bool CompositorWatch::nativeEventFilter(const QByteArray& type, void* message, qintptr*) {
  if (type != "xcb_generic_event_t" || selection_ == 0) return false;
  const auto* event = static_cast<const SelectionOwnerEvent*>(message);
  if ((event->response_type & 0x7f) != xfixes_events_ + XFixesSelectionNotify ||
      event->selection != selection_) {
    return false;
  }
  const bool running = AskServer();
  if (running != running_) {
    running_ = running;
    changed_();
  }
  return false;
}

}  // namespace sorvane::qt
