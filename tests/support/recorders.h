#pragma once
// Shell, error box and menu view that keep what they were asked to show.
#include <string>
#include <vector>

#include "app/ports/services.h"

namespace sorvane::headless {

class RecordingShell : public ports::Shell {
 public:
  void OpenHelp(const ports::HelpTopic& topic) override { help_opened.push_back(topic.page); }
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

// Remembers every menu it was asked to show and gives the queued answers (the chosen ids;
// none: dismissed).
class RecordingMenuView : public ports::MenuView {
 public:
  int32_t PopupAt(const MenuModel& menu, Point screen) override {
    popups.push_back(screen);
    menus.push_back(&menu);
    return NextAnswer();
  }
  int32_t PopupAtPointer(const MenuModel& menu) override {
    ++pointer_popups;
    menus.push_back(&menu);
    return NextAnswer();
  }

  std::vector<Point> popups;
  int pointer_popups = 0;
  std::vector<const MenuModel*> menus;  // each menu shown, in order
  std::vector<int32_t> answers;         // the ids chosen, first first

 private:
  int32_t NextAnswer() {
    if (answers.empty()) return 0;
    const int32_t id = answers.front();
    answers.erase(answers.begin());
    return id;
  }
};

}  // namespace sorvane::headless
