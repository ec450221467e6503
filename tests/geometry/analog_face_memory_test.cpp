#include "geometry/analog_face_memory.h"

#include <gtest/gtest.h>

#include "geometry/analog_region.h"
#include "shape_builders.h"

namespace sorvane {
namespace {

using testing::Circle;
using testing::Poly;

Skins TwoSkins() {
  Skin ring;
  ring.face = {Circle(0, 0, 290), Circle(0, 0, 270, '-')};
  ring.marks[14] = {Poly({{-3, -280}, {3, -280}, {3, -262}, {-3, -262}})};
  ring.marks[0] = {Poly({{-8, -285}, {8, -285}, {6, -240}, {-6, -240}})};
  ring.hour_hand = {Poly({{-10, 30}, {0, -170}, {10, 30}})};
  ring.minute_hand = {Poly({{-7, 30}, {0, -250}, {7, 30}})};
  ring.second_hand = {Poly({{-2, 50}, {-2, -270}, {2, -270}, {2, 50}}), Circle(0, -200, 12)};
  Skin bare = ring;
  bare.face.clear();
  bare.analog_order = {"sarrow", "marks", "harrow", "marks", "marrow"};
  bare.marks[3] = {Poly({{-20, -290}, {20, -290}, {0, -250}})};
  bare.mark_turns[3] = false;
  return {ring, bare};
}

// The memory must give exactly the one-step outline whatever changes between ticks: the
// time, the seconds, the skin, the skin's contents in place, the size and the place.
TEST(AnalogFaceMemory, GivesTheOneStepOutlineThroughEveryChange) {
  Skins skins = TwoSkins();
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
      EXPECT_EQ(memory.Build(skins, step.skin, t, step.seconds, step.x0, step.y0, step.side),
                AnalogClockRegion(skins, step.skin, t, step.seconds, step.x0, step.y0, step.side))
          << step.what << " at " << second;
    }
  }
  // A skin changed in place (read again from an edited file) is drawn anew.
  const TimeOfDay t{10, 8, 37};
  memory.Build(skins, 0, t, true, 125, 125, 250);
  for (auto change :
       {+[](Skin& s) { s.marks[14][0].points[0].x = -9; }, +[](Skin& s) { s.face.pop_back(); },
        +[](Skin& s) { s.mark_turns[0] = false; },
        +[](Skin& s) { s.analog_order[0] = "harrow"; }}) {
    change(skins[0]);
    EXPECT_EQ(memory.Build(skins, 0, t, true, 125, 125, 250),
              AnalogClockRegion(skins, 0, t, true, 125, 125, 250));
  }
}

TEST(AnalogFaceMemory, DrawsTheStillPartsOnlyWhenTheyChange) {
  const Skins skins = TwoSkins();
  AnalogFaceMemory memory;
  for (int second = 0; second < 3600; ++second) {
    memory.Build(skins, 0, TimeOfDay{9, second / 60, second % 60}, true, 125, 125, 250);
  }
  EXPECT_EQ(memory.still_builds(), 1);
  memory.Build(skins, 1, TimeOfDay{10, 0, 0}, true, 125, 125, 250);
  memory.Build(skins, 1, TimeOfDay{10, 0, 1}, true, 125, 125, 250);
  EXPECT_EQ(memory.still_builds(), 2);
  memory.Build(skins, 1, TimeOfDay{10, 0, 2}, true, 126, 125, 250);
  EXPECT_EQ(memory.still_builds(), 3);
}

}  // namespace
}  // namespace sorvane
