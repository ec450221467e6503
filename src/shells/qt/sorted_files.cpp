#include "shells/qt/sorted_files.h"

#include <algorithm>
#include <cctype>

namespace sorvane::qt {

namespace {

bool BeforeIgnoringCase(const std::string& a, const std::string& b) {
  return std::lexicographical_compare(a.begin(), a.end(), b.begin(), b.end(), [](char x, char y) {
    return std::toupper(static_cast<unsigned char>(x)) <
           std::toupper(static_cast<unsigned char>(y));
  });
}

}  // namespace

std::vector<std::string> SortedFiles::List(const std::filesystem::path& folder,
                                           std::string_view extension) {
  std::vector<std::string> names = disk_.List(folder, extension);
  std::stable_sort(names.begin(), names.end(), BeforeIgnoringCase);
  return names;
}

}  // namespace sorvane::qt
