#pragma once
// The skin frame and its mapping into window pixels. Skin units: origin at the face centre,
// x to the right, y downwards, 600 units across the face. Angles are whole degrees, a
// positive angle turning counterclockwise as seen on the screen.
#include <cstdint>

#include "region/rect.h"

namespace sorvane {

struct RealPoint {
  double x = 0;
  double y = 0;
  friend bool operator==(const RealPoint&, const RealPoint&) = default;
};

// Each coordinate rounded to a pixel as RoundToPixel does.
Point RoundPoint(RealPoint p);

// The mapping of one shape copy: a point in skin units turned about the skin origin by
// `angle`, scaled to a face of `side` pixels and moved to the face centre (x0, y0), in window
// pixels, not yet rounded. The angle's sine and cosine are worked out once for all the
// vertices of the copy.
class SkinTransform {
 public:
  SkinTransform(int side, int angle, int x0, int y0);
  RealPoint Apply(RealPoint p) const;
  int side() const { return side_; }

 private:
  double cos_, sin_;
  int side_, x0_, y0_;
};

}  // namespace sorvane
