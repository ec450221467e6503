// Applying a profile: window size, place, the off-screen rule, font, colour and skin.
#include "clock_fixture.h"

namespace sorvane::testing {
namespace {

using ApplyProfile = ClockTest;

TEST_F(ApplyProfile, WindowSizeFromSizeStyleAndDate) {
  struct Case {
    const char* size;
    const char* style;
    bool date;
    int32_t width, height;
    bool repainted;
  };
  const Case cases[] = {
      {"Small", "Analog", false, 137, 137, true},
      {"Small", "Analog", true, 137, 171, true},
      {"Huge", "AnaDigi", true, 250, 374, true},
      {"FullScreen", "Digital", false, 1024, 256, true},
      {"FullScreen", "Digital", true, 1024, 512, true},
      {"FullScreen", "Analog", false, 768, 768, true},
      {"Huge", "Invisible", true, 0, 0, true},
      {"small", "Analog", false, 302, 302, false},  // letter case matters: no row
      {"", "Digital", true, 302, 302, false},
  };
  Start();
  for (const Case& c : cases) {
    hs.window.width = hs.window.height = 302;
    const int repaints = hs.window.repaints;
    Reapply([&](Profile& p) {
      p.size = c.size;
      p.style = c.style;
      p.show_date = c.date;
    });
    EXPECT_EQ(hs.window.width, c.width) << c.size << " " << c.style << " " << c.date;
    EXPECT_EQ(hs.window.height, c.height) << c.size << " " << c.style << " " << c.date;
    EXPECT_EQ(hs.window.repaints > repaints, c.repainted) << c.size << " " << c.style;
  }
}

TEST_F(ApplyProfile, PlacesWindowFromAnchorAndSides) {
  struct Case {
    const char* anchor;
    const char* x_edge;
    const char* y_edge;
    int32_t x, y, left, top;
  };
  const Case cases[] = {
      {"desktop", "right", "top", -137, 20, 886, 20},
      {"desktop", "left", "bottom", 30, -137, 30, 630},
      {"hook", "right", "bottom", 100, 50, 100, 50},
      {"hook", "left", "top", 100, 50, 100, 50},
  };
  profile.size = "Small";
  Start();
  for (const Case& c : cases) {
    Reapply([&](Profile& p) {
      p.anchor = c.anchor;
      p.x_edge = c.x_edge;
      p.y_edge = c.y_edge;
      p.x_offset = c.x;
      p.y_offset = c.y;
    });
    EXPECT_EQ(hs.window.left, c.left) << c.anchor << " " << c.x_edge << " " << c.x;
    EXPECT_EQ(hs.window.top, c.top) << c.anchor << " " << c.y_edge << " " << c.y;
  }
}

// A window that would show on no monitor lands on the primary screen at the nearest edge,
// and the profile keeps its own place for when it can be seen again. Any visible part keeps
// it in place.
TEST_F(ApplyProfile, WindowOffEveryMonitorComesBackOntoThePrimaryScreen) {
  profile.size = "Small";
  profile.x_offset = 5000;
  profile.y_offset = -900;
  Start();
  EXPECT_EQ(hs.window.Bounds(), (Rect{1024 - 137, 0, 1024, 137}));
  EXPECT_EQ(form.CurrentProfile(), profile) << "the profile keeps the place chosen";
  EXPECT_EQ(hs.files.writes, 0);

  hs.screen.AddMonitor({1024, -200, 2304, 824});
  Reapply([](Profile& p) {
    p.x_offset = 2000;
    p.y_offset = -150;
  });
  EXPECT_EQ(hs.window.Bounds(), (Rect{2000, -150, 2137, -13}));

  Reapply([](Profile& p) {
    p.x_offset = -113;  // 24 columns still on the primary screen: enough to grab
    p.y_offset = 0;
  });
  EXPECT_EQ(hs.window.left, -113);
}

TEST_F(ApplyProfile, InvisibleWindowKeepsItsPlace) {
  Start();
  Reapply([](Profile& p) { p.style = "Invisible"; });
  EXPECT_EQ(hs.window.Bounds(), (Rect{100, 50, 100, 50}));
}

TEST_F(ApplyProfile, FontFaceAndSlantOnlyColourAndSkin) {
  PutSkin("a.skn", "A");
  PutSkin("b.skn", "B");
  profile.font_name = "Courier New";
  profile.font_italic = true;
  profile.analog_color = 0x00123456;
  profile.skin_file = "b.skn";
  Start();
  const ports::ClockFontState& font = form.State().clock_font;
  EXPECT_EQ(font.face, "Courier New");
  EXPECT_TRUE(font.italic);
  EXPECT_FALSE(font.bold);  // the window's font was bold
  EXPECT_EQ(font.height, 13);
  EXPECT_EQ(hs.window.color, 0x00123456);
  EXPECT_EQ(form.WindowColor(), 0x00123456);
  EXPECT_EQ(form.State().current_skin, 1);

  Reapply([](Profile& p) {
    p.font_italic = false;
    p.skin_file = "B.skn";  // file names are compared exactly
  });
  EXPECT_FALSE(form.State().clock_font.italic);
  EXPECT_EQ(form.State().current_skin, 0);
}

}  // namespace
}  // namespace sorvane::testing
