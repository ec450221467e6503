// The ellipse inscribed in a box, rasterised as GDI does: the box is normalised, its right and
// bottom edges are left out, and the outline is traced with an integer midpoint stepper from
// the middle row outwards; the upper half mirrors the lower one. A box less than three pixels
// across in either direction gives the plain rectangle without its right column and bottom row.
//
// Two places where GDI (as Wine implements it) goes wrong are put right here:
// - A box with no width or no height has no ellipse. GDI takes the right column and bottom row
//   off before it orders the corners, so such a box there turns into a one-pixel strip
//   outside it, left of or above the box.
// - For a tall, slim ellipse the stepper can reach the sides before it reaches the last rows;
//   GDI leaves those rows unwritten (whatever memory held). Here they continue the tip.
#include <algorithm>
#include <cstdlib>
#include <vector>

#include "region/coords.h"
#include "region/region.h"
#include "region/region_builder.h"
#include "region/workspace_storage.h"

namespace sorvane {

Region Region::Ellipse(const Rect& box) {
  const int64_t left = std::min(coords::Clamp(box.left), coords::Clamp(box.right));
  const int64_t right = std::max(coords::Clamp(box.left), coords::Clamp(box.right)) - 1;
  const int64_t top = std::min(coords::Clamp(box.top), coords::Clamp(box.bottom));
  const int64_t bottom = std::max(coords::Clamp(box.top), coords::Clamp(box.bottom)) - 1;
  const int64_t width = right - left;   // columns covered
  const int64_t height = bottom - top;  // rows covered
  if (width < 0 || height < 0) return {};
  if (width < 2 || height < 2) {
    return FromRect({static_cast<int32_t>(left), static_cast<int32_t>(top),
                     static_cast<int32_t>(right), static_cast<int32_t>(bottom)});
  }

  // inset[i]: how many pixels row middle + i loses at each end.
  const int64_t middle = height / 2;
  detail::ScratchForCall call;
  std::vector<int64_t>& inset = call.get().inset;
  inset.assign(static_cast<std::size_t>(height - middle), 0);
  const int64_t a = width - 1, b = height - 1;
  const int64_t a2x8 = 8 * a * a, b2x8 = 8 * b * b;
  int64_t dx = 4 * b * b * (1 - a);
  int64_t dy = 4 * a * a * (1 + b % 2);
  int64_t err = dx + dy + a * a * (b % 2);
  int64_t x = 0;
  std::size_t row = 0;
  while (x <= width / 2) {
    const int64_t e2 = 2 * err;
    if (e2 >= dx) {
      ++x;
      dx += b2x8;
      err += dx;
    }
    if (e2 <= dy) {
      if (++row >= inset.size()) break;
      dy += a2x8;
      err += dy;
      inset[row] = x;
    }
  }
  for (std::size_t rest = row + 1; rest < inset.size(); ++rest) inset[rest] = inset[row];

  RegionBuilder out(call.storage());
  for (int64_t i = 0; i < height; ++i) {
    const int64_t mirrored = i < middle ? b - i : i;
    const int64_t in = inset[static_cast<std::size_t>(mirrored - middle)];
    out.AddSpan(static_cast<int32_t>(left + in), static_cast<int32_t>(right - in));
    out.EndBand(static_cast<int32_t>(top + i), static_cast<int32_t>(top + i + 1));
  }
  return out.Finish();
}

}  // namespace sorvane
