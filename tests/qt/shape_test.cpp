// The clock window's X shape, read back from the X server with the SHAPE extension, is the
// outline the clock computed for the same profile and time (cut to the window, and
// coarsened where one X request could not carry it).
#include <gtest/gtest.h>

#include <QApplication>
#include <QElapsedTimer>
#include <QThread>
#include <fstream>
#include <sstream>

#include "app/clock_form.h"
#include "platform/headless/headless_services.h"
#include "platform/qt/clock_window.h"
#include "platform/qt/system_services.h"
#include "platform/qt/text_outlines.h"
#include "region/window_fit.h"

// Xlib's headers define macros (None, Bool, Status...) that clash with names in the headers
// above: they come last.
#include <X11/Xlib.h>
#include <X11/extensions/shape.h>

namespace sorvane::qt {
namespace {

std::string Profile(const std::string& size, const std::string& style, bool date,
                    const std::string& skin, bool italic = false) {
  std::string text = "Vitrelle profiles file.\r\n\\profile StartUp\r\nx 0 left\r\ny 0 top\r\n";
  text += "size " + size + "\r\ntimecolor 16777215\r\nclockcolor 255\r\ndateformatnumber  1\r\n";
  text += "style " + style + "\r\nshowseconds 1\r\nshowsecondsd 1\r\n";
  text += std::string("datashow ") + (date ? "1" : "0") + "\r\nformat12 0\r\nshowalarms 1\r\n";
  text += "ancor hook\r\nvisible 1\r\nskinfile " + skin + "\r\n";
  text += std::string("fontitalic ") + (italic ? "1" : "0") + "\r\nfontname DejaVu Sans\r\n";
  return text;
}

std::string FileText(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  std::ostringstream bytes;
  bytes << in.rdbuf();
  return bytes.str();
}

// 150 thin slanted bars: every row of a full-screen face differs from the next, more
// rectangles than one X request can carry.
std::string StripesSkin() {
  std::string text = "Vitrelle skin file.\r\n\\names Stripes\r\n\\staticanalog\r\n";
  for (int x = -600; x < 600; x += 8) {
    text += "polygon +\r\n" + std::to_string(x) + " -300\r\n" + std::to_string(x + 2) +
            " -300\r\n" + std::to_string(x + 602) + " 300\r\n" + std::to_string(x + 600) +
            " 300\r\n";
  }
  return text;
}

// The skin files of the end-to-end checks, and two of this test's own.
void PutSkins(headless::MemoryFiles& files) {
  const std::string e2e = std::string(SORVANE_SOURCE_DIR) + "/tests/e2e/skins/";
  for (const char* name : {"test_ring.skn", "test_square.skn"}) {
    files.Put(headless::HeadlessServices::InProgramFolder(name), FileText(e2e + name));
  }
  files.Put(headless::HeadlessServices::InProgramFolder("blank.skn"),
            "Vitrelle skin file.\r\n\\names Blank\r\n");
  files.Put(headless::HeadlessServices::InProgramFolder("stripes.skn"), StripesSkin());
}

// The clock on `window`, with the fake time, files and dialogs of `fakes` and Qt's screen
// and text outlines.
struct ClockOn {
  ClockOn(headless::HeadlessServices& fakes, platform::ClockWindow& window, QtTextOutlines& text,
          QtScreen& screen)
      : services{window,
                 screen,
                 fakes.clock,
                 text,
                 fakes.dialogs,
                 fakes.shell,
                 fakes.errors,
                 fakes.menu,
                 fakes.files,
                 UsEnglishLocale(),
                 platform::Folders::AllIn(headless::HeadlessServices::ProgramFolder())},
        form(services) {}
  platform::Services services;
  ClockForm form;
};

class XShape {
 public:
  XShape() : display_(XOpenDisplay(nullptr)) {}
  ~XShape() {
    if (display_ != nullptr) XCloseDisplay(display_);
  }
  Region Of(unsigned long window) const {
    int count = 0, ordering = 0;
    XRectangle* rects = XShapeGetRectangles(display_, window, ShapeBounding, &count, &ordering);
    std::vector<Rect> list;
    for (int i = 0; i < count; ++i) {
      list.push_back(
          Rect{rects[i].x, rects[i].y, rects[i].x + rects[i].width, rects[i].y + rects[i].height});
    }
    if (rects != nullptr) XFree(rects);
    return Region::FromRects(list);
  }
  bool Ready() const { return display_ != nullptr; }

 private:
  Display* display_;
};

struct ShapeCase {
  const char* what;
  std::string profile;
  int hour, minute, second;
};

TEST(WindowShape, IsTheClocksOutlineForTheProfileAndTime) {
  const XShape x_shape;
  ASSERT_TRUE(x_shape.Ready()) << "no X display";
  const std::vector<ShapeCase> cases{
      {"Analog Small, ring skin", Profile("Small", "Analog", false, "test_ring.skn"), 10, 20, 30},
      {"analog and digital, Huge, with the date (counters of 0, 4, 6, 8, 9)",
       Profile("Huge", "AnaDigi", true, "test_square.skn"), 8, 49, 6},
      {"digital, Large, italic", Profile("Large", "Digital", false, "test_ring.skn", true), 23, 40,
       59},
      {"a skin that draws nothing shows no pixel", Profile("Small", "Analog", false, "blank.skn"),
       1, 2, 3},
      {"150 slanted bars on the full screen, coarsened for one X request",
       Profile("FullScreen", "Analog", false, "stripes.skn"), 4, 5, 6},
  };
  QtScreen screen;
  QtTextOutlines text;
  for (const ShapeCase& c : cases) {
    SCOPED_TRACE(c.what);
    // The outline as the clock computes it, on a window that only records it.
    headless::HeadlessServices reference;
    PutSkins(reference.files);
    reference.files.Put(headless::HeadlessServices::InProgramFolder("vl.prf"), c.profile);
    reference.clock.SetTime(c.hour, c.minute, c.second);
    ClockOn expected_clock(reference, reference.window, text, screen);
    ASSERT_TRUE(expected_clock.form.Start());
    const Region expected = RegionForWindow(reference.window.CurrentRegion(),
                                            reference.window.width, reference.window.height);

    // The same clock on a real window, shown, its shape read back from the X server.
    headless::HeadlessServices fakes;
    PutSkins(fakes.files);
    fakes.files.Put(headless::HeadlessServices::InProgramFolder("vl.prf"), c.profile);
    fakes.clock.SetTime(c.hour, c.minute, c.second);
    QtClockWindow window;
    ClockOn clock(fakes, window, text, screen);
    ASSERT_TRUE(clock.form.Start());
    window.show();
    Region shown;
    QElapsedTimer waited;
    waited.start();
    do {  // the server has the shape once Qt has flushed its requests
      QApplication::processEvents();
      shown = ClipToWindow(x_shape.Of(window.winId()), window.width(), window.height());
      if (shown == expected) break;
      QThread::msleep(20);
    } while (waited.elapsed() < 5000);
    EXPECT_EQ(shown.Rects().size(), expected.Rects().size());
    EXPECT_TRUE(shown == expected)
        << "X shape bounds " << shown.Bounds().left << "," << shown.Bounds().top << ","
        << shown.Bounds().right << "," << shown.Bounds().bottom;
    EXPECT_LE(expected.Rects().size(), kMostRectsInOneRequest);
    window.hide();
  }
}

}  // namespace
}  // namespace sorvane::qt
