#pragma once
// "Start with Windows": a value in the user's Run key
// (HKCU\Software\Microsoft\Windows\CurrentVersion\Run), which Windows reads at logon to start
// the programs it names. No administrator rights are needed, and the MSI's uninstall removes
// the same value.
#include <string>

#include "app/ports/services.h"
#include "shells/win32/windows_api.h"

namespace sorvane::win32 {

inline constexpr const wchar_t* kRunKey = L"Software\\Microsoft\\Windows\\CurrentVersion\\Run";

// The full path of the running program.
std::wstring RunningProgramPath();

class RunKeyLoginStart final : public ports::LoginStart {
 public:
  // `value_name` under HKCU\`key` starts `program`.
  RunKeyLoginStart(std::wstring key, std::wstring value_name, std::wstring program)
      : key_(std::move(key)), value_name_(std::move(value_name)), program_(std::move(program)) {}
  // The value "Sorvane" of the Run key, for this very program.
  static RunKeyLoginStart ForThisProgram() {
    return RunKeyLoginStart(kRunKey, L"Sorvane", RunningProgramPath());
  }

  std::string Caption() const override { return "Start with Windows"; }
  // On only when the value starts this program: a value left by a copy elsewhere (moved,
  // reinstalled) would start that one, so the item shows off and turning it on rewrites it.
  bool IsOn() override;
  // On writes the program's path in quotes, as a path with blanks needs; off removes the value.
  void SetOn(bool on) override;

 private:
  std::wstring key_;
  std::wstring value_name_;
  std::wstring program_;
};

}  // namespace sorvane::win32
