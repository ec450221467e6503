#pragma once
// Small helpers for building skin shapes and inspecting regions in the geometry tests.
#include <cstdint>
#include <initializer_list>
#include <vector>

#include "files/skin.h"
#include "region/region.h"

namespace sorvane::testing {

inline ShapeElement Poly(std::initializer_list<Point> points, char op = '+') {
  ShapeElement e;
  e.operation = op;
  e.points = points;
  return e;
}

inline ShapeElement Circle(int32_t x, int32_t y, int32_t radius, char op = '+') {
  ShapeElement e;
  e.x = x;
  e.y = y;
  e.radius = radius;
  e.operation = op;
  return e;
}

// A thin hand from the centre to 250 units up, wider on its left so that one degree of
// turn or a mirror image shows.
inline Shape Hand() { return {Poly({{-6, 20}, {-12, -250}, {4, -250}, {6, 20}})}; }

// A short bar near the rim at 12 o'clock, the shape of a mark.
inline Shape Bar(int32_t inner = -270, int32_t outer = -290, int32_t half_width = 6) {
  return {Poly({{-half_width, outer}, {half_width, outer}, {half_width, inner},
                {-half_width, inner}})};
}

// Pieces of the region that touch along an edge or a corner count as one.
inline int CountComponents(const Region& r) {
  if (r.IsEmpty()) return 0;
  const Rect b = r.Bounds();
  const int w = b.right - b.left;
  const int h = b.bottom - b.top;
  std::vector<char> seen(static_cast<std::size_t>(w) * static_cast<std::size_t>(h), 0);
  auto index = [&](int x, int y) {
    return static_cast<std::size_t>(y - b.top) * static_cast<std::size_t>(w) +
           static_cast<std::size_t>(x - b.left);
  };
  int count = 0;
  std::vector<Point> stack;
  for (int y = b.top; y < b.bottom; ++y) {
    for (int x = b.left; x < b.right; ++x) {
      if (seen[index(x, y)] || !r.Contains(x, y)) continue;
      ++count;
      seen[index(x, y)] = 1;
      stack.push_back({x, y});
      while (!stack.empty()) {
        const Point p = stack.back();
        stack.pop_back();
        for (int dy = -1; dy <= 1; ++dy) {
          for (int dx = -1; dx <= 1; ++dx) {
            const int nx = p.x + dx, ny = p.y + dy;
            if (nx < b.left || nx >= b.right || ny < b.top || ny >= b.bottom) continue;
            if (seen[index(nx, ny)] || !r.Contains(nx, ny)) continue;
            seen[index(nx, ny)] = 1;
            stack.push_back({nx, ny});
          }
        }
      }
    }
  }
  return count;
}

}  // namespace sorvane::testing
