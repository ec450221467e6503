#pragma once
// An in-memory FileService: files in a chosen directory order, files that cannot be read,
// and a disk that refuses writes.
#include <map>
#include <set>
#include <string>
#include <utility>
#include <vector>

#include "files/file_service.h"

namespace sorvane::testing {

class FakeFiles : public FileService {
 public:
  // Adds a file; List returns files in the order they were added, like a directory would.
  void Add(const std::filesystem::path& file, std::string bytes) {
    if (!contents_.count(file.generic_string())) order_.push_back(file);
    contents_[file.generic_string()] = std::move(bytes);
  }
  void MakeUnreadable(const std::filesystem::path& file) {
    unreadable_.insert(file.generic_string());
  }
  void FailWrites() { fail_writes_ = true; }
  const std::string& Bytes(const std::filesystem::path& file) {
    return contents_.at(file.generic_string());
  }
  int reads = 0;

  bool Exists(const std::filesystem::path& file) override {
    return contents_.count(file.generic_string()) > 0;
  }
  std::string ReadAll(const std::filesystem::path& file) override {
    ++reads;
    if (unreadable_.count(file.generic_string()) || !Exists(file)) {
      throw FileError("Cannot read file \"" + file.string() + "\".");
    }
    return contents_.at(file.generic_string());
  }
  void ReplaceWith(const std::filesystem::path& file, std::string_view bytes) override {
    if (fail_writes_) throw FileError("Cannot write file \"" + file.string() + "\": disk full.");
    Add(file, std::string(bytes));
  }
  std::vector<std::string> List(const std::filesystem::path& folder,
                                std::string_view extension) override {
    std::vector<std::string> names;
    for (const auto& file : order_) {
      if (file.parent_path() == folder && file.extension() == extension) {
        names.push_back(file.filename().string());
      }
    }
    return names;
  }

 private:
  std::map<std::string, std::string> contents_;
  std::vector<std::filesystem::path> order_;
  std::set<std::string> unreadable_;
  bool fail_writes_ = false;
};

}  // namespace sorvane::testing
