#pragma once
// A fresh folder under the system's temporary folder, removed with everything in it when
// the test ends, and a way to write skin files into it line by line.
#include <filesystem>
#include <fstream>
#include <initializer_list>
#include <random>
#include <string>

namespace sorvane::skintool {

class TempFolder {
 public:
  TempFolder() {
    std::random_device random;
    path_ = std::filesystem::temp_directory_path() /
            ("sorvane-skin-test-" + std::to_string(random()) + std::to_string(random()));
    std::filesystem::create_directories(path_);
  }
  ~TempFolder() {
    std::error_code ignored;
    std::filesystem::remove_all(path_, ignored);
  }
  TempFolder(const TempFolder&) = delete;
  TempFolder& operator=(const TempFolder&) = delete;

  const std::filesystem::path& path() const { return path_; }

  // Writes the bytes unchanged.
  std::filesystem::path WriteBytes(const std::string& name, const std::string& bytes) const {
    const std::filesystem::path file = path_ / name;
    std::ofstream out(file, std::ios::binary);
    out << bytes;
    return file;
  }

  // Writes each line followed by CR LF, as skin files are written.
  std::filesystem::path WriteLines(const std::string& name,
                                   std::initializer_list<std::string> lines) const {
    std::string bytes;
    for (const std::string& line : lines) bytes += line + "\r\n";
    return WriteBytes(name, bytes);
  }

 private:
  std::filesystem::path path_;
};

}  // namespace sorvane::skintool
