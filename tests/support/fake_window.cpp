#include "support/fake_window.h"

#include <string>

namespace sorvane::headless {

Rect FakeWindow::Bounds() const {
  return {left, top, left + width, top + height};
}

void FakeWindow::SetWidth(int32_t value) {
  width = value;
  Note(journal_, "window.SetWidth " + std::to_string(value));
}

void FakeWindow::SetHeight(int32_t value) {
  height = value;
  Note(journal_, "window.SetHeight " + std::to_string(value));
}

void FakeWindow::SetLeft(int32_t value) {
  left = value;
  Note(journal_, "window.SetLeft " + std::to_string(value));
}

void FakeWindow::SetTop(int32_t value) {
  top = value;
  Note(journal_, "window.SetTop " + std::to_string(value));
}

void FakeWindow::SetColor(int32_t value) {
  color = value;
  Note(journal_, "window.SetColor " + std::to_string(value));
}

void FakeWindow::SetRegion(const Region& region) {
  regions.push_back(region);
  shows_image = false;
  Note(journal_, "window.SetRegion");
}

void FakeWindow::SetOpacity(int32_t percent) {
  opacity = percent;
  Note(journal_, "window.SetOpacity " + std::to_string(percent));
}

void FakeWindow::ShowImage(const ports::LayeredImage& image) {
  images.push_back(image);
  shows_image = true;
  Note(journal_, "window.ShowImage");
}

void FakeWindow::Repaint() {
  ++repaints;
  Note(journal_, "window.Repaint");
}

void FakeWindow::ScheduleTick(int32_t milliseconds) {
  tick_delays.push_back(milliseconds);
  Note(journal_, "window.ScheduleTick " + std::to_string(milliseconds));
}

void FakeWindow::Close() {
  closed = true;
  Note(journal_, "window.Close");
}

bool FakeWindow::AnotherCopyRunning() {
  Note(journal_, "window.AnotherCopyRunning");
  return another_copy;
}

void FakeWindow::DragTo(int32_t new_left, int32_t new_top) {
  left = new_left;
  top = new_top;
}

}  // namespace sorvane::headless
