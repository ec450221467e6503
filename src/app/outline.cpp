// The clock's outline and its paint: the analog face of the current skin and the glyph
// shapes of the time and date lines, united into the window region or, with smooth edges,
// into the coverage of an image; then the two colours.
#include "app/clock_form.h"
#include "app/digital_text.h"
#include "app/layered_image.h"
#include "app/outline_layout.h"

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
void ClockForm::RebuildOutline() {
  BuildOutline(Now());
  services_.window.Repaint();
}

// The whole outline is built from one reading of the clock so that the face, the time and
// the date always agree; that time is then the shown one, which the tick compares with. With
// smooth edges the same outline is built for a window kSmoothSamples times as wide, and each
// pixel's share of it becomes the pixel's alpha.
void ClockForm::BuildOutline(const DateTime& now) {
  const RegionWorkspace::Scope scope(region_workspace_);
  const Rect bounds = services_.window.Bounds();
  const int32_t width = WidthOf(bounds);
  half_width = width / 2;
  const Profile& profile = CurrentProfile();
  const std::optional<OutlineLayout> layout = LayoutForStyle(profile.style, width);
  const TimeOfDay shown = SplitTimeOfDay(MillisecondsSinceMidnight(now));
  if (!layout) {  // "Invisible" and unknown styles keep the outline they have
    RecordRebuildTime(shown);
    return;
  }
  if (!ShowsSmoothEdges()) {
    coverage_ = {};
    const Region outline = OutlineAt(*layout, width, now);
    outline_empty_ = outline.IsEmpty();
    services_.window.SetRegion(outline);
  } else {
    const int32_t samples = SmoothSamplesFor(width, HeightOf(bounds));
    const int32_t fine_width = width * samples;
    const Region fine = OutlineAt(*LayoutForStyle(profile.style, fine_width), fine_width, now);
    outline_empty_ = fine.IsEmpty();
    ReduceToCoverage(fine, samples, samples, width, HeightOf(bounds), coverage_);
    ShowSmoothImage();
  }
  RecordRebuildTime(shown);
}

// The outline of a window `width` wide, laid out as `layout` says.
Region ClockForm::OutlineAt(const OutlineLayout& layout, int32_t width, const DateTime& now) {
  // The lines and the face are united in one sweep: uniting them one after another would
  // copy the whole outline for each.
  Region time_line, analog_face, date_line;
  if (layout.time_top) {
    time_line = TextLineOutline(TextLine::Time, *layout.time_top, width, now);
  }
  if (layout.analog_face) {
    // A skin that draws nothing (or no skin at all) leaves the analog part empty.
    const TimeOfDay time = SplitTimeOfDay(MillisecondsSinceMidnight(now));
    const Profile& profile = CurrentProfile();
    analog_face = analog_face_.Build(skins, current_skin, time, profile.analog_seconds, width / 2,
                                     width / 2, width);
  }
  if (CurrentProfile().show_date) {
    date_line = TextLineOutline(TextLine::Date, layout.date_top, width, now);
  }
  return Region::UnionOf({&time_line, &analog_face, &date_line});
}

bool ClockForm::ShowsSmoothEdges() const {
  return services_.smooth_edges != nullptr && !profiles.empty() && CurrentProfile().smooth_edges;
}

// The window painted as the region path paints it, each pixel weighted by its coverage.
// Made only while the coverage is of the window's size: a resized window waits for the
// rebuild that follows.
void ClockForm::ShowSmoothImage() {
  const Rect bounds = services_.window.Bounds();
  if (coverage_.width != WidthOf(bounds) || coverage_.height != HeightOf(bounds) ||
      coverage_.alpha.empty()) {
    return;
  }
  ImageCanvas canvas(image_, coverage_.width, coverage_.height);
  Paint(canvas);
  ApplyCoverage(image_, coverage_);
  services_.smooth_edges->ShowImage(image_);
}

// The line in the box of the window's width whose top is `top`, centred in it.
Region ClockForm::TextLineOutline(TextLine line, int32_t top, int32_t width, const DateTime& now) {
  const std::string text = TextOf(line, now);
  const ports::FontSpec font = TextLineFont(text, width, clock_font, char_set);
  const int32_t left = CentredLeft(0, width, services_.text.MeasureWidth(font, text));
  return services_.text.Outline(font, text, left, top);
}

std::string ClockForm::TextOf(TextLine line, const DateTime& now) const {
  const Profile& profile = CurrentProfile();
  if (line == TextLine::Date) {
    return FormatDate(DateLineFormat(date_formats, profile.date_format), now, services_.locale,
                      date_separator);
  }
  return TimeLineText(SplitTimeOfDay(MillisecondsSinceMidnight(now)), profile.twelve_hour,
                      profile.digital_seconds, time_separator);
}

// Only the inside of the outline is seen: the analog shapes show the window colour
// (the profile's analog_color) and the text bands show the text colour.
void ClockForm::Paint(ports::Canvas& canvas) {
  const Rect bounds = services_.window.Bounds();
  const int32_t width = WidthOf(bounds);
  const int32_t height = HeightOf(bounds);
  canvas.FillRect({0, 0, width, height}, window_color_);
  if (profiles.empty()) return;  // a paint before any profile was read
  const Profile& profile = CurrentProfile();
  if (const auto band = TextColorBand(profile.style, profile.show_date, width, height)) {
    canvas.FillRect(*band, profile.digital_color);
  }
}

}  // namespace sorvane
