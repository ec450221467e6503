#include "shells/win32/win32_program.h"

#include <filesystem>

#include "app/clock/web_links.h"
#include "files/file_service.h"
#include "shells/win32/clock_window.h"
#include "shells/win32/locale_reader.h"

namespace sorvane::win32 {

namespace {

std::filesystem::path ProgramFolder() {
  return std::filesystem::path(RunningProgramPath()).parent_path();
}

}  // namespace

Win32Program::Win32Program(HINSTANCE instance)
    : instance_(instance),
      application_(instance),
      shell_(FolderText(ProgramFolder())),
      menu_(instance),
      login_(RunKeyLoginStart::ForThisProgram()),
      services_{*this,   screen_, clock_,          text_,
                dialogs_, shell_,  errors_,         menu_,
                DiskFiles(), ReadUserLocale(), ports::Folders::AllIn(ProgramFolder()),
                &login_} {
  OwnWith(application_.handle());
  // Windows keeps its zone data current; the rules read from it are read again.
  application_.SetZoneDataChanged([this] { clock_.ReloadZones(); });
}

Win32Program::~Win32Program() {
  application_.SetEvents(nullptr, nullptr);
}

void Win32Program::Connect(ports::ProgramEvents* events) {
  events_ = events;
  if (events == nullptr) {
    application_.SetEvents(nullptr, nullptr);
    return;
  }
  application_.SetEvents(events, [this] { return tray_ != nullptr && tray_->Shown(); });
}

// A desktop without a notification area still has the clocks' own menus.
void Win32Program::ShowTrayIcon() {
  if (events_ == nullptr) return;
  tray_ = std::make_unique<TrayIcon>(instance_, menu_, *events_);
  tray_->Add();
}

int Win32Program::RunEventLoop() {
  MSG message{};
  while (GetMessageA(&message, nullptr, 0, 0) > 0) {
    TranslateMessage(&message);
    DispatchMessageA(&message);
  }
  tray_.reset();
  return static_cast<int>(message.wParam);
}

std::unique_ptr<ports::ClockWindow> Win32Program::MakeClockWindow(
    ports::ClockWindowEvents& events) {
  auto window = std::make_unique<Win32ClockWindow>(instance_, application_.handle(), &events);
  window->SetPressHandler([this](HWND pressed) { OwnWith(pressed); });
  if (owner_ == application_.handle()) OwnWith(window->handle());
  return window;
}

// The work deferred is the end of a clock, whose window may have owned the dialogs.
void Win32Program::Defer(std::function<void()> task) {
  application_.Defer([this, task = std::move(task)] {
    task();
    if (!IsWindow(owner_)) OwnWith(application_.handle());
  });
}

void Win32Program::OwnWith(HWND window) {
  owner_ = window;
  dialogs_.SetOwner(window);
  shell_.SetOwner(window);
  errors_.SetOwner(window);
}

}  // namespace sorvane::win32
