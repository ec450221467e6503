// Times handing a region of many rectangles to GDI: ToGdiRegion (pieces of a few dozen
// rectangles united in pairs) against one ExtCreateRegion call for all of them, which under
// Wine takes time growing with the square of the count. Both must give the same pixels.
//
//   handoff_bench   (prints a table; exits 1 when the two handles differ)
#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <vector>

#include "shells/win32/region_conversion.h"

namespace {

using sorvane::Rect;
using sorvane::Region;

// Rows of separate squares, shifted row by row: one rectangle per square.
Region Grid(int count) {
  std::vector<Rect> squares;
  for (int i = 0; i < count; ++i) {
    const int row = i / 50, x = (i % 50) * 6 + row % 3;
    squares.push_back(Rect{x, row * 4, x + 3, row * 4 + 2});
  }
  return Region::FromRects(squares);
}

HRGN OneCall(const Region& region) {
  const std::vector<Rect> rects = region.Rects();
  std::vector<RECT> buffer(1 + (sizeof(RGNDATAHEADER) + sizeof(RECT) - 1) / sizeof(RECT) +
                           rects.size());
  auto* data = reinterpret_cast<RGNDATA*>(buffer.data());
  auto* out = reinterpret_cast<RECT*>(data->Buffer);
  for (size_t i = 0; i < rects.size(); ++i) {
    out[i] = RECT{rects[i].left, rects[i].top, rects[i].right, rects[i].bottom};
  }
  const Rect box = region.Bounds();
  data->rdh = RGNDATAHEADER{sizeof(RGNDATAHEADER), RDH_RECTANGLES,
                            static_cast<DWORD>(rects.size()),
                            static_cast<DWORD>(rects.size() * sizeof(RECT)),
                            RECT{box.left, box.top, box.right, box.bottom}};
  return ExtCreateRegion(nullptr,
                         static_cast<DWORD>(sizeof(RGNDATAHEADER) + rects.size() * sizeof(RECT)),
                         data);
}

double Milliseconds(LARGE_INTEGER from, LARGE_INTEGER to) {
  LARGE_INTEGER freq;
  QueryPerformanceFrequency(&freq);
  return double(to.QuadPart - from.QuadPart) * 1e3 / double(freq.QuadPart);
}

}  // namespace

int main() {
  int differing = 0;
  std::printf("rectangles  pieces_ms  one_call_ms  same_pixels\n");
  for (const int count : {500, 2000, 8000, 16000, 64000}) {
    const Region region = Grid(count);
    LARGE_INTEGER a, b, c;
    QueryPerformanceCounter(&a);
    sorvane::win32::RegionHandle pieces = sorvane::win32::ToGdiRegion(region);
    QueryPerformanceCounter(&b);
    // One call for everything is left out where it would take minutes.
    HRGN whole = count <= 16000 ? OneCall(region) : nullptr;
    QueryPerformanceCounter(&c);
    bool same = sorvane::win32::FromGdiRegion(pieces.get()) == region;
    if (whole != nullptr) same = same && EqualRgn(whole, pieces.get());
    if (!same) ++differing;
    if (whole != nullptr) {
      std::printf("%10d  %9.2f  %11.2f  %s\n", count, Milliseconds(a, b), Milliseconds(b, c),
                  same ? "yes" : "NO");
      DeleteObject(whole);
    } else {
      std::printf("%10d  %9.2f  %11s  %s\n", count, Milliseconds(a, b), "-", same ? "yes" : "NO");
    }
  }
  return differing == 0 ? 0 : 1;
}
