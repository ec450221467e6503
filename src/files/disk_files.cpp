// The real disk behind FileService. Every stream is binary: the data files carry their own
// CR LF line ends, and text mode on Windows would double them.
#include <algorithm>
#include <fstream>
#include <iterator>
#include <sstream>
#include <system_error>

#include "files/file_service.h"

namespace sorvane {
namespace {

namespace fs = std::filesystem;

// "Cannot write file "C:\x\vl.prf": reason." -- the text the user's error box shows.
[[noreturn]] void Fail(const std::string& what, const fs::path& file, const std::string& why = {}) {
  std::string text = what;
  text.append(" \"").append(file.string()).append("\"");
  if (!why.empty()) text.append(": ").append(why);
  text.append(".");
  throw FileError(text);
}

char Lower(char c) {
  return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c;
}

bool SameWithoutCase(std::string_view a, std::string_view b) {
  return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(),
                                            [](char l, char r) { return Lower(l) == Lower(r); });
}

// The temporary file sits beside the target so the final rename never crosses volumes.
fs::path TemporaryBeside(const fs::path& file) {
  fs::path temp = file;
  temp += ".new";
  return temp;
}

void WriteWhole(const fs::path& file, std::string_view bytes) {
  std::ofstream out(file, std::ios::binary | std::ios::trunc);
  if (!out) Fail("Cannot create file", file);
  out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
  out.flush();
  if (!out) Fail("Cannot write file", file);
  out.close();
  if (!out) Fail("Cannot close file", file);
}

class DiskFileService final : public FileService {
 public:
  bool Exists(const fs::path& file) override {
    std::error_code ec;
    const fs::file_status status = fs::status(file, ec);
    return !ec && fs::exists(status) && !fs::is_directory(status);
  }

  std::string ReadAll(const fs::path& file) override {
    std::error_code ec;
    if (fs::is_directory(file, ec)) Fail("Cannot read file", file, "it is a folder");
    std::ifstream in(file, std::ios::binary);
    if (!in) Fail("Cannot open file", file);
    std::ostringstream bytes;
    bytes << in.rdbuf();
    if (in.bad()) Fail("Cannot read file", file);
    return std::move(bytes).str();
  }

  void ReplaceWith(const fs::path& file, std::string_view bytes) override {
    const fs::path temp = TemporaryBeside(file);
    try {
      WriteWhole(temp, bytes);
    } catch (const FileError&) {
      std::error_code ignored;
      fs::remove(temp, ignored);
      throw;
    }
    std::error_code ec;
    fs::rename(temp, file, ec);
    if (ec) {
      std::error_code ignored;
      fs::remove(temp, ignored);
      Fail("Cannot replace file", file, ec.message());
    }
  }

  std::vector<std::string> List(const fs::path& folder, std::string_view extension) override {
    std::vector<std::string> names;
    std::error_code ec;
    // A folder that cannot be searched simply holds no files, as a failed wildcard search.
    for (fs::directory_iterator it(folder, ec), end; !ec && it != end; it.increment(ec)) {
      std::error_code type_ec;
      // Only regular files: a folder named like a data file cannot be read as one.
      if (!it->is_regular_file(type_ec) || type_ec) continue;
      const fs::path name = it->path().filename();
      if (SameWithoutCase(name.extension().string(), extension)) names.push_back(name.string());
    }
    return names;
  }
};

}  // namespace

FileService& DiskFiles() {
  static DiskFileService disk;
  return disk;
}

}  // namespace sorvane
