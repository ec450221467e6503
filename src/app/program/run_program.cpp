#include "app/program/run_program.h"

#include "app/ports/report_errors.h"
#include "app/program/program.h"
#include "app/program/program_events.h"

namespace sorvane {

int RunProgram(ProgramShell& shell) {
  ports::Services& services = shell.Services();
  Program program(services);
  ProgramEventHandler events(program, services.errors);
  ports::ReportErrors(services.errors, [&] { program.Start(); });
  program.ShowClocks();
  shell.Connect(&events);
  shell.ShowTrayIcon();
  const int exit_code = shell.RunEventLoop();
  // A session manager may end the loop after asking for a save: what changed since.
  events.SessionEnded();
  shell.Connect(nullptr);
  return exit_code;
}

}  // namespace sorvane
