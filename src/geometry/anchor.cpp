#include "geometry/anchor.h"

#include <algorithm>
#include <limits>

namespace sorvane {
namespace {

int32_t ClampToInt32(int64_t v) {
  return static_cast<int32_t>(std::clamp<int64_t>(v, std::numeric_limits<int32_t>::min(),
                                                  std::numeric_limits<int32_t>::max()));
}

Point SelectedEdges(const Profile& profile, Size screen) {
  const AnchorBox a = AnchorBoxOf(profile, screen);
  return {profile.x_edge == "right" ? a.right : a.left,
          profile.y_edge == "bottom" ? a.bottom : a.top};
}

bool Overlaps(const Rect& a, const Rect& b) {
  return a.left < b.right && b.left < a.right && a.top < b.bottom && b.top < a.bottom;
}

// A window with no area (the "Invisible" style) counts as its top-left pixel.
Rect VisibilityProbe(const Rect& w) {
  if (w.right > w.left && w.bottom > w.top) return w;
  return {w.left, w.top, ClampToInt32(int64_t{w.left} + 1), ClampToInt32(int64_t{w.top} + 1)};
}

// The start that keeps [start, start + length) inside [lo, hi) when it fits, else lo.
int32_t Fit(int32_t start, int64_t length, int32_t lo, int32_t hi) {
  const int64_t last_start = std::max<int64_t>(lo, int64_t{hi} - length);
  return ClampToInt32(std::clamp<int64_t>(start, lo, last_start));
}

}  // namespace

AnchorBox AnchorBoxOf(const Profile& profile, Size screen) {
  if (profile.anchor == "hook") return {0, 0, 0, 0};
  return {0, 0, ClampToInt32(int64_t{screen.width} - 1), ClampToInt32(int64_t{screen.height} - 1)};
}

Point AnchorOffsets(int32_t left, int32_t top, const Profile& profile, Size screen) {
  const Point edge = SelectedEdges(profile, screen);
  return {ClampToInt32(int64_t{left} - edge.x), ClampToInt32(int64_t{top} - edge.y)};
}

Point PlaceFromProfile(const Profile& profile, Size screen) {
  const Point edge = SelectedEdges(profile, screen);
  return {ClampToInt32(int64_t{edge.x} + profile.x_offset),
          ClampToInt32(int64_t{edge.y} + profile.y_offset)};
}

Rect KeepOnSomeMonitor(const Rect& window, std::span<const Rect> monitors) {
  if (monitors.empty()) return window;
  const Rect probe = VisibilityProbe(window);
  for (const Rect& m : monitors) {
    if (Overlaps(probe, m)) return window;
  }
  const Rect& primary = monitors.front();
  const int64_t width = int64_t{window.right} - window.left;
  const int64_t height = int64_t{window.bottom} - window.top;
  // An empty window is fitted as one pixel, so that it too lands on the screen.
  const int32_t left = Fit(window.left, std::max<int64_t>(width, 1), primary.left, primary.right);
  const int32_t top = Fit(window.top, std::max<int64_t>(height, 1), primary.top, primary.bottom);
  return {left, top, ClampToInt32(left + width), ClampToInt32(top + height)};
}

}  // namespace sorvane
