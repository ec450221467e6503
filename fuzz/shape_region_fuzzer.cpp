// ShapeRegion on shape lists holding extreme skin numbers (int32 limits for centres,
// radii and vertices), at every clock size and any angle. UndefinedBehaviorSanitizer stops
// the run at any real-to-pixel conversion outside the int range; the result must be a valid
// region within the pixel limit, and the same whether or not scratch storage is reused.
#include <fuzzer/FuzzedDataProvider.h>

#include <cstddef>
#include <cstdint>

#include "fuzz_check.h"
#include "geometry/pixel_round.h"
#include "geometry/shape_region.h"
#include "region/region_workspace.h"
#include "skin_numbers.h"

namespace {

using namespace sorvane;

bool WithinPixelLimit(const Region& r) {
  const Rect b = r.Bounds();
  return b.left >= -kCoordLimit && b.top >= -kCoordLimit && b.right <= kCoordLimit &&
         b.bottom <= kCoordLimit;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  FuzzedDataProvider in(data, size);
  const int side = fuzz::ConsumeFaceSide(in);
  const int angle = in.ConsumeBool() ? in.ConsumeIntegralInRange(-719, 0) : in.ConsumeIntegral<int>();
  const Shape shape = fuzz::ConsumeShape(in, 5, 8);

  // Built twice in a workspace (the second time in storage the first lent it) and once
  // without: the workspace must change no result.
  RegionWorkspace workspace;
  Region region;
  {
    const RegionWorkspace::Scope scope(workspace);
    (void)ShapeRegion(shape, side, angle, side / 2, side / 2);
    region = ShapeRegion(shape, side, angle, side / 2, side / 2);
  }
  FUZZ_CHECK(region.IsValid());
  FUZZ_CHECK(WithinPixelLimit(region));
  FUZZ_CHECK(region == ShapeRegion(shape, side, angle, side / 2, side / 2));
  if (shape.empty()) FUZZ_CHECK(region.IsEmpty());
  return 0;
}
