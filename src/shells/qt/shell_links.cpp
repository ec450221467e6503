#include "shells/qt/shell_links.h"

#include <QDesktopServices>
#include <QString>

namespace sorvane::qt {

namespace {

constexpr const char* kFirstHelpPage = "1_1.html";

}  // namespace

QUrl HelpPageUrl(const std::string& topic_path, const std::filesystem::path& help_folder) {
  std::string page = kFirstHelpPage;
  const size_t topic = topic_path.find("::/");
  if (topic != std::string::npos) {
    const size_t start = topic + 3;
    const size_t end = topic_path.find('>', start);
    const std::string named =
        topic_path.substr(start, end == std::string::npos ? end : end - start);
    if (!named.empty()) page = named;
  }
  return QUrl::fromLocalFile(QString::fromStdString((help_folder / page).string()));
}

QUrl AddressUrl(const std::string& address) {
  if (address.find("://") != std::string::npos) return QUrl(QString::fromStdString(address));
  QString path = QString::fromStdString(address);
  path.replace(u'\\', u'/');
  while (path.contains(QStringLiteral("//")))
    path.replace(QStringLiteral("//"), QStringLiteral("/"));
  return QUrl::fromLocalFile(path);
}

void QtShell::OpenHelp(const std::string& topic_path) {
  QDesktopServices::openUrl(HelpPageUrl(topic_path, help_folder_));
}

void QtShell::OpenUrl(const std::string& address) {
  QDesktopServices::openUrl(AddressUrl(address));
}

}  // namespace sorvane::qt
