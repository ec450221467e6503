#pragma once
// Help and the web links open in the user's browser. The clock names them as it does on
// Windows (a topic of the compiled help, a page in the program's links folder); here the help
// is the same pages as HTML files in the help folder.
#include <QUrl>
#include <filesystem>

#include "app/ports/services.h"

namespace sorvane::qt {

// The page a help topic path names: "<folder>\snk.chm::/1_1.html>mainwin" is 1_1.html of
// `help_folder`.
QUrl HelpPageUrl(const std::string& topic_path, const std::filesystem::path& help_folder);
// A web link's address: an address with a scheme as it stands, a file path (with the
// clock's backslashes) as a file URL.
QUrl AddressUrl(const std::string& address);

class QtShell final : public ports::Shell {
 public:
  explicit QtShell(std::filesystem::path help_folder) : help_folder_(std::move(help_folder)) {}
  void OpenHelp(const std::string& topic_path) override;
  void OpenUrl(const std::string& address) override;

 private:
  std::filesystem::path help_folder_;
};

}  // namespace sorvane::qt
