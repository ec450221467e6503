#pragma once
// A window's picture kept on the X server as the window's background. A shaped clock's
// picture changes only when a command changes it, while its outline changes every second:
// with the picture on the server, the server fills the pixels a new outline uncovers itself,
// and the window need not hear of them. Without it every new outline is an exposure to
// read, hand to the painting thread and answer with pixels: a wake-up per window per tick.
// An image with smooth edges goes up the same way, and the server paints it.
#include <QImage>
#include <QWidget>

namespace sorvane::qt {

class ServerBackground {
 public:
  explicit ServerBackground(QWidget& window) : window_(window) {}
  ~ServerBackground();
  ServerBackground(const ServerBackground&) = delete;
  ServerBackground& operator=(const ServerBackground&) = delete;

  // Makes `picture` (the window's size in device pixels) the window's background, and stops
  // exposures: the server now paints what is uncovered.
  void Set(const QImage& picture);
  // Set, and the window painted from it now: for a picture Qt does not paint (an image
  // with smooth edges, new every tick).
  void Show(const QImage& picture);
  // A window mapped again was not exposed while exposures were off, and Qt paints only an
  // exposed window: exposures are reported again and the whole window exposed.
  void Reexpose();

 private:
  // The window's depth and the events Qt asked for, read from the server once per native
  // window; false without an X server.
  bool Known();
  void SelectExposures(bool on);

  QWidget& window_;
  unsigned long window_id_ = 0;
  int depth_ = 0;
  long event_mask_ = 0;
  void* gc_ = nullptr;  // the GC that uploads pictures for this window
  bool exposures_ = true;
};

}  // namespace sorvane::qt
