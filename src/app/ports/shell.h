#pragma once
// The desktop around the clock: help and web pages, the error box, the popup menu and
// starting at login.
#include <cstdint>
#include <string>

#include "app/ports/menu_model.h"
#include "region/rect.h"

namespace sorvane::ports {

// A page of the help, by its file name among the help's pages ("1_1.html").
struct HelpTopic {
  std::string page;
  friend bool operator==(const HelpTopic&, const HelpTopic&) = default;
};

class Shell {
 public:
  virtual ~Shell() = default;
  // In the system's help viewer (on Windows the compiled help, snk.chm), or the browser.
  virtual void OpenHelp(const HelpTopic& topic) = 0;
  virtual void OpenUrl(const std::string& address) = 0;  // in the default browser
};

// The framework's error box.
class ErrorReporter {
 public:
  virtual ~ErrorReporter() = default;
  virtual void ShowError(const std::string& text) = 0;
};

// Shows a popup menu drawn from a menu model until an item is chosen or the menu is
// dismissed, and gives back the chosen item's id (0 for none). Nothing changes the model
// while it is open: the chosen item's command runs after the menu has closed.
class MenuView {
 public:
  virtual ~MenuView() = default;
  virtual int32_t PopupAt(const MenuModel& menu, Point screen) = 0;
  // At the mouse pointer, wherever it is: for a menu asked for from outside the clock.
  virtual int32_t PopupAtPointer(const MenuModel& menu) = 0;
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
