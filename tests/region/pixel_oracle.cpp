#include "pixel_oracle.h"

#include <sstream>

namespace sorvane::testing {

PixelGrid::PixelGrid(const Rect& window, const std::function<bool(int32_t, int32_t)>& inside)
    : window_(window) {
  bits_.reserve(static_cast<std::size_t>(window.right - window.left) *
                static_cast<std::size_t>(window.bottom - window.top));
  for (int32_t y = window.top; y < window.bottom; ++y) {
    for (int32_t x = window.left; x < window.right; ++x) bits_.push_back(inside(x, y) ? 1 : 0);
  }
}

PixelGrid PixelGrid::Of(const Region& r, const Rect& window) {
  return PixelGrid(window, [&r](int32_t x, int32_t y) { return r.Contains(x, y); });
}

bool PixelGrid::at(int32_t x, int32_t y) const {
  if (x < window_.left || x >= window_.right || y < window_.top || y >= window_.bottom) {
    return false;
  }
  const auto w = static_cast<std::size_t>(window_.right - window_.left);
  return bits_[static_cast<std::size_t>(y - window_.top) * w +
               static_cast<std::size_t>(x - window_.left)] != 0;
}

std::string PixelGrid::FirstDifference(const PixelGrid& got) const {
  for (int32_t y = window_.top; y < window_.bottom; ++y) {
    for (int32_t x = window_.left; x < window_.right; ++x) {
      if (at(x, y) != got.at(x, y)) {
        std::ostringstream out;
        out << "(" << x << ", " << y << "): expected " << at(x, y) << ", got " << got.at(x, y);
        return out.str();
      }
    }
  }
  return "";
}

std::size_t PixelGrid::Count() const {
  std::size_t n = 0;
  for (uint8_t b : bits_) n += b;
  return n;
}

bool PolygonCovers(std::span<const Point> v, FillMode mode, int32_t x, int32_t y) {
  if (v.size() < 3) return false;
  int count = 0;
  for (std::size_t i = 0; i < v.size(); ++i) {
    const Point& p = v[i == 0 ? v.size() - 1 : i - 1];
    const Point& q = v[i];
    if (p.y == q.y) continue;
    const Point& top = p.y < q.y ? p : q;
    const Point& bottom = p.y < q.y ? q : p;
    if (y < top.y || y >= bottom.y) continue;
    // The crossing lies at or left of x: top.x + (y - top.y) * dx / dy <= x.
    const int64_t dy = int64_t{bottom.y} - top.y;
    const int64_t lhs = int64_t{top.x} * dy + (int64_t{y} - top.y) * (int64_t{bottom.x} - top.x);
    if (lhs <= int64_t{x} * dy) count += mode == FillMode::Winding ? (p.y < q.y ? 1 : -1) : 1;
  }
  return mode == FillMode::Winding ? count != 0 : (count & 1) != 0;
}

bool Apply(CombineMode mode, bool in_a, bool in_b) {
  switch (mode) {
    case CombineMode::And:
      return in_a && in_b;
    case CombineMode::Or:
      return in_a || in_b;
    case CombineMode::Xor:
      return in_a != in_b;
    case CombineMode::Diff:
      return in_a && !in_b;
  }
  return false;
}

}  // namespace sorvane::testing
