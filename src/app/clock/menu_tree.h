#pragma once
// The clock's popup menu as it is built with the window, before any skin or profile is
// known, and the command ids of its items. The ids are fixed so that the Windows shell can
// use them as WM_COMMAND ids; all of them fit in 16 bits and none is 0.
#include <array>
#include <cstdint>
#include <string>

#include "app/ports/menu_model.h"

namespace sorvane::menu_id {

inline constexpr int32_t Close = 100;
inline constexpr int32_t Title = 101;
inline constexpr int32_t AnalogSubmenu = 102;
inline constexpr int32_t EnableAnalog = 103;
inline constexpr int32_t AnalogSeconds = 104;
inline constexpr int32_t DigitalSubmenu = 105;
inline constexpr int32_t EnableDigital = 106;
inline constexpr int32_t DigitalSeconds = 107;
inline constexpr int32_t ShowDate = 108;
inline constexpr int32_t DateFormatSubmenu = 109;
inline constexpr int32_t Hours24 = 110;
inline constexpr int32_t Hours12 = 111;
inline constexpr int32_t Font = 112;
inline constexpr int32_t ColorSubmenu = 113;
inline constexpr int32_t AnalogColor = 114;
inline constexpr int32_t DigitalColor = 115;
inline constexpr int32_t SizeSubmenu = 116;
inline constexpr int32_t Help = 117;
inline constexpr int32_t WebLinksSubmenu = 118;
inline constexpr int32_t StartAtLogin = 119;
inline constexpr int32_t SmoothEdges = 120;
inline constexpr int32_t OpacitySubmenu = 121;
inline constexpr int32_t TimeZone = 122;
inline constexpr int32_t Label = 123;
inline constexpr int32_t NewClock = 124;
inline constexpr int32_t RemoveClock = 125;

// The Size item of kClockSizes row n (1 to 7) is SizeBase + n.
inline constexpr int32_t SizeBase = 200;
// The item of date format n (1 to 10) is DateFormatBase + n.
inline constexpr int32_t DateFormatBase = 300;
// Web link n (1 to 3) is WebLinkBase + n.
inline constexpr int32_t WebLinkBase = 400;
// Separators are numbered in display order from SeparatorBase + 1.
inline constexpr int32_t SeparatorBase = 500;
// The item of opacity p percent is OpacityBase + p.
inline constexpr int32_t OpacityBase = 600;
// The item of the skin with index i in skins is FirstSkinItem + i.
inline constexpr int32_t FirstSkinItem = 1000;
inline constexpr int32_t LastSkinItem = 0xFFFF;

constexpr int32_t SizeItem(int32_t row) {
  return SizeBase + row;
}
constexpr int32_t DateFormatItem(int32_t number) {
  return DateFormatBase + number;
}
constexpr int32_t WebLinkItem(int32_t number) {
  return WebLinkBase + number;
}
constexpr int32_t WebLinkNumber(int32_t item) {
  return item - WebLinkBase;
}
constexpr int32_t OpacityItem(int32_t percent) {
  return OpacityBase + percent;
}
constexpr int32_t SkinItem(int32_t index) {
  return FirstSkinItem + index;
}

}  // namespace sorvane::menu_id

namespace sorvane {

// The tag of the analog submenu's fixed items: above any skin index in practice.
inline constexpr int32_t kFixedAnalogItemTag = 10000;

// The whole menu as built, with "1" to "10" as the date-format captions and no skin items.
MenuModel BuildClockMenu();

// Replaces the captions of the date-format items 1 to 10 (index 0 is unused).
void SetDateFormatCaptions(MenuModel& menu, const std::array<std::string, 11>& captions);

// Adds the check item that starts the clock at login, right before Help (in Help's group),
// captioned as the shell names it.
void AddLoginStartItem(MenuModel& menu, const std::string& caption);

// Adds the "Smooth Edges" check item to the Color submenu, before "Opacity"; removes it.
void AddSmoothEdgesItem(MenuModel& menu);
void RemoveSmoothEdgesItem(MenuModel& menu);

// Appends a skin's radio item to the analog submenu. A skin whose index has no command id
// left gets no item.
void AddSkinItem(MenuModel& menu, const std::string& name, int32_t index);
// Removes every skin item, leaving the four fixed items.
void RemoveSkinItems(MenuModel& menu);

}  // namespace sorvane
