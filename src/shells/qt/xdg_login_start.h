#pragma once
// "Start at Login" on Linux: an entry in the XDG autostart folder
// ($XDG_CONFIG_HOME/autostart/sorvane.desktop), which desktops read at login to start the
// programs it names.
#include <filesystem>
#include <string>

#include "files/file_service.h"
#include "app/ports/services.h"

namespace sorvane::qt {

// The entry's text: the program by its full path, quoted as desktop entries quote.
std::string AutostartEntry(const std::string& program);

class XdgLoginStart final : public ports::LoginStart {
 public:
  XdgLoginStart(FileService& files, std::filesystem::path folder, std::string program)
      : files_(files),
        entry_(std::move(folder) / "sorvane.desktop"),
        program_(std::move(program)) {}
  // $XDG_CONFIG_HOME/autostart (~/.config/autostart).
  static std::filesystem::path DefaultFolder();

  std::string Caption() const override { return "Start at Login"; }
  bool IsOn() override { return files_.Exists(entry_); }
  void SetOn(bool on) override;

 private:
  FileService& files_;
  std::filesystem::path entry_;
  std::string program_;
};

}  // namespace sorvane::qt
