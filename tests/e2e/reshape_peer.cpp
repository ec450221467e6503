// reshape_peer.exe N: N small windows, each a disc with a hand that turns once a minute,
// every outline set again once a second from one timer, and nothing else. The least a
// program with N shaped windows costs under Wine, where every window's new outline takes its
// own trips to the wineserver: the floor the clocks are measured beside.
#include <windows.h>

#include <cmath>
#include <cstdlib>
#include <vector>

namespace {

constexpr int kSide = 137;  // the Small clock's width
constexpr UINT_PTR kTick = 1;
std::vector<HWND> windows;
int seconds = 0;

HRGN Outline(int second) {
  const double angle = second * 6.0 * 3.14159265358979 / 180.0;
  const int c = kSide / 2;
  const int tip_x = c + static_cast<int>(std::lround(std::sin(angle) * kSide * 0.48));
  const int tip_y = c - static_cast<int>(std::lround(std::cos(angle) * kSide * 0.48));
  const POINT hand[] = {{c - 2, c}, {tip_x, tip_y}, {c + 2, c}};
  HRGN disc = CreateEllipticRgn(c - 30, c - 30, c + 30, c + 30);
  HRGN sweep = CreatePolygonRgn(hand, 3, WINDING);
  CombineRgn(disc, disc, sweep, RGN_OR);
  DeleteObject(sweep);
  return disc;
}

LRESULT CALLBACK Proc(HWND window, UINT message, WPARAM wparam, LPARAM lparam) {
  switch (message) {
    case WM_TIMER:
      ++seconds;
      for (HWND w : windows) SetWindowRgn(w, Outline(seconds % 60), FALSE);
      return 0;
    case WM_PAINT: {
      PAINTSTRUCT paint;
      HDC dc = BeginPaint(window, &paint);
      FillRect(dc, &paint.rcPaint, static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH)));
      EndPaint(window, &paint);
      return 0;
    }
    case WM_CLOSE:
      PostQuitMessage(0);
      return 0;
    default:
      return DefWindowProcA(window, message, wparam, lparam);
  }
}

}  // namespace

int main(int argc, char** argv) {
  const int count = argc > 1 ? std::atoi(argv[1]) : 1;
  WNDCLASSA type{};
  type.lpfnWndProc = Proc;
  type.hInstance = GetModuleHandleA(nullptr);
  type.lpszClassName = "ReshapePeer";
  RegisterClassA(&type);
  for (int i = 0; i < count; ++i) {
    HWND w = CreateWindowExA(WS_EX_TOOLWINDOW | WS_EX_TOPMOST, "ReshapePeer", "peer", WS_POPUP,
                             10 + 150 * i, 400, kSide, kSide, nullptr, nullptr,
                             type.hInstance, nullptr);
    SetWindowRgn(w, Outline(0), FALSE);
    ShowWindow(w, SW_SHOWNOACTIVATE);
    windows.push_back(w);
  }
  SetTimer(windows.front(), kTick, 1000, nullptr);
  MSG message;
  while (GetMessageA(&message, nullptr, 0, 0) > 0) DispatchMessageA(&message);
  return 0;
}
