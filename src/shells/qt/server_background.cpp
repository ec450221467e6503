#include "shells/qt/server_background.h"

#include "shells/qt/x_connection.h"

// Xlib's macros (None, Bool, Status, ...) would clash with Qt's names: included last.
#include <X11/Xlib.h>

namespace sorvane::qt {

ServerBackground::~ServerBackground() {
  Display* display = XDisplay();
  if (display != nullptr && gc_ != nullptr) XFreeGC(display, static_cast<GC>(gc_));
}

bool ServerBackground::Known() {
  Display* display = XDisplay();
  if (display == nullptr) return false;
  const unsigned long id = window_.winId();
  if (id == window_id_) return true;
  XWindowAttributes attributes;
  if (XGetWindowAttributes(display, id, &attributes) == 0) return false;
  if (gc_ != nullptr) XFreeGC(display, static_cast<GC>(gc_));
  gc_ = XCreateGC(display, id, 0, nullptr);
  window_id_ = id;
  depth_ = attributes.depth;
  event_mask_ = attributes.your_event_mask;
  exposures_ = (event_mask_ & ExposureMask) != 0;
  return true;
}

void ServerBackground::SelectExposures(bool on) {
  if (on == exposures_) return;
  exposures_ = on;
  XSelectInput(XDisplay(), window_id_, on ? event_mask_ | ExposureMask
                                          : event_mask_ & ~ExposureMask);
}

// The picture goes up once into a pixmap the window keeps; the pixmap's own name is
// released at once, the server frees it when the window takes another.
void ServerBackground::Set(const QImage& picture) {
  if (!Known() || picture.isNull()) return;
  Display* display = XDisplay();
  const QImage pixels = picture.convertToFormat(QImage::Format_ARGB32_Premultiplied);
  XImage image{};
  image.width = pixels.width();
  image.height = pixels.height();
  image.format = ZPixmap;
  image.data = const_cast<char*>(reinterpret_cast<const char*>(pixels.constBits()));
  image.byte_order = LSBFirst;  // QImage's 32-bit pixels in a little-endian client's order
  image.bitmap_unit = 32;
  image.bitmap_bit_order = LSBFirst;
  image.bitmap_pad = 32;
  image.depth = depth_;
  image.bytes_per_line = static_cast<int>(pixels.bytesPerLine());
  image.bits_per_pixel = 32;
  if (XInitImage(&image) == 0) return;
  const Pixmap pixmap = XCreatePixmap(display, window_id_, static_cast<unsigned>(image.width),
                                      static_cast<unsigned>(image.height),
                                      static_cast<unsigned>(depth_));
  XPutImage(display, pixmap, static_cast<GC>(gc_), &image, 0, 0, 0, 0,
            static_cast<unsigned>(image.width), static_cast<unsigned>(image.height));
  XSetWindowBackgroundPixmap(display, window_id_, pixmap);
  XFreePixmap(display, pixmap);
  SelectExposures(false);
  XFlush(display);
}

void ServerBackground::Show(const QImage& picture) {
  Set(picture);
  if (window_id_ == 0) return;
  Display* display = XDisplay();
  XClearWindow(display, window_id_);
  XFlush(display);
}

void ServerBackground::Reexpose() {
  if (!Known()) return;
  Display* display = XDisplay();
  SelectExposures(true);
  XClearArea(display, window_id_, 0, 0, 0, 0, True);
  XFlush(display);
}

}  // namespace sorvane::qt
