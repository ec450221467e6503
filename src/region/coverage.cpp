// Reducing a finely drawn outline to coverage. The work is one pass over the spans and one
// over the pixels: each span adds its samples to a row of differences (a whole pixel run as
// two entries, however long), and a running sum turns the row into counts, so a full-screen
// clock costs about as much as clearing its pixels.
#include "region/coverage.h"

#include <algorithm>
#include <array>
#include <stdexcept>

namespace sorvane {
namespace {

// Adds `weight` samples to every pixel of [p0, p1).
void AddRun(std::vector<int32_t>& diff, int32_t p0, int32_t p1, int32_t weight) {
  if (p0 >= p1) return;
  diff[static_cast<std::size_t>(p0)] += weight;
  diff[static_cast<std::size_t>(p1)] -= weight;
}

// The span's samples [x0, x1) (already inside the row), `rows` fine rows deep, counted into
// the pixels they fall in.
void AddSpan(std::vector<int32_t>& diff, int32_t x0, int32_t x1, int32_t sx, int32_t rows) {
  const int32_t first = x0 / sx;
  const int32_t last = (x1 - 1) / sx;
  if (first == last) {
    AddRun(diff, first, first + 1, (x1 - x0) * rows);
    return;
  }
  AddRun(diff, first, first + 1, ((first + 1) * sx - x0) * rows);
  AddRun(diff, first + 1, last, sx * rows);
  AddRun(diff, last, last + 1, (x1 - last * sx) * rows);
}

}  // namespace

Coverage CoverageOf(const Region& fine, int32_t samples_x, int32_t samples_y, int32_t width,
                    int32_t height) {
  Coverage out;
  ReduceToCoverage(fine, samples_x, samples_y, width, height, out);
  return out;
}

void ReduceToCoverage(const Region& fine, int32_t samples_x, int32_t samples_y, int32_t width,
                      int32_t height, Coverage& out) {
  if (samples_x < 1 || samples_x > 16 || samples_y < 1 || samples_y > 16) {
    throw std::invalid_argument("samples per pixel out of 1..16");
  }
  out.width = std::max(width, 0);
  out.height = std::max(height, 0);
  out.alpha.assign(static_cast<std::size_t>(out.width) * static_cast<std::size_t>(out.height), 0);
  if (out.alpha.empty()) return;

  // Counts to alpha, rounded to nearest.
  const int32_t full = samples_x * samples_y;
  std::array<uint8_t, 257> to_alpha{};
  for (int32_t n = 0; n <= full; ++n) {
    to_alpha[static_cast<std::size_t>(n)] = static_cast<uint8_t>((n * 255 + full / 2) / full);
  }

  const int32_t fine_width = out.width * samples_x;
  const auto& bands = fine.bands();
  std::vector<int32_t> diff(static_cast<std::size_t>(out.width) + 1);
  std::size_t first_band = 0;
  for (int32_t py = 0; py < out.height; ++py) {
    const int32_t row0 = py * samples_y;
    const int32_t row1 = row0 + samples_y;
    while (first_band < bands.size() && bands[first_band].y1 <= row0) ++first_band;
    std::size_t b = first_band;
    if (b == bands.size() || bands[b].y0 >= row1) continue;  // the row stays clear
    std::fill(diff.begin(), diff.end(), 0);
    for (; b < bands.size() && bands[b].y0 < row1; ++b) {
      const int32_t rows = std::min(bands[b].y1, row1) - std::max(bands[b].y0, row0);
      for (const Region::Span& s : fine.spans_of(bands[b])) {
        const int32_t x0 = std::max(s.x0, 0);
        const int32_t x1 = std::min(s.x1, fine_width);
        if (x0 < x1) AddSpan(diff, x0, x1, samples_x, rows);
      }
    }
    uint8_t* row =
        out.alpha.data() + static_cast<std::size_t>(py) * static_cast<std::size_t>(out.width);
    int32_t count = 0;
    for (int32_t px = 0; px < out.width; ++px) {
      count += diff[static_cast<std::size_t>(px)];
      row[px] = to_alpha[static_cast<std::size_t>(count)];
    }
  }
}

}  // namespace sorvane
