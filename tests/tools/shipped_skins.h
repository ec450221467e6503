#pragma once
// The skins that ship beside the clock, found in the source tree.
#include <algorithm>
#include <filesystem>
#include <string>
#include <vector>

namespace sorvane::skintool {

inline std::vector<std::filesystem::path> ShippedSkinFiles() {
  std::vector<std::filesystem::path> files;
  std::error_code error;
  for (const auto& entry : std::filesystem::directory_iterator(SORVANE_SKINS_DIR, error)) {
    if (entry.path().extension() == ".skn") files.push_back(entry.path());
  }
  std::sort(files.begin(), files.end());
  return files;
}

}  // namespace sorvane::skintool
