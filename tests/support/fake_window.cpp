#include "support/fake_window.h"

#include <string>

namespace sorvane::headless {

Rect FakeWindow::Bounds() const {
  return {left, top, left + width, top + height};
}

void FakeWindow::SetBounds(const Rect& bounds) {
  left = bounds.left;
  top = bounds.top;
  width = bounds.right - bounds.left;
  height = bounds.bottom - bounds.top;
  Note(journal_, "window.SetBounds " + std::to_string(left) + "," + std::to_string(top) + " " +
                     std::to_string(width) + "x" + std::to_string(height));
}

void FakeWindow::Show() {
  shown = true;
  Note(journal_, "window.Show");
}

void FakeWindow::SetColor(ports::Color value) {
  color = ports::RefFromColor(value);
  Note(journal_, "window.SetColor " + std::to_string(color));
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

void FakeWindow::DragTo(int32_t new_left, int32_t new_top) {
  left = new_left;
  top = new_top;
}

}  // namespace sorvane::headless
