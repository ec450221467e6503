// Applying a clock's profile to its window: the clock font's face and slant, the window's
// size for the clock size, style and label, its place from the anchor, its opacity, its
// colour and the skin in use.
#include "app/clock/clock.h"
#include "geometry/anchor.h"
#include "geometry/clock_sizes.h"

namespace sorvane {

void Clock::ApplyProfile() {
  style_ = ParseClockStyle(profile_.style);
  ApplyFont();
  const std::optional<Size> size = SizeFromProfile();
  const Rect bounds = window_->Bounds();
  ApplyPlace(size.value_or(Size{bounds.right - bounds.left, bounds.bottom - bounds.top}));
  if (size) window_->Repaint();
  window_->SetOpacity(profile_.opacity);
  SetWindowColor(ports::ColorFromRef(profile_.analog_color));
  state_.current_skin = SkinIndexByFileName(context_.skins, profile_.skin_file);
}

// The clock text is never bold, underlined or struck out, whatever the font was before.
void Clock::ApplyFont() {
  ports::ClockFontState& font = state_.clock_font;
  font.face = profile_.font_name;
  font.italic = profile_.font_italic;
  font.bold = false;
  font.underline = false;
  font.strike_out = false;
}

// A size that names no row gives nothing: the window stays as large as it is. An empty
// window stays empty: the label line of an invisible clock is not shown either.
std::optional<Size> Clock::SizeFromProfile() const {
  const std::optional<int> row = FindClockSize(profile_.size);
  if (!row) return std::nullopt;
  const int32_t side = ScaledToDpi(kClockSizes[static_cast<size_t>(*row - 1)].side, window_->Dpi());
  const Size size = WindowSizeFor(side, style_, profile_.show_date, services_.screen.PrimarySize());
  if (size.width <= 0) return size;
  return Size{size.width, size.height + LabelLineHeight(size.width, !profile_.label.empty())};
}

// A place where no mouse could grab the window is left for one in the work area
// (KeepGrabbable) while it lasts; the profile keeps its own, for the day that place can be
// seen again.
void Clock::ApplyPlace(Size size) {
  const Point wanted = PlaceFromProfile(profile_, services_.screen.PrimarySize());
  const Point place =
      KeepGrabbable(wanted, size, services_.screen.Monitors(), services_.screen.PrimaryWorkArea());
  window_->SetBounds({place.x, place.y, place.x + size.width, place.y + size.height});
  placed_at_ = place;
}

// The window colour is the base of every paint. An image with smooth edges holds its
// colours: it is made again.
void Clock::SetWindowColor(ports::Color color) {
  window_color_ = color;
  window_->SetColor(color);
  if (ShowsSmoothEdges()) ShowSmoothImage();
}

}  // namespace sorvane
