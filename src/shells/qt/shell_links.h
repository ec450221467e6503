#pragma once
// Help and the web links open in the user's browser: the help is the pages of the compiled
// Windows help as HTML files in the help folder, a web link a page in its links folder.
#include <QUrl>
#include <filesystem>

#include "app/ports/shell.h"

namespace sorvane::qt {

// The help topic's page in `help_folder`; the first page when the topic names none.
QUrl HelpPageUrl(const ports::HelpTopic& topic, const std::filesystem::path& help_folder);
// A web link's address: an address with a scheme as it stands, a file path (with the
// clock's backslashes) as a file URL.
QUrl AddressUrl(const std::string& address);

class QtShell final : public ports::Shell {
 public:
  explicit QtShell(std::filesystem::path help_folder) : help_folder_(std::move(help_folder)) {}
  void OpenHelp(const ports::HelpTopic& topic) override;
  void OpenUrl(const std::string& address) override;

 private:
  std::filesystem::path help_folder_;
};

}  // namespace sorvane::qt
