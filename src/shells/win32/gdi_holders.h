#pragma once
// Owners for GDI handles, so that every object a function makes is released on every path
// out of it, early returns and exceptions included.
#include "shells/win32/windows_api.h"

#include <utility>

namespace sorvane::win32 {

// Owns one GDI object (font, brush, region) and deletes it with DeleteObject.
template <typename Handle>
class GdiObject {
 public:
  GdiObject() = default;
  explicit GdiObject(Handle handle) : handle_(handle) {}
  GdiObject(const GdiObject&) = delete;
  GdiObject& operator=(const GdiObject&) = delete;
  GdiObject(GdiObject&& other) noexcept : handle_(std::exchange(other.handle_, nullptr)) {}
  GdiObject& operator=(GdiObject&& other) noexcept {
    if (this != &other) {
      Reset();
      handle_ = std::exchange(other.handle_, nullptr);
    }
    return *this;
  }
  ~GdiObject() { Reset(); }

  Handle get() const { return handle_; }
  explicit operator bool() const { return handle_ != nullptr; }
  // Gives the object away, e.g. to SetWindowRgn, which then owns it.
  Handle release() { return std::exchange(handle_, nullptr); }
  void Reset() {
    if (handle_ != nullptr) DeleteObject(handle_);
    handle_ = nullptr;
  }

 private:
  Handle handle_ = nullptr;
};

using FontHandle = GdiObject<HFONT>;
using BrushHandle = GdiObject<HBRUSH>;
using RegionHandle = GdiObject<HRGN>;

// A device context made by CreateDC, deleted with DeleteDC.
class CreatedDc {
 public:
  explicit CreatedDc(HDC dc) : dc_(dc) {}
  CreatedDc(const CreatedDc&) = delete;
  CreatedDc& operator=(const CreatedDc&) = delete;
  ~CreatedDc() {
    if (dc_ != nullptr) DeleteDC(dc_);
  }
  HDC get() const { return dc_; }
  explicit operator bool() const { return dc_ != nullptr; }

 private:
  HDC dc_;
};

// A window's device context from GetDC, given back with ReleaseDC.
class WindowDc {
 public:
  explicit WindowDc(HWND window) : window_(window), dc_(GetDC(window)) {}
  WindowDc(const WindowDc&) = delete;
  WindowDc& operator=(const WindowDc&) = delete;
  ~WindowDc() {
    if (dc_ != nullptr) ReleaseDC(window_, dc_);
  }
  HDC get() const { return dc_; }

 private:
  HWND window_;
  HDC dc_;
};

// Selects an object into a device context and puts the previous one back when it ends.
class ScopedSelect {
 public:
  ScopedSelect(HDC dc, HGDIOBJ object) : dc_(dc), previous_(SelectObject(dc, object)) {}
  ScopedSelect(const ScopedSelect&) = delete;
  ScopedSelect& operator=(const ScopedSelect&) = delete;
  ~ScopedSelect() {
    if (previous_ != nullptr && previous_ != HGDI_ERROR) SelectObject(dc_, previous_);
  }

 private:
  HDC dc_;
  HGDIOBJ previous_;
};

// BeginPaint .. EndPaint around one WM_PAINT.
class PaintScope {
 public:
  explicit PaintScope(HWND window) : window_(window) { dc_ = BeginPaint(window, &paint_); }
  PaintScope(const PaintScope&) = delete;
  PaintScope& operator=(const PaintScope&) = delete;
  ~PaintScope() { EndPaint(window_, &paint_); }
  HDC dc() const { return dc_; }

 private:
  HWND window_;
  PAINTSTRUCT paint_{};
  HDC dc_ = nullptr;
};

}  // namespace sorvane::win32
