#pragma once
// Every port of the system as a fake, wired together with one journal, ready to hand to the
// clock form: the whole program runs in a test with no operating system under it.
#include "app/ports/services.h"
#include "support/fake_clock.h"
#include "support/fake_host.h"
#include "support/fake_screen.h"
#include "support/fake_text_outlines.h"
#include "support/fake_window.h"
#include "support/journal.h"
#include "support/memory_files.h"
#include "support/recorders.h"
#include "support/scripted_dialogs.h"

namespace sorvane::headless {

class HeadlessServices {
 public:
  HeadlessServices();
  HeadlessServices(const HeadlessServices&) = delete;
  HeadlessServices& operator=(const HeadlessServices&) = delete;

  // The program's folder in the in-memory file system.
  static std::filesystem::path ProgramFolder() { return "clock"; }
  static std::filesystem::path InProgramFolder(const std::string& name) {
    return ProgramFolder() / name;
  }

  Journal journal;
  FakeWindow window{&journal};  // the first clock's
  FakeHost host{window, &journal};
  FakeScreen screen;
  FakeClock clock{&journal};
  FakeTextOutlines text;
  ScriptedDialogs dialogs;
  RecordingShell shell;
  RecordingErrors errors;
  RecordingMenuView menu;
  MemoryFiles files{&journal};
  ports::Services services;  // US English locale, every file in ProgramFolder()
};

}  // namespace sorvane::headless
