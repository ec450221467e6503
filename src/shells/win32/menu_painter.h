#pragma once
// The look of the owner-drawn popup menu: an 8-pixel strip down the left edge, a column for
// check marks and radio bullets, the caption in the system's menu font with its "&" letter
// underlined, greyed text for disabled items, etched separators and the system highlight.
#include <cstdint>

#include "shells/win32/gdi_holders.h"
#include "shells/win32/windows_api.h"

namespace sorvane::win32 {

// Heights of the menu's entries, in pixels. Every item is as high as every other, so a
// point in an open menu can be found from these numbers alone.
struct MenuItemHeights {
  int32_t item = 0;
  int32_t separator = 0;
};

inline constexpr int32_t kMenuStripWidth = 8;

class MenuPainter {
 public:
  MenuPainter();
  MenuPainter(const MenuPainter&) = delete;
  MenuPainter& operator=(const MenuPainter&) = delete;

  MenuItemHeights Heights() const { return heights_; }
  void Measure(MEASUREITEMSTRUCT& measure) const;
  void Draw(const DRAWITEMSTRUCT& draw) const;

 private:
  FontHandle font_;
  MenuItemHeights heights_;
};

}  // namespace sorvane::win32
