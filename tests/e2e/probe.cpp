// probe.exe: looks at a running clock from outside, as another program would, and prints
// what it finds as "key=value" lines for the end-to-end driver.
//
//   probe list                 every top-level window: title, class, owner, styles, rect
//   probe clock                the first clock window (class TForm1) and its application window
//   probe clocks               every clock window: rect, region, process, in creation order
//   probe wait-clocks N SECONDS  waits until N clock windows show a region; prints clocks=N
//   probe wait SECONDS         waits until a visible clock window exists, then as "clock"
//   probe command ID           posts WM_COMMAND ID to the clock window
//   probe message MSG          posts message MSG (decimal) with no parameters
//   probe usage                GDI objects and CPU time of the clock's process
//   probe watch SECONDS        reads the clock's region every 5 ms and prints the system
//                              time (ms since 1970) of each change it sees
//   probe terminate            ends the clock's process at once (TerminateProcess)
//   probe hold TITLE SECONDS   keeps an unowned hidden window titled TITLE for SECONDS
//   probe catch L T R B SECONDS  a plain visible window at L,T-R,B (under the topmost clock)
//                              for SECONDS; prints "caught=N" at each left click it gets
//   probe lock FILE SECONDS    holds FILE open with no sharing, so no one else can read it
//   probe menus                the open popup menus (class #32768), outermost first
//   probe list-tray            the windows of the notification area ("left,top,right,bottom;")
//   probe menu-heights         the heights of a menu item and of a separator, in pixels
//   probe cancel-dialog SECONDS  waits for any dialog box, prints its title, cancels it
//   probe dialog SECONDS       waits for a message box titled Sorvane, prints its text
//                              and presses its OK button
//   probe outline-repaint      how many pixels of the clock's region change when the clock
//                              is made to repaint all of it (read while the region stays put)
//   probe dialog-edit TITLE SECONDS  waits for a dialog box titled TITLE, prints its rect and
//                              the text and rect of its first edit control
//   probe resolution W H       sets the display to W x H as the Settings app does
//                              (ChangeDisplaySettingsExA) and prints the screen size after
#include <windows.h>
#include <winternl.h>

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "shells/win32/menu_painter.h"

namespace {

struct TopLevel {
  HWND handle;
  std::string title;
  std::string class_name;
};

std::vector<TopLevel> TopLevelWindows() {
  std::vector<TopLevel> found;
  EnumWindows(
      [](HWND window, LPARAM context) -> BOOL {
        char title[256] = {};
        char class_name[256] = {};
        GetWindowTextA(window, title, sizeof(title));
        GetClassNameA(window, class_name, sizeof(class_name));
        reinterpret_cast<std::vector<TopLevel>*>(context)->push_back({window, title, class_name});
        return TRUE;
      },
      reinterpret_cast<LPARAM>(&found));
  return found;
}

HWND FindClock() {
  for (const TopLevel& w : TopLevelWindows()) {
    if (w.class_name == "TForm1" && w.title == "Sorvane") return w.handle;
  }
  return nullptr;
}

void PrintRegion(const char* prefix, HWND window) {
  HRGN region = CreateRectRgn(0, 0, 0, 0);
  const int kind = GetWindowRgn(window, region);
  RECT box{};
  GetRgnBox(region, &box);
  const DWORD bytes = GetRegionData(region, 0, nullptr);
  std::vector<char> buffer(bytes);
  auto* data = reinterpret_cast<RGNDATA*>(buffer.data());
  unsigned rects = 0;
  LONG inside_x = 0, inside_y = 0;
  uint32_t hash = 2166136261u;  // FNV-1a of the rectangles: tells two outlines apart
  if (bytes >= sizeof(RGNDATAHEADER) && GetRegionData(region, bytes, data) == bytes) {
    rects = data->rdh.nCount;
    const auto* bytes_of = reinterpret_cast<const unsigned char*>(data->Buffer);
    for (DWORD i = 0; i < rects * sizeof(RECT); ++i) hash = (hash ^ bytes_of[i]) * 16777619u;
    if (rects > 0) {
      // The middle of the widest rectangle: a point the mouse can hit.
      const auto* r = reinterpret_cast<const RECT*>(data->Buffer);
      const RECT* best = &r[0];
      for (unsigned i = 1; i < rects; ++i) {
        if (r[i].right - r[i].left > best->right - best->left) best = &r[i];
      }
      inside_x = (best->left + best->right) / 2;
      inside_y = (best->top + best->bottom) / 2;
    }
  }
  std::printf("%s.region_kind=%d\n%s.region_rects=%u\n", prefix, kind, prefix, rects);
  std::printf("%s.region_box=%ld,%ld,%ld,%ld\n", prefix, box.left, box.top, box.right, box.bottom);
  std::printf("%s.region_inside=%ld,%ld\n", prefix, inside_x, inside_y);
  std::printf("%s.region_hash=%08x\n", prefix, static_cast<unsigned>(hash));
  DeleteObject(region);
}

void PrintWindow(const char* prefix, HWND window) {
  char title[256] = {};
  char class_name[256] = {};
  GetWindowTextA(window, title, sizeof(title));
  GetClassNameA(window, class_name, sizeof(class_name));
  RECT r{};
  GetWindowRect(window, &r);
  DWORD pid = 0;
  GetWindowThreadProcessId(window, &pid);
  std::printf("%s.handle=%llu\n%s.title=%s\n%s.class=%s\n", prefix,
              static_cast<unsigned long long>(reinterpret_cast<uintptr_t>(window)), prefix, title,
              prefix, class_name);
  std::printf(
      "%s.owner=%llu\n", prefix,
      static_cast<unsigned long long>(reinterpret_cast<uintptr_t>(GetWindow(window, GW_OWNER))));
  std::printf("%s.style=0x%08lx\n%s.exstyle=0x%08lx\n", prefix,
              static_cast<unsigned long>(GetWindowLongA(window, GWL_STYLE)), prefix,
              static_cast<unsigned long>(GetWindowLongA(window, GWL_EXSTYLE)));
  std::printf("%s.visible=%d\n%s.rect=%ld,%ld,%ld,%ld\n%s.pid=%lu\n", prefix,
              IsWindowVisible(window) ? 1 : 0, prefix, r.left, r.top, r.right, r.bottom, prefix,
              static_cast<unsigned long>(pid));
}

int ListWindows() {
  int n = 0;
  for (const TopLevel& w : TopLevelWindows()) {
    const std::string prefix = "window" + std::to_string(n++);
    PrintWindow(prefix.c_str(), w.handle);
  }
  std::printf("windows=%d\n", n);
  return 0;
}

// Open menus are listed from the one opened first: each submenu opens above its parent, and
// windows are enumerated from the top of the z-order down.
int ListMenus() {
  std::vector<HWND> menus;
  for (const TopLevel& w : TopLevelWindows()) {
    if (w.class_name == "#32768" && IsWindowVisible(w.handle))
      menus.insert(menus.begin(), w.handle);
  }
  for (size_t i = 0; i < menus.size(); ++i) {
    RECT r{};
    GetWindowRect(menus[i], &r);
    std::printf("menu%zu.rect=%ld,%ld,%ld,%ld\n", i, r.left, r.top, r.right, r.bottom);
  }
  std::printf("menus=%zu\n", menus.size());
  return 0;
}

// Wine's own notification area, shown as a small window when no tray manager runs.
int ListTray() {
  std::string rects;
  for (const TopLevel& w : TopLevelWindows()) {
    if (w.class_name != "__winex11_standalone_tray" && w.class_name != "Shell_TrayWnd") continue;
    if (!IsWindowVisible(w.handle)) continue;
    RECT r{};
    GetWindowRect(w.handle, &r);
    rects += std::to_string(r.left) + "," + std::to_string(r.top) + "," + std::to_string(r.right) +
             "," + std::to_string(r.bottom) + ";";
  }
  std::printf("tray.rect=%s\n", rects.c_str());
  return 0;
}

// The view measures its items with the same painter, in the same Wine prefix.
int PrintMenuHeights() {
  const sorvane::win32::MenuPainter painter;
  std::printf("menu.item_height=%d\nmenu.separator_height=%d\n", painter.Heights().item,
              painter.Heights().separator);
  return 0;
}

// The system time in milliseconds since 1970, to the microsecond.
double SystemMilliseconds() {
  FILETIME now{};
  GetSystemTimePreciseAsFileTime(&now);
  const uint64_t ticks = (uint64_t{now.dwHighDateTime} << 32) | now.dwLowDateTime;
  constexpr uint64_t k1601To1970 = 116444736000000000ull;  // in 100 ns
  return static_cast<double>(ticks - k1601To1970) / 10000.0;
}

uint32_t RegionHash(HWND window) {
  HRGN region = CreateRectRgn(0, 0, 0, 0);
  GetWindowRgn(window, region);
  const DWORD bytes = GetRegionData(region, 0, nullptr);
  std::vector<char> buffer(bytes);
  uint32_t hash = 2166136261u;
  auto* data = reinterpret_cast<RGNDATA*>(buffer.data());
  if (bytes > 0 && GetRegionData(region, bytes, data) == bytes) {
    for (char c : buffer) hash = (hash ^ static_cast<unsigned char>(c)) * 16777619u;
  }
  DeleteObject(region);
  return hash;
}

// The moment each new outline appears, seen as another program sees it. The longest gap
// between two looks shows whether the probe itself kept up (a loaded machine delays it).
int WatchRegion(double seconds) {
  HWND clock = FindClock();
  if (clock == nullptr) {
    std::printf("clock=none\n");
    return 1;
  }
  constexpr double kEveryMilliseconds = 5;
  const double start = SystemMilliseconds();
  const double end = start + seconds * 1000;
  uint32_t last = RegionHash(clock);
  double previous_look = start, longest_gap = 0, next_look = start;
  long looks = 0;
  for (;;) {
    next_look += kEveryMilliseconds;
    const double wait = next_look - SystemMilliseconds();
    if (wait > 0) Sleep(static_cast<DWORD>(wait));
    const double seen = SystemMilliseconds();
    if (seen > end) break;
    const uint32_t hash = RegionHash(clock);
    ++looks;
    longest_gap = std::max(longest_gap, seen - previous_look);
    previous_look = seen;
    if (hash != last) std::printf("change=%.3f\n", seen);
    last = hash;
  }
  std::printf("looks=%ld\nlongest_gap_ms=%.1f\n", looks, longest_gap);
  std::printf("watch_began=%.3f\nwatch_ended=%.3f\n", start, previous_look);
  return 0;
}

int PrintClock(HWND clock) {
  if (clock == nullptr) {
    std::printf("clock=none\n");
    return 1;
  }
  PrintWindow("clock", clock);
  PrintRegion("clock", clock);
  HWND app = GetWindow(clock, GW_OWNER);
  if (app != nullptr) PrintWindow("app", app);
  int copies = 0;
  for (const TopLevel& w : TopLevelWindows()) {
    if (w.class_name == "TForm1" && w.title == "Sorvane") ++copies;
  }
  std::printf("clock.count=%d\n", copies);
  RECT area{};
  SystemParametersInfoA(SPI_GETWORKAREA, 0, &area, 0);
  std::printf("workarea=%ld,%ld,%ld,%ld\n", area.left, area.top, area.right, area.bottom);
  return 0;
}

// Every clock window of the program, oldest first (EnumWindows goes from the top of the
// z-order, where the newest window stands).
int PrintClocks() {
  std::vector<HWND> clocks;
  for (const TopLevel& w : TopLevelWindows()) {
    if (w.class_name == "TForm1" && w.title == "Sorvane") clocks.insert(clocks.begin(), w.handle);
  }
  for (size_t i = 0; i < clocks.size(); ++i) {
    const std::string prefix = "clock" + std::to_string(i);
    PrintWindow(prefix.c_str(), clocks[i]);
    PrintRegion(prefix.c_str(), clocks[i]);
  }
  std::printf("clocks=%zu\n", clocks.size());
  return 0;
}

int WaitForShapedClocks(int count, double seconds) {
  const ULONGLONG end = GetTickCount64() + static_cast<ULONGLONG>(seconds * 1000);
  for (;;) {
    int shaped = 0;
    for (const TopLevel& w : TopLevelWindows()) {
      if (w.class_name != "TForm1" || !IsWindowVisible(w.handle)) continue;
      HRGN region = CreateRectRgn(0, 0, 0, 0);
      RECT box{};
      if (GetWindowRgn(w.handle, region) != ERROR && GetRgnBox(region, &box) != NULLREGION) {
        ++shaped;
      }
      DeleteObject(region);
    }
    if (shaped >= count || GetTickCount64() > end) {
      std::printf("clocks=%d\n", shaped);
      return shaped >= count ? 0 : 1;
    }
    Sleep(2);
  }
}

int WaitForClock(double seconds) {
  const ULONGLONG end = GetTickCount64() + static_cast<ULONGLONG>(seconds * 1000);
  for (;;) {
    HWND clock = FindClock();
    if (clock != nullptr && IsWindowVisible(clock)) return PrintClock(clock);
    if (GetTickCount64() > end) return PrintClock(nullptr);
    Sleep(100);
  }
}

HANDLE OpenClockProcess(DWORD access) {
  HWND clock = FindClock();
  if (clock == nullptr) return nullptr;
  DWORD pid = 0;
  GetWindowThreadProcessId(clock, &pid);
  return OpenProcess(access, FALSE, pid);
}

// Wine's GetGuiResources reports 0; there, count the live entries of the process's GDI
// handle table (PEB.GdiSharedHandleTable, 24-byte entries whose type byte is non-zero).
long GdiObjectsFromHandleTable(HANDLE process) {
  struct Entry {
    uint64_t object;
    uint32_t owner;
    uint16_t unique;
    uint8_t type;
    uint8_t flags;
    uint64_t user;
  };
  PROCESS_BASIC_INFORMATION basic{};
  if (NtQueryInformationProcess(process, ProcessBasicInformation, &basic, sizeof(basic), nullptr) !=
      0) {
    return -1;
  }
  uint64_t table_address = 0;
  const auto* peb = reinterpret_cast<const char*>(basic.PebBaseAddress);
  if (!ReadProcessMemory(process, peb + 0xF8, &table_address, sizeof(table_address), nullptr) ||
      table_address == 0) {
    return -1;
  }
  std::vector<Entry> table(0x10000);
  if (!ReadProcessMemory(process, reinterpret_cast<const void*>(table_address), table.data(),
                         table.size() * sizeof(Entry), nullptr)) {
    return -1;
  }
  long live = 0;
  for (const Entry& e : table) live += e.type != 0 ? 1 : 0;
  return live;
}

double Milliseconds(const FILETIME& t) {
  ULARGE_INTEGER v;
  v.LowPart = t.dwLowDateTime;
  v.HighPart = t.dwHighDateTime;
  return static_cast<double>(v.QuadPart) / 10000.0;
}

int PrintUsage() {
  HANDLE process = OpenClockProcess(PROCESS_QUERY_INFORMATION | PROCESS_VM_READ);
  if (process == nullptr) {
    std::printf("clock=none\n");
    return 1;
  }
  const DWORD gui = GetGuiResources(process, GR_GDIOBJECTS);
  const long objects = gui != 0 ? static_cast<long>(gui) : GdiObjectsFromHandleTable(process);
  FILETIME created{}, ended{}, kernel{}, user{};
  GetProcessTimes(process, &created, &ended, &kernel, &user);
  std::printf("gdi_objects=%ld\ngdi_source=%s\n", objects,
              gui != 0 ? "GetGuiResources" : "handle_table");
  std::printf("cpu_user_ms=%.1f\ncpu_kernel_ms=%.1f\n", Milliseconds(user), Milliseconds(kernel));
  CloseHandle(process);
  return 0;
}

int Terminate() {
  HANDLE process = OpenClockProcess(PROCESS_TERMINATE | SYNCHRONIZE);
  if (process == nullptr) return 1;
  const BOOL ok = TerminateProcess(process, 9);
  WaitForSingleObject(process, 5000);
  CloseHandle(process);
  std::printf("terminated=%d\n", ok ? 1 : 0);
  return ok ? 0 : 1;
}

int Post(UINT message, WPARAM wparam) {
  HWND clock = FindClock();
  if (clock == nullptr) return 1;
  return PostMessageA(clock, message, wparam, 0) ? 0 : 1;
}

// Waits for any dialog box (a colour or font dialog), prints its title and cancels it.
int CancelDialog(double seconds) {
  const ULONGLONG end = GetTickCount64() + static_cast<ULONGLONG>(seconds * 1000);
  while (GetTickCount64() <= end) {
    for (const TopLevel& w : TopLevelWindows()) {
      if (w.class_name == "#32770" && IsWindowVisible(w.handle)) {
        std::printf("dialog=shown\ndialog.title=%s\n", w.title.c_str());
        PostMessageA(w.handle, WM_COMMAND, IDCANCEL, 0);
        return 0;
      }
    }
    Sleep(100);
  }
  std::printf("dialog=none\n");
  return 1;
}

int AnswerMessageBox(double seconds) {
  const ULONGLONG end = GetTickCount64() + static_cast<ULONGLONG>(seconds * 1000);
  HWND box = nullptr;
  while (box == nullptr && GetTickCount64() <= end) {
    for (const TopLevel& w : TopLevelWindows()) {
      if (w.class_name == "#32770" && w.title == "Sorvane" && IsWindowVisible(w.handle)) {
        box = w.handle;
      }
    }
    if (box == nullptr) Sleep(100);
  }
  if (box == nullptr) {
    std::printf("dialog=none\n");
    return 1;
  }
  // The message is the longest text among the box's static controls.
  std::string message;
  for (HWND child = GetWindow(box, GW_CHILD); child != nullptr;
       child = GetWindow(child, GW_HWNDNEXT)) {
    char class_name[64] = {};
    char text[512] = {};
    GetClassNameA(child, class_name, sizeof(class_name));
    GetWindowTextA(child, text, sizeof(text));
    if (lstrcmpiA(class_name, "Static") == 0 && std::string(text).size() > message.size()) {
      message = text;
    }
  }
  std::printf("dialog=shown\ndialog.text=%s\n", message.c_str());
  PostMessageA(box, WM_COMMAND, IDOK, 0);
  return 0;
}

int PrintDialogEdit(const char* title, double seconds) {
  const ULONGLONG end = GetTickCount64() + static_cast<ULONGLONG>(seconds * 1000);
  while (GetTickCount64() <= end) {
    for (const TopLevel& w : TopLevelWindows()) {
      if (w.class_name != "#32770" || w.title != title || !IsWindowVisible(w.handle)) continue;
      RECT r{};
      GetWindowRect(w.handle, &r);
      char text[512] = {};
      HWND edit = FindWindowExA(w.handle, nullptr, "Edit", nullptr);
      // An edit control of another process tells its text only when asked by message.
      DWORD_PTR copied = 0;
      if (edit != nullptr) {
        SendMessageTimeoutA(edit, WM_GETTEXT, sizeof(text), reinterpret_cast<LPARAM>(text),
                            SMTO_ABORTIFHUNG, 2000, &copied);
      }
      RECT e{};
      if (edit != nullptr) GetWindowRect(edit, &e);
      std::printf("dialog=shown\ndialog.rect=%ld,%ld,%ld,%ld\ndialog.edit=%s\n", r.left, r.top,
                  r.right, r.bottom, text);
      std::printf("dialog.edit_rect=%ld,%ld,%ld,%ld\n", e.left, e.top, e.right, e.bottom);
      return 0;
    }
    Sleep(100);
  }
  std::printf("dialog=none\n");
  return 1;
}

int LockFile(const char* path, double seconds) {
  HANDLE file = CreateFileA(path, GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr);
  if (file == INVALID_HANDLE_VALUE) return 1;
  std::printf("locked=%s\n", path);
  std::fflush(stdout);
  Sleep(static_cast<DWORD>(seconds * 1000));
  CloseHandle(file);
  return 0;
}

// Another program's unowned top-level window with a chosen title.
int HoldWindow(const char* title, double seconds) {
  HWND window = CreateWindowExA(0, "STATIC", title, WS_POPUP, 0, 0, 10, 10, nullptr, nullptr,
                                GetModuleHandleA(nullptr), nullptr);
  if (window == nullptr) return 1;
  std::printf("held=%s\n", title);
  std::fflush(stdout);
  const ULONGLONG end = GetTickCount64() + static_cast<ULONGLONG>(seconds * 1000);
  while (GetTickCount64() < end) {
    MSG message;
    while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) DispatchMessageA(&message);
    Sleep(20);
  }
  DestroyWindow(window);
  return 0;
}

int caught_clicks = 0;

LRESULT CALLBACK CatcherProcedure(HWND window, UINT message, WPARAM wparam, LPARAM lparam) {
  if (message == WM_LBUTTONDOWN) {
    std::printf("caught=%d\n", ++caught_clicks);
    std::fflush(stdout);
  }
  return DefWindowProcA(window, message, wparam, lparam);
}

int CatchClicks(const RECT& r, double seconds) {
  WNDCLASSA window_class{};
  window_class.lpfnWndProc = CatcherProcedure;
  window_class.hInstance = GetModuleHandleA(nullptr);
  window_class.hbrBackground = static_cast<HBRUSH>(GetStockObject(GRAY_BRUSH));
  window_class.lpszClassName = "ProbeCatcher";
  RegisterClassA(&window_class);
  HWND window = CreateWindowExA(0, "ProbeCatcher", "catcher", WS_POPUP | WS_VISIBLE, r.left, r.top,
                                r.right - r.left, r.bottom - r.top, nullptr, nullptr,
                                GetModuleHandleA(nullptr), nullptr);
  if (window == nullptr) return 1;
  // Below every other window, so the clock (topmost) lies over it.
  SetWindowPos(window, HWND_BOTTOM, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
  std::printf("catcher=shown\n");
  std::fflush(stdout);
  const ULONGLONG end = GetTickCount64() + static_cast<ULONGLONG>(seconds * 1000);
  while (GetTickCount64() < end) {
    MSG message;
    while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) DispatchMessageA(&message);
    Sleep(20);
  }
  DestroyWindow(window);
  std::printf("caught.count=%d\n", caught_clicks);
  return 0;
}

std::vector<RECT> RegionRects(HWND window) {
  std::vector<RECT> rects;
  HRGN region = CreateRectRgn(0, 0, 0, 0);
  if (GetWindowRgn(window, region) != ERROR) {
    std::vector<char> buffer(GetRegionData(region, 0, nullptr));
    auto* data = reinterpret_cast<RGNDATA*>(buffer.data());
    if (buffer.size() >= sizeof(RGNDATAHEADER) &&
        GetRegionData(region, static_cast<DWORD>(buffer.size()), data) == buffer.size()) {
      const auto* r = reinterpret_cast<const RECT*>(data->Buffer);
      rects.assign(r, r + data->rdh.nCount);
    }
  }
  DeleteObject(region);
  return rects;
}

bool SameRects(const std::vector<RECT>& a, const std::vector<RECT>& b) {
  return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](auto& x, auto& y) {
           return EqualRect(&x, &y) != FALSE;
         });
}

// The window's pixels as the screen shows them, 0x00RRGGBB, rows top down.
std::vector<uint32_t> ScreenPixels(const RECT& w) {
  const int width = w.right - w.left, height = w.bottom - w.top;
  BITMAPINFO info{};
  info.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
  info.bmiHeader.biWidth = width;
  info.bmiHeader.biHeight = -height;  // top-down rows
  info.bmiHeader.biPlanes = 1;
  info.bmiHeader.biBitCount = 32;
  info.bmiHeader.biCompression = BI_RGB;
  std::vector<uint32_t> pixels(static_cast<size_t>(width) * height);
  HDC screen = GetDC(nullptr);
  HDC memory = CreateCompatibleDC(screen);
  void* bits = nullptr;
  HBITMAP bitmap = CreateDIBSection(screen, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
  HGDIOBJ old = SelectObject(memory, bitmap);
  BitBlt(memory, 0, 0, width, height, screen, w.left, w.top, SRCCOPY);
  GdiFlush();
  std::copy_n(static_cast<const uint32_t*>(bits), pixels.size(), pixels.begin());
  SelectObject(memory, old);
  DeleteObject(bitmap);
  DeleteDC(memory);
  ReleaseDC(nullptr, screen);
  for (uint32_t& p : pixels) p &= 0xFFFFFF;
  return pixels;
}

// What the screen shows of the clock's region, or nothing if a tick changed the region.
std::vector<uint32_t> OutlinePixels(HWND clock, const std::vector<RECT>& rects) {
  RECT w{};
  GetWindowRect(clock, &w);
  const std::vector<uint32_t> pixels = ScreenPixels(w);
  if (!SameRects(rects, RegionRects(clock))) return {};
  const int width = w.right - w.left, height = w.bottom - w.top;
  std::vector<uint32_t> outline;
  for (const RECT& r : rects) {
    for (int y = std::max(0L, r.top); y < std::min<LONG>(height, r.bottom); ++y) {
      for (int x = std::max(0L, r.left); x < std::min<LONG>(width, r.right); ++x) {
        outline.push_back(pixels[static_cast<size_t>(y) * width + x]);
      }
    }
  }
  return outline;
}

// The clock's outline as its ticks left it against the same outline painted whole: the
// clock is asked to repaint, and the pixels that change were wrong before.
int CompareWithRepaint() {
  HWND clock = FindClock();
  if (clock == nullptr) return 1;
  for (int tries = 1; tries <= 20; ++tries) {
    const std::vector<RECT> rects = RegionRects(clock);
    const std::vector<uint32_t> ticked = OutlinePixels(clock, rects);
    InvalidateRect(clock, nullptr, TRUE);
    Sleep(100);
    const std::vector<uint32_t> repainted = OutlinePixels(clock, rects);
    if (ticked.empty() || repainted.size() != ticked.size()) continue;  // a tick came in between
    size_t changed = 0;
    for (size_t i = 0; i < ticked.size(); ++i) changed += ticked[i] != repainted[i];
    std::printf("outline.area=%zu\noutline.changed=%zu\noutline.tries=%d\n", ticked.size(), changed,
                tries);
    return 0;
  }
  return 1;
}

int SetResolution(int width, int height) {
  DEVMODEA mode{};
  mode.dmSize = sizeof(mode);
  mode.dmPelsWidth = static_cast<DWORD>(width);
  mode.dmPelsHeight = static_cast<DWORD>(height);
  mode.dmFields = DM_PELSWIDTH | DM_PELSHEIGHT;
  const LONG result = ChangeDisplaySettingsExA(nullptr, &mode, nullptr, 0, nullptr);
  std::printf("resolution.result=%ld\nscreen=%d,%d\n", result, GetSystemMetrics(SM_CXSCREEN),
              GetSystemMetrics(SM_CYSCREEN));
  return result == DISP_CHANGE_SUCCESSFUL ? 0 : 1;
}

}  // namespace

int main(int argc, char** argv) {
  const std::string what = argc > 1 ? argv[1] : "";
  const char* arg = argc > 2 ? argv[2] : "0";
  if (what == "list") return ListWindows();
  if (what == "clock") return PrintClock(FindClock());
  if (what == "clocks") return PrintClocks();
  if (what == "wait-clocks" && argc > 3) return WaitForShapedClocks(std::atoi(argv[2]), std::atof(argv[3]));
  if (what == "dialog-edit" && argc > 3) return PrintDialogEdit(argv[2], std::atof(argv[3]));
  if (what == "wait") return WaitForClock(std::atof(arg));
  if (what == "command") return Post(WM_COMMAND, static_cast<WPARAM>(std::atoi(arg)));
  if (what == "message") return Post(static_cast<UINT>(std::atoi(arg)), 0);
  if (what == "usage") return PrintUsage();
  if (what == "watch") return WatchRegion(std::atof(arg));
  if (what == "menus") return ListMenus();
  if (what == "list-tray") return ListTray();
  if (what == "menu-heights") return PrintMenuHeights();
  if (what == "terminate") return Terminate();
  if (what == "dialog") return AnswerMessageBox(std::atof(arg));
  if (what == "cancel-dialog") return CancelDialog(std::atof(arg));
  if (what == "lock" && argc > 3) return LockFile(argv[2], std::atof(argv[3]));
  if (what == "outline-repaint") return CompareWithRepaint();
  if (what == "hold" && argc > 3) return HoldWindow(argv[2], std::atof(argv[3]));
  if (what == "resolution" && argc > 3)
    return SetResolution(std::atoi(argv[2]), std::atoi(argv[3]));
  if (what == "catch" && argc > 6) {
    const RECT r{std::atoi(argv[2]), std::atoi(argv[3]), std::atoi(argv[4]), std::atoi(argv[5])};
    return CatchClicks(r, std::atof(argv[6]));
  }
  std::fprintf(stderr,
               "usage: probe list|clock|wait S|command ID|message M|usage|terminate|hold T "
               "S|dialog S|lock F S\n");
  return 2;
}
