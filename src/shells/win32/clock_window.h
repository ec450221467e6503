#pragma once
// The clock window: class "TForm1", no frame, topmost, owned by the application window.
// Only the inside of its window region exists for the screen and the mouse; with smooth
// edges it is a layered window showing an image instead, whose clear pixels let the mouse
// through.
#include <functional>

#include "app/ports/clock_window.h"
#include "shells/win32/base_window.h"
#include "app/ports/clock_window_events.h"
#include "shells/win32/layered_window.h"
#include "shells/win32/windows_api.h"
#include "region/region.h"

namespace sorvane::win32 {

class Win32ClockWindow final : public ports::ClockWindow, public BaseWindow<Win32ClockWindow> {
 public:
  static constexpr COLORREF kInitialColor = RGB(0, 0, 255);  // blue until analog_color

  // A hidden window owned by the application window, whose messages go to `events` (none:
  // nothing is forwarded).
  Win32ClockWindow(HINSTANCE instance, HWND application_window,
                   ports::ClockWindowEvents* events = nullptr);

  void SetEvents(ports::ClockWindowEvents* events) { events_ = events; }
  // Told of a right-button press before the clock hears of it.
  void SetPressHandler(std::function<void(HWND)> handler) { on_press_ = std::move(handler); }

  Rect Bounds() const override;
  void SetBounds(const Rect& bounds) override;
  void Show() override;
  void SetColor(ports::Color color) override;
  void SetRegion(const Region& region) override;
  void SetOpacity(int32_t percent) override;
  int32_t Dpi() const override;
  void ShowImage(const ports::LayeredImage& image) override;
  void Repaint() override;

 private:
  friend BaseWindow;
  LRESULT HandleMessage(UINT message, WPARAM wparam, LPARAM lparam);
  void OnPaint();
  void EraseBackground(HDC dc);
  void OnDestroy();
  void ShowRegionAtOpacity();

  ports::ClockWindowEvents* events_ = nullptr;
  std::function<void(HWND)> on_press_;
  COLORREF color_ = kInitialColor;
  int32_t opacity_ = 100;
  // While smooth edges are on: the image shown, kept for a change of opacity.
  bool shows_image_ = false;
  LayeredSurface surface_;
  // Pixels of the window's surface that hold their colours, in or out of the outline: the
  // surface keeps what was painted where the outline no longer reaches, so an outline that
  // comes back there (a hand sweeping round) shows it without a paint. Forgotten whenever
  // the surface may have lost it or the colours change.
  Region painted_;
  bool painting_added_ = false;  // the paint under way is SetRegion's own
};

}  // namespace sorvane::win32
