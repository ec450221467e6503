#include "geometry/shape_region.h"

#include <cstddef>
#include <optional>
#include <utility>

#include "geometry/pixel_round.h"
#include "geometry/polygon_clip.h"
#include "geometry/transform.h"

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

Region PolygonRegion(const ShapeElement& e, const SkinTransform& t, FillMode mode,
                     ShapeScratch& scratch) {
  if (e.points.size() < 3) return Region();
  scratch.corners.clear();
  for (const Point& p : e.points) scratch.corners.push_back(t.Apply(ToReal(p)));
  PolygonPixels(scratch.corners, scratch.vertices);
  return Region::Polygon(scratch.vertices, mode);
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

// Pieces joined by '+' one after another are united with what came before in one sweep: union
// does not depend on grouping, and adding each piece in turn would copy the whole growing
// region every time (a skin of 10,000 discs took a second). The run is cut at a bound so a
// hostile skin of huge pieces never holds more than a few of them at once.
class RunOfUnions {
 public:
  RunOfUnions(Region& out, std::vector<Region>& pieces) : out_(out), pieces_(pieces) {
    pieces_.clear();
  }
  RunOfUnions(const RunOfUnions&) = delete;
  RunOfUnions& operator=(const RunOfUnions&) = delete;
  ~RunOfUnions() { Drop(); }

  void Add(Region&& piece) {
    bands_ += piece.bands().size();
    pieces_.push_back(std::move(piece));
    if (pieces_.size() >= kMaxPieces || bands_ >= kMaxBands) Finish();
  }

  void Finish() {
    if (pieces_.empty()) return;
    pieces_.push_back(std::move(out_));
    out_ = Region::UnionOf(pieces_);
    Drop();
  }

 private:
  static constexpr std::size_t kMaxPieces = 1024;
  static constexpr std::size_t kMaxBands = std::size_t{1} << 18;

  void Drop() {
    Region::Recycle(pieces_);
    pieces_.clear();
    bands_ = 0;
  }

  Region& out_;
  std::vector<Region>& pieces_;
  std::size_t bands_ = 0;
};

}  // namespace

Region MakeRgnFromShape(const Shape& shape, int side, int angle, int x0, int y0,
                        ShapeScratch& scratch) {
  const SkinTransform t(side, angle, x0, y0);
  Region out;
  RunOfUnions run(out, scratch.joined);
  bool first = true;
  for (const ShapeElement& e : shape) {
    const std::optional<CombineMode> mode = first ? std::nullopt : ModeOf(e.operation);
    // A later element with no operation changes nothing, so it need not be built.
    if (!first && !mode) continue;
    // Only the list's first element fills alternate; a crossing outline later on fills solid.
    const FillMode fill = first ? FillMode::Alternate : FillMode::Winding;
    Region piece = e.radius > 0 ? CircleRegion(e, t) : PolygonRegion(e, t, fill, scratch);
    if (first) {
      out = std::move(piece);
      first = false;
    } else if (*mode == CombineMode::Or) {
      run.Add(std::move(piece));
    } else {
      run.Finish();
      out.CombineWith(piece, *mode);
      Region::Recycle(std::move(piece));
    }
  }
  run.Finish();
  return out;
}

Region MakeRgnFromShape(const Shape& shape, int side, int angle, int x0, int y0) {
  ShapeScratch scratch;
  return MakeRgnFromShape(shape, side, angle, x0, y0, scratch);
}

}  // namespace sorvane
