#pragma once
// One way to run the program, for every shell: the shell brings the system (its services,
// the tray icon, the event loop), the program does the rest.
#include "app/ports/program_events.h"
#include "app/ports/services.h"

namespace sorvane {

// What running the program asks of a shell beyond its services.
class ProgramShell {
 public:
  virtual ~ProgramShell() = default;
  virtual ports::Services& Services() = 0;
  // Where the shell's program-wide events go from now on (timer, tray, session, screens,
  // second starts); nullptr once the program is over.
  virtual void Connect(ports::ProgramEvents* events) = 0;
  // Shows the notification-area icon, where the desktop has a notification area.
  virtual void ShowTrayIcon() = 0;
  // Runs the event loop until the program quits; its exit code.
  virtual int RunEventLoop() = 0;
};

// Starts the program (an error at start-up reaches the error box, and the clocks are shown
// all the same), runs it, and saves what the end of the session left unsaved. The shell has
// made sure that no other copy runs.
int RunProgram(ProgramShell& shell);

}  // namespace sorvane
