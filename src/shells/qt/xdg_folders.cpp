#include "shells/qt/xdg_folders.h"

#include <QDir>
#include <QStandardPaths>
#include <system_error>

namespace sorvane::qt {

namespace {

std::filesystem::path PathOf(const QString& folder) {
  return std::filesystem::path(QDir::cleanPath(folder).toStdString());
}

}  // namespace

ports::Folders XdgFolders(const QString& program_folder) {
  const QString shared = program_folder + QStringLiteral("/../share/sorvane");
  const QString config = QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation);
  const QString data = QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation);
  ports::Folders folders;
  folders.settings = PathOf(config + QStringLiteral("/sorvane"));
  folders.skins = {PathOf(shared + QStringLiteral("/skins")),
                   PathOf(data + QStringLiteral("/sorvane/skins"))};
  folders.help = PathOf(shared + QStringLiteral("/help"));
  return folders;
}

void MakeSettingsFolder(const ports::Folders& folders) {
  // A folder that cannot be made shows up as a failed save, with the reason, in the error box.
  std::error_code ignored;
  std::filesystem::create_directories(folders.settings, ignored);
}

}  // namespace sorvane::qt
