#pragma once
// A window region as a value: the set of pixels a shaped window shows. Stored as y-bands
// sorted top to bottom, each a sorted list of disjoint half-open x-spans [x0, x1); bands
// that touch and have identical spans are merged, and no band is empty. Pixel rules follow
// GDI's CreatePolygonRgn, CreateEllipticRgn and CombineRgn so that a region built here is
// the one Windows would have built.
#include <cstddef>
#include <cstdint>
#include <initializer_list>
#include <span>
#include <utility>
#include <vector>

#include "region/rect.h"

namespace sorvane {

enum class FillMode { Alternate = 1, Winding = 2 };
// The values are GDI's RGN_AND, RGN_OR, RGN_XOR and RGN_DIFF.
enum class CombineMode { And = 1, Or = 2, Xor = 3, Diff = 4 };

class Region {
 public:
  struct Span {
    int32_t x0, x1;
    friend bool operator==(const Span&, const Span&) = default;
  };
  struct Band {
    int32_t y0, y1;       // rows y0 <= y < y1
    uint32_t first_span;  // index into spans_
    uint32_t span_count;
    friend bool operator==(const Band&, const Band&) = default;
  };

  // Every coordinate of a region lies within [-kCoordLimit, kCoordLimit] (see rect.h).
  // Rectangles and translations are clipped to it; polygon vertices beyond +-2^30 are clamped
  // to that, and shapes are scan-converted only inside the limit.

  Region() = default;  // empty
  // While a RegionWorkspace is in use, a copy is made in storage it has spare.
  Region(const Region& other) : Region() {
    if (!other.IsEmpty()) TakeStorageFor(other);
    bands_ = other.bands_;
    spans_ = other.spans_;
  }
  Region(Region&&) noexcept = default;
  Region& operator=(const Region& other) {
    if (this != &other) {
      if (bands_.capacity() < other.bands_.size() || spans_.capacity() < other.spans_.size()) {
        if (HoldsStorage()) GiveStorageAway();
        TakeStorageFor(other);
      }
      bands_ = other.bands_;
      spans_ = other.spans_;
    }
    return *this;
  }
  // While a RegionWorkspace is in use, the storage this region held goes to it.
  Region& operator=(Region&& other) noexcept {
    if (this != &other) {
      if (HoldsStorage()) GiveStorageAway();
      bands_ = std::move(other.bands_);
      spans_ = std::move(other.spans_);
    }
    return *this;
  }
  ~Region() {
    if (HoldsStorage()) GiveStorageAway();
  }

  static Region FromRect(const Rect& r);  // empty when r has no area (as given, not normalised)
  // A polygon closed from the last vertex back to the first, filled like CreatePolygonRgn.
  static Region Polygon(std::span<const Point> vertices, FillMode mode);
  // The ellipse inscribed in the box, as CreateEllipticRgn(left, top, right, bottom).
  static Region Ellipse(const Rect& box);
  // The union of rectangles, e.g. the rectangle list GetRegionData returns.
  static Region FromRects(std::span<const Rect> rects);

  static Region Combine(const Region& a, const Region& b, CombineMode mode);
  // The union of many regions in one sweep down all of them; holds only what it needs.
  static Region UnionOf(std::span<const Region> parts);
  // The same for parts that live apart (null pointers count as empty), and for one part
  // kept elsewhere together with a list, so that no part need be copied to be united.
  static Region UnionOf(std::initializer_list<const Region*> parts);
  static Region UnionOf(const Region& first, std::span<const Region> rest);
  // Replaces this region by its combination with `other`.
  void CombineWith(const Region& other, CombineMode mode) { *this = Combine(*this, other, mode); }

  bool IsEmpty() const { return bands_.empty(); }
  Rect Bounds() const;  // all zero when empty
  bool Contains(int32_t x, int32_t y) const;
  // One rectangle per span, top to bottom and left to right within a band (GDI's order).
  std::vector<Rect> Rects() const;
  void Translate(int32_t dx, int32_t dy);

  // True when bands are sorted, disjoint and non-empty, spans sorted, disjoint, non-empty
  // and not touching, and no two touching bands have equal spans.
  bool IsValid() const;

  const std::vector<Band>& bands() const { return bands_; }
  std::size_t SpanCount() const { return spans_.size(); }
  std::span<const Span> spans_of(const Band& b) const {
    return {spans_.data() + b.first_span, b.span_count};
  }

  friend bool operator==(const Region& a, const Region& b);

 private:
  bool HoldsStorage() const { return bands_.capacity() != 0 || spans_.capacity() != 0; }
  // Hands the storage to the RegionWorkspace in use, if any, and takes spare storage large
  // enough for a copy of `other` from it (region_workspace.cpp).
  void GiveStorageAway() noexcept;
  void TakeStorageFor(const Region& other) noexcept;

  std::vector<Band> bands_;
  std::vector<Span> spans_;
  friend class RegionBuilder;
};

}  // namespace sorvane
