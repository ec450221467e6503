#pragma once
// The clock window: no frame, above other windows, no taskbar entry, cut to the clock's
// outline by its mask (X SHAPE), so only the clock itself shows and takes the mouse.
#include <QColor>
#include <QPoint>
#include <QTimer>
#include <QWidget>
#include <optional>

#include "app/ports/clock_window_events.h"
#include "app/ports/services.h"
#include "shells/qt/wall_clock_timer.h"

namespace sorvane::qt {

class QtClockWindow final : public QWidget, public ports::ClockWindow {
 public:
  QtClockWindow();

  // Where events go; nothing is forwarded while unset.
  void SetEvents(ports::ClockWindowEvents* events) { events_ = events; }

  Rect Bounds() const override;
  void SetWidth(int32_t width) override;
  void SetHeight(int32_t height) override;
  void SetLeft(int32_t left) override;
  void SetTop(int32_t top) override;
  void SetColor(int32_t color) override;
  void SetRegion(const Region& region) override;
  void SetOpacity(int32_t percent) override;
  // Qt lays the window out in device-independent pixels and scales them itself.
  int32_t Dpi() const override { return 96; }
  void Repaint() override;
  void ScheduleTick(int32_t milliseconds) override;
  void Close() override;
  bool AnotherCopyRunning() override;

 protected:
  void paintEvent(QPaintEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;
  void closeEvent(QCloseEvent* event) override;

 private:
  void WatchSystemMove();
  void DragEnded();

  WallClockTimer timer_;  // single shot, armed by ScheduleTick
  ports::ClockWindowEvents* events_ = nullptr;
  int32_t color_;
  // While the window is moved by hand: the cursor's offset from the window's corner.
  std::optional<QPoint> grab_offset_;
  // While the window manager moves the window: looks for the button's release.
  QTimer system_move_watch_;
};

}  // namespace sorvane::qt
