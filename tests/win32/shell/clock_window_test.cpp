#include "shells/win32/clock_window.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "gdi_object_count.h"
#include "shells/win32/application_window.h"
#include "shells/win32/single_instance.h"
#include "shells/win32/region_conversion.h"

namespace sorvane::win32 {
namespace {

struct RecordedEvents final : ports::ClockWindowEvents {
  std::vector<std::string> calls;
  void DragEnded() override { calls.push_back("drag ended"); }
  void Paint(ports::Canvas& canvas) override {
    canvas.FillRect(Rect{0, 0, 5, 5}, ports::Color{0, 255, 0});
    calls.push_back("paint");
  }
  void RightButtonDown(int32_t x, int32_t y) override {
    calls.push_back("right " + std::to_string(x) + "," + std::to_string(y));
  }
  void MiddleButtonDown(int32_t x, int32_t y) override {
    calls.push_back("middle " + std::to_string(x) + "," + std::to_string(y));
  }
  void DisplayScaleChanged() override { calls.push_back("scale"); }
  void Command(int32_t id) override { calls.push_back("command " + std::to_string(id)); }
  void Closed() override { calls.push_back("destroyed"); }
};

class ClockWindowTest : public ::testing::Test {
 protected:
  HINSTANCE instance = GetModuleHandleA(nullptr);
  ApplicationWindow app{instance};
  Win32ClockWindow window{instance, app.handle()};
};

std::string Title(HWND window) {
  char text[128] = {};
  GetWindowTextA(window, text, sizeof(text));
  return text;
}

TEST_F(ClockWindowTest, StartsAsAFramelessTopmostOwnedWindow) {
  char class_name[64] = {};
  GetClassNameA(window.handle(), class_name, sizeof(class_name));
  EXPECT_STREQ(class_name, "TForm1");
  EXPECT_EQ(Title(window.handle()), "Sorvane");
  EXPECT_EQ(GetWindow(window.handle(), GW_OWNER), app.handle());
  const LONG style = GetWindowLongA(window.handle(), GWL_STYLE);
  EXPECT_NE(style & WS_POPUP, 0);
  EXPECT_EQ(style & (WS_CAPTION | WS_THICKFRAME | WS_SYSMENU), 0);
  EXPECT_NE(GetWindowLongA(window.handle(), GWL_EXSTYLE) & WS_EX_TOPMOST, 0);
  EXPECT_EQ(window.Bounds(), (Rect{144, 237, 446, 539}));

  EXPECT_EQ(Title(app.handle()), "Sorvane");
  EXPECT_EQ(GetWindow(app.handle(), GW_OWNER), nullptr);
  EXPECT_NE(GetWindowLongA(app.handle(), GWL_EXSTYLE) & WS_EX_TOOLWINDOW, 0);
  EXPECT_FALSE(IsWindowVisible(app.handle()));
}

TEST_F(ClockWindowTest, SizeAndPlaceChangeInOneMove) {
  for (const Rect& bounds : {Rect{144, 237, 281, 408}, Rect{-20, 5, 117, 176}, Rect{-20, 5, -20, 5}}) {
    window.SetBounds(bounds);
    EXPECT_EQ(window.Bounds(), bounds);
  }
}

TEST_F(ClockWindowTest, TheWindowTakesTheRegionItIsGiven) {
  Region outline = Region::Ellipse(Rect{0, 0, 100, 100});
  outline.CombineWith(Region::FromRect(Rect{0, 120, 100, 140}), CombineMode::Or);
  window.SetRegion(outline);
  RegionHandle copy(CreateRectRgn(0, 0, 0, 0));
  ASSERT_NE(GetWindowRgn(window.handle(), copy.get()), ERROR);
  EXPECT_EQ(FromGdiRegion(copy.get()), outline);
}

TEST_F(ClockWindowTest, RebuildingTheOutlineLeavesNoGdiObjectBehind) {
  window.SetRegion(Region::FromRect(Rect{0, 0, 10, 10}));
  const long before = LiveGdiObjects();
  ASSERT_GT(before, 0);
  for (int i = 0; i < 500; ++i) {
    window.SetRegion(Region::Ellipse(Rect{0, 0, 50 + i % 100, 60}));
    window.SetColor(ports::Color{static_cast<uint8_t>(i), 0, 0});
  }
  EXPECT_EQ(LiveGdiObjects(), before);
}

TEST_F(ClockWindowTest, MessagesReachTheClockHandlers) {
  RecordedEvents events;
  window.SetEvents(&events);
  window.Show();
  UpdateWindow(window.handle());
  events.calls.clear();

  SendMessageA(window.handle(), WM_RBUTTONDOWN, MK_RBUTTON, MAKELPARAM(10, 20));
  SendMessageA(window.handle(), WM_MBUTTONDOWN, MK_MBUTTON, MAKELPARAM(7, 3));
  SendMessageA(window.handle(), WM_COMMAND, 100, 0);
  window.SetBounds({30, 237, 332, 539});  // the clock's own move is no drag
  SendMessageA(window.handle(), WM_EXITSIZEMOVE, 0, 0);
  window.Repaint();
  const std::vector<std::string> expected{"right 10,20", "middle 7,3", "command 100",
                                          "drag ended", "paint"};
  EXPECT_EQ(events.calls, expected);

  DestroyWindow(window.handle());
  EXPECT_EQ(events.calls.back(), "destroyed");
  EXPECT_EQ(window.handle(), nullptr);
}

struct RecordedProgramEvents final : ports::ProgramEvents {
  std::vector<std::string> calls;
  void Tick() override { calls.push_back("tick"); }
  void TimeChanged() override { calls.push_back("time changed"); }
  void SessionEnding() override { calls.push_back("ending"); }
  void SessionEnded() override { calls.push_back("ended"); }
  void ScreensChanged() override { calls.push_back("screens"); }
  void SecondStart(bool tray) override { calls.push_back(tray ? "second, tray" : "second"); }
  void SmoothEdgesAvailabilityChanged() override {}
  const MenuModel* TrayMenu() override { return nullptr; }
  void TrayMenuItemChosen(int32_t id) override { calls.push_back("tray " + std::to_string(id)); }
};

void PumpMessages(ULONGLONG milliseconds) {
  const ULONGLONG end = GetTickCount64() + milliseconds;
  MSG message;
  do {
    while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) DispatchMessageA(&message);
    Sleep(5);
  } while (GetTickCount64() < end);
}

// The session's end is answered yes; the screens' messages of one change are heard once;
// the time, its zone and a wake-up are each a change of time; a new time or new settings
// may bring new zone data first.
TEST_F(ClockWindowTest, TheApplicationWindowHearsTheProgramsEvents) {
  RecordedProgramEvents events;
  bool tray = false;
  int zone_data = 0;
  app.SetEvents(&events, [&tray] { return tray; });
  app.SetZoneDataChanged([&] { ++zone_data; });
  EXPECT_EQ(SendMessageA(app.handle(), WM_QUERYENDSESSION, 0, 0), TRUE);
  SendMessageA(app.handle(), WM_ENDSESSION, FALSE, 0);  // the log-off was cancelled
  SendMessageA(app.handle(), WM_ENDSESSION, TRUE, 0);
  SendMessageA(app.handle(), WM_DISPLAYCHANGE, 32, MAKELPARAM(800, 600));
  SendMessageA(app.handle(), WM_SETTINGCHANGE, SPI_SETWORKAREA, 0);
  PumpMessages(0);
  EXPECT_EQ(zone_data, 0) << "a new work area brings no zone data";
  SendMessageA(app.handle(), WM_TIMECHANGE, 0, 0);
  SendMessageA(app.handle(), WM_SETTINGCHANGE, 0, 0);
  EXPECT_EQ(zone_data, 2);
  SendMessageA(app.handle(), WM_POWERBROADCAST, PBT_APMRESUMEAUTOMATIC, 0);
  SendMessageA(app.handle(), WM_POWERBROADCAST, PBT_APMSUSPEND, 0);
  SendMessageA(app.handle(), ApplicationWindow::SecondStartMessage(), 0, 0);
  tray = true;
  SendMessageA(app.handle(), ApplicationWindow::SecondStartMessage(), 0, 0);
  EXPECT_EQ(events.calls,
            (std::vector<std::string>{"ending", "ended", "screens", "time changed", "time changed",
                                      "time changed", "second", "second, tray"}));
  app.SetEvents(nullptr, nullptr);
  app.SetZoneDataChanged(nullptr);
}

// Each arming gives one tick, at about the time asked for, and a later arming replaces an
// earlier one; deferred work runs once the message loop turns.
TEST_F(ClockWindowTest, TheProgramsTimerTicksOnceAndDeferredWorkRunsLater) {
  RecordedProgramEvents events;
  app.SetEvents(&events, nullptr);
  app.ScheduleTick(60000);
  app.ScheduleTick(0);
  app.Defer([&events] { events.calls.push_back("deferred"); });
  EXPECT_TRUE(events.calls.empty());
  PumpMessages(1000);
  EXPECT_EQ(events.calls, (std::vector<std::string>{"deferred", "tick"}));
  app.SetEvents(nullptr, nullptr);
}

TEST_F(ClockWindowTest, AWindowTheSystemClosesTellsItsClock) {
  RecordedEvents events;
  window.SetEvents(&events);
  PostMessageA(window.handle(), WM_CLOSE, 0, 0);
  PumpMessages(0);
  EXPECT_EQ(window.handle(), nullptr);
  EXPECT_EQ(events.calls.back(), "destroyed");
}

TEST_F(ClockWindowTest, OnlyAnUnownedWindowWithTheExactTitleIsAnotherCopy) {
  const auto another_copy = [&] { return !UnownedWindowsTitled(app.handle(), "Sorvane").empty(); };
  EXPECT_FALSE(another_copy());  // its own two windows do not count
  struct Case {
    const char* title;
    bool owned;
    bool counts;
  };
  const Case cases[] = {{"Sorvane", false, true},
                        {"sorvane", false, false},
                        {"Sorvane ", false, false},
                        {"Sorvane", true, false},
                        {"SORVANE", false, false}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.title + std::string(c.owned ? " owned" : " unowned"));
    HWND other = CreateWindowExA(0, "STATIC", c.title, WS_POPUP, 0, 0, 10, 10,
                                 c.owned ? window.handle() : nullptr, nullptr, instance, nullptr);
    ASSERT_NE(other, nullptr);
    EXPECT_EQ(another_copy(), c.counts);
    DestroyWindow(other);
  }
}

bool IsLayered(HWND window) {
  return (GetWindowLongA(window, GWL_EXSTYLE) & WS_EX_LAYERED) != 0;
}

bool HasRegion(HWND window) {
  RegionHandle copy(CreateRectRgn(0, 0, 0, 0));
  return GetWindowRgn(window, copy.get()) != ERROR;
}

ports::LayeredImage Image(int32_t width, int32_t height) {
  return {width, height, std::vector<uint32_t>(static_cast<size_t>(width * height), 0x80800000u)};
}

// Opacity alone keeps the region over a constant alpha; smooth edges replace the region by
// per-pixel alpha; a region given again brings the window back, layered only while not opaque.
TEST_F(ClockWindowTest, TheLookSwitchesBetweenRegionAndLayeredImage) {
  window.SetRegion(Region::Ellipse(Rect{0, 0, 100, 100}));
  EXPECT_FALSE(IsLayered(window.handle()));
  window.SetOpacity(70);
  BYTE alpha = 0;
  DWORD flags = 0;
  ASSERT_TRUE(IsLayered(window.handle()));
  ASSERT_TRUE(GetLayeredWindowAttributes(window.handle(), nullptr, &alpha, &flags));
  EXPECT_EQ(alpha, 179);
  EXPECT_NE(flags & LWA_ALPHA, 0u);
  EXPECT_TRUE(HasRegion(window.handle()));

  window.SetBounds({144, 237, 184, 267});
  window.ShowImage(Image(40, 30));
  EXPECT_TRUE(IsLayered(window.handle()));
  EXPECT_FALSE(HasRegion(window.handle()));
  window.SetOpacity(50);  // the image is kept and shown again
  EXPECT_TRUE(IsLayered(window.handle()));

  window.SetRegion(Region::Ellipse(Rect{0, 0, 40, 30}));
  EXPECT_TRUE(HasRegion(window.handle()));
  EXPECT_TRUE(IsLayered(window.handle()));
  window.SetOpacity(100);
  EXPECT_FALSE(IsLayered(window.handle()));
}

TEST_F(ClockWindowTest, ImagesOfEverySizeLeaveNoGdiObjectBehind) {
  window.SetRegion(Region::FromRect(Rect{0, 0, 10, 10}));
  const long before = LiveGdiObjects();
  for (int i = 0; i < 200; ++i) {
    const int32_t side = 20 + i % 7;
    window.SetBounds({144, 237, 144 + side, 237 + side});
    window.ShowImage(Image(side, side));
    if (i % 50 == 0) window.SetRegion(Region::FromRect(Rect{0, 0, 10, 10}));
  }
  window.SetRegion(Region::FromRect(Rect{0, 0, 10, 10}));
  EXPECT_EQ(LiveGdiObjects(), before);
}

TEST_F(ClockWindowTest, ANewDisplayScaleReachesTheClock) {
  RecordedEvents events;
  window.SetEvents(&events);
  EXPECT_EQ(window.Dpi(), 96);  // the test prefix's own scale
  SendMessageA(window.handle(), WM_DPICHANGED, MAKEWPARAM(144, 144), 0);
  EXPECT_EQ(events.calls, std::vector<std::string>{"scale"});
  window.SetEvents(nullptr);
}

}  // namespace
}  // namespace sorvane::win32
