#pragma once
// Every platform service as a fake, wired together with one journal, ready to hand to the
// clock form: the whole program runs in a test with no operating system under it.
#include "platform/headless/fake_clock.h"
#include "platform/headless/fake_screen.h"
#include "platform/headless/fake_text_outlines.h"
#include "platform/headless/fake_window.h"
#include "platform/headless/journal.h"
#include "platform/headless/memory_files.h"
#include "platform/headless/recorders.h"
#include "platform/headless/scripted_dialogs.h"
#include "platform/platform.h"

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
  FakeWindow window{&journal};
  FakeScreen screen;
  FakeClock clock{&journal};
  FakeTextOutlines text;
  ScriptedDialogs dialogs;
  RecordingShell shell;
  RecordingErrors errors;
  RecordingMenuView menu;
  MemoryFiles files{&journal};
  platform::Services services;  // US English locale, every file in ProgramFolder()
};

}  // namespace sorvane::headless
