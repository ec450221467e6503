#pragma once
// The analog clock's outline for a time of day: face, marks and hands of the current skin
// united into one region.
#include <cstdint>

#include "files/skin.h"
#include "region/region.h"
#include "timefmt/date_format.h"

namespace sorvane {

// The hour hand turns one degree every two minutes and uses the 24-hour hour (afternoon
// angles reach -719, the same places as the morning ones).
int HourHandAngle(TimeOfDay t);
int MinuteHandAngle(TimeOfDay t);
int SecondHandAngle(TimeOfDay t);

// The union of what the five analog order slots of skin `skin_index` name, exactly spelt:
// "static" (the face), "marks" (48 minute marks and the 12 hour marks), "harrow",
// "marrow", and "sarrow" (only when `show_seconds`). The face is the `side`-pixel square
// centred at (x0, y0). No skin at `skin_index`, or nothing to draw, gives an empty region.
Region AnalogClockRegion(const Skins& skins, int32_t skin_index, TimeOfDay t, bool show_seconds,
                         int x0, int y0, int side);

// The same outline in two steps, for a clock that keeps the parts that stand still: the
// "static" and "marks" slots alone, and then those (already drawn) with the hands at time t.
// Together they give exactly AnalogClockRegion's region.
Region StillPartsRegion(const Skin& skin, int x0, int y0, int side);
Region AddHands(const Region& still, const Skin& skin, TimeOfDay t, bool show_seconds, int x0,
                int y0, int side);

}  // namespace sorvane
