#pragma once
// Files kept in memory, for the readers under fuzzing: no disk access, so a run is fast and
// every input starts from the same state. Folders are ignored; a file is known by its name.
#include <string>
#include <utility>
#include <vector>

#include "files/file_service.h"

namespace sorvane::fuzz {

class MemoryFiles : public FileService {
 public:
  // Adds or replaces a file; List returns names in the order they were first added, as a
  // directory search would return them unsorted.
  void Put(const std::string& name, std::string bytes);

  bool Exists(const std::filesystem::path& file) override;
  std::string ReadAll(const std::filesystem::path& file) override;
  void ReplaceWith(const std::filesystem::path& file, std::string_view bytes) override;
  std::vector<std::string> List(const std::filesystem::path& folder,
                                std::string_view extension) override;

 private:
  std::string* Find(const std::filesystem::path& file);
  std::vector<std::pair<std::string, std::string>> files_;
};

}  // namespace sorvane::fuzz
