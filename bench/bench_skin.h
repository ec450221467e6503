#pragma once
// The clock the analog benchmarks draw: a ring face with a hub, 48 minute marks, a generic
// hour mark turned to all twelve hours and three hands, at 10:08:37 with seconds shown.
#include <cstdint>
#include <initializer_list>

#include "files/skin.h"
#include "timefmt/date_format.h"

namespace sorvane::bench {

inline ShapeElement BenchPoly(std::initializer_list<Point> points, char op = '+') {
  ShapeElement e;
  e.operation = op;
  e.points = points;
  return e;
}

inline ShapeElement BenchCircle(int32_t radius, char op) {
  ShapeElement e;
  e.radius = radius;
  e.operation = op;
  return e;
}

inline Skin BenchSkin() {
  Skin skin;
  skin.face = {BenchCircle(298, '+'), BenchCircle(288, '-'), BenchCircle(18, '+')};
  skin.marks[14] = {BenchPoly({{-3, -284}, {3, -284}, {3, -268}, {-3, -268}})};
  skin.marks[0] = {BenchPoly({{-8, -284}, {8, -284}, {6, -240}, {-6, -240}})};
  skin.hour_hand = {BenchPoly({{-10, 30}, {-7, -150}, {0, -175}, {7, -150}, {10, 30}})};
  skin.minute_hand = {BenchPoly({{-7, 30}, {-4, -230}, {0, -250}, {4, -230}, {7, 30}})};
  skin.second_hand = {BenchPoly({{-2, 50}, {-2, -270}, {2, -270}, {2, 50}}),
                      BenchPoly({{-6, 60}, {6, 60}, {6, 40}, {-6, 40}}, '+')};
  return skin;
}

inline constexpr TimeOfDay kBenchTime{10, 8, 37};

}  // namespace sorvane::bench
