#include "support/memory_files.h"

#include <algorithm>
#include <cctype>

namespace sorvane::headless {

namespace {
bool SameWithoutCase(std::string_view a, std::string_view b) {
  return std::equal(a.begin(), a.end(), b.begin(), b.end(), [](char x, char y) {
    return std::tolower(static_cast<unsigned char>(x)) ==
           std::tolower(static_cast<unsigned char>(y));
  });
}

std::string NameOf(const std::filesystem::path& file) {
  return file.filename().string();
}
}  // namespace

std::string MemoryFiles::Key(const std::filesystem::path& file) {
  return file.lexically_normal().generic_string();
}

std::vector<std::pair<std::string, std::string>>::iterator MemoryFiles::Locate(
    const std::string& key) {
  return std::find_if(files_.begin(), files_.end(),
                      [&](const auto& entry) { return entry.first == key; });
}

bool MemoryFiles::Exists(const std::filesystem::path& file) {
  Note(journal_, "files.Exists " + NameOf(file));
  return Locate(Key(file)) != files_.end();
}

std::string MemoryFiles::ReadAll(const std::filesystem::path& file) {
  Note(journal_, "files.ReadAll " + NameOf(file));
  ++reads;
  const std::string key = Key(file);
  auto found = Locate(key);
  if (found == files_.end()) throw FileError("Cannot open file \"" + key + "\".");
  if (fail_reads || unreadable.count(key) != 0) {
    throw FileError("Cannot read file \"" + key + "\".");
  }
  return found->second;
}

void MemoryFiles::ReplaceWith(const std::filesystem::path& file, std::string_view bytes) {
  Note(journal_, "files.ReplaceWith " + NameOf(file));
  const std::string key = Key(file);
  if (fail_writes) throw FileError("Cannot write file \"" + key + "\".");
  ++writes;
  Put(file, std::string(bytes));
}

std::vector<std::string> MemoryFiles::List(const std::filesystem::path& folder,
                                           std::string_view extension) {
  Note(journal_, "files.List " + std::string(extension));
  const std::string folder_key = Key(folder / "x");
  const std::string prefix = folder_key.substr(0, folder_key.size() - 1);
  std::vector<std::string> names;
  for (const auto& [key, bytes] : files_) {
    if (key.compare(0, prefix.size(), prefix) != 0) continue;
    const std::filesystem::path rest = key.substr(prefix.size());
    if (rest.has_parent_path()) continue;  // in a subfolder
    if (SameWithoutCase(rest.extension().string(), extension)) names.push_back(rest.string());
  }
  return names;
}

void MemoryFiles::Put(const std::filesystem::path& file, std::string bytes) {
  const std::string key = Key(file);
  auto found = Locate(key);
  if (found == files_.end()) {
    files_.emplace_back(key, std::move(bytes));
  } else {
    found->second = std::move(bytes);
  }
}

const std::string* MemoryFiles::Find(const std::filesystem::path& file) const {
  const std::string key = Key(file);
  for (const auto& [stored, bytes] : files_) {
    if (stored == key) return &bytes;
  }
  return nullptr;
}

}  // namespace sorvane::headless
