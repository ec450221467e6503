// The clock window's X shape, read back from the X server with the SHAPE extension, is the
// outline the clock computed for the same profile and time (cut to the window, and
// coarsened where one X request could not carry it).
#include <gtest/gtest.h>

#include <QApplication>
#include <QElapsedTimer>
#include <QThread>

#include "app/program/program.h"
#include "support/headless_services.h"
#include "shells/qt/clock_window.h"
#include "shells/qt/system_services.h"
#include "shells/qt/text_outlines.h"
#include "region/window_fit.h"

// Xlib's macros (None, Bool, Status...) clash with names in the headers above: it comes last.
#include <X11/Xlib.h>
#include <X11/extensions/shape.h>

namespace sorvane::qt {
namespace {

std::string Profile(const std::string& size, const std::string& style, bool date,
                    const std::string& skin) {
  std::string text = "Vitrelle profiles file.\r\n\\profile StartUp\r\nx 0 left\r\ny 0 top\r\n";
  for (const std::string& line :
       {"size " + size, std::string("timecolor 0"), std::string("clockcolor 255"),
        std::string("dateformatnumber  1"), "style " + style, std::string("showseconds 1"),
        std::string("showsecondsd 1"), std::string("datashow ") + (date ? "1" : "0"),
        std::string("format12 0"), std::string("ancor hook"), "skinfile " + skin,
        std::string("fontitalic 1"), std::string("fontname DejaVu Sans")}) {
    text += line + "\r\n";
  }
  return text;
}

// A ring with a bar at twelve and hands; a skin of nothing; 150 slanted bars, whose every row
// on a full-screen face differs from the next (more rectangles than one X request carries).
void PutSkins(headless::MemoryFiles& files) {
  const auto put = [&](const char* name, std::string text) {
    files.Put(headless::HeadlessServices::InProgramFolder(name), "Vitrelle skin file.\r\n" + text);
  };
  put("ring.skn",
      "\\staticanalog\r\ncircle +\r\n0 0 295\r\ncircle -\r\n0 0 260\r\npolygon +\r\n-10 -260\r\n"
      "10 -260\r\n10 -200\r\n-10 -200\r\n\\harrow\r\npolygon +\r\n-14 20\r\n14 20\r\n0 -160\r\n"
      "\\sarrow\r\npolygon +\r\n-4 40\r\n4 40\r\n4 -260\r\n-4 -260\r\n");
  put("blank.skn", "\\names Blank\r\n");
  std::string bars = "\\staticanalog\r\n";
  for (int x = -600; x < 600; x += 8) {
    bars += "polygon +\r\n" + std::to_string(x) + " -300\r\n" + std::to_string(x + 2) +
            " -300\r\n" + std::to_string(x + 602) + " 300\r\n" + std::to_string(x + 600) +
            " 300\r\n";
  }
  put("bars.skn", bars);
}

// Windows of the Qt shell for the clock, nothing else of a program's host.
struct QtWindowHost final : ports::ProgramHost {
  std::unique_ptr<ports::ClockWindow> MakeClockWindow(ports::ClockWindowEvents& events) override {
    auto made = std::make_unique<QtClockWindow>(&events);
    window = made.get();
    return made;
  }
  void ScheduleTick(int32_t) override {}
  void Defer(std::function<void()>) override {}
  void Quit() override {}
  bool SmoothEdgesAvailable() const override { return false; }
  QtClockWindow* window = nullptr;
};

// One clock: the fake time, files and dialogs of `fakes`, Qt's screen and text outlines, its
// window made by `host`.
struct ClockOn {
  ClockOn(headless::HeadlessServices& fakes, ports::ProgramHost& host, QtTextOutlines& text,
          QtScreen& screen, const std::string& profile, int hour, int minute, int second)
      : services{host,
                 screen,
                 fakes.clock,
                 text,
                 fakes.dialogs,
                 fakes.shell,
                 fakes.errors,
                 fakes.menu,
                 fakes.files,
                 UsEnglishLocale(),
                 ports::Folders::AllIn(headless::HeadlessServices::ProgramFolder())},
        program(services) {
    PutSkins(fakes.files);
    fakes.files.Put(headless::HeadlessServices::InProgramFolder("vl.prf"), profile);
    fakes.clock.SetTime(hour, minute, second);
    program.Start();
    program.ShowClocks();
    started = program.ClockCount() == 1;
  }
  ports::Services services;
  Program program;
  bool started = false;
};

Region XShapeOf(Display* display, unsigned long window) {
  int count = 0, ordering = 0;
  XRectangle* rects = XShapeGetRectangles(display, window, ShapeBounding, &count, &ordering);
  std::vector<Rect> list;
  for (int i = 0; i < count; ++i) {
    const XRectangle& r = rects[i];
    list.push_back(Rect{r.x, r.y, r.x + r.width, r.y + r.height});
  }
  if (rects != nullptr) XFree(rects);
  return Region::FromRects(list);
}

TEST(WindowShape, IsTheClocksOutlineForTheProfileAndTime) {
  Display* display = XOpenDisplay(nullptr);
  ASSERT_NE(display, nullptr);
  const struct {
    const char* what;
    std::string profile;
    int hour, minute, second;
  } cases[] = {
      {"Analog Small", Profile("Small", "Analog", false, "ring.skn"), 10, 20, 30},
      {"both faces, Huge, the date: counters of 0 4 6 8 9",
       Profile("Huge", "AnaDigi", true, "ring.skn"), 8, 49, 6},
      {"a skin that draws nothing shows no pixel", Profile("Small", "Analog", false, "blank.skn"),
       1, 2, 3},
      {"150 slanted bars on the full screen", Profile("FullScreen", "Analog", false, "bars.skn"), 4,
       5, 6},
  };
  QtScreen screen;
  QtTextOutlines text;
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    headless::HeadlessServices reference;  // a window that only records the outline
    const ClockOn computed(reference, reference.host, text, screen, c.profile, c.hour, c.minute,
                           c.second);
    ASSERT_TRUE(computed.started);
    const Region expected = RegionForWindow(reference.window.CurrentRegion(),
                                            reference.window.width, reference.window.height);
    EXPECT_LE(expected.Rects().size(), kMostRectsInOneRequest);

    headless::HeadlessServices fakes;
    QtWindowHost host;
    const ClockOn shown_clock(fakes, host, text, screen, c.profile, c.hour, c.minute, c.second);
    ASSERT_NE(host.window, nullptr);
    QtClockWindow& window = *host.window;
    Region shown;
    QElapsedTimer waited;
    waited.start();
    do {  // the server has the shape once Qt has flushed its requests
      QApplication::processEvents();
      shown = ClipToWindow(XShapeOf(display, window.winId()), window.width(), window.height());
      if (shown == expected) break;
      QThread::msleep(20);
    } while (waited.elapsed() < 5000);
    EXPECT_TRUE(shown == expected)
        << shown.Rects().size() << " rectangles shown, " << expected.Rects().size() << " expected";
  }
  XCloseDisplay(display);
}

}  // namespace
}  // namespace sorvane::qt
