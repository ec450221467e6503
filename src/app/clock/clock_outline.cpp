// The clock's outline and its paint: the label line, the analog face of the current skin
// and the glyph shapes of the time and date lines, united into the window region or, with
// smooth edges, into the coverage of an image; then the two colours.
#include "app/clock/clock.h"
#include "app/clock/digital_text.h"
#include "app/clock/layered_image.h"

namespace sorvane {

namespace {
int32_t WidthOf(const Rect& r) {
  return r.right - r.left;
}
int32_t HeightOf(const Rect& r) {
  return r.bottom - r.top;
}
}  // namespace

// A command may have changed what the pixels inside the outline show (a colour, the text
// band's place), so they are all painted again; the tick changes only the outline.
void Clock::RebuildOutline() {
  BuildOutline(services_.clock.Now());
  window_->Repaint();
}

// The whole outline is built from one reading of the clock so that the face, the time and
// the date always agree; that time is then the shown one, which the tick compares with. With
// smooth edges the same outline is built for a window kSmoothSamples times as wide, and each
// pixel's share of it becomes the pixel's alpha.
void Clock::BuildOutline(ports::Moment now) {
  const RegionWorkspace::Scope scope(region_workspace_);
  const Rect bounds = window_->Bounds();
  const int32_t width = WidthOf(bounds);
  const bool labelled = !profile_.label.empty();
  state_.half_width = width / 2;
  const DateTime shown = ShownAt(now);
  const std::optional<OutlineLayout> layout = LayoutFor(style_, width, labelled);
  if (!layout) {  // "Invisible" and unknown styles keep the outline they have
    state_.shown = SplitTimeOfDay(MillisecondsSinceMidnight(shown));
    return;
  }
  if (!ShowsSmoothEdges()) {
    coverage_ = {};
    const Region outline = OutlineAt(*layout, width, shown);
    outline_empty_ = outline.IsEmpty();
    window_->SetRegion(outline);
  } else {
    const int32_t samples = SmoothSamplesFor(width, HeightOf(bounds));
    const int32_t fine_width = width * samples;
    const Region fine = OutlineAt(*LayoutFor(style_, fine_width, labelled), fine_width, shown);
    outline_empty_ = fine.IsEmpty();
    ReduceToCoverage(fine, samples, samples, width, HeightOf(bounds), coverage_);
    ShowSmoothImage();
  }
  state_.shown = SplitTimeOfDay(MillisecondsSinceMidnight(shown));
}

// The outline of a window `width` wide, laid out as `layout` says.
Region Clock::OutlineAt(const OutlineLayout& layout, int32_t width, const DateTime& shown) {
  // The lines and the face are united in one sweep: uniting them one after another would
  // copy the whole outline for each.
  Region label_line, time_line, analog_face, date_line;
  if (layout.label_top) {
    label_line = TextLineOutline(TextLine::Label, *layout.label_top, width, shown);
  }
  if (layout.time_top) {
    time_line = TextLineOutline(TextLine::Time, *layout.time_top, width, shown);
  }
  if (layout.analog_top) {
    // A skin that draws nothing (or no skin at all) leaves the analog part empty.
    const TimeOfDay time = SplitTimeOfDay(MillisecondsSinceMidnight(shown));
    analog_face =
        analog_face_.Build(context_.skins, state_.current_skin, time, profile_.analog_seconds,
                           width / 2, *layout.analog_top + width / 2, width);
  }
  if (profile_.show_date) {
    date_line = TextLineOutline(TextLine::Date, layout.date_top, width, shown);
  }
  return Region::UnionOf({&label_line, &time_line, &analog_face, &date_line});
}

bool Clock::ShowsSmoothEdges() const {
  return profile_.smooth_edges && services_.host.SmoothEdgesAvailable();
}

// The window painted as the region path paints it, each pixel weighted by its coverage.
// Made only while the coverage is of the window's size: a resized window waits for the
// rebuild that follows.
void Clock::ShowSmoothImage() {
  const Rect bounds = window_->Bounds();
  if (coverage_.width != WidthOf(bounds) || coverage_.height != HeightOf(bounds) ||
      coverage_.alpha.empty()) {
    return;
  }
  ImageCanvas canvas(image_, coverage_.width, coverage_.height);
  Paint(canvas);
  ApplyCoverage(image_, coverage_);
  window_->ShowImage(image_);
}

// The line in the box of the window's width whose top is `top`, centred in it.
Region Clock::TextLineOutline(TextLine line, int32_t top, int32_t width, const DateTime& shown) {
  const std::string text = TextOf(line, shown);
  const ports::FontSpec font = TextLineFont(text, width, state_.clock_font, context_.char_set);
  const int32_t left = CentredLeft(0, width, services_.text.MeasureWidth(font, text));
  return services_.text.Outline(font, text, left, top);
}

std::string Clock::TextOf(TextLine line, const DateTime& shown) const {
  switch (line) {
    case TextLine::Label:
      return profile_.label;
    case TextLine::Date:
      return FormatDate(DateLineFormat(context_.date.date_formats, profile_.date_format), shown,
                        services_.locale, context_.date.date_separator);
    case TextLine::Time:
      break;
  }
  return TimeLineText(SplitTimeOfDay(MillisecondsSinceMidnight(shown)), profile_.twelve_hour,
                      profile_.digital_seconds, context_.date.time_separator);
}

// Only the inside of the outline is seen: the analog shapes show the window colour (the
// profile's analog colour) and the text bands show the text colour.
void Clock::Paint(ports::Canvas& canvas) {
  const Rect bounds = window_->Bounds();
  const int32_t width = WidthOf(bounds);
  const int32_t height = HeightOf(bounds);
  canvas.FillRect({0, 0, width, height}, window_color_);
  const ports::Color text = ports::ColorFromRef(profile_.digital_color);
  const TextBands bands =
      TextColorBands(style_, profile_.show_date, !profile_.label.empty(), width, height);
  if (bands.label) canvas.FillRect(*bands.label, text);
  if (bands.text) canvas.FillRect(*bands.text, text);
}

}  // namespace sorvane
