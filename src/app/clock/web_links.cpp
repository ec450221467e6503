#include "app/clock/web_links.h"

namespace sorvane {

std::string FolderText(const std::filesystem::path& program_folder) {
  std::string text = program_folder.string();
  // A drive's root already ends in its separator.
  if (text.empty() || (text.back() != '\\' && text.back() != '/')) text += '\\';
  return text;
}

std::string WebLinkAddress(const std::filesystem::path& program_folder, const WebLink& link) {
  std::string address = FolderText(program_folder);
  address += kWebLinksFolder;
  address += '\\';
  address += link.page;
  return address;
}

}  // namespace sorvane
