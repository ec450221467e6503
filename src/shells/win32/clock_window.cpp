#include "shells/win32/clock_window.h"

#include <windowsx.h>

#include <algorithm>

#include "shells/win32/app_title.h"
#include "shells/win32/gdi_canvas.h"
#include "shells/win32/gdi_holders.h"
#include "shells/win32/layered_window.h"
#include "shells/win32/region_conversion.h"
#include "region/window_fit.h"
#include "resource_ids.h"

namespace sorvane::win32 {

namespace {

constexpr const char* kClassName = "TForm1";
// Size and place of a new window; the profile replaces both at start-up.
constexpr int kInitialLeft = 144;
constexpr int kInitialTop = 237;
constexpr int kInitialSide = 302;

}  // namespace

Win32ClockWindow::Win32ClockWindow(HINSTANCE instance, HWND application_window,
                                   ports::ClockWindowEvents* events)
    : events_(events) {
  const WindowClass window_class{kClassName, LoadIconA(instance, MAKEINTRESOURCEA(IDI_APP)),
                                 LoadCursorA(nullptr, MAKEINTRESOURCEA(32512))};  // IDC_ARROW
  // WS_POPUP without WS_CAPTION or WS_BORDER: no frame, so the client area is the window.
  Create(instance, window_class,
         WindowParams{WS_EX_TOPMOST, kAppTitle, WS_POPUP, kInitialLeft, kInitialTop, kInitialSide,
                      kInitialSide, application_window},
         "clock window");
}

void Win32ClockWindow::Show() {
  ShowWindow(handle(), SW_SHOW);
}

Rect Win32ClockWindow::Bounds() const {
  RECT r{};
  GetWindowRect(handle(), &r);
  return Rect{r.left, r.top, r.right, r.bottom};
}

void Win32ClockWindow::SetBounds(const Rect& b) {
  SetWindowPos(handle(), nullptr, b.left, b.top, b.right - b.left, b.bottom - b.top,
               SWP_NOZORDER | SWP_NOACTIVATE);
}

void Win32ClockWindow::SetColor(ports::Color color) {
  const COLORREF new_color = RGB(color.red, color.green, color.blue);
  if (new_color == color_) return;
  color_ = new_color;
  painted_ = Region();
  InvalidateRect(handle(), nullptr, TRUE);
}

// What a tick changes is the outline, never the colours (the face and the text band are
// filled whole), so only pixels the surface has never held need painting, and they are
// painted now rather than at the next turn of the message loop, so a changing digit never
// shows unpainted pieces. Once a minute's sweep of the hands is painted a tick paints
// nothing. Redrawing the whole window instead would have the system build its visible and
// update regions from every rectangle of the outline several times over, which is most of
// a tick's cost under Wine.
void Win32ClockWindow::SetRegion(const Region& region) {
  if (shows_image_) {
    // Back from smooth edges: the layered style goes, and comes back only for an opacity.
    shows_image_ = false;
    surface_.Release();
    SetLayeredStyle(handle(), false);
    ShowRegionAtOpacity();
    painted_ = Region();
  }
  RECT client{};
  GetClientRect(handle(), &client);
  // Only what the window can show, in what one request can carry (window_fit.h).
  Region fitted = RegionForWindow(region, client.right, client.bottom);
  RegionHandle outline = ToGdiRegion(fitted);
  if (!outline) return;
  Region unpainted = fitted;
  unpainted.CombineWith(painted_, CombineMode::Diff);
  // On success the system owns the region (and frees the one it replaces).
  if (!SetWindowRgn(handle(), outline.get(), FALSE)) return;
  outline.release();
  if (unpainted.IsEmpty()) return;
  const RegionHandle invalid = ToGdiRegion(unpainted);
  InvalidateRgn(handle(), invalid ? invalid.get() : nullptr, TRUE);
  painting_added_ = true;
  UpdateWindow(handle());
  painting_added_ = false;
  painted_.CombineWith(unpainted, CombineMode::Or);
}

// A window with its region is layered only while it is not opaque: an opaque window draws
// straight to the screen, as it always did.
void Win32ClockWindow::ShowRegionAtOpacity() {
  if (opacity_ >= 100) {
    SetLayeredStyle(handle(), false);
    return;
  }
  SetLayeredStyle(handle(), true);
  SetLayeredWindowAttributes(handle(), 0, OpacityAlpha(opacity_), LWA_ALPHA);
  painted_ = Region();  // the system may have given the window a new surface
}

void Win32ClockWindow::SetOpacity(int32_t percent) {
  if (percent == opacity_) return;
  opacity_ = percent;
  if (shows_image_) {
    const Rect b = Bounds();
    surface_.ShowOn(handle(), b.left, b.top, OpacityAlpha(opacity_));
  } else {
    ShowRegionAtOpacity();
  }
}

int32_t Win32ClockWindow::Dpi() const {
  return WindowDpi(handle());
}

void Win32ClockWindow::ShowImage(const ports::LayeredImage& image) {
  if (!shows_image_) {
    // The image's alpha is the outline now; a region would cut its soft edge off. The
    // style goes off first, in case the opacity had made the window layered the other way.
    SetWindowRgn(handle(), nullptr, FALSE);
    SetLayeredStyle(handle(), false);
    SetLayeredStyle(handle(), true);
    shows_image_ = true;
  }
  if (!surface_.Hold(image)) return;
  const Rect b = Bounds();
  surface_.ShowOn(handle(), b.left, b.top, OpacityAlpha(opacity_));
}

void Win32ClockWindow::Repaint() {
  painted_ = Region();
  InvalidateRect(handle(), nullptr, TRUE);
  UpdateWindow(handle());
}

LRESULT Win32ClockWindow::HandleMessage(UINT message, WPARAM wparam, LPARAM lparam) {
  switch (message) {
    case WM_LBUTTONDOWN:
      // Every left press becomes a press on a caption bar: the system drags the window.
      return SendMessageA(handle(), WM_NCLBUTTONDOWN, HTCAPTION, lparam);
    case WM_RBUTTONDOWN:
      if (on_press_) on_press_(handle());
      if (events_ != nullptr) events_->RightButtonDown(GET_X_LPARAM(lparam), GET_Y_LPARAM(lparam));
      return 0;
    case WM_MBUTTONDOWN:
      if (events_ != nullptr) events_->MiddleButtonDown(GET_X_LPARAM(lparam), GET_Y_LPARAM(lparam));
      return 0;
    case WM_SIZE:
      painted_ = Region();  // a new size is a new surface
      return 0;
    case WM_MOVE:
      // A window partly off the screen gets a new surface when it moves.
      painted_ = Region();
      return 0;
    case WM_COMMAND:
      if (events_ != nullptr) events_->Command(LOWORD(wparam));
      return 0;
    case WM_EXITSIZEMOVE:
      // The system's move loop, begun by the press on the "caption", ends with the button.
      if (events_ != nullptr) events_->DragEnded();
      return 0;
    case WM_DPICHANGED:
      // The suggested rectangle is ignored: the clock keeps its place and takes the size
      // the profile asks for at the new scale.
      if (events_ != nullptr) events_->DisplayScaleChanged();
      return 0;
    case WM_ERASEBKGND:
      EraseBackground(reinterpret_cast<HDC>(wparam));
      return 1;
    case WM_PAINT:
      OnPaint();
      return 0;
    case WM_DESTROY:
      OnDestroy();
      return 0;
    default:
      return DefWindowProcA(handle(), message, wparam, lparam);
  }
}

void Win32ClockWindow::EraseBackground(HDC dc) {
  RECT client{};
  GetClientRect(handle(), &client);
  GdiCanvas(dc).FillRect(Rect{client.left, client.top, client.right, client.bottom},
                         ports::Color{GetRValue(color_), GetGValue(color_), GetBValue(color_)});
}

void Win32ClockWindow::OnPaint() {
  // A paint the system asked for (the window uncovered, a new surface) says the surface
  // did not hold everything; what it holds outside the outline is then not known.
  if (!painting_added_) painted_ = Region();
  PaintScope paint(handle());
  if (events_ == nullptr) return;
  GdiCanvas canvas(paint.dc());
  events_->Paint(canvas);
}

// Only a window the system destroys gets here: the program's own windows go unbound.
void Win32ClockWindow::OnDestroy() {
  if (events_ != nullptr) events_->Closed();
}

}  // namespace sorvane::win32
