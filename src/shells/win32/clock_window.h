#pragma once
// The clock window: class "TForm1", no frame, topmost, owned by the application window.
// Only the inside of its window region exists for the screen and the mouse; with smooth
// edges it is a layered window showing an image instead, whose clear pixels let the mouse
// through.
#include "app/ports/services.h"
#include "shells/win32/base_window.h"
#include "app/ports/clock_window_events.h"
#include "shells/win32/layered_window.h"
#include "shells/win32/windows_api.h"
#include "region/region.h"

namespace sorvane::win32 {

class Win32ClockWindow final : public ports::ClockWindow,
                               public ports::SmoothEdges,
                               public BaseWindow<Win32ClockWindow> {
 public:
  static constexpr UINT_PTR kTimerId = 2;                    // the tick's one-shot timer
  static constexpr COLORREF kInitialColor = RGB(0, 0, 255);  // blue until analog_color

  Win32ClockWindow(HINSTANCE instance, HWND application_window);

  // Where messages go; nothing is forwarded while unset.
  void SetEvents(ports::ClockWindowEvents* events) { events_ = events; }
  void Show();

  Rect Bounds() const override;
  void SetWidth(int32_t width) override;
  void SetHeight(int32_t height) override;
  void SetLeft(int32_t left) override;
  void SetTop(int32_t top) override;
  void SetColor(int32_t color) override;
  void SetRegion(const Region& region) override;
  void SetOpacity(int32_t percent) override;
  int32_t Dpi() const override;
  void ShowImage(const ports::LayeredImage& image) override;
  void Repaint() override;
  void ScheduleTick(int32_t milliseconds) override;
  void Close() override;
  bool AnotherCopyRunning() override;

 private:
  friend BaseWindow;
  LRESULT HandleMessage(UINT message, WPARAM wparam, LPARAM lparam);
  void OnPaint();
  void EraseBackground(HDC dc);
  void OnTimer(WPARAM id);
  void OnPowerBroadcast(WPARAM event);
  void OnDestroy();
  void MoveTo(const Rect& bounds);
  void ShowRegionAtOpacity();

  HWND application_window_ = nullptr;
  ports::ClockWindowEvents* events_ = nullptr;
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
