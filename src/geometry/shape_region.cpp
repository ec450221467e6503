#include "geometry/shape_region.h"

#include <array>
#include <cstddef>
#include <optional>
#include <span>
#include <utility>
#include <vector>

#include "geometry/pixel_round.h"
#include "geometry/polygon_clip.h"
#include "geometry/transform.h"
#include "region/region_union.h"

namespace sorvane {
namespace {

RealPoint ToReal(const Point& p) {
  return {static_cast<double>(p.x), static_cast<double>(p.y)};
}

// The disc inscribed in the rounded box around the turned centre; the radius is in skin
// units, so it scales with the face.
Region CircleRegion(const ShapeElement& e, const SkinTransform& t) {
  const RealPoint c = t.Apply({static_cast<double>(e.x), static_cast<double>(e.y)});
  const double r = e.radius / 600.0 * t.side();
  return Region::Ellipse(
      {RoundToPixel(c.x - r), RoundToPixel(c.y - r), RoundToPixel(c.x + r), RoundToPixel(c.y + r)});
}

// A polygon reaching past the pixel limit, cut to the limit's square first (polygon_clip.h).
Region CutPolygonRegion(const ShapeElement& e, const SkinTransform& t, FillMode mode) {
  std::vector<RealPoint> corners;
  corners.reserve(e.points.size());
  for (const Point& p : e.points) corners.push_back(t.Apply(ToReal(p)));
  std::vector<Point> pixels;
  PolygonPixels(corners, pixels);
  return Region::Polygon(pixels, mode);
}

Region PolygonRegion(const ShapeElement& e, const SkinTransform& t, FillMode mode) {
  const std::size_t count = e.points.size();
  if (count < 3) return Region();
  // The marks and hands of a skin have a handful of corners each: theirs are turned on the
  // stack, so the many polygons of a rebuild ask the heap for nothing.
  constexpr std::size_t kCornersOnStack = 32;
  std::array<Point, kCornersOnStack> on_stack;
  std::vector<Point> on_heap(count > kCornersOnStack ? count : 0);
  const std::span<Point> pixels =
      count > kCornersOnStack ? std::span<Point>(on_heap) : std::span<Point>(on_stack).first(count);
  for (std::size_t i = 0; i < count; ++i) {
    const RealPoint corner = t.Apply(ToReal(e.points[i]));
    if (PastPixelLimit(corner)) return CutPolygonRegion(e, t, mode);
    pixels[i] = RoundPoint(corner);
  }
  return Region::Polygon(pixels, mode);
}

std::optional<CombineMode> ModeOf(char operation) {
  switch (operation) {
    case '+':
      return CombineMode::Or;
    case '-':
      return CombineMode::Diff;
    case '&':
      return CombineMode::And;
    case '%':
      return CombineMode::Xor;
    default:
      return std::nullopt;
  }
}

}  // namespace

Region ShapeRegion(const Shape& shape, int side, int angle, int x0, int y0) {
  const SkinTransform t(side, angle, x0, y0);
  // Pieces joined by '+' one after another are united with what came before in one sweep.
  RegionUnion joined;
  bool first = true;
  for (const ShapeElement& e : shape) {
    // The first element starts the region, whatever its operation says.
    const std::optional<CombineMode> mode = first ? CombineMode::Or : ModeOf(e.operation);
    // A later element with no operation changes nothing, so it need not be built.
    if (!mode) continue;
    // Only the list's first element fills alternate; a crossing outline later on fills solid.
    const FillMode fill = first ? FillMode::Alternate : FillMode::Winding;
    first = false;
    Region piece = e.radius > 0 ? CircleRegion(e, t) : PolygonRegion(e, t, fill);
    if (*mode == CombineMode::Or) {
      joined.Add(std::move(piece));
    } else {
      Region so_far = joined.Take();
      so_far.CombineWith(piece, *mode);
      joined.Add(std::move(so_far));
    }
  }
  return joined.Take();
}

}  // namespace sorvane
