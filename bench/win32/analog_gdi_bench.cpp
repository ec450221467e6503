// Times the analog clock outline two ways inside one Windows program: our region engine
// (AnalogClockRegion, with a region workspace in use as the clock's rebuilds have) and the same
// shapes built and united by GDI (CreatePolygonRgn, CreateEllipticRgn, CombineRgn), as a clock
// built on GDI regions would. Google Benchmark is not available for MinGW here, so each path is
// timed with QueryPerformanceCounter and the median of many runs is printed. It also checks that
// both paths give the same pixels.
#include <windows.h>

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <utility>
#include <vector>

#include "../bench_skin.h"
#include "geometry/analog_region.h"
#include "geometry/pixel_round.h"
#include "geometry/transform.h"
#include "region/region_workspace.h"

namespace {

using sorvane::Region;
using sorvane::Shape;

// One skin element through GDI: the first element starts the region, later ones combine
// by their operation; the first polygon fills alternate, later ones winding.
HRGN GdiShape(const Shape& shape, int side, int angle, int x0, int y0,
              std::vector<POINT>& vertices) {
  const sorvane::SkinTransform t(side, angle, x0, y0);
  HRGN out = nullptr;
  for (const sorvane::ShapeElement& e : shape) {
    HRGN piece;
    if (e.radius > 0) {
      const sorvane::RealPoint c = t.Apply({double(e.x), double(e.y)});
      const double r = e.radius / 600.0 * side;
      piece = CreateEllipticRgn(sorvane::RoundToPixel(c.x - r), sorvane::RoundToPixel(c.y - r),
                                sorvane::RoundToPixel(c.x + r), sorvane::RoundToPixel(c.y + r));
    } else {
      vertices.clear();
      for (const sorvane::Point& p : e.points) {
        const sorvane::Point px = sorvane::RoundPoint(t.Apply({double(p.x), double(p.y)}));
        vertices.push_back({px.x, px.y});
      }
      piece = CreatePolygonRgn(vertices.data(), static_cast<int>(vertices.size()),
                               out ? WINDING : ALTERNATE);
    }
    if (!out) {
      out = piece;
      continue;
    }
    int mode = 0;
    switch (e.operation) {
      case '+':
        mode = RGN_OR;
        break;
      case '-':
        mode = RGN_DIFF;
        break;
      case '&':
        mode = RGN_AND;
        break;
      case '%':
        mode = RGN_XOR;
        break;
      default:
        break;
    }
    if (mode) CombineRgn(out, out, piece, mode);
    DeleteObject(piece);
  }
  return out;
}

// The bench clock through GDI: face, 48 minute marks, 12 hour marks, three hands.
HRGN GdiClock(const sorvane::Skin& skin, int side) {
  std::vector<POINT> vertices;
  const int c = side / 2;
  HRGN out = nullptr;
  auto draw = [&](const Shape& shape, int angle) {
    HRGN piece = GdiShape(shape, side, angle, c, c, vertices);
    if (!out) {
      out = piece;
      return;
    }
    CombineRgn(out, out, piece, RGN_OR);
    DeleteObject(piece);
  };
  const sorvane::TimeOfDay t = sorvane::bench::kBenchTime;
  draw(skin.face, 0);
  for (int j = 1; j < 60; ++j) {
    if (j % 5 != 0) draw(skin.marks[14], -6 * j);
  }
  for (int j = 0; j < 12; ++j) draw(skin.marks[0], -30 * j);
  draw(skin.hour_hand, sorvane::HourHandAngle(t));
  draw(skin.minute_hand, sorvane::MinuteHandAngle(t));
  draw(skin.second_hand, sorvane::SecondHandAngle(t));
  return out;
}

Region OursClock(const sorvane::Skins& skins, int side) {
  return sorvane::AnalogClockRegion(skins, 0, sorvane::bench::kBenchTime, true, side / 2, side / 2,
                                    side);
}

Region FromHrgn(HRGN rgn) {
  const DWORD size = GetRegionData(rgn, 0, nullptr);
  std::vector<char> buffer(size);
  auto* data = reinterpret_cast<RGNDATA*>(buffer.data());
  GetRegionData(rgn, size, data);
  const auto* rects = reinterpret_cast<const RECT*>(data->Buffer);
  std::vector<sorvane::Rect> out;
  for (DWORD i = 0; i < data->rdh.nCount; ++i) {
    out.push_back({rects[i].left, rects[i].top, rects[i].right, rects[i].bottom});
  }
  return Region::FromRects(out);
}

double Seconds(LARGE_INTEGER from, LARGE_INTEGER to, LARGE_INTEGER freq) {
  return double(to.QuadPart - from.QuadPart) / double(freq.QuadPart);
}

// Median times of two calls, in microseconds, over `runs` timed calls of each after a
// warm-up. The calls take turns, so a machine that slows down or speeds up meanwhile
// weighs on both alike and their ratio stays fair.
template <typename A, typename B>
std::pair<double, double> MedianMicroseconds(A&& first, B&& second, int runs) {
  LARGE_INTEGER freq;
  QueryPerformanceFrequency(&freq);
  for (int i = 0; i < 10; ++i) {
    first();
    second();
  }
  std::vector<double> first_times, second_times;
  first_times.reserve(static_cast<std::size_t>(runs));
  second_times.reserve(static_cast<std::size_t>(runs));
  const auto timed = [&](auto&& call) {
    LARGE_INTEGER a, b;
    QueryPerformanceCounter(&a);
    call();
    QueryPerformanceCounter(&b);
    return Seconds(a, b, freq) * 1e6;
  };
  for (int i = 0; i < runs; ++i) {
    first_times.push_back(timed(first));
    second_times.push_back(timed(second));
  }
  const auto median = [runs](std::vector<double>& times) {
    std::nth_element(times.begin(), times.begin() + runs / 2, times.end());
    return times[static_cast<std::size_t>(runs / 2)];
  };
  return {median(first_times), median(second_times)};
}

uint64_t ThreadCpu100ns() {
  FILETIME created, exited, kernel, user;
  GetThreadTimes(GetCurrentThread(), &created, &exited, &kernel, &user);
  auto ticks = [](FILETIME f) { return (uint64_t(f.dwHighDateTime) << 32) | f.dwLowDateTime; };
  return ticks(kernel) + ticks(user);
}

// Processor time of one call, in microseconds, averaged over a batch long enough for the
// coarse thread clock; unlike the median wall time it does not count time other processes
// took from us.
template <typename F>
double CpuMicroseconds(F&& call, int runs) {
  const uint64_t start = ThreadCpu100ns();
  for (int i = 0; i < runs; ++i) call();
  return double(ThreadCpu100ns() - start) / 10.0 / runs;
}

}  // namespace

int main(int argc, char** argv) {
  const int runs = argc > 1 ? std::max(1, std::atoi(argv[1])) : 301;
  const sorvane::Skins skins{sorvane::bench::BenchSkin()};
  sorvane::RegionWorkspace workspace;
  int mismatches = 0;
  std::printf(
      "wall: median of %d runs of each, taking turns; cpu: thread time / %d runs; "
      "microseconds\n",
      runs, runs * 4);
  std::printf("side  ours_wall  gdi_wall  ratio  ours_cpu  gdi_cpu  ratio  same_pixels\n");
  for (int side : {250, 1080}) {
    HRGN once = GdiClock(skins[0], side);
    const bool same = FromHrgn(once) == OursClock(skins, side);
    DeleteObject(once);
    if (!same) ++mismatches;
    auto ours = [&] {
      const sorvane::RegionWorkspace::Scope scope(workspace);
      Region r = OursClock(skins, side);
      if (r.IsEmpty()) std::abort();
    };
    auto gdi = [&] { DeleteObject(GdiClock(skins[0], side)); };
    const auto [ours_wall, gdi_wall] = MedianMicroseconds(ours, gdi, runs);
    const double ours_cpu = CpuMicroseconds(ours, runs * 4);
    const double gdi_cpu = CpuMicroseconds(gdi, runs * 4);
    std::printf("%4d  %9.1f  %8.1f  %5.2f  %8.1f  %7.1f  %5.2f  %s\n", side, ours_wall, gdi_wall,
                gdi_wall / ours_wall, ours_cpu, gdi_cpu, gdi_cpu / ours_cpu, same ? "yes" : "NO");
  }
  return mismatches == 0 ? 0 : 1;
}
