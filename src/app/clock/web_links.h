#pragma once
// The three pages of the "More" submenu. They ship in the "links" folder beside the program
// and open in the default browser, so they are there even without a network.
#include <array>
#include <filesystem>
#include <string>
#include <string_view>

namespace sorvane {

struct WebLink {
  std::string_view name;     // the menu item's component name
  std::string_view caption;  // the menu item's caption
  std::string_view page;     // the page's file in the "links" folder
};

inline constexpr std::string_view kWebLinksCaption = "More";
inline constexpr std::string_view kWebLinksFolder = "links";

inline constexpr std::array<WebLink, 3> kWebLinks{{
    {"WebLink1", "Skin &Gallery", "gallery.html"},
    {"WebLink2", "&Read Me", "readme.html"},
    {"WebLink3", "&Changes", "changes.html"},
}};

// The program's folder as text, ending in a backslash.
std::string FolderText(const std::filesystem::path& program_folder);

// The address handed to the browser: the page's path in the program's folder.
std::string WebLinkAddress(const std::filesystem::path& program_folder, const WebLink& link);

}  // namespace sorvane
