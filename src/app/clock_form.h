#pragma once
// The clock form: the clock's state, its start and its tick, its outline and its commands.
// A shell forwards the window's events here; everything the clock needs from the system
// comes through the services it is given.
//
// How a running clock works: Start reads the settings and the skins, applies the first
// profile to the window, builds the first outline and arms the timer for the moment the
// shown time next changes (the next second, or the next minute when no seconds are shown).
// Tick rebuilds the outline when the shown time has changed and arms the timer again; in
// between the clock sleeps. A dragged window's new place reaches the profile, and the file,
// when the drag ends (DragEnded). The outline is the union of the analog face of the
// current skin and the glyph shapes of the time and date lines; the window shows only what
// lies inside it, painted by Paint in the two colours of the profile. The menu's commands
// (menu_commands.cpp) change the profile in use, apply it again and save at once, so the
// file always holds what the user sees. The program's own events (session_and_screens.cpp)
// place the clock again when the screens change and save when the session ends.
#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "app/menu_model.h"
#include "app/outline_layout.h"
#include "files/profile.h"
#include "files/skin.h"
#include "geometry/analog_face_memory.h"
#include "app/ports/services.h"
#include "region/coverage.h"
#include "region/region.h"
#include "region/region_workspace.h"
#include "timefmt/date_format.h"

namespace sorvane {

// The window's colour until a profile is applied.
inline constexpr int32_t kWindowBlue = 0x00FF0000;

// The clock's state, in the order the clock keeps it.
struct ClockState {
  int32_t half_width = 0;   // window width div 2 at the last rebuild
  int32_t last_second = 0;  // the time the outline shows (of its last rebuild)
  int32_t last_minute = 0;
  int32_t last_hour = 0;
  int32_t current_profile = 0;  // the window always works on the first profile
  Profiles profiles;
  Profile default_profile;
  Skins skins;
  int32_t current_skin = 0;  // index in skins; also the tag of the skin's menu item
  std::string time_separator;
  std::string date_separator;
  int date_order = 0;
  ports::ClockFontState clock_font;  // starts as the window's own font
  uint8_t char_set = 1;                 // DEFAULT_CHARSET until CharSetForLanguage runs
  DateFormatList date_formats;
  std::array<std::string, 11> date_format_captions;  // menu captions of formats 1 to 10
};

// Which face a command turns on or off.
enum class Face { Analog, Digital };

class ClockForm : private ClockState {
 public:
  explicit ClockForm(ports::Services& services);

  // False when another copy of the clock is running: the caller ends the process without a
  // word. Errors (FileError, std::exception) propagate; the shell reports them and shows
  // the window all the same.
  bool Start();
  // The window is going: the tick stops.
  void Stop();
  // The timer's call: rebuilds the outline when the shown time has changed, then arms the
  // timer for its next change (next_change.h). A tick that comes early finds nothing
  // changed and arms the timer for the rest of the time.
  void Tick();
  // The system clock was set, or the machine woke from sleep: the time is shown at once
  // and the timer armed anew from it.
  void TimeChanged();
  // The user let go of the window after a drag: the profile takes the new place and the
  // file is saved. A press that moved nothing changes nothing.
  void DragEnded();
  // The screens changed: the window is placed and sized again from the profile exactly as at
  // start-up. The profile keeps its place, so that a clock brought into view from a monitor
  // that went away goes back there when the monitor returns.
  void ScreensChanged();
  // The session is ending: every profile is saved. Then, as it ends, what changed since.
  void SessionEnding();
  void SessionEnded();
  // The program was started again. A clock the user cannot reach (it shows nothing, or there
  // is no tray icon to right-click) opens its menu at the mouse pointer.
  void SecondStart(bool tray_icon_shown);
  // Whether the window shows no pixel at all ("Invisible", or a skin that draws nothing).
  bool ShowsNothing() const;
  void Paint(ports::Canvas& canvas);

  enum class MouseButton { Left, Right, Middle };
  void MouseDown(MouseButton button, int32_t x, int32_t y);

  // The popup menu as it stands. The shell draws it from this tree and hands the id of the
  // chosen item to RunMenuItem.
  const MenuModel& Menu() const { return menu_; }
  // Called by the shell as the menu opens: items that show the system rather than the
  // profile (Start at Login) are read again, since the user may have changed it elsewhere.
  void RefreshMenu();
  // Runs the command of the item with this id; an unknown id, a disabled item or an item
  // without a command does nothing. A save that fails throws FileError after the change
  // in memory and the new outline are in place; the shell reports it.
  void RunMenuItem(int32_t id);

  // The check marks and enabled states from the profile, once at start-up.
  void CheckMenuFromProfile();
  // Checks the item of current_skin in the analog submenu.
  void CheckCurrentSkin();

  // The commands of the menu. Each changes the profile in use, applies it again and rebuilds
  // the outline as far as the change needs, then saves the profiles file; a failed save
  // throws FileError with the change in place.
  void ChooseSize(int32_t row);  // a row of kClockSizes, 1 to 7
  void ToggleAnalogSeconds();
  void ToggleDigitalSeconds();
  void ToggleDate();
  void ToggleFace(Face face);
  void ChooseHourFormat(bool twelve_hour);
  void ChooseDateFormat(int32_t number);  // 1 to 10
  void ChooseAnalogColor();
  void ChooseDigitalColor();
  void ChooseFont();
  void ChooseSkin(int32_t index);
  void OpenHelp();
  void OpenWebLink(int32_t number);  // 1 to 3, the pages of kWebLinks
  // Shows the outline with smooth edges, or as the plain region again.
  void ToggleSmoothEdges();
  void ChooseOpacity(int32_t percent);  // one of kOpacities
  // The window moved to a monitor of another scale: its size follows, its place stays.
  void DisplayScaleChanged();
  // Starts the clock at login, or no longer; the item shows what the desktop now does.
  void ToggleLoginStart();
  // Saves the profiles, then closes the window. A failed save throws and leaves it open.
  void SaveAndClose();

  void RebuildOutline();
  void ApplyProfile(int32_t index);

  // The profile in use. Throws std::out_of_range before any profile exists.
  const Profile& CurrentProfile() const;
  Profile& CurrentProfile();

  const ClockState& State() const { return *this; }
  bool TimerRunning() const { return timer_running_; }
  int32_t WindowColor() const { return window_color_; }
  // The window colour is the base of every paint; the colour command sets it too.
  void SetWindowColor(int32_t color);

 private:
  enum class TextLine { Time, Date };

  DateTime Now() const;
  void RecordRebuildTime(const TimeOfDay& time);
  void ReadDateConventions();
  void ShowLoginStart();
  void ShowSmoothEdgesItem();
  bool LoadProfilesOrDefault();

  void ReadSettingsAndSkins();
  void RebuildWhenTimeChanged(const DateTime& now);
  bool ShownTimeChanged(const TimeOfDay& time) const;
  bool SecondsShown() const;
  void ArmNextTick();
  void ArmTickFrom(const DateTime& now);
  void StoreWindowPlace();
  void SaveIfChanged();

  void BuildOutline(const DateTime& now);
  Region OutlineAt(const OutlineLayout& layout, int32_t width, const DateTime& now);
  bool ShowsSmoothEdges() const;
  void ShowSmoothImage();
  Region TextLineOutline(TextLine line, int32_t top, int32_t width, const DateTime& now);
  std::string TextOf(TextLine line, const DateTime& now) const;

  void RunCommand(const MenuItem& item);
  void CheckFacesFromStyle(const std::string& style);
  void SaveAll();
  void KeepUnreadProfiles();

  void ApplyFont(const Profile& profile);
  void ApplySize(const Profile& profile);
  void ApplyPosition(const Profile& profile);
  void ApplyOpacity(const Profile& profile);
  void StoreOffsets(Profile& profile, Point place);
  void PlaceInTopRightCorner();

  ports::Services& services_;
  bool timer_running_ = true;  // the tick runs from the window's creation to Stop
  // Where the clock last put its window itself: a drag that ends there moved nothing.
  std::optional<Point> placed_at_;
  bool outline_empty_ = false;  // the last outline holds no pixel
  // The profiles as vl.prf holds them (empty until read or saved): what a save would change.
  Profiles saved_profiles_;
  int32_t window_color_ = kWindowBlue;
  // vl.prf existed at start-up but could not be read: the first save keeps it as vl.prf.bak.
  bool profiles_unread_ = false;
  MenuModel menu_;
  AnalogFaceMemory analog_face_;      // face and marks drawn once, the hands every tick
  RegionWorkspace region_workspace_;  // storage each rebuild leaves to the next
  // With smooth edges: the last outline's coverage, kept for a change of colour, and the
  // image made from it; both keep their storage from tick to tick.
  Coverage coverage_;
  ports::LayeredImage image_;
};

}  // namespace sorvane
