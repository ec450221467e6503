#include "memory_files.h"

#include <algorithm>
#include <cctype>

namespace sorvane::fuzz {
namespace {

bool SameIgnoringCase(std::string_view a, std::string_view b) {
  return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
           return std::tolower(static_cast<unsigned char>(x)) ==
                  std::tolower(static_cast<unsigned char>(y));
         });
}

}  // namespace

void MemoryFiles::Put(const std::string& name, std::string bytes) {
  if (std::string* existing = Find(name)) {
    *existing = std::move(bytes);
    return;
  }
  files_.emplace_back(name, std::move(bytes));
}

std::string* MemoryFiles::Find(const std::filesystem::path& file) {
  const std::string name = file.filename().string();
  for (auto& [n, bytes] : files_) {
    if (n == name) return &bytes;
  }
  return nullptr;
}

bool MemoryFiles::Exists(const std::filesystem::path& file) { return Find(file) != nullptr; }

std::string MemoryFiles::ReadAll(const std::filesystem::path& file) {
  if (const std::string* bytes = Find(file)) return *bytes;
  throw FileError("cannot open " + file.string());
}

void MemoryFiles::ReplaceWith(const std::filesystem::path& file, std::string_view bytes) {
  Put(file.filename().string(), std::string(bytes));
}

std::vector<std::string> MemoryFiles::List(const std::filesystem::path&,
                                           std::string_view extension) {
  std::vector<std::string> names;
  for (const auto& entry : files_) {
    const std::string ext = std::filesystem::path(entry.first).extension().string();
    if (SameIgnoringCase(ext, extension)) names.push_back(entry.first);
  }
  return names;
}

}  // namespace sorvane::fuzz
