#include "shells/qt/xdg_login_start.h"

#include <QStandardPaths>
#include <system_error>

namespace sorvane::qt {

namespace {

// Inside double quotes a desktop entry's Exec key takes \", \`, \$ and \\ for those four.
std::string Quoted(const std::string& program) {
  std::string quoted = "\"";
  for (const char c : program) {
    if (c == '"' || c == '`' || c == '$' || c == '\\') quoted += '\\';
    quoted += c;
  }
  return quoted + '"';
}

std::string EscapedForValue(const std::string& text) {
  std::string escaped;  // a backslash in a string value is written twice
  for (const char c : text) escaped += c == '\\' ? std::string("\\\\") : std::string(1, c);
  return escaped;
}

}  // namespace

std::string AutostartEntry(const std::string& program) {
  return "[Desktop Entry]\n"
         "Type=Application\n"
         "Name=Sorvane\n"
         "Comment=Desktop clock\n"
         "Exec=" +
         EscapedForValue(Quoted(program)) +
         "\n"
         "Icon=sorvane\n"
         "Terminal=false\n"
         "X-GNOME-Autostart-enabled=true\n";
}

std::filesystem::path XdgLoginStart::DefaultFolder() {
  const QString config = QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation);
  return std::filesystem::path(config.toStdString()) / "autostart";
}

void XdgLoginStart::SetOn(bool on) {
  std::error_code error;
  if (on) {
    std::filesystem::create_directories(entry_.parent_path(), error);  // a failure shows below
    files_.ReplaceWith(entry_, AutostartEntry(program_));
    return;
  }
  std::filesystem::remove(entry_, error);
  if (error) {
    throw FileError("Cannot remove the autostart entry " + entry_.string() + ": " +
                    error.message());
  }
}

}  // namespace sorvane::qt
