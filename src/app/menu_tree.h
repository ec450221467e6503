#pragma once
// The clock's popup menu as it is built with the window, before any skin or profile is
// known, and the command ids of its items. The ids are fixed so that the Windows shell can
// use them as WM_COMMAND ids; all of them fit in 16 bits and none is 0.
#include <array>
#include <cstdint>
#include <string>

#include "app/menu_model.h"

namespace sorvane::menu_id {

inline constexpr int32_t Close1 = 100;
inline constexpr int32_t TitleItem = 101;
inline constexpr int32_t AnalogClock2 = 102;
inline constexpr int32_t EnableAnalogClock1 = 103;
inline constexpr int32_t ShowSeconds2 = 104;
inline constexpr int32_t DigitalClock2 = 105;
inline constexpr int32_t EnableDigitalClock1 = 106;
inline constexpr int32_t ShowSeconds1 = 107;
inline constexpr int32_t ShowDate1 = 108;
inline constexpr int32_t DateFormat1 = 109;
inline constexpr int32_t N24HFormat1 = 110;
inline constexpr int32_t N12HFormat1 = 111;
inline constexpr int32_t ChooseFont1 = 112;
inline constexpr int32_t Color1 = 113;
inline constexpr int32_t SetClockColor1 = 114;
inline constexpr int32_t SetDateColor1 = 115;
inline constexpr int32_t Size1 = 116;
inline constexpr int32_t Help1 = 117;
inline constexpr int32_t WebLinks1 = 118;

// The Size item of kClockSizes row n (1 to 7) is FirstSize + n.
inline constexpr int32_t FirstSize = 200;
// The item of date format n (1 to 10) is FirstDateFormat + n.
inline constexpr int32_t FirstDateFormat = 300;
// Web link n (1 to 3) is FirstWebLink + n.
inline constexpr int32_t FirstWebLink = 400;
// Separators are numbered in display order from FirstSeparator + 1.
inline constexpr int32_t FirstSeparator = 500;
// The item of the skin with index i in skins is FirstSkin + i.
inline constexpr int32_t FirstSkin = 1000;
inline constexpr int32_t LastSkin = 0xFFFF;

constexpr int32_t Size(int32_t row) {
  return FirstSize + row;
}
constexpr int32_t DateFormat(int32_t number) {
  return FirstDateFormat + number;
}
constexpr int32_t WebLink(int32_t number) {
  return FirstWebLink + number;
}
constexpr int32_t Skin(int32_t index) {
  return FirstSkin + index;
}

}  // namespace sorvane::menu_id

namespace sorvane {

// The Tag of the analog submenu's fixed items: above any skin index in practice.
inline constexpr int32_t kFixedAnalogItemTag = 10000;

// The whole menu as built, with "1" to "10" as the date-format captions and no skin items.
MenuModel BuildClockMenu();

// Replaces the captions of the date-format items 1 to 10 (index 0 is unused).
void SetDateFormatCaptions(MenuModel& menu, const std::array<std::string, 11>& captions);

// Appends a skin's radio item to the analog submenu. A skin whose index has no command id
// left gets no item.
void AddSkinItem(MenuModel& menu, const std::string& name, int32_t index);
// Removes every skin item, leaving the four fixed items.
void RemoveSkinItems(MenuModel& menu);

}  // namespace sorvane
