// Smooth edges, opacity and the display scale, through the clock's commands.
#include "app/clock/layered_image.h"
#include "app/clock/menu_tree.h"
#include "clock_fixture.h"

namespace sorvane::testing {
namespace {

using Look = ClockTest;

uint32_t AlphaOf(uint32_t pixel) {
  return pixel >> 24;
}

const ports::LayeredImage& LastImage(const headless::FakeWindow& window) {
  return window.images.back();
}

// The region path's area in pixels and the image's alpha added up agree to within 2 % (the
// fine outline is not the coarse one scaled: shapes and glyphs round at their own size);
// pixels deep inside are opaque, the corners clear, and the edges have shades.
TEST_F(Look, SmoothEdgesShowTheRegionsOutlineWithShadesAtItsEdges) {
  PutSkin("a.skn", "Disc");
  profile.style = "AnaDigi";
  profile.analog_color = 0x0000FF;   // red
  profile.digital_color = 0x00FF00;  // green
  Start();
  const Region region = hs.window.CurrentRegion();
  int64_t region_area = 0;
  for (const Rect& r : region.Rects()) {
    region_area += int64_t{r.right - r.left} * (r.bottom - r.top);
  }

  form.RunMenuItem(menu_id::SmoothEdges);
  ASSERT_TRUE(hs.window.shows_image);
  const ports::LayeredImage& image = LastImage(hs.window);
  ASSERT_EQ(image.width, hs.window.width);
  ASSERT_EQ(image.height, hs.window.height);
  double alpha_area = 0;
  int shades = 0;
  for (const uint32_t p : image.pixels) {
    alpha_area += AlphaOf(p) / 255.0;
    if (AlphaOf(p) != 0 && AlphaOf(p) != 255) ++shades;
  }
  EXPECT_NEAR(alpha_area, static_cast<double>(region_area),
              0.02 * static_cast<double>(region_area));
  EXPECT_GT(shades, 250);  // at least the disc's edge, 250 pixels across
  const auto at = [&](int32_t x, int32_t y) {
    return image.pixels[static_cast<size_t>(y * image.width + x)];
  };
  EXPECT_EQ(at(125, 125), 0xFFFF0000u);           // the face's middle in the clock colour
  EXPECT_EQ(at(0, 0), 0u);                        // outside the disc
  for (int32_t y = 250; y < image.height; ++y) {  // the time line in the text colour only
    for (int32_t x = 0; x < image.width; ++x) {
      const uint32_t p = at(x, y);
      EXPECT_EQ(p & 0x00FF00FFu, 0u) << x << "," << y;
      EXPECT_EQ((p >> 8) & 0xFF, AlphaOf(p)) << x << "," << y;  // premultiplied green
    }
  }

  // A new colour is painted at once, without a new outline.
  hs.dialogs.color_answers.push_back(0xFF0000);  // blue
  form.RunMenuItem(menu_id::AnalogColor);
  EXPECT_EQ(LastImage(hs.window).pixels[125 * 250 + 125], 0xFF0000FFu);
}

// Fewer samples where four would take the outline past what a region holds; never none.
// A compositor that stops takes the item and the image away, and gives them back when it
// starts again; the profile keeps its smooth edges throughout and nothing is saved.
TEST_F(Look, SmoothEdgesComeAndGoWithTheDesktopsCompositing) {
  PutSkin("a.skn", "Disc");
  profile.smooth_edges = true;
  Start();
  EXPECT_TRUE(hs.window.shows_image);
  for (const bool available : {false, true}) {
    hs.host.smooth_edges = available;
    form.program.SmoothEdgesAvailabilityChanged();
    EXPECT_EQ(hs.window.shows_image, available);
    const MenuItem* item = form.Menu().Find(menu_id::SmoothEdges);
    EXPECT_EQ(item != nullptr && item->checked, available);
    EXPECT_TRUE(form.CurrentProfile().smooth_edges);
  }
  EXPECT_EQ(hs.files.writes, 0);
}

TEST_F(Look, HugeWindowsTakeFewerSamples) {
  EXPECT_EQ(SmoothSamplesFor(1920, 480), 4);
  EXPECT_EQ(SmoothSamplesFor(5120, 1280), 3);
  EXPECT_EQ(SmoothSamplesFor(300, 16000), 1);
  EXPECT_EQ(SmoothSamplesFor(0, 0), 4);
}

TEST_F(Look, SettingsAreSavedOnlyWhileTheyDifferFromTheDefaults) {
  Start();
  const std::string before = *hs.files.Find(ProfilesPath());
  form.RunMenuItem(menu_id::SmoothEdges);
  form.RunMenuItem(menu_id::OpacityItem(85));
  EXPECT_EQ(hs.window.opacity, 85);
  EXPECT_TRUE(form.Menu().At(menu_id::SmoothEdges).checked);
  EXPECT_TRUE(form.Menu().At(menu_id::OpacityItem(85)).checked);
  EXPECT_NE(hs.files.Find(ProfilesPath())->find("\r\nsmooth 1\r\nopacity 85\r\n"),
            std::string::npos);

  form.RunMenuItem(menu_id::SmoothEdges);
  EXPECT_FALSE(hs.window.shows_image);
  form.RunMenuItem(menu_id::OpacityItem(100));
  EXPECT_EQ(hs.window.opacity, 100);
  EXPECT_EQ(*hs.files.Find(ProfilesPath()), before);
}

TEST_F(Look, TheProfilesLookIsAppliedAtStart) {
  profile.smooth_edges = true;
  profile.opacity = 50;
  Start();
  EXPECT_EQ(hs.window.opacity, 50);
  EXPECT_TRUE(hs.window.shows_image);
  EXPECT_FALSE(hs.window.HasRegion());
}

TEST_F(Look, SizesFollowTheMonitorsScale) {
  struct Case {
    int32_t dpi;
    const char* size;
    int32_t width;
  } cases[] = {{96, "Small", 137},
               {144, "Small", 206},
               {120, "Huge", 313},
               {192, "SuperTiny", 100},
               {144, "FullScreen", 768}};
  hs.screen.SetPrimary(1024, 768);
  EXPECT_NO_THROW(form.DisplayScaleChanged());  // before start-up: nothing to size yet
  Start();
  for (const Case& c : cases) {
    hs.window.dpi = c.dpi;
    Reapply([&](Profile& p) { p.size = c.size; });
    EXPECT_EQ(hs.window.width, c.width) << c.dpi << " " << c.size;
  }
  // Moved to a monitor of another scale: the size follows and the place stays.
  Reapply([](Profile& p) { p.size = "Small"; });
  hs.window.DragTo(300, 200);
  hs.window.dpi = 96;
  form.DisplayScaleChanged();
  EXPECT_EQ(hs.window.Bounds(), (Rect{300, 200, 437, 337}));
}

}  // namespace
}  // namespace sorvane::testing
