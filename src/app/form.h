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

#include "files/profile.h"
#include "files/skin.h"
#include "platform/platform.h"
#include "region/region.h"
#include "timefmt/date_format.h"

namespace sorvane {

inline constexpr int32_t kWindowBlue = 0x00FF0000;  // the window's colour until a profile is applied

// The window's state, in the order the window keeps it.
struct TForm1State {
  int32_t HalfWidth = 0;   // window width div 2 at the last rebuild
  int32_t LastSecond = 0;  // time of the last rebuild made at start-up or by the tick
  int32_t LastMinute = 0;
  int32_t LastHour = 0;
  int32_t CurProfile = 0;  // the window always works on the first profile
  TProfiles Profiles;
  TProfile DefaultProfile;
  TSkins Skins;
  int32_t CurSkin = 0;     // index in Skins; also the Tag of the skin's menu item
  std::string TimeSep;
  std::string DateSep;
  int DateOrder = 0;
  platform::ClockFontState ClockFont;  // starts as the window's own font
  uint8_t FontCharSet = 1;             // DEFAULT_CHARSET until GetCharSet runs
  TDateFormatList DateFormats;
  std::array<std::string, 11> DateFormatCaptions;  // menu captions of formats 1 to 10
};

// One skin's item in the analog clock submenu, in the order the skins were read.
struct SkinMenuItem {
  std::string caption;  // the skin's name
  int32_t tag = 0;      // its index in Skins
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

  // Saves the profiles, then closes the window. A failed save throws and leaves it open.
  void Close1Click();
  void MakeRgn();
  void RealiseProfile(int32_t index);
  void ChooseFont1Click();

  // The outline of one text line: Mode 2 the date, anything else the time.
  Region MakeFontDigitalClockRgn(int32_t X, int32_t Y, int32_t Width, int32_t Mode);

  // The profile in use. Throws std::out_of_range before any profile exists.
  const TProfile& Profile() const;
  TProfile& Profile();

  const TForm1State& State() const { return *this; }
  const std::vector<SkinMenuItem>& SkinItems() const { return skin_items_; }
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

  void ApplyFont(const TProfile& profile);
  void ApplySize(const TProfile& profile);
  void ApplyPosition(const TProfile& profile);

  platform::Services& services_;
  bool timer_running_ = true;  // Timer2 runs from the window's creation to FormDestroy
  int32_t window_color_ = kWindowBlue;
  std::vector<SkinMenuItem> skin_items_;
};

}  // namespace sorvane
