#include "shells/win32/system_services.h"

#include "shells/win32/app_title.h"

namespace sorvane::win32 {

namespace {

struct MonitorList {
  std::vector<Rect> primary;
  std::vector<Rect> others;
};

BOOL CALLBACK AddMonitor(HMONITOR monitor, HDC, LPRECT, LPARAM context) {
  auto* list = reinterpret_cast<MonitorList*>(context);
  MONITORINFO info{};
  info.cbSize = sizeof(info);
  if (!GetMonitorInfoA(monitor, &info)) return TRUE;
  const RECT& r = info.rcMonitor;
  auto& target = (info.dwFlags & MONITORINFOF_PRIMARY) != 0 ? list->primary : list->others;
  target.push_back(Rect{r.left, r.top, r.right, r.bottom});
  return TRUE;
}

}  // namespace

Size Win32Screen::PrimarySize() const {
  return Size{GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)};
}

std::vector<Rect> Win32Screen::Monitors() const {
  MonitorList list;
  EnumDisplayMonitors(nullptr, nullptr, AddMonitor, reinterpret_cast<LPARAM>(&list));
  list.primary.insert(list.primary.end(), list.others.begin(), list.others.end());
  return list.primary;
}

// A work area the system cannot give is left empty: the clock then uses the whole primary
// monitor.
Rect Win32Screen::PrimaryWorkArea() const {
  RECT r{};
  if (!SystemParametersInfoW(SPI_GETWORKAREA, 0, &r, 0)) return Rect{};
  return Rect{r.left, r.top, r.right, r.bottom};
}

void MessageBoxErrors::ShowError(const std::string& text) {
  MessageBoxA(owner_, text.c_str(), kAppTitle, MB_OK | MB_ICONSTOP);
}

}  // namespace sorvane::win32
