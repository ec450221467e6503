#include "geometry/analog_face_memory.h"

#include <gtest/gtest.h>

#include "geometry/analog_region.h"
#include "shape_builders.h"

namespace sorvane {
namespace {

using testing::Circle;
using testing::Poly;

TSkins TwoSkins() {
  TSkin ring;
  ring.StaticAnalog = {Circle(0, 0, 290), Circle(0, 0, 270, '-')};
  ring.Marks[14] = {Poly({{-3, -280}, {3, -280}, {3, -262}, {-3, -262}})};
  ring.Marks[0] = {Poly({{-8, -285}, {8, -285}, {6, -240}, {-6, -240}})};
  ring.HArrow = {Poly({{-10, 30}, {0, -170}, {10, 30}})};
  ring.MArrow = {Poly({{-7, 30}, {0, -250}, {7, 30}})};
  ring.SArrow = {Poly({{-2, 50}, {-2, -270}, {2, -270}, {2, 50}}), Circle(0, -200, 12)};
  TSkin bare = ring;
  bare.StaticAnalog.clear();
  bare.AnalogOrder = {"sarrow", "marks", "harrow", "marks", "marrow"};
  bare.Marks[3] = {Poly({{-20, -290}, {20, -290}, {0, -250}})};
  bare.MarkRotate[3] = false;
  return {ring, bare};
}

// The memory must give exactly the one-step outline whatever changes between ticks: the
// time, the seconds, the skin, the skin's contents in place, the size and the place.
TEST(AnalogFaceMemory, GivesTheOneStepOutlineThroughEveryChange) {
  TSkins skins = TwoSkins();
  AnalogFaceMemory memory;
  struct Step {
    const char* what;
    int32_t skin;
    int side, x0, y0;
    bool seconds;
  };
  const Step steps[] = {
      {"first tick", 0, 250, 125, 125, true},   {"seconds off", 0, 250, 125, 125, false},
      {"other skin", 1, 250, 125, 125, true},   {"back again", 0, 250, 125, 125, true},
      {"larger", 0, 302, 151, 151, true},       {"moved centre", 0, 302, 151, 170, true},
      {"no such skin", 5, 302, 151, 170, true}, {"negative skin", -1, 302, 151, 170, true},
      {"after no skin", 1, 50, 25, 25, true},
  };
  int second = 0;
  for (const Step& step : steps) {
    for (int tick = 0; tick < 70; tick += 7, second += 7) {
      const TimeOfDay t{(second / 3600) % 24, (second / 60) % 60, second % 60};
      EXPECT_EQ(memory.Make(skins, step.skin, t, step.seconds, step.x0, step.y0, step.side),
                MakeAnalogClockRgn(skins, step.skin, t, step.seconds, step.x0, step.y0, step.side))
          << step.what << " at " << second;
    }
  }
  // A skin changed in place (read again from an edited file) is drawn anew.
  const TimeOfDay t{10, 8, 37};
  memory.Make(skins, 0, t, true, 125, 125, 250);
  for (auto change :
       {+[](TSkin& s) { s.Marks[14][0].Points[0].x = -9; },
        +[](TSkin& s) { s.StaticAnalog.pop_back(); }, +[](TSkin& s) { s.MarkRotate[0] = false; },
        +[](TSkin& s) { s.AnalogOrder[0] = "harrow"; }}) {
    change(skins[0]);
    EXPECT_EQ(memory.Make(skins, 0, t, true, 125, 125, 250),
              MakeAnalogClockRgn(skins, 0, t, true, 125, 125, 250));
  }
}

TEST(AnalogFaceMemory, DrawsTheStillPartsOnlyWhenTheyChange) {
  const TSkins skins = TwoSkins();
  AnalogFaceMemory memory;
  for (int second = 0; second < 3600; ++second) {
    memory.Make(skins, 0, TimeOfDay{9, second / 60, second % 60}, true, 125, 125, 250);
  }
  EXPECT_EQ(memory.still_builds(), 1);
  memory.Make(skins, 1, TimeOfDay{10, 0, 0}, true, 125, 125, 250);
  memory.Make(skins, 1, TimeOfDay{10, 0, 1}, true, 125, 125, 250);
  EXPECT_EQ(memory.still_builds(), 2);
  memory.Make(skins, 1, TimeOfDay{10, 0, 2}, true, 126, 125, 250);
  EXPECT_EQ(memory.still_builds(), 3);
}

}  // namespace
}  // namespace sorvane
