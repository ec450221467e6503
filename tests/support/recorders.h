#pragma once
// Shell, error box and menu view that keep what they were asked to show.
#include <string>
#include <vector>

#include "app/ports/services.h"

namespace sorvane::headless {

class RecordingShell : public ports::Shell {
 public:
  void OpenHelp(const std::string& topic_path) override { help_opened.push_back(topic_path); }
  void OpenUrl(const std::string& address) override { urls_opened.push_back(address); }

  std::vector<std::string> help_opened;
  std::vector<std::string> urls_opened;
};

class RecordingErrors : public ports::ErrorReporter {
 public:
  void ShowError(const std::string& text) override { shown.push_back(text); }

  std::vector<std::string> shown;
};

// Start at login as a switch; `fail` makes every change throw, as a read-only folder would.
class FakeLoginStart : public ports::LoginStart {
 public:
  std::string Caption() const override { return "Start at Login"; }
  bool IsOn() override { return on; }
  void SetOn(bool wanted) override {
    if (fail) throw FileError("Cannot write the autostart entry: read-only");
    on = wanted;
  }

  bool on = false;
  bool fail = false;
};

class RecordingMenuView : public ports::MenuView {
 public:
  void PopupAt(int32_t screen_x, int32_t screen_y) override {
    popups.push_back({screen_x, screen_y});
  }
  void PopupAtPointer() override { ++pointer_popups; }

  std::vector<Point> popups;
  int pointer_popups = 0;
};

}  // namespace sorvane::headless
