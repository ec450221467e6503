#include "geometry/clock_sizes.h"

#include <gtest/gtest.h>

#include <string>

namespace sorvane {
namespace {

TEST(kClockSizes, NamesAreFoundExactlyAndRowsAreMenuTags) {
  const struct {
    std::string name;
    std::optional<int> row;
    int32_t side;
  } cases[] = {
      {"Huge", 1, 250},
      {"Large", 2, 213},
      {"Medium", 3, 174},
      {"Small", 4, 137},
      {"Tiny", 5, 100},
      {"SuperTiny", 6, 50},
      {"FullScreen", 7, 0},
      {"huge", std::nullopt, 0},
      {"HUGE", std::nullopt, 0},
      {"Huge ", std::nullopt, 0},
      {"Fullscreen", std::nullopt, 0},
      {"", std::nullopt, 0},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(FindClockSize(c.name), c.row) << c.name;
    if (c.row) {
      EXPECT_EQ(kClockSizes[static_cast<size_t>(*c.row - 1)].side, c.side) << c.name;
    }
  }
}

TEST(WindowSizeFor, FixedSizesAddQuarterBandsForTimeAndDate) {
  const Size screen{1024, 768};
  const struct {
    int32_t side;
    std::string style;
    bool show_date;
    Size size;
  } cases[] = {
      {250, "Analog", false, {250, 250}},  {250, "Analog", true, {250, 312}},
      {250, "Digital", false, {250, 62}},  {250, "Digital", true, {250, 124}},
      {250, "AnaDigi", false, {250, 312}}, {250, "AnaDigi", true, {250, 374}},
      {250, "Invisible", false, {0, 0}},   {250, "Invisible", true, {0, 0}},
      {250, "analog", false, {250, 250}},  {250, "Fancy", true, {250, 312}},
      {137, "AnaDigi", true, {137, 205}},  {50, "Digital", true, {50, 24}},
      {213, "Analog", true, {213, 266}},   {100, "AnaDigi", false, {100, 125}},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(WindowSizeFor(c.side, ParseClockStyle(c.style), c.show_date, screen), c.size)
        << c.side << " " << c.style << " " << c.show_date;
  }
}

TEST(WindowSizeFor, FullScreenFollowsTheScreen) {
  const Size screen{1024, 768};
  const struct {
    std::string style;
    bool show_date;
    Size size;
  } cases[] = {
      {"Analog", false, {768, 768}},
      {"Analog", true, {576, 768}},
      {"Digital", false, {1024, 256}},
      {"Digital", true, {1024, 512}},
      {"AnaDigi", false, {576, 768}},
      {"AnaDigi", true, {432, 768}},
      {"Invisible", false, {0, 0}},
      {"Invisible", true, {0, 0}},
      // An unknown style keeps the whole screen height as the face, date line or not.
      {"Other", false, {768, 768}},
      {"Other", true, {768, 768}},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(WindowSizeFor(0, ParseClockStyle(c.style), c.show_date, screen), c.size)
        << c.style << " " << c.show_date;
  }
  EXPECT_EQ(WindowSizeFor(0, ClockStyle::AnaDigi, true, {1920, 1080}), (Size{608, 1080}));
}

}  // namespace
}  // namespace sorvane
