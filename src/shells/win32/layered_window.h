#pragma once
// The layered-window side of the clock window: per-pixel alpha through UpdateLayeredWindow,
// a constant alpha through SetLayeredWindowAttributes, and the monitor's scale.
#include <cstdint>

#include "app/ports/services.h"
#include "shells/win32/windows_api.h"

namespace sorvane::win32 {

// Adds or removes WS_EX_LAYERED. Removing it also forgets the way the window was last made
// layered: a window that used SetLayeredWindowAttributes takes UpdateLayeredWindow only
// after its layered style has been off once, and the other way round.
void SetLayeredStyle(HWND window, bool layered);

// An opacity in percent as a constant alpha, 0 to 255.
BYTE OpacityAlpha(int32_t percent);

// The pixels a layered window was last given, in a DIB section kept from one image to the
// next (made again only for a new size), so a tick copies the image once and allocates
// nothing, and a new opacity needs no new image.
class LayeredSurface {
 public:
  LayeredSurface() = default;
  LayeredSurface(const LayeredSurface&) = delete;
  LayeredSurface& operator=(const LayeredSurface&) = delete;
  ~LayeredSurface() { Release(); }

  // Takes a copy of the premultiplied image. False when no DIB could be made.
  bool Hold(const ports::LayeredImage& image);
  // Shows what it holds as the whole window, at screen point (left, top), blended with
  // `constant_alpha` on top of its own alpha. False when the system refused.
  bool ShowOn(HWND window, int32_t left, int32_t top, BYTE constant_alpha) const;
  void Release();

 private:
  HDC dc_ = nullptr;
  HBITMAP bitmap_ = nullptr;
  HGDIOBJ previous_ = nullptr;  // selected out of dc_ by bitmap_
  void* bits_ = nullptr;
  int32_t width_ = 0;
  int32_t height_ = 0;
};

// The DPI of the window's monitor: GetDpiForWindow where the system has it (Windows 10 1607
// on), else the screen's logical pixels per inch; 96 when neither answers.
int32_t WindowDpi(HWND window);

}  // namespace sorvane::win32
