#pragma once
// One clock: a window cut to the clock's outline, the profile it shows, the zone it shows
// the time of, its menu's check marks and the commands that change them. A clock knows
// nothing of other clocks, nor of the profiles file: the program (app/program) reads and
// saves the profiles, shares the skins and the date conventions, and drives every clock
// from one timer.
//
// How a clock works: Start checks its menu from the profile, applies the profile to the
// window (size, place, colour, skin) and builds the first outline. ShowTime, at each tick,
// builds the outline again when the time the clock shows has changed. The outline is the
// union of the label line, the analog face of the current skin and the glyph shapes of the
// time and date lines; the window shows only what lies inside it, painted by Paint in the
// profile's two colours. A command changes the profile, applies it again as far as the
// change needs and tells the program whether there is anything to save.
#include <cstdint>
#include <memory>
#include <optional>
#include <string>

#include "app/clock/outline_layout.h"
#include "app/ports/menu_model.h"
#include "app/ports/services.h"
#include "files/profile.h"
#include "files/skin.h"
#include "geometry/analog_face_memory.h"
#include "region/coverage.h"
#include "region/region_workspace.h"
#include "timefmt/date_format.h"

namespace sorvane {

// What every clock of a program shares and only reads.
struct ClockContext {
  ports::Services& services;
  const Skins& skins;
  const DateConventions& date;
  uint8_t char_set = 1;  // DEFAULT_CHARSET
};

// What a clock keeps between its rebuilds, open to tests.
struct ClockState {
  int32_t half_width = 0;            // window width div 2 at the last rebuild
  TimeOfDay shown;                   // the time the outline shows (of its last rebuild)
  int32_t current_skin = 0;          // index in the skins; also its menu item's tag
  ports::ClockFontState clock_font;  // the font dialog's last answer, face and slant
};

// Which face a command turns on or off.
enum class Face { Analog, Digital };

class Clock {
 public:
  // The window is made by the shell for this clock; it reports to events the program keeps.
  Clock(const ClockContext& context, Profile profile, std::unique_ptr<ports::ClockWindow> window);

  // The menu's check marks from the profile, the profile applied, the first outline. The
  // window stays hidden until Show.
  void Start();
  void Show() { window_->Show(); }

  const Profile& CurrentProfile() const { return profile_; }
  Profile& CurrentProfile() { return profile_; }
  ports::ClockWindow& Window() { return *window_; }
  const ports::ClockWindow& Window() const { return *window_; }
  const MenuModel& Menu() const { return menu_; }
  MenuModel& Menu() { return menu_; }
  const ClockState& State() const { return state_; }

  // The tick: the outline is built again when the time shown at `now` differs from the one
  // it shows. Then, how long until what it shows changes next (0: it is behind already).
  void ShowTime(ports::Moment now);
  int32_t MillisecondsToNextChange(ports::Moment now) const;
  // The date and time this clock shows at `now`: its zone's, or the system's own when it
  // has none or the system does not know it.
  DateTime ShownAt(ports::Moment now) const;

  // Applies the profile to the window: font, size, place, opacity, colour and skin. The
  // outline is not rebuilt; callers that change its look call RebuildOutline afterwards.
  void ApplyProfile();
  // The outline of the time now, every pixel painted again.
  void RebuildOutline();
  void Paint(ports::Canvas& canvas);
  ports::Color WindowColor() const { return window_color_; }

  // Runs the command of a clock's own item and tells what came of it. Throws what a dialog
  // or a rebuild throws.
  enum class CommandResult { NotAClockCommand, Unchanged, Changed };
  CommandResult RunCommand(const MenuItem& item);

  // The commands of a clock's menu items. Each changes the profile, applies it again and
  // rebuilds the outline as far as the change needs; the program saves afterwards.
  void ChooseSize(int32_t row);  // a row of kClockSizes, 1 to 7
  void ToggleAnalogSeconds();
  void ToggleDigitalSeconds();
  void ToggleDate();
  void ToggleFace(Face face);
  void ChooseHourFormat(bool twelve_hour);
  void ChooseDateFormat(int32_t number);  // 1 to 10
  bool ChooseAnalogColor();               // false: the dialog was cancelled
  bool ChooseDigitalColor();
  bool ChooseFont();
  void ChooseSkin(int32_t index);
  void ToggleSmoothEdges();
  void ChooseOpacity(int32_t percent);  // one of kOpacities
  // The zone chooser, then (for a clock without a label) the label box with the zone's
  // city. False when nothing changed.
  bool ChooseTimeZone();
  bool EditLabel();

  // The user let go of the window after a drag: true when the profile took a new place.
  bool DragEnded();
  // Placed and sized again from the profile exactly as at start-up, after a change of the
  // screens. The profile keeps its place.
  void PlaceAgain();
  // Moved (by a drag, say) to a monitor of another scale: the size follows, the window keeps
  // its place.
  void DisplayScaleChanged();
  // Moves the window's stored place to `place` (screen pixels), offsets kept from the
  // profile's own edges, and the window there.
  void MoveTo(Point place);
  // Whether the window shows no pixel at all ("Invisible", or a skin that draws nothing).
  bool ShowsNothing() const;
  // The check mark of Smooth Edges where the shell offers it.
  void ShowSmoothEdgesItem();
  // The menu's check marks from the profile, as at start-up.
  void CheckMenuFromProfile();

 private:
  enum class TextLine { Label, Time, Date };

  void CheckFacesFromStyle();
  void CheckCurrentSkin();
  void ApplyFont();
  std::optional<Size> SizeFromProfile() const;
  void ApplyPlace(Size size);
  void SetWindowColor(ports::Color color);

  bool SecondsShown() const;
  bool ShownTimeChanged(const TimeOfDay& time) const;
  void BuildOutline(ports::Moment now);
  Region OutlineAt(const OutlineLayout& layout, int32_t width, const DateTime& shown);
  bool ShowsSmoothEdges() const;
  void ShowSmoothImage();
  Region TextLineOutline(TextLine line, int32_t top, int32_t width, const DateTime& shown);
  std::string TextOf(TextLine line, const DateTime& shown) const;

  const ClockContext& context_;
  ports::Services& services_;
  Profile profile_;
  ClockStyle style_ = ClockStyle::Analog;  // profile_.style, read where the profile is applied
  std::unique_ptr<ports::ClockWindow> window_;
  MenuModel menu_;
  ClockState state_;
  ports::Color window_color_{0, 0, 255};  // blue until a profile is applied
  // Where the clock last put its window itself: a drag that ends there moved nothing.
  std::optional<Point> placed_at_;
  bool outline_empty_ = false;        // the last outline holds no pixel
  AnalogFaceMemory analog_face_;      // face and marks drawn once, the hands every tick
  RegionWorkspace region_workspace_;  // storage each rebuild leaves to the next
  // With smooth edges: the last outline's coverage, kept for a change of colour, and the
  // image made from it; both keep their storage from tick to tick.
  Coverage coverage_;
  ports::LayeredImage image_;
};

// The city of an IANA zone id as a label: its last part, underscores as blanks
// ("America/New_York" gives "New York").
std::string CityOfZone(const std::string& zone_id);

}  // namespace sorvane
