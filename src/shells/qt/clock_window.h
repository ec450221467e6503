#pragma once
// The clock window: no frame, above other windows, no taskbar entry, cut to the clock's
// outline by its X bounding shape, so only the clock itself shows and takes the mouse. It is
// made with an alpha channel: where a compositing manager blends windows it can show an
// image with smooth edges instead, unshaped, the mouse reaching only its covered pixels.
#include <QColor>
#include <QImage>
#include <QPoint>
#include <QTimer>
#include <QWidget>
#include <functional>
#include <optional>

#include "app/ports/clock_window_events.h"
#include "app/ports/clock_window.h"
#include "shells/qt/server_background.h"

namespace sorvane::qt {

class QtClockWindow final : public QWidget, public ports::ClockWindow {
 public:
  // A hidden window whose events go to `events` (none: nothing is forwarded).
  explicit QtClockWindow(ports::ClockWindowEvents* events = nullptr);

  void SetEvents(ports::ClockWindowEvents* events) { events_ = events; }
  // Told of a right-button press before the clock hears of it.
  void SetPressHandler(std::function<void(QWidget*)> handler) { on_press_ = std::move(handler); }

  Rect Bounds() const override;
  void SetBounds(const Rect& bounds) override;
  void Show() override { show(); }
  void SetColor(ports::Color color) override;
  void SetRegion(const Region& region) override;
  // Asked only while a compositing manager runs.
  void ShowImage(const ports::LayeredImage& image) override;
  void SetOpacity(int32_t percent) override;
  // Qt lays the window out in device-independent pixels and scales them itself.
  int32_t Dpi() const override { return 96; }
  void Repaint() override;

 protected:
  void paintEvent(QPaintEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;
  void closeEvent(QCloseEvent* event) override;
  bool nativeEvent(const QByteArray& type, void* message, qintptr* result) override;

 private:
  // The window's picture in device pixels: the background colour, then what the clock paints.
  QImage Picture();
  // An image of the window's size in device-independent pixels, in the screen's own.
  QImage InDevicePixels(const QImage& image) const;
  void WatchSystemMove();
  void DragEnded();

  ports::ClockWindowEvents* events_ = nullptr;
  std::function<void(QWidget*)> on_press_;
  QColor color_;
  // While smooth edges are on: the image shown, premultiplied.
  bool shows_image_ = false;
  QImage image_;
  // The picture the server fills uncovered pixels with, or the smooth image it shows.
  ServerBackground background_{*this};
  // While the window is moved by hand: the cursor's offset from the window's corner.
  std::optional<QPoint> grab_offset_;
  // While the window manager moves the window: looks for the button's release.
  QTimer system_move_watch_;
};

}  // namespace sorvane::qt
