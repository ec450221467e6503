// Seeded random shapes built twice, by our engine and by GDI, and compared pixel for pixel
// (as canonical regions). Each test prints how many comparisons it made and how many differed.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <map>
#include <random>
#include <sstream>
#include <string>
#include <vector>

#include "gdi_region.h"

namespace sorvane::parity {
namespace {

std::string Describe(const Rect& r) {
  std::ostringstream s;
  s << "(" << r.left << ", " << r.top << ", " << r.right << ", " << r.bottom << ")";
  return s.str();
}

std::string Describe(const std::vector<Point>& v, FillMode mode) {
  std::ostringstream s;
  s << (mode == FillMode::Winding ? "winding" : "alternate") << " {";
  for (const Point& p : v) s << " (" << p.x << ", " << p.y << ")";
  s << " }";
  return s.str();
}

std::string Describe(const Region& r) {
  std::ostringstream s;
  for (const Rect& x : r.Rects()) s << Describe(x) << " ";
  return s.str();
}

// Counts comparisons; a difference is either a known, documented one (counted apart, with
// its first example printed) or a mismatch. SORVANE_PARITY_SHOW=n prints n mismatches.
class Tally {
 public:
  explicit Tally(const char* what) : what_(what) {
    if (const char* show = std::getenv("SORVANE_PARITY_SHOW")) show_ = std::atoi(show);
    if (const char* show = std::getenv("SORVANE_PARITY_SHOW_KNOWN")) {
      show_known_ = std::atoi(show);
    }
  }
  ~Tally() {
    std::printf("[parity] %s: %d comparisons, %d mismatches, %d known differences\n", what_,
                compared_, mismatched_, known_);
    for (const auto& [why, count] : known_by_class_) {
      std::printf("[parity]   %d x %s\n", count, why.c_str());
    }
  }
  // known: why a difference is expected for this shape, or nullptr when none is.
  void Check(const Region& ours, const Region& gdi, const std::string& shape,
             const char* known = nullptr) {
    ++compared_;
    EXPECT_TRUE(ours.IsValid()) << shape;
    if (ours == gdi) return;
    if (known != nullptr) {
      const int of_class = ++known_by_class_[known];
      ++known_;
      if (of_class == 1 || known_ <= show_known_) {
        std::printf("[parity] %s: known difference (%s), e.g. %s\n  ours: %s\n  gdi:  %s\n", what_,
                    known, shape.c_str(), Describe(ours).c_str(), Describe(gdi).c_str());
      }
      return;
    }
    if (++mismatched_ <= show_) {
      ADD_FAILURE() << what_ << " " << shape << "\n  ours: " << Describe(ours)
                    << "\n  gdi:  " << Describe(gdi);
    }
  }

 private:
  const char* what_;
  int show_ = 5;
  int show_known_ = 0;
  int compared_ = 0;
  int mismatched_ = 0;
  int known_ = 0;
  std::map<std::string, int> known_by_class_;
};

std::vector<Region::Span> RowOf(const Region& r, int32_t y) {
  for (const Region::Band& b : r.bands()) {
    if (y >= b.y0 && y < b.y1) {
      const auto spans = r.spans_of(b);
      return {spans.begin(), spans.end()};
    }
  }
  return {};
}

// Wine's ellipse stepper can reach the sides of a tall, slim ellipse before its first and last
// rows and then leaves those rows unwritten: they hold whatever the heap held. We continue the
// tip there instead. True when the two differ only in such end rows.
bool DiffersOnlyInUnwrittenEndRows(const Rect& box, const Region& ours, const Region& gdi) {
  const int32_t top = std::min(box.top, box.bottom);
  const int32_t bottom = std::max(box.top, box.bottom) - 1;  // GDI's rows end one short
  auto same_row = [&](int32_t y) { return RowOf(ours, y) == RowOf(gdi, y); };
  int32_t run = 0;
  while (top + run < bottom && !same_row(top + run)) ++run;
  if (run == 0 || 2 * run >= bottom - top) return false;
  const auto tip = RowOf(ours, top + run);
  for (int32_t i = 0; i < run; ++i) {
    if (RowOf(ours, top + i) != tip || RowOf(ours, bottom - 1 - i) != tip) return false;
  }
  for (int32_t y = top + run; y < bottom - run; ++y) {
    if (!same_row(y)) return false;
  }
  return true;
}

constexpr const char* kUnwrittenRows = "GDI leaves the end rows of a slim ellipse unwritten";
constexpr const char* kNoArea = "GDI draws a box without area as a strip outside it";

const char* KnownEllipseDifference(const Rect& box, const Region& ours, const Region& gdi) {
  if (box.left == box.right || box.top == box.bottom) return kNoArea;
  if (DiffersOnlyInUnwrittenEndRows(box, ours, gdi)) return kUnwrittenRows;
  return nullptr;
}

void CheckEllipse(Tally& tally, const Rect& box) {
  const Region ours = Region::Ellipse(box);
  const Region gdi = ReadBack(GdiEllipse(box).get());
  tally.Check(ours, gdi, Describe(box), KnownEllipseDifference(box, ours, gdi));
}

class Shapes {
 public:
  explicit Shapes(uint32_t seed) : rng_(seed) {}
  int32_t Between(int32_t lo, int32_t hi) {
    return std::uniform_int_distribution<int32_t>(lo, hi)(rng_);
  }
  // Vertices in [lo, hi]; small ranges give many ties and collinear edges.
  std::vector<Point> Vertices(int32_t lo, int32_t hi) {
    std::vector<Point> v(static_cast<std::size_t>(Between(3, 12)));
    for (Point& p : v) p = {Between(lo, hi), Between(lo, hi)};
    return v;
  }
  FillMode Mode() { return Between(0, 1) ? FillMode::Winding : FillMode::Alternate; }
  Rect Box(int32_t lo, int32_t hi) {
    return {Between(lo, hi), Between(lo, hi), Between(lo, hi), Between(lo, hi)};
  }

 private:
  std::mt19937 rng_;
};

TEST(RegionParity, EllipsesOfEverySmallBox) {
  Tally tally("small ellipses");
  const int32_t origins[][2] = {{0, 0}, {3, 7}, {-5, -2}, {100, -40}};
  for (const auto& o : origins) {
    for (int32_t w = 0; w <= 12; ++w) {
      for (int32_t h = 0; h <= 12; ++h) {
        const Rect boxes[] = {{o[0], o[1], o[0] + w, o[1] + h},
                              {o[0] + w, o[1], o[0], o[1] + h},
                              {o[0], o[1] + h, o[0] + w, o[1]},
                              {o[0] + w, o[1] + h, o[0], o[1]}};
        for (const Rect& box : boxes) {
          CheckEllipse(tally, box);
        }
      }
    }
  }
}

TEST(RegionParity, LargeAndInvertedEllipses) {
  Tally tally("large ellipses");
  Shapes make(2024);
  for (int i = 0; i < 1500; ++i) {
    const Rect box = make.Box(-50, 1100);
    CheckEllipse(tally, box);
  }
  for (int i = 0; i < 1500; ++i) {  // clock-sized circles and slim ellipses
    const int32_t x = make.Between(-50, 1000), y = make.Between(-50, 1000);
    const Rect box{x, y, x + make.Between(0, 300), y + make.Between(0, 40)};
    CheckEllipse(tally, box);
  }
}

TEST(RegionParity, RandomPolygons) {
  Tally tally("polygons");
  Shapes make(77);
  const int32_t ranges[][2] = {{-50, 1100}, {-5, 20}, {0, 6}};
  for (const auto& range : ranges) {
    for (int i = 0; i < 1500; ++i) {
      const auto v = make.Vertices(range[0], range[1]);
      const FillMode mode = make.Mode();
      tally.Check(Region::Polygon(v, mode), ReadBack(GdiPolygon(v, mode).get()), Describe(v, mode));
    }
  }
}

TEST(RegionParity, DegenerateAndAxisAlignedPolygons) {
  Tally tally("special polygons");
  const std::vector<std::vector<Point>> cases{
      {},
      {{3, 3}},
      {{0, 0}, {9, 4}},  // too few points
      {{0, 0}, {10, 10}, {5, 5}},
      {{0, 4}, {8, 4}, {3, 4}},          // no area
      {{0, 0}, {6, 0}, {6, 5}, {0, 5}},  // rectangles, both orders
      {{6, 5}, {6, 0}, {0, 0}, {0, 5}},
      {{0, 0}, {0, 5}, {6, 5}, {6, 0}, {0, 0}},
      {{0, 0}, {6, 0}, {6, 0}, {0, 0}},
      {{2, 2}, {2, 2}, {2, 2}, {2, 2}},
      {{0, 0}, {8, 0}, {8, 8}, {0, 8}, {0, 0}, {4, 4}},  // spikes and repeated points
      {{0, 0}, {8, 8}, {8, 0}, {0, 8}},                  // a bow tie
  };
  for (const auto& v : cases) {
    for (FillMode mode : {FillMode::Alternate, FillMode::Winding}) {
      tally.Check(Region::Polygon(v, mode), ReadBack(GdiPolygon(v, mode).get()), Describe(v, mode));
    }
  }
}

TEST(RegionParity, CombinationsOfShapes) {
  Tally tally("combinations");
  Shapes make(5150);
  const CombineMode modes[] = {CombineMode::And, CombineMode::Or, CombineMode::Xor,
                               CombineMode::Diff};
  for (int i = 0; i < 600; ++i) {
    const auto va = make.Vertices(0, 300);
    const FillMode ma = make.Mode();
    // The ellipses' own known differences are counted above; here each operand must agree.
    Rect box = make.Box(0, 300);
    while (Region::Ellipse(box) != ReadBack(GdiEllipse(box).get())) box = make.Box(0, 300);
    const GdiRegion ga = GdiPolygon(va, ma), gb = GdiEllipse(box);
    const Region a = Region::Polygon(va, ma), b = Region::Ellipse(box);
    for (CombineMode mode : modes) {
      const GdiRegion g = GdiCombine(ga.get(), gb.get(), mode);
      tally.Check(Region::Combine(a, b, mode), ReadBack(g.get()),
                  Describe(va, ma) + " with ellipse " + Describe(box) + " mode " +
                      std::to_string(static_cast<int>(mode)));
    }
  }
}

// Lists of shapes as a skin element is built: the first starts the region, each later one is
// combined into it; polygons after the first fill winding.
TEST(RegionParity, ShapeListsCombinedInTurn) {
  Tally tally("shape lists");
  Shapes make(31337);
  const CombineMode modes[] = {CombineMode::And, CombineMode::Or, CombineMode::Xor,
                               CombineMode::Diff};
  for (int list = 0; list < 800; ++list) {
    GdiRegion gdi(CreateRectRgn(0, 0, 0, 0));
    Region ours;
    std::string shape;
    const int count = make.Between(1, 6);
    for (int i = 0; i < count; ++i) {
      Region piece;
      HRGN gdi_piece = nullptr;
      if (make.Between(0, 2) == 0) {
        Rect box = make.Box(-50, 700);
        while (Region::Ellipse(box) != ReadBack(GdiEllipse(box).get())) box = make.Box(-50, 700);
        piece = Region::Ellipse(box);
        gdi_piece = CreateEllipticRgn(box.left, box.top, box.right, box.bottom);
        shape.append(" ellipse ").append(Describe(box));
      } else {
        const auto v = make.Vertices(-50, 700);
        const FillMode fill = i == 0 ? FillMode::Alternate : FillMode::Winding;
        piece = Region::Polygon(v, fill);
        gdi_piece = GdiPolygon(v, fill).release();
        shape.append(" ").append(Describe(v, fill));
      }
      const GdiRegion owned(gdi_piece);
      const CombineMode mode = i == 0 ? CombineMode::Or : modes[make.Between(0, 3)];
      if (i > 0) shape.append(" mode ").append(std::to_string(static_cast<int>(mode)));
      ours.CombineWith(piece, mode);
      CombineRgn(gdi.get(), gdi.get(), gdi_piece, static_cast<int>(mode));
    }
    tally.Check(ours, ReadBack(gdi.get()), shape);
  }
}

}  // namespace
}  // namespace sorvane::parity
