#include "shells/qt/shell_links.h"

#include <QDesktopServices>
#include <QString>

namespace sorvane::qt {

namespace {

constexpr const char* kFirstHelpPage = "1_1.html";

}  // namespace

QUrl HelpPageUrl(const ports::HelpTopic& topic, const std::filesystem::path& help_folder) {
  const std::string page = topic.page.empty() ? kFirstHelpPage : topic.page;
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

void QtShell::OpenHelp(const ports::HelpTopic& topic) {
  QDesktopServices::openUrl(HelpPageUrl(topic, help_folder_));
}

void QtShell::OpenUrl(const std::string& address) {
  QDesktopServices::openUrl(AddressUrl(address));
}

}  // namespace sorvane::qt
