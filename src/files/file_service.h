#pragma once
// Every read and write of the data files goes through FileService, so tests can stand in
// for a full disk or an unreadable file. Failures throw FileError with a text that names
// the file and what went wrong, ready for the user's error box.
#include <filesystem>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

namespace sorvane {

class FileError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

class FileService {
 public:
  virtual ~FileService() = default;
  virtual bool Exists(const std::filesystem::path& file) = 0;
  // The whole file, bytes unchanged. Throws FileError when it cannot be opened or read.
  virtual std::string ReadAll(const std::filesystem::path& file) = 0;
  // Writes `bytes` to a temporary file in the same folder and moves it over `file` only
  // when all of it is written, so a failure leaves the old file as it was.
  virtual void ReplaceWith(const std::filesystem::path& file, std::string_view bytes) = 0;
  // Copies `from` over `to`. Read whole and written by ReplaceWith, so a failure leaves `to`
  // as it was, never cut short; the files copied are small.
  virtual void Copy(const std::filesystem::path& from, const std::filesystem::path& to) {
    ReplaceWith(to, ReadAll(from));
  }
  // Names (without folder) of the regular files in `folder` whose extension is `extension`
  // (e.g. ".skn", compared without case), in the order the directory returns them.
  virtual std::vector<std::string> List(const std::filesystem::path& folder,
                                        std::string_view extension) = 0;
};

// The real disk, through std::filesystem and binary streams.
FileService& DiskFiles();

}  // namespace sorvane
