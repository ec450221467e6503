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

// A rectangle in 64 bits: a window placed near the int32 limits keeps its full size.
struct Box {
  int64_t left, top, right, bottom;
};

Box BoxAt(Point place, Size size) {
  // An empty window (the "Invisible" style) counts as its top-left pixel.
  const int64_t width = std::max(size.width, 1);
  const int64_t height = std::max(size.height, 1);
  return {place.x, place.y, place.x + width, place.y + height};
}

// Whether `window` shows on `monitor` a piece of kGrabbableSide pixels each way, or all of
// itself where it is smaller than that.
bool ShowsGrabbablePiece(const Box& window, const Rect& monitor) {
  const int64_t shown_width =
      std::min<int64_t>(window.right, monitor.right) - std::max<int64_t>(window.left, monitor.left);
  const int64_t shown_height =
      std::min<int64_t>(window.bottom, monitor.bottom) - std::max<int64_t>(window.top, monitor.top);
  return shown_width >= std::min<int64_t>(kGrabbableSide, window.right - window.left) &&
         shown_height >= std::min<int64_t>(kGrabbableSide, window.bottom - window.top);
}

// The start that keeps [start, start + length) inside [lo, hi) when it fits, else lo.
int32_t Fit(int64_t start, int64_t length, int32_t lo, int32_t hi) {
  const int64_t last_start = std::max<int64_t>(lo, int64_t{hi} - length);
  return ClampToInt32(std::clamp<int64_t>(start, lo, last_start));
}

bool IsEmpty(const Rect& r) {
  return r.right <= r.left || r.bottom <= r.top;
}

Rect Intersection(const Rect& a, const Rect& b) {
  return {std::max(a.left, b.left), std::max(a.top, b.top), std::min(a.right, b.right),
          std::min(a.bottom, b.bottom)};
}

bool Contains(const Rect& area, const Box& box) {
  return area.left <= box.left && area.top <= box.top && box.right <= area.right &&
         box.bottom <= area.bottom;
}

// The monitor holding the middle of `window`, cut to the work area when it is the primary
// one; the primary (or the work area) when none holds it.
Rect AreaOf(const Rect& window, std::span<const Rect> monitors, const Rect& work_area) {
  const int64_t x = (int64_t{window.left} + window.right) / 2;
  const int64_t y = (int64_t{window.top} + window.bottom) / 2;
  size_t index = 0;
  for (size_t i = 0; i < monitors.size(); ++i) {
    const Rect& m = monitors[i];
    if (m.left <= x && x < m.right && m.top <= y && y < m.bottom) {
      index = i;
      break;
    }
  }
  if (monitors.empty()) return work_area;
  if (index != 0 || IsEmpty(work_area)) return monitors[index];
  const Rect cut = Intersection(work_area, monitors.front());
  return IsEmpty(cut) ? monitors.front() : cut;
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

Point KeepGrabbable(Point place, Size size, std::span<const Rect> monitors, const Rect& work_area) {
  if (monitors.empty()) return place;
  const Box window = BoxAt(place, size);
  for (const Rect& m : monitors) {
    if (ShowsGrabbablePiece(window, m)) return place;
  }
  // A work area the system could not give is the whole primary monitor, and one it has not
  // yet caught up with after a change of screens is cut to the monitor.
  const Rect& primary = monitors.front();
  const Rect cut = Intersection(work_area, primary);
  const Rect& area = IsEmpty(cut) ? primary : cut;
  return {Fit(window.left, window.right - window.left, area.left, area.right),
          Fit(window.top, window.bottom - window.top, area.top, area.bottom)};
}

Point PlaceBeside(const Rect& beside, Size size, std::span<const Rect> monitors,
                  const Rect& work_area) {
  const Rect area = AreaOf(beside, monitors, work_area);
  const int64_t width = std::max(size.width, 1);
  const int64_t height = std::max(size.height, 1);
  const Point candidates[] = {
      {beside.right, beside.top},
      {ClampToInt32(beside.left - width), beside.top},
      {beside.left, beside.bottom},
      {beside.left, ClampToInt32(beside.top - height)},
  };
  for (const Point& place : candidates) {
    if (Contains(area, BoxAt(place, size))) return place;
  }
  return {Fit(beside.right, width, area.left, area.right),
          Fit(beside.top, height, area.top, area.bottom)};
}

}  // namespace sorvane
