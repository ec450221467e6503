#pragma once
// The clock window: its state and its event handlers. The Windows shell forwards the
// window's messages here; everything the clock needs from the system comes through the
// services it is given.
//
// How a running clock works: FormCreate reads the settings and the skins, applies the first
// profile to the window and builds the first outline. Then the timer calls Timer2Timer once
// a second: it stores a dragged window's new position in the profile and, when the shown
// time has changed, rebuilds the outline (MakeRgn). The outline is the union of the analog
// face of the current skin and the glyph shapes of the time and date lines; the window
// shows only what lies inside it, painted by FormPaint in the two colours of the profile.
#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "app/menu_model.h"
#include "files/profile.h"
#include "files/skin.h"
#include "geometry/analog_face_memory.h"
#include "platform/platform.h"
#include "region/region.h"
#include "region/region_workspace.h"
#include "timefmt/date_format.h"

namespace sorvane {

// The window's colour until a profile is applied.
inline constexpr int32_t kWindowBlue = 0x00FF0000;

// The window's state, in the order the window keeps it.
struct TForm1State {
  int32_t half_width = 0;   // window width div 2 at the last rebuild
  int32_t last_second = 0;  // time of the last rebuild made at start-up or by the tick
  int32_t last_minute = 0;
  int32_t last_hour = 0;
  int32_t current_profile = 0;  // the window always works on the first profile
  Profiles profiles;
  Profile default_profile;
  Skins skins;
  int32_t current_skin = 0;  // index in skins; also the Tag of the skin's menu item
  std::string time_separator;
  std::string date_separator;
  int date_order = 0;
  platform::ClockFontState clock_font;  // starts as the window's own font
  uint8_t char_set = 1;             // DEFAULT_CHARSET until CharSetForLanguage runs
  DateFormatList date_formats;
  std::array<std::string, 11> date_format_captions;  // menu captions of formats 1 to 10
};

class TForm1 : private TForm1State {
 public:
  explicit TForm1(platform::Services& services);

  // False when another copy of the clock is running: the caller ends the process without a
  // word. Errors (FileError, std::exception) propagate; the shell reports them and shows
  // the window all the same.
  bool FormCreate();
  void FormDestroy();
  void Timer2Timer();
  void FormPaint(platform::Canvas& canvas);

  enum class MouseButton { Left, Right, Middle };
  void FormMouseDown(MouseButton button, int32_t x, int32_t y);

  // The popup menu as it stands. The shell draws it from this tree and hands the id of the
  // chosen item to MenuCommand.
  const MenuModel& Menu() const { return menu_; }
  // Runs the handler of the item with this id; an unknown id, a disabled item or an item
  // without a handler does nothing. A save that fails throws FileError after the change
  // in memory and the new outline are in place; the shell reports it.
  void MenuCommand(int32_t id);

  // The check marks and enabled states from the profile, once at start-up.
  void MakeProfilesStateMenu();
  // Checks the item of current_skin in the analog submenu.
  void SetCurSkinMenu();

  // The command handlers; `sender` is the id of the clicked item.
  void Huge1Click(int32_t sender);
  void Showseconds2Click(int32_t sender);
  void ShowSeconds1Click(int32_t sender);
  void ShowDate1Click(int32_t sender);
  void EnableAnalogClock1Click(int32_t sender);  // both enable items
  void N24HFormat1Click(int32_t sender);
  void N12HFormat1Click(int32_t sender);
  void N41Click(int32_t sender);  // every date-format item
  void Clockcolor1Click();
  void Timecolor1Click();
  void Skins1Click(int32_t sender);  // does not save: the next saving command takes it along
  void Help1Click();
  void WebLink1Click();
  void WebLink2Click();
  void WebLink3Click();
  // Saves the profiles, then closes the window. A failed save throws and leaves it open.
  void Close1Click();
  void MakeRgn();
  void RealiseProfile(int32_t index);
  void ChooseFont1Click();

  // The outline of one text line: Mode 2 the date, anything else the time.
  Region MakeFontDigitalClockRgn(int32_t X, int32_t Y, int32_t Width, int32_t Mode);

  // The profile in use. Throws std::out_of_range before any profile exists.
  const Profile& CurrentProfile() const;
  Profile& CurrentProfile();

  const TForm1State& State() const { return *this; }
  bool TimerRunning() const { return timer_running_; }
  int32_t WindowColor() const { return window_color_; }
  // The window colour is the base of every paint; the colour command sets it too.
  void SetWindowColor(int32_t color);

 private:
  DateTime Now() const;
  void RecordRebuildTime(const TimeOfDay& time);
  void ReadDateConventions();
  void LoadProfilesOrDefault();

  void KeepPositionInStep();
  void RebuildWhenTimeChanged();
  bool ShownTimeChanged(const TimeOfDay& time) const;

  void BuildOutline(const DateTime& now);
  Region MakeFontDigitalClockRgn(int32_t X, int32_t Y, int32_t Width, int32_t Mode,
                                 const DateTime& now);
  std::string TextOfLine(int32_t Mode, const DateTime& now) const;

  void RunHandler(const MenuItem& item);
  void SetStyleChecks(const std::string& style);
  void OpenWebLink(size_t index);
  void SaveAll();

  void ApplyFont(const Profile& profile);
  void ApplySize(const Profile& profile);
  void ApplyPosition(const Profile& profile);

  platform::Services& services_;
  bool timer_running_ = true;  // Timer2 runs from the window's creation to FormDestroy
  int32_t window_color_ = kWindowBlue;
  MenuModel menu_;
  AnalogFaceMemory analog_face_;  // face and marks drawn once, the hands every tick
  RegionWorkspace region_workspace_;  // storage each rebuild leaves to the next
};

}  // namespace sorvane
