#include "shells/win32/shell_links.h"

#include <shellapi.h>

namespace sorvane::win32 {

namespace {

constexpr UINT kHelpDisplayTopic = 0;  // HH_DISPLAY_TOPIC
using HtmlHelpFunction = HWND(WINAPI*)(HWND, LPCSTR, UINT, DWORD_PTR);

}  // namespace

Win32Shell::~Win32Shell() {
  if (html_help_ != nullptr) FreeLibrary(html_help_);
}

// The topic in the help file's main window: "<folder>\\snk.chm::/<page>>mainwin". The folder
// text already ends in a backslash and a second one is added; the viewer reads the doubled
// separator as one, as it always has.
void Win32Shell::OpenHelp(const ports::HelpTopic& topic) {
  const std::string topic_path = help_folder_ + "\\snk.chm::/" + topic.page + ">mainwin";
  // hhctrl.ocx is not linked: a system without HTML Help still runs the clock.
  if (html_help_ == nullptr) html_help_ = LoadLibraryA("hhctrl.ocx");
  if (html_help_ == nullptr) return;
  // Through a generic function pointer: FARPROC does not match the real signature.
  const auto html_help = reinterpret_cast<HtmlHelpFunction>(
      reinterpret_cast<void (*)()>(GetProcAddress(html_help_, "HtmlHelpA")));
  if (html_help == nullptr) return;
  html_help(owner_, topic_path.c_str(), kHelpDisplayTopic, 0);
}

void Win32Shell::OpenUrl(const std::string& address) {
  ShellExecuteA(owner_, "open", address.c_str(), nullptr, nullptr, SW_SHOWNORMAL);
}

}  // namespace sorvane::win32
