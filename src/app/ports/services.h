#pragma once
// Everything the clock is given when it is made: the services of the system it runs on, as
// interfaces. Each shell (shells/win32, shells/qt) implements them with the real system;
// tests/support implements them with recording fakes so the whole program runs in unit tests.
#include <filesystem>
#include <vector>

#include "app/ports/clock_window.h"
#include "app/ports/dialogs.h"
#include "app/ports/program_host.h"
#include "app/ports/screen.h"
#include "app/ports/shell.h"
#include "app/ports/text_outlines.h"
#include "app/ports/time_source.h"
#include "files/file_service.h"
#include "timefmt/locale_data.h"

namespace sorvane::ports {

// Where the clock's files are. On Windows every one of them is the program's folder; on
// Linux the settings, the installed and the user's skins and the help live apart.
struct Folders {
  std::filesystem::path settings;            // vl.prf
  std::vector<std::filesystem::path> skins;  // *.skn, read in this order
  std::filesystem::path help;                // the help and its links folder
  static Folders AllIn(const std::filesystem::path& folder) { return {folder, {folder}, folder}; }
};

// Everything the program is given when it is made.
struct Services {
  ProgramHost& host;
  Screen& screen;
  TimeSource& clock;
  TextOutlines& text;
  Dialogs& dialogs;
  Shell& shell;
  ErrorReporter& errors;
  MenuView& menu;
  FileService& files;
  LocaleData locale;
  Folders folders;
  LoginStart* login_start = nullptr;  // none: the menu has no such item
};

}  // namespace sorvane::ports
