#include "shells/win32/layered_window.h"

#include <cstring>

#include "shells/win32/gdi_holders.h"

namespace sorvane::win32 {

void SetLayeredStyle(HWND window, bool layered) {
  const LONG_PTR style = GetWindowLongPtrA(window, GWL_EXSTYLE);
  const LONG_PTR wanted = layered ? (style | WS_EX_LAYERED) : (style & ~LONG_PTR{WS_EX_LAYERED});
  if (wanted != style) SetWindowLongPtrA(window, GWL_EXSTYLE, wanted);
}

BYTE OpacityAlpha(int32_t percent) {
  if (percent <= 0) return 0;
  if (percent >= 100) return 255;
  return static_cast<BYTE>(MulDiv(percent, 255, 100));
}

bool LayeredSurface::Hold(const ports::LayeredImage& image) {
  if (image.width <= 0 || image.height <= 0) return false;
  if (image.width != width_ || image.height != height_) {
    Release();
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
    info.bmiHeader.biWidth = image.width;
    info.bmiHeader.biHeight = -image.height;  // top-down rows, as the image holds them
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    const WindowDc screen(nullptr);
    dc_ = CreateCompatibleDC(screen.get());
    bitmap_ = CreateDIBSection(screen.get(), &info, DIB_RGB_COLORS, &bits_, nullptr, 0);
    if (dc_ == nullptr || bitmap_ == nullptr || bits_ == nullptr) {
      Release();
      return false;
    }
    previous_ = SelectObject(dc_, bitmap_);
    width_ = image.width;
    height_ = image.height;
  }
  std::memcpy(bits_, image.pixels.data(), image.pixels.size() * sizeof(uint32_t));
  return true;
}

bool LayeredSurface::ShowOn(HWND window, int32_t left, int32_t top, BYTE constant_alpha) const {
  if (dc_ == nullptr) return false;
  const WindowDc screen(nullptr);
  POINT destination{left, top};
  SIZE size{width_, height_};
  POINT source{0, 0};
  BLENDFUNCTION blend{AC_SRC_OVER, 0, constant_alpha, AC_SRC_ALPHA};
  return UpdateLayeredWindow(window, screen.get(), &destination, &size, dc_, &source, 0, &blend,
                             ULW_ALPHA) != FALSE;
}

void LayeredSurface::Release() {
  if (dc_ != nullptr && previous_ != nullptr) SelectObject(dc_, previous_);
  if (bitmap_ != nullptr) DeleteObject(bitmap_);
  if (dc_ != nullptr) DeleteDC(dc_);
  dc_ = nullptr;
  bitmap_ = nullptr;
  previous_ = nullptr;
  bits_ = nullptr;
  width_ = height_ = 0;
}

int32_t WindowDpi(HWND window) {
  using DpiForWindow = UINT(WINAPI*)(HWND);
  // Looked up, not linked: older systems lack the function and would not start at all.
  static const auto dpi_for_window = reinterpret_cast<DpiForWindow>(reinterpret_cast<void (*)()>(
      GetProcAddress(GetModuleHandleA("user32.dll"), "GetDpiForWindow")));
  if (dpi_for_window != nullptr) {
    if (const UINT dpi = dpi_for_window(window); dpi != 0) return static_cast<int32_t>(dpi);
  }
  const WindowDc screen(nullptr);
  const int dpi = GetDeviceCaps(screen.get(), LOGPIXELSY);
  return dpi > 0 ? dpi : 96;
}

}  // namespace sorvane::win32
