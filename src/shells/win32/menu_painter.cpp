#include "shells/win32/menu_painter.h"

#include <algorithm>
#include <string>

#include "app/ports/menu_model.h"

namespace sorvane::win32 {

namespace {

constexpr int32_t kCheckColumnWidth = 20;
constexpr int32_t kRightMargin = 24;  // room for the submenu arrow the menu draws itself
constexpr int32_t kSeparatorHeight = 9;

HFONT CreateMenuFont() {
  NONCLIENTMETRICSA metrics{};
  metrics.cbSize = sizeof(metrics);
  if (SystemParametersInfoA(SPI_GETNONCLIENTMETRICS, sizeof(metrics), &metrics, 0)) {
    return CreateFontIndirectA(&metrics.lfMenuFont);
  }
  return nullptr;  // the stock font of the device context is used instead
}

const MenuItem* ModelItem(ULONG_PTR data) {
  return reinterpret_cast<const MenuItem*>(data);
}

int32_t TextHeight(HDC dc) {
  TEXTMETRICA metrics{};
  GetTextMetricsA(dc, &metrics);
  return static_cast<int32_t>(metrics.tmHeight);
}

void FillSolid(HDC dc, const RECT& rect, COLORREF color) {
  BrushHandle brush(CreateSolidBrush(color));
  FillRect(dc, &rect, brush.get());
}

// A tick of two strokes, 3 pixels thick, centred in the box.
void DrawCheckMark(HDC dc, const RECT& box, COLORREF color) {
  const int cx = (box.left + box.right) / 2;
  const int cy = (box.top + box.bottom) / 2;
  for (int thickness = 0; thickness < 3; ++thickness) {
    const int y = cy + thickness - 1;
    for (int step = 0; step <= 2; ++step) SetPixel(dc, cx - 3 + step, y + step - 1, color);
    for (int step = 0; step <= 4; ++step) SetPixel(dc, cx - 1 + step, y + 1 - step, color);
  }
}

// A round bullet of 6 pixels across, centred in the box.
void DrawRadioBullet(HDC dc, const RECT& box, COLORREF color) {
  const int cx = (box.left + box.right) / 2;
  const int cy = (box.top + box.bottom) / 2;
  BrushHandle brush(CreateSolidBrush(color));
  ScopedSelect pen(dc, GetStockObject(NULL_PEN));
  ScopedSelect fill(dc, brush.get());
  Ellipse(dc, cx - 3, cy - 3, cx + 4, cy + 4);
}

void DrawSeparator(HDC dc, RECT rect) {
  rect.left += kMenuStripWidth + 2;
  rect.top = (rect.top + rect.bottom) / 2 - 1;
  DrawEdge(dc, &rect, EDGE_ETCHED, BF_TOP);
}

}  // namespace

MenuPainter::MenuPainter() : font_(CreateMenuFont()) {
  WindowDc screen(nullptr);
  ScopedSelect font(screen.get(), font_ ? font_.get() : GetStockObject(DEFAULT_GUI_FONT));
  heights_.item = std::max(TextHeight(screen.get()) + 6, GetSystemMetrics(SM_CYMENUCHECK) + 2);
  heights_.separator = kSeparatorHeight;
}

void MenuPainter::Measure(MEASUREITEMSTRUCT& measure) const {
  const MenuItem* item = ModelItem(measure.itemData);
  if (item == nullptr || item->kind == MenuItemKind::Separator) {
    measure.itemWidth = 1;
    measure.itemHeight = static_cast<UINT>(heights_.separator);
    return;
  }
  WindowDc screen(nullptr);
  ScopedSelect font(screen.get(), font_ ? font_.get() : GetStockObject(DEFAULT_GUI_FONT));
  RECT text{0, 0, 0, 0};
  DrawTextA(screen.get(), item->caption.c_str(), -1, &text, DT_SINGLELINE | DT_CALCRECT);
  measure.itemWidth = static_cast<UINT>(kMenuStripWidth + kCheckColumnWidth +
                                        (text.right - text.left) + kRightMargin);
  measure.itemHeight = static_cast<UINT>(heights_.item);
}

void MenuPainter::Draw(const DRAWITEMSTRUCT& draw) const {
  const MenuItem* item = ModelItem(draw.itemData);
  HDC dc = draw.hDC;
  const RECT& whole = draw.rcItem;
  const bool selected = (draw.itemState & ODS_SELECTED) != 0;
  const bool disabled = (draw.itemState & (ODS_DISABLED | ODS_GRAYED)) != 0;

  FillSolid(dc, whole, GetSysColor(selected && !disabled ? COLOR_HIGHLIGHT : COLOR_MENU));
  RECT strip = whole;
  strip.right = strip.left + kMenuStripWidth;
  FillSolid(dc, strip, GetSysColor(COLOR_BTNSHADOW));
  if (item == nullptr || item->kind == MenuItemKind::Separator) {
    DrawSeparator(dc, whole);
    return;
  }

  COLORREF ink = GetSysColor(selected ? COLOR_HIGHLIGHTTEXT : COLOR_MENUTEXT);
  if (disabled) ink = GetSysColor(COLOR_GRAYTEXT);
  RECT check{strip.right, whole.top, strip.right + kCheckColumnWidth, whole.bottom};
  if ((draw.itemState & ODS_CHECKED) != 0) {
    if (item->radio) {
      DrawRadioBullet(dc, check, ink);
    } else {
      DrawCheckMark(dc, check, ink);
    }
  }

  ScopedSelect font(dc, font_ ? font_.get() : GetStockObject(DEFAULT_GUI_FONT));
  SetBkMode(dc, TRANSPARENT);
  SetTextColor(dc, ink);
  RECT text{check.right, whole.top, whole.right - kRightMargin, whole.bottom};
  UINT format = DT_SINGLELINE | DT_VCENTER | DT_LEFT;
  // Underlines for the "&" letters only when the menu was opened from the keyboard.
  if ((draw.itemState & ODS_NOACCEL) != 0) format |= DT_HIDEPREFIX;
  DrawTextA(dc, item->caption.c_str(), -1, &text, format);
}

}  // namespace sorvane::win32
