// "Start with Windows" in a key of the test's own, so the user's Run key is never touched.
#include "shells/win32/run_key_login_start.h"

#include <gtest/gtest.h>

#include <string>

namespace sorvane::win32 {
namespace {

constexpr const wchar_t* kTestKey = L"Software\\SorvaneTests\\Run";

std::wstring StoredValue() {
  wchar_t text[512] = {};
  DWORD bytes = sizeof(text);
  if (RegGetValueW(HKEY_CURRENT_USER, kTestKey, L"Sorvane", RRF_RT_REG_SZ, nullptr, text, &bytes) !=
      ERROR_SUCCESS) {
    return L"(none)";
  }
  return text;
}

void Store(const std::wstring& value) {
  RegSetKeyValueW(HKEY_CURRENT_USER, kTestKey, L"Sorvane", REG_SZ, value.c_str(),
                  static_cast<DWORD>((value.size() + 1) * sizeof(wchar_t)));
}

TEST(RunKeyLoginStart, WritesTheQuotedPathRewritesAnotherAndRemovesIt) {
  RegDeleteTreeW(HKEY_CURRENT_USER, L"Software\\SorvaneTests");
  RunKeyLoginStart login(kTestKey, L"Sorvane", L"C:\\Program Files\\Sorvane\\sorvane.exe");
  EXPECT_EQ(login.Caption(), "Start with Windows");
  EXPECT_FALSE(login.IsOn()) << "no key yet";
  EXPECT_NO_THROW(login.SetOn(false)) << "off with no key is off already";

  login.SetOn(true);
  EXPECT_EQ(StoredValue(), L"\"C:\\Program Files\\Sorvane\\sorvane.exe\"");
  EXPECT_TRUE(login.IsOn());
  Store(L"c:\\program files\\sorvane\\SORVANE.EXE");
  EXPECT_TRUE(login.IsOn()) << "unquoted, other letter case: the same program";

  Store(L"\"D:\\old copy\\sorvane.exe\"");
  EXPECT_FALSE(login.IsOn()) << "a value that starts another copy";
  login.SetOn(true);
  EXPECT_EQ(StoredValue(), L"\"C:\\Program Files\\Sorvane\\sorvane.exe\"");

  login.SetOn(false);
  EXPECT_EQ(StoredValue(), L"(none)");
  EXPECT_FALSE(login.IsOn());
  RegDeleteTreeW(HKEY_CURRENT_USER, L"Software\\SorvaneTests");
}

}  // namespace
}  // namespace sorvane::win32
