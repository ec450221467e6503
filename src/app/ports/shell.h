#pragma once
// The desktop around the clock: help and web pages, the error box, the popup menu and
// starting at login.
#include <cstdint>
#include <string>

namespace sorvane::ports {

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

}  // namespace sorvane::ports
