#pragma once
// What the clock needs from the operating system, as interfaces. The Windows shell
// (platform/win32) implements them with the real API; platform/headless implements them
// with recording fakes so the whole program runs in unit tests.
#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include "files/file_service.h"
#include "region/region.h"
#include "timefmt/date_format.h"
#include "timefmt/locale_data.h"

namespace sorvane::platform {

// The clock window as the program sees it: a borderless, stay-on-top window whose region
// is the clock's outline.
class ClockWindow {
 public:
  virtual ~ClockWindow() = default;
  virtual Rect Bounds() const = 0;  // screen pixels, right/bottom exclusive
  virtual void SetWidth(int32_t width) = 0;
  virtual void SetHeight(int32_t height) = 0;
  virtual void SetLeft(int32_t left) = 0;
  virtual void SetTop(int32_t top) = 0;
  // COLORREF (0x00BBGGRR); the window repaints in it.
  virtual void SetColor(int32_t color) = 0;
  // The window takes the region over and paints the pixels it adds; those inside both the
  // old and the new outline keep what was painted there (Repaint paints them all). A window
  // showing an image with smooth edges goes back to its region.
  virtual void SetRegion(const Region& region) = 0;
  // The whole window at this opacity, in percent (100: opaque), whether it shows its
  // region or an image with smooth edges.
  virtual void SetOpacity(int32_t percent) = 0;
  // Dots per inch of the monitor the window is on; 96 is the scale of 100 %.
  virtual int32_t Dpi() const = 0;
  virtual void Repaint() = 0;
  // Arms the clock's one timer: the shell calls the clock's Tick once, `milliseconds` from
  // now (at once for 0 or less). Arming it again replaces the earlier time.
  virtual void ScheduleTick(int32_t milliseconds) = 0;
  // Closes the window, which ends the message loop.
  virtual void Close() = 0;
  // Whether an unowned top-level window titled "Sorvane" other than this copy's
  // application window exists.
  virtual bool AnotherCopyRunning() = 0;
};

// The pixels of a window that shows its outline with smooth edges: premultiplied alpha,
// 0xAARRGGBB, rows top to bottom (in memory the B, G, R, A bytes of a Windows DIB).
struct LayeredImage {
  int32_t width = 0;
  int32_t height = 0;
  std::vector<uint32_t> pixels;
};

// A clock window that can show an image with per-pixel alpha instead of a region (on
// Windows a layered window). A shell that offers it gets the "Smooth Edges" item.
class SmoothEdges {
 public:
  virtual ~SmoothEdges() = default;
  // Shows the image, of the window's size, until the next SetRegion. Pixels of alpha 0 let
  // the mouse through to what lies below, as pixels outside a region do.
  virtual void ShowImage(const LayeredImage& image) = 0;
};

// Solid fills of the client area, used by the paint handler.
class Canvas {
 public:
  virtual ~Canvas() = default;
  virtual void FillRect(const Rect& rect, int32_t color) = 0;
};

class Screen {
 public:
  virtual ~Screen() = default;
  virtual Size PrimarySize() const = 0;            // GetSystemMetrics(SM_CXSCREEN / SM_CYSCREEN)
  virtual std::vector<Rect> Monitors() const = 0;  // every monitor, primary first
  // The primary monitor less the taskbar and other bars docked to its edges
  // (SPI_GETWORKAREA): where a window shows whole and uncovered. Empty when unknown.
  virtual Rect PrimaryWorkArea() const = 0;
};

class LocalClock {
 public:
  virtual ~LocalClock() = default;
  virtual DateTime Now() const = 0;  // local date and time
};

// A logical font as the text region asks for it (the fields of a LOGFONT that matter).
struct FontSpec {
  int32_t height = 0;
  int32_t width = 0;
  int32_t weight = 400;
  bool italic = false;
  bool underline = false;
  bool strike_out = false;
  uint8_t char_set = 1;
  std::string face;  // at most 31 characters
  friend bool operator==(const FontSpec&, const FontSpec&) = default;
};

// Glyph outlines of one line of text in a font, through the system's text paths.
class TextOutlines {
 public:
  virtual ~TextOutlines() = default;
  // Width of the text in pixels, nothing when the measurement fails.
  virtual std::optional<int32_t> MeasureWidth(const FontSpec& font, const std::string& text) = 0;
  // The filled outlines (alternate fill) of the text drawn with its cell's top-left at (x, y).
  virtual Region Outline(const FontSpec& font, const std::string& text, int32_t x, int32_t y) = 0;
};

// The window's drawing font: what the font dialog chose and the clock text starts from.
struct ClockFontState {
  std::string face = "Microsoft Sans Serif";
  int32_t height = 13;  // character height in pixels
  int32_t point_size = 10;
  bool bold = true;
  bool italic = false;
  bool underline = false;
  bool strike_out = false;
  uint8_t char_set = 204;
  int32_t color = 0;  // COLORREF
  friend bool operator==(const ClockFontState&, const ClockFontState&) = default;
};

class Dialogs {
 public:
  virtual ~Dialogs() = default;
  // The colour dialog opened at `initial`; nothing on Cancel.
  virtual std::optional<int32_t> ChooseColor(int32_t initial) = 0;
  // The font dialog opened at `current`; nothing on Cancel.
  virtual std::optional<ClockFontState> ChooseFont(const ClockFontState& current) = 0;
};

class Shell {
 public:
  virtual ~Shell() = default;
  virtual void OpenHelp(const std::string& topic_path) = 0;  // HtmlHelpA, HH_DISPLAY_TOPIC
  virtual void OpenUrl(const std::string& address) = 0;      // ShellExecuteA
};

// The framework's error box.
class ErrorReporter {
 public:
  virtual ~ErrorReporter() = default;
  virtual void ShowError(const std::string& text) = 0;
};

// Opens the popup menu at a screen point (the menu itself comes from the menu model).
class MenuView {
 public:
  virtual ~MenuView() = default;
  virtual void PopupAt(int32_t screen_x, int32_t screen_y) = 0;
  // At the mouse pointer, wherever it is: for a menu asked for from outside the clock.
  virtual void PopupAtPointer() = 0;
};

// Starting the clock when the user logs in: on Linux an entry in the desktop's autostart
// folder. A shell that offers it gets a menu item for it, captioned as the shell says.
class LoginStart {
 public:
  virtual ~LoginStart() = default;
  virtual std::string Caption() const = 0;  // "Start at Login"
  virtual bool IsOn() = 0;
  // Throws FileError, with a text for the error box, when the change cannot be made.
  virtual void SetOn(bool on) = 0;
};

// Where the clock's files are. On Windows every one of them is the program's folder; on
// Linux the settings, the installed and the user's skins and the help live apart.
struct Folders {
  std::filesystem::path settings;            // vl.prf
  std::vector<std::filesystem::path> skins;  // *.skn, read in this order
  std::filesystem::path help;                // the help and its links folder
  static Folders AllIn(const std::filesystem::path& folder) { return {folder, {folder}, folder}; }
};

// Everything the clock form is given when it is made.
struct Services {
  ClockWindow& window;
  Screen& screen;
  LocalClock& clock;
  TextOutlines& text;
  Dialogs& dialogs;
  Shell& shell;
  ErrorReporter& errors;
  MenuView& menu;
  FileService& files;
  LocaleData locale;
  Folders folders;
  LoginStart* login_start = nullptr;    // none: the menu has no such item
  SmoothEdges* smooth_edges = nullptr;  // none: the clock always shows its region
};

}  // namespace sorvane::platform
