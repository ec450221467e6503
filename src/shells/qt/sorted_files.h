#pragma once
// The disk with the skins listed by name. Windows lists a folder's files in name order,
// Linux file systems in an order of their own; sorted, the skins stand in the menu in the
// same order on both.
#include "files/file_service.h"

namespace sorvane::qt {

class SortedFiles final : public FileService {
 public:
  explicit SortedFiles(FileService& disk) : disk_(disk) {}
  bool Exists(const std::filesystem::path& file) override { return disk_.Exists(file); }
  std::string ReadAll(const std::filesystem::path& file) override { return disk_.ReadAll(file); }
  void ReplaceWith(const std::filesystem::path& file, std::string_view bytes) override {
    disk_.ReplaceWith(file, bytes);
  }
  // By name without regard to case, as Windows sorts them.
  std::vector<std::string> List(const std::filesystem::path& folder,
                                std::string_view extension) override;

 private:
  FileService& disk_;
};

}  // namespace sorvane::qt
