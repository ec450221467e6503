// The zone chooser and the label box, driven from inside: once the dialog is up, keys are
// posted to whichever window has the keyboard focus, as a user would type them.
#include <gtest/gtest.h>

#include <functional>
#include <optional>
#include <string>

#include "shells/win32/label_dialog.h"
#include "shells/win32/row_filter.h"
#include "shells/win32/zone_dialog.h"

namespace sorvane::win32 {
namespace {

// What the user does once the dialog titled `title` shows.
struct User {
  const char* title = "";
  std::function<void(HWND dialog)> act;
};
User* g_user = nullptr;

void CALLBACK LookForDialog(HWND, UINT, UINT_PTR timer, DWORD) {
  const HWND dialog = FindWindowA("#32770", g_user->title);
  if (dialog == nullptr || !IsWindowVisible(dialog)) return;  // not up yet
  KillTimer(nullptr, timer);
  g_user->act(dialog);
}

// Runs `dialog` (which shows a modal dialog) while `user` acts on it.
template <typename Dialog>
auto WithUser(User user, Dialog dialog) {
  g_user = &user;
  const UINT_PTR timer = SetTimer(nullptr, 0, 20, LookForDialog);
  auto result = dialog();
  KillTimer(nullptr, timer);
  g_user = nullptr;
  return result;
}

void Type(HWND window, std::string_view text) {
  for (const char c : text) PostMessageA(window, WM_CHAR, static_cast<unsigned char>(c), 1);
}

// The keys a test ends with: the one under test, then Escape, so that a dialog the first
// key did not close ends with nothing instead of waiting forever.
void PressThenEscape(HWND window, WPARAM key) {
  for (const WPARAM k : {key, static_cast<WPARAM>(VK_ESCAPE)}) {
    PostMessageA(window, WM_KEYDOWN, k, 1);
    PostMessageA(window, WM_KEYUP, k, 1);
  }
}

std::string ClassOf(HWND window) {
  char name[64] = {};
  GetClassNameA(window, name, sizeof(name));
  return name;
}

std::string SelectedText(HWND list) {
  char text[256] = {};
  const auto position = SendMessageA(list, LB_GETCURSEL, 0, 0);
  if (position >= 0)
    SendMessageA(list, LB_GETTEXT, static_cast<WPARAM>(position), reinterpret_cast<LPARAM>(text));
  return text;
}

const std::vector<ports::ChoiceRow> kRows{
    {"America/New_York", "America/New_York (UTC-05:00)"},
    {"Asia/Kolkata", "Asia/Kolkata (UTC+05:30)"},
    {"Europe/Paris", "Europe/Paris (UTC+01:00)"},
    {"Pacific/Kolonia", "Pacific/Kolonia (UTC+11:00)"},
};

TEST(ZoneDialog, TypingFiltersTheRowsAndEnterChoosesTheSelectedOne) {
  const HWND owner = CreateWindowExA(0, "STATIC", "owner", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr,
                                     nullptr, nullptr);
  ASSERT_NE(owner, nullptr);
  HWND owned_by = nullptr;
  std::string selected_at_open, focus_class;
  const auto chosen = WithUser(
      {"Time Zone",
       [&](HWND dialog) {
         owned_by = GetWindow(dialog, GW_OWNER);
         selected_at_open = SelectedText(FindWindowExA(dialog, nullptr, "ListBox", nullptr));
         const HWND focus = GetFocus();
         focus_class = ClassOf(focus);
         // Leaves Kolkata (selected, New York being gone) and
         // Kolonia; Down moves to Kolonia.
         Type(focus, "kOL");
         PostMessageA(focus, WM_KEYDOWN, VK_DOWN, 1);
         PressThenEscape(focus, VK_RETURN);
       }},
      [&] { return ChooseZoneDialog(owner, kRows, "America/New_York"); });
  DestroyWindow(owner);
  EXPECT_EQ(owned_by, owner);
  EXPECT_EQ(selected_at_open, "America/New_York (UTC-05:00)");
  EXPECT_EQ(focus_class, "Edit");
  EXPECT_EQ(chosen, "Pacific/Kolonia");
}

TEST(LabelDialog, TypingReplacesTheSelectedTextAndEnterGivesIt) {
  const auto text = WithUser({"Label",
                              [](HWND) {
                                Type(GetFocus(), "Evening");
                                PressThenEscape(GetFocus(), VK_RETURN);
                              }},
                             [] { return EditLabelDialog(nullptr, "Morning"); });
  EXPECT_EQ(text, "Evening");
}

TEST(ZoneAndLabelDialogs, EscapeGivesNothing) {
  const auto zone = WithUser({"Time Zone",
                              [](HWND) {
                                Type(GetFocus(), "asia");
                                PressThenEscape(GetFocus(), VK_ESCAPE);
                              }},
                             [] { return ChooseZoneDialog(nullptr, kRows, "Asia/Kolkata"); });
  EXPECT_EQ(zone, std::nullopt);
  const auto label = WithUser({"Label",
                               [](HWND) {
                                 Type(GetFocus(), "Evening");
                                 PressThenEscape(GetFocus(), VK_ESCAPE);
                               }},
                              [] { return EditLabelDialog(nullptr, "Morning"); });
  EXPECT_EQ(label, std::nullopt);
}

TEST(RowFilter, KeepsTheRowsHoldingTheTextAsciiCaseAside) {
  struct Case {
    const char* text;
    std::vector<size_t> kept;
  };
  const Case cases[] = {
      {"", {0, 1, 2, 3}},         {"KOL", {1, 3}},  {"+05:30", {1}},
      {"europe/PARIS (utc", {2}}, {"Kolkata!", {}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.text);
    EXPECT_EQ(RowsHolding(kRows, c.text), c.kept);
  }
  // Bytes beyond ASCII match only themselves: no case folding of a code page's letters.
  EXPECT_TRUE(CaptionHolds("Z\xC3\xBCrich", "\xC3\xBC"));
  EXPECT_FALSE(CaptionHolds("Z\xC3\x9Crich", "\xC3\xBC"));
}

}  // namespace
}  // namespace sorvane::win32
