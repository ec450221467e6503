#pragma once
// The seven clock sizes and the window dimensions that follow from a size and a style.
#include <array>
#include <cstdint>
#include <optional>
#include <string_view>

#include "region/rect.h"

namespace sorvane {

struct ClockSize {
  std::string_view name;
  int32_t side;  // pixels; 0 for "FullScreen", which is sized from the screen
};

// Row n (1 to 7) is kClockSizes[n - 1]; the row number is the tag of its item in the Size menu.
inline constexpr std::array<ClockSize, 7> kClockSizes{{
    {"Huge", 250},
    {"Large", 213},
    {"Medium", 174},
    {"Small", 137},
    {"Tiny", 100},
    {"SuperTiny", 50},
    {"FullScreen", 0},
}};

// The row number (1 to 7) whose name equals `name` exactly, letter case included.
std::optional<int> FindClockSize(std::string_view name);

// A side of the size table (for 96 DPI) on a monitor of `dpi`, rounded as MulDiv rounds
// (halves away from zero). 0, "FullScreen", stays 0.
int32_t ScaledToDpi(int32_t side, int32_t dpi);

// What a clock shows, from the profile's style word. "Invisible" is the menu's (both faces
// off); any other word draws the analog face, and differs from "Analog" only at full
// screen, where the face keeps the whole screen height even with the date line on.
enum class ClockStyle { Analog, Digital, AnaDigi, Invisible, Other };
ClockStyle ParseClockStyle(std::string_view word);  // exact spelling

// Window width and height for a size row of side `side` (0 = full screen, sized from
// `screen`), the style and whether the date line is shown. The analog face is always the
// width-by-width square below the label line, which is not counted here.
Size WindowSizeFor(int32_t side, ClockStyle style, bool show_date, Size screen);

}  // namespace sorvane
