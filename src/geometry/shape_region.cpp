#include "geometry/shape_region.h"

#include <optional>
#include <utility>

#include "geometry/pixel_round.h"
#include "geometry/transform.h"

namespace sorvane {
namespace {

RealPoint ToReal(const Point& p) { return {static_cast<double>(p.x), static_cast<double>(p.y)}; }

// The disc inscribed in the rounded box around the turned centre; the radius is in skin
// units, so it scales with the face.
Region CircleRegion(const TShapeElement& e, const SkinTransform& t) {
  const RealPoint c = t.Apply({static_cast<double>(e.X), static_cast<double>(e.Y)});
  const double r = e.Radius / 600.0 * t.side();
  return Region::Ellipse(
      {RoundToPixel(c.x - r), RoundToPixel(c.y - r), RoundToPixel(c.x + r), RoundToPixel(c.y + r)});
}

Region PolygonRegion(const TShapeElement& e, const SkinTransform& t, FillMode mode,
                     ShapeScratch& scratch) {
  if (e.Points.size() < 3) return Region();
  scratch.vertices.clear();
  for (const Point& p : e.Points) scratch.vertices.push_back(RoundPoint(t.Apply(ToReal(p))));
  return Region::Polygon(scratch.vertices, mode);
}

std::optional<CombineMode> ModeOf(char operation) {
  switch (operation) {
    case '+': return CombineMode::Or;
    case '-': return CombineMode::Diff;
    case '&': return CombineMode::And;
    case '%': return CombineMode::Xor;
    default: return std::nullopt;
  }
}

}  // namespace

Region MakeRgnFromShape(const TShape& shape, int side, int angle, int x0, int y0,
                        ShapeScratch& scratch) {
  const SkinTransform t(side, angle, x0, y0);
  Region out;
  bool first = true;
  for (const TShapeElement& e : shape) {
    const std::optional<CombineMode> mode = first ? std::nullopt : ModeOf(e.Operation);
    // A later element with no operation changes nothing, so it need not be built.
    if (!first && !mode) continue;
    // Only the list's first element fills alternate; a crossing outline later on fills solid.
    const FillMode fill = first ? FillMode::Alternate : FillMode::Winding;
    Region piece = e.Radius > 0 ? CircleRegion(e, t) : PolygonRegion(e, t, fill, scratch);
    if (first) {
      out = std::move(piece);
      first = false;
    } else {
      out.CombineWith(piece, *mode);
      Region::Recycle(std::move(piece));
    }
  }
  return out;
}

Region MakeRgnFromShape(const TShape& shape, int side, int angle, int x0, int y0) {
  ShapeScratch scratch;
  return MakeRgnFromShape(shape, side, angle, x0, y0, scratch);
}

}  // namespace sorvane
