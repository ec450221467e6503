#include "support/fake_host.h"

#include <string>

namespace sorvane::headless {

namespace {

// What the program owns of a window: it forwards to the fake the host keeps, so that a test
// can still look at a window the program has let go of.
class WindowLink final : public ports::ClockWindow {
 public:
  explicit WindowLink(FakeWindow& window) : window_(window) {}
  ~WindowLink() override { window_.destroyed = true; }
  Rect Bounds() const override { return window_.Bounds(); }
  void SetBounds(const Rect& bounds) override { window_.SetBounds(bounds); }
  void Show() override { window_.Show(); }
  void SetColor(ports::Color color) override { window_.SetColor(color); }
  void SetRegion(const Region& region) override { window_.SetRegion(region); }
  void ShowImage(const ports::LayeredImage& image) override { window_.ShowImage(image); }
  void SetOpacity(int32_t percent) override { window_.SetOpacity(percent); }
  int32_t Dpi() const override { return window_.Dpi(); }
  void Repaint() override { window_.Repaint(); }

 private:
  FakeWindow& window_;
};

}  // namespace

std::unique_ptr<ports::ClockWindow> FakeHost::MakeClockWindow(ports::ClockWindowEvents& sink) {
  FakeWindow* window = &first_window_;
  if (!windows.empty()) {
    more_windows_.push_back(std::make_unique<FakeWindow>(journal_));
    window = more_windows_.back().get();
  }
  windows.push_back(window);
  events.push_back(&sink);
  Note(journal_, "host.MakeClockWindow");
  return std::make_unique<WindowLink>(*window);
}

void FakeHost::ScheduleTick(int32_t milliseconds) {
  tick_delays.push_back(milliseconds);
  Note(journal_, "host.ScheduleTick " + std::to_string(milliseconds));
}

void FakeHost::Quit() {
  quit = true;
  Note(journal_, "host.Quit");
}

void FakeHost::RunDeferred() {
  while (!deferred.empty()) {
    std::function<void()> task = std::move(deferred.front());
    deferred.pop_front();
    task();
  }
}

}  // namespace sorvane::headless
