// Painting, the mouse, "Close" and the "Font" command.
#include "clock_fixture.h"

namespace sorvane::testing {
namespace {

struct Fill {
  Rect rect;
  int32_t color;
  friend bool operator==(const Fill&, const Fill&) = default;
};

class RecordingCanvas : public ports::Canvas {
 public:
  void FillRect(const Rect& rect, ports::Color color) override {
    fills.push_back({rect, ports::RefFromColor(color)});
  }
  std::vector<Fill> fills;
};

using Commands = ClockTest;

TEST_F(Commands, PaintFillsTheTextBandInTheTextColour) {
  constexpr int32_t kClock = 0x0000FF, kText = 0xFFFFFF;
  struct Case {
    const char* style;
    bool date;
    std::vector<Fill> fills;
  };
  const Case cases[] = {
      {"Analog", false, {{{0, 0, 250, 250}, kClock}}},
      {"Analog", true, {{{0, 0, 250, 312}, kClock}, {{0, 250, 250, 312}, kText}}},
      {"Digital", true, {{{0, 0, 250, 124}, kClock}, {{0, 0, 250, 124}, kText}}},
      {"AnaDigi", false, {{{0, 0, 250, 312}, kClock}, {{0, 250, 250, 312}, kText}}},
      {"Invisible", true, {{{0, 0, 0, 0}, kClock}}},
  };
  profile.analog_color = kClock;
  profile.digital_color = kText;
  Start();
  for (const Case& c : cases) {
    Reapply([&](Profile& p) {
      p.style = c.style;
      p.show_date = c.date;
    });
    RecordingCanvas canvas;
    form.Paint(canvas);
    EXPECT_EQ(canvas.fills, c.fills) << c.style << " " << c.date;
  }
}

TEST_F(Commands, RightButtonOpensTheMenuAtTheScreenPoint) {
  Start();
  hs.host.events.at(0)->MiddleButtonDown(10, 20);
  EXPECT_TRUE(hs.menu.popups.empty());
  form.RightClick(10, 20);
  EXPECT_EQ(hs.menu.popups, (std::vector<Point>{{110, 70}}));
}

TEST_F(Commands, CloseSavesTheDraggedPositionThenCloses) {
  Start();
  hs.window.DragTo(300, 200);
  form.DragEnded();
  EXPECT_EQ(hs.files.writes, 1);
  form.SaveAndClose();
  EXPECT_EQ(hs.files.writes, 2);
  EXPECT_TRUE(hs.host.quit);
  EXPECT_LT(hs.journal.FirstIndexOf("files.ReplaceWith vl.prf"),
            hs.journal.FirstIndexOf("host.Quit"));
  Profile moved = profile;
  moved.x_offset = 300;
  moved.y_offset = 200;
  ASSERT_NE(hs.files.Find(ProfilesPath()), nullptr);
  EXPECT_EQ(*hs.files.Find(ProfilesPath()), FormatProfiles({moved}));
}

TEST_F(Commands, CloseWithFailedSaveKeepsTheWindowOpen) {
  Start();
  const std::string before = *hs.files.Find(ProfilesPath());
  hs.files.fail_writes = true;
  hs.window.DragTo(300, 200);
  EXPECT_THROW(form.DragEnded(), FileError);
  EXPECT_THROW(form.SaveAndClose(), FileError);
  EXPECT_FALSE(hs.host.quit);
  EXPECT_EQ(*hs.files.Find(ProfilesPath()), before);
}

TEST_F(Commands, CancelledFontDialogChangesNothing) {
  Start();
  const ports::ClockFontState font = form.State().clock_font;
  form.ChooseFont();
  ASSERT_EQ(hs.dialogs.fonts_offered.size(), 1u);
  EXPECT_EQ(hs.dialogs.fonts_offered[0], font);
  EXPECT_EQ(form.State().clock_font, font);
  EXPECT_EQ(form.CurrentProfile(), profile);
  EXPECT_EQ(hs.files.writes, 0);
}

TEST_F(Commands, ChosenFontKeepsFaceAndSlantOnly) {
  profile.style = "Digital";
  Start();
  ports::ClockFontState chosen;
  chosen.face = "Georgia";
  chosen.point_size = 24;
  chosen.bold = true;
  chosen.italic = true;
  chosen.underline = true;
  chosen.color = ports::ColorFromRef(0x00336699);
  hs.dialogs.font_answers.push_back(chosen);
  form.ChooseFont();

  EXPECT_EQ(form.CurrentProfile().font_name, "Georgia");
  EXPECT_TRUE(form.CurrentProfile().font_italic);
  const ports::ClockFontState& font = form.State().clock_font;
  EXPECT_EQ(font.face, "Georgia");
  EXPECT_TRUE(font.italic);
  EXPECT_FALSE(font.bold);
  EXPECT_FALSE(font.underline);
  EXPECT_EQ(font.point_size, 24);  // seeds the next dialog
  EXPECT_EQ(font.color, ports::ColorFromRef(0x00336699));
  EXPECT_EQ(hs.files.writes, 1);
  EXPECT_EQ(*hs.files.Find(ProfilesPath()), FormatProfiles({form.CurrentProfile()}));
  EXPECT_EQ(hs.window.RegionCount(), 1);  // the new face shows from the next rebuild

  hs.clock.SetTime(10, 21, 0);
  form.Tick();
  const ports::FontSpec& used = hs.text.outlines.back().font;
  EXPECT_EQ(used.face, "Georgia");
  EXPECT_TRUE(used.italic);
  EXPECT_EQ(used.weight, 400);
  EXPECT_FALSE(used.underline);
}

}  // namespace
}  // namespace sorvane::testing
