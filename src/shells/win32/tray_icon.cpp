#include "shells/win32/tray_icon.h"

#include <shellapi.h>

#include "resource_ids.h"

namespace sorvane::win32 {

namespace {

constexpr UINT kIconId = 1;

}  // namespace

TrayIcon::TrayIcon(HINSTANCE instance, PopupMenuView& menu, ports::ProgramEvents& program)
    : menu_(menu),
      program_(program),
      icon_(static_cast<HICON>(
          LoadImageA(instance, MAKEINTRESOURCEA(IDI_TRAY), IMAGE_ICON, 16, 16, 0))) {
  menu_.owner().SetTrayMouseHandler([this](UINT mouse) {
    if (mouse == WM_RBUTTONUP) OpenMenu();
  });
  menu_.owner().SetTaskbarCreatedHandler([this] {
    shown_ = false;
    Add();
  });
}

TrayIcon::~TrayIcon() {
  Remove();
  menu_.owner().SetTrayMouseHandler(nullptr);
  menu_.owner().SetTaskbarCreatedHandler(nullptr);
  if (icon_ != nullptr) DestroyIcon(icon_);
}

void TrayIcon::OpenMenu() {
  const MenuModel* model = program_.TrayMenu();
  if (model == nullptr) return;
  const int32_t chosen = menu_.PopupAtPointer(*model);
  if (chosen != 0) program_.TrayMenuItemChosen(chosen);
}

NOTIFYICONDATAA TrayIcon::Data() const {
  NOTIFYICONDATAA data{};
  data.cbSize = sizeof(data);
  data.hWnd = menu_.owner().handle();
  data.uID = kIconId;
  data.uFlags = NIF_ICON | NIF_MESSAGE;  // no NIF_TIP: the icon has no tooltip
  data.uCallbackMessage = kTrayIconMessage;
  data.hIcon = icon_;
  return data;
}

bool TrayIcon::Add() {
  NOTIFYICONDATAA data = Data();
  shown_ = Shell_NotifyIconA(NIM_ADD, &data) != FALSE;
  return shown_;
}

void TrayIcon::Remove() {
  if (!shown_) return;
  NOTIFYICONDATAA data = Data();
  Shell_NotifyIconA(NIM_DELETE, &data);
  shown_ = false;
}

}  // namespace sorvane::win32
