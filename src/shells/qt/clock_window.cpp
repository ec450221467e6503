#include "shells/qt/clock_window.h"

#include <QMouseEvent>
#include <QPainter>
#include <QWindow>

#include "shells/qt/app_title.h"
#include "shells/qt/pointer_buttons.h"
#include "shells/qt/qt_canvas.h"
#include "shells/qt/window_shape.h"

namespace sorvane::qt {

namespace {

// Size and place of a new window; the profile replaces both at start-up.
constexpr int kInitialLeft = 144;
constexpr int kInitialTop = 237;
constexpr int kInitialSide = 302;
const QColor kInitialColor(0, 0, 255);  // blue until the profile's clockcolor
// How often the button is looked at while the window manager moves the window.
constexpr int kSystemMoveLook = 200;  // ms

}  // namespace

QtClockWindow::QtClockWindow(ports::ClockWindowEvents* events)
    : QWidget(nullptr, Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint | Qt::Tool),
      events_(events),
      color_(kInitialColor) {
  setWindowTitle(QString::fromLatin1(kAppTitle));
  // Every pixel is painted in the window's own colours: no background to erase first. The
  // alpha channel only shows where a compositor blends it; a window gets its visual when it
  // is made, so it is asked for now.
  setAttribute(Qt::WA_TranslucentBackground);
  setAttribute(Qt::WA_OpaquePaintEvent);
  setAttribute(Qt::WA_NoSystemBackground);
  setGeometry(kInitialLeft, kInitialTop, kInitialSide, kInitialSide);
  system_move_watch_.setInterval(kSystemMoveLook);
  QObject::connect(&system_move_watch_, &QTimer::timeout, this, [this] {
    if (LeftButtonDown()) return;
    system_move_watch_.stop();
    DragEnded();
  });
}

Rect QtClockWindow::Bounds() const {
  const QRect g = geometry();
  return Rect{g.x(), g.y(), g.x() + g.width(), g.y() + g.height()};
}

void QtClockWindow::SetBounds(const Rect& b) {
  setGeometry(b.left, b.top, b.right - b.left, b.bottom - b.top);
}

void QtClockWindow::SetColor(ports::Color color) {
  const QColor wanted(color.red, color.green, color.blue);
  if (wanted == color_) return;
  color_ = wanted;
  update();
}

// The server holds every pixel of the window painted as its background, so pixels a new
// outline shows already have their colour: only the shape changes.
void QtClockWindow::SetRegion(const Region& region) {
  if (shows_image_) {
    // Back from smooth edges: the mouse reaches the shape again, every pixel repainted.
    shows_image_ = false;
    image_ = QImage();
    ResetInputShape(*this);
    update();
  }
  SetBoundingShape(*this, region);
}

// The image is the outline: the window is not cut, and clicks on its clear pixels reach the
// window below. The server paints it from the background, before the cut goes.
void QtClockWindow::ShowImage(const ports::LayeredImage& image) {
  image_ = QImage(reinterpret_cast<const uchar*>(image.pixels.data()), image.width, image.height,
                  image.width * 4, QImage::Format_ARGB32_Premultiplied)
               .copy();
  background_.Show(InDevicePixels(image_));
  if (!shows_image_) {
    ResetBoundingShape(*this);
    shows_image_ = true;
  }
  SetInputShape(*this, CoveredPixels(image));
}

QImage QtClockWindow::InDevicePixels(const QImage& image) const {
  const QSize device = size() * devicePixelRatioF();
  return image.size() == device ? image : image.scaled(device);
}

// The window manager's compositor blends the window; without one it stays opaque.
void QtClockWindow::SetOpacity(int32_t percent) {
  setWindowOpacity(percent / 100.0);
}

void QtClockWindow::Repaint() {
  update();
}

void QtClockWindow::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  if (shows_image_) {
    painter.setCompositionMode(QPainter::CompositionMode_Source);
    painter.drawImage(0, 0, image_);
    background_.Set(InDevicePixels(image_));
    return;
  }
  const QImage picture = Picture();
  background_.Set(picture);
  painter.drawImage(0, 0, picture);
}

QImage QtClockWindow::Picture() {
  const qreal scale = devicePixelRatioF();
  QImage picture(size() * scale, QImage::Format_ARGB32_Premultiplied);
  picture.setDevicePixelRatio(scale);
  QPainter painter(&picture);
  QtCanvas canvas(painter);
  canvas.FillRect(Rect{0, 0, width(), height()},
                  ports::Color{static_cast<uint8_t>(color_.red()),
                               static_cast<uint8_t>(color_.green()),
                               static_cast<uint8_t>(color_.blue())});
  if (events_ != nullptr) events_->Paint(canvas);
  return picture;
}

// Only the map matters here: Qt handles every event itself.
bool QtClockWindow::nativeEvent(const QByteArray& type, void* message, qintptr* result) {
  constexpr uint8_t kMapNotify = 19;  // X11's MapNotify; bit 7 marks a sent event
  if (type == "xcb_generic_event_t" &&
      (*static_cast<const uint8_t*>(message) & 0x7f) == kMapNotify) {
    background_.Reexpose();
  }
  return QWidget::nativeEvent(type, message, result);
}

// A left press moves the window: by the window manager where there is one that can, by
// hand otherwise.
void QtClockWindow::mousePressEvent(QMouseEvent* event) {
  const QPoint at = event->position().toPoint();
  switch (event->button()) {
    case Qt::LeftButton:
      if (windowHandle() != nullptr && windowHandle()->startSystemMove()) {
        WatchSystemMove();
        return;
      }
      grab_offset_ = event->globalPosition().toPoint() - pos();
      return;
    case Qt::RightButton:
      if (on_press_) on_press_(this);
      if (events_ != nullptr) events_->RightButtonDown(at.x(), at.y());
      return;
    case Qt::MiddleButton:
      if (events_ != nullptr) events_->MiddleButtonDown(at.x(), at.y());
      return;
    default:
      return;
  }
}

void QtClockWindow::mouseMoveEvent(QMouseEvent* event) {
  if (grab_offset_ && (event->buttons() & Qt::LeftButton)) {
    move(event->globalPosition().toPoint() - *grab_offset_);
  }
}

void QtClockWindow::mouseReleaseEvent(QMouseEvent* event) {
  if (event->button() != Qt::LeftButton || !grab_offset_) return;
  grab_offset_.reset();
  DragEnded();
}

// Qt hears nothing of the end of a move the window manager runs, so the button is looked at
// a few times a second until it is up: only for the length of the drag.
void QtClockWindow::WatchSystemMove() {
  system_move_watch_.start();
}

void QtClockWindow::DragEnded() {
  if (events_ != nullptr) events_->DragEnded();
}

// Only a window closed from outside (the window manager) gets here: the program's own go
// with their clocks.
void QtClockWindow::closeEvent(QCloseEvent* event) {
  system_move_watch_.stop();
  event->accept();
  if (events_ != nullptr) events_->Closed();
}

}  // namespace sorvane::qt
