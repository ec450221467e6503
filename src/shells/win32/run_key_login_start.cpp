#include "shells/win32/run_key_login_start.h"

#include "files/file_service.h"

namespace sorvane::win32 {
namespace {

std::wstring Quoted(const std::wstring& path) {
  return L"\"" + path + L"\"";
}

// A path with or without its quotes.
std::wstring Unquoted(const std::wstring& text) {
  if (text.size() >= 2 && text.front() == L'"' && text.back() == L'"') {
    return text.substr(1, text.size() - 2);
  }
  return text;
}

// File names on Windows ignore case.
bool SamePath(const std::wstring& a, const std::wstring& b) {
  return CompareStringOrdinal(a.c_str(), static_cast<int>(a.size()), b.c_str(),
                              static_cast<int>(b.size()), TRUE) == CSTR_EQUAL;
}

std::string SystemMessage(LSTATUS status) {
  char* text = nullptr;
  const DWORD length = FormatMessageA(
      FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS,
      nullptr, static_cast<DWORD>(status), 0, reinterpret_cast<char*>(&text), 0, nullptr);
  std::string message = length > 0 ? std::string(text, length) : "error " + std::to_string(status);
  LocalFree(text);
  while (!message.empty() && (message.back() == '\n' || message.back() == '\r')) message.pop_back();
  return message;
}

[[noreturn]] void ThrowChangeFailed(bool on, LSTATUS status) {
  throw FileError(std::string("Cannot ") + (on ? "turn on" : "turn off") +
                  " Start with Windows: " + SystemMessage(status));
}

}  // namespace

std::wstring RunningProgramPath() {
  std::wstring name(MAX_PATH, L'\0');
  for (;;) {
    const DWORD length = GetModuleFileNameW(nullptr, name.data(), static_cast<DWORD>(name.size()));
    if (length < name.size()) {
      name.resize(length);
      return name;
    }
    name.resize(name.size() * 2);
  }
}

bool RunKeyLoginStart::IsOn() {
  DWORD bytes = 0;
  if (RegGetValueW(HKEY_CURRENT_USER, key_.c_str(), value_name_.c_str(), RRF_RT_REG_SZ, nullptr,
                   nullptr, &bytes) != ERROR_SUCCESS) {
    return false;
  }
  std::wstring value(bytes / sizeof(wchar_t) + 1, L'\0');
  bytes = static_cast<DWORD>(value.size() * sizeof(wchar_t));
  if (RegGetValueW(HKEY_CURRENT_USER, key_.c_str(), value_name_.c_str(), RRF_RT_REG_SZ, nullptr,
                   value.data(), &bytes) != ERROR_SUCCESS) {
    return false;
  }
  value.resize(wcsnlen(value.c_str(), value.size()));
  return SamePath(Unquoted(value), program_);
}

void RunKeyLoginStart::SetOn(bool on) {
  HKEY key = nullptr;
  const LSTATUS opened =
      on ? RegCreateKeyExW(HKEY_CURRENT_USER, key_.c_str(), 0, nullptr, 0, KEY_SET_VALUE, nullptr,
                           &key, nullptr)
         : RegOpenKeyExW(HKEY_CURRENT_USER, key_.c_str(), 0, KEY_SET_VALUE, &key);
  if (!on && opened == ERROR_FILE_NOT_FOUND) return;  // no key, no value: off already
  if (opened != ERROR_SUCCESS) ThrowChangeFailed(on, opened);
  LSTATUS status = ERROR_SUCCESS;
  if (on) {
    const std::wstring command = Quoted(program_);
    status = RegSetValueExW(key, value_name_.c_str(), 0, REG_SZ,
                            reinterpret_cast<const BYTE*>(command.c_str()),
                            static_cast<DWORD>((command.size() + 1) * sizeof(wchar_t)));
  } else {
    status = RegDeleteValueW(key, value_name_.c_str());
    if (status == ERROR_FILE_NOT_FOUND) status = ERROR_SUCCESS;
  }
  RegCloseKey(key);
  if (status != ERROR_SUCCESS) ThrowChangeFailed(on, status);
}

}  // namespace sorvane::win32
