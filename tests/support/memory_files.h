#pragma once
// Files kept in memory, in the order they were first written (the "directory order" of
// List). Switches make reads or writes fail the way a locked or full disk would.
#include <filesystem>
#include <set>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "files/file_service.h"
#include "support/journal.h"

namespace sorvane::headless {

class MemoryFiles : public FileService {
 public:
  explicit MemoryFiles(Journal* journal = nullptr) : journal_(journal) {}

  bool Exists(const std::filesystem::path& file) override;
  std::string ReadAll(const std::filesystem::path& file) override;
  void ReplaceWith(const std::filesystem::path& file, std::string_view bytes) override;
  std::vector<std::string> List(const std::filesystem::path& folder,
                                std::string_view extension) override;

  // Puts a file in place without counting it as a write.
  void Put(const std::filesystem::path& file, std::string bytes);
  // The file's bytes; nothing when it does not exist.
  const std::string* Find(const std::filesystem::path& file) const;

  bool fail_reads = false;           // every ReadAll throws FileError
  bool fail_writes = false;          // every ReplaceWith throws FileError and changes nothing
  std::set<std::string> unreadable;  // keys (see Key) of single files whose reads fail
  int reads = 0;
  int writes = 0;

  static std::string Key(const std::filesystem::path& file);

 private:
  std::vector<std::pair<std::string, std::string>>::iterator Locate(const std::string& key);

  std::vector<std::pair<std::string, std::string>> files_;  // key, bytes
  Journal* journal_;
};

}  // namespace sorvane::headless
