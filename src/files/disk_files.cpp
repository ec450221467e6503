// The real disk behind FileService. Every stream is binary: the data files carry their own
// CR LF line ends, and text mode on Windows would double them.
#include <algorithm>
#include <cerrno>
#include <fstream>
#include <iterator>
#include <locale>
#include <optional>
#include <sstream>
#include <system_error>
#include <type_traits>

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

std::string_view ExtensionOf(std::string_view name) {
  const size_t dot = name.rfind('.');
  return dot == std::string_view::npos ? std::string_view() : name.substr(dot);
}

// A listed name is opened again as `folder / name`, so it must be spelt the way a path reads
// narrow text back. With wide native paths that is the codecvt facet of the global locale;
// path::string() may use another conversion (UTF-8 in MinGW's library) that does not come
// back. Names with no such spelling are left out: they could not be opened by name.
template <class Native>
std::optional<std::string> Narrow(const Native& native) {
  if constexpr (std::is_same_v<Native, std::string>) {
    return native;
  } else {
    using Facet = std::codecvt<typename Native::value_type, char, std::mbstate_t>;
    const Facet& facet = std::use_facet<Facet>(std::locale());
    std::string narrow(native.size() * static_cast<size_t>(facet.max_length()), '\0');
    std::mbstate_t state{};
    const typename Native::value_type* from_next = nullptr;
    char* to_next = nullptr;
    const auto result = facet.out(state, native.data(), native.data() + native.size(), from_next,
                                  narrow.data(), narrow.data() + narrow.size(), to_next);
    if (result != std::codecvt_base::ok || from_next != native.data() + native.size()) {
      return std::nullopt;
    }
    narrow.resize(static_cast<size_t>(to_next - narrow.data()));
    if (fs::path(narrow).native() != native) return std::nullopt;
    return narrow;
  }
}

// The temporary file sits beside the target so the final rename never crosses volumes.
fs::path TemporaryBeside(const fs::path& file) {
  fs::path temp = file;
  temp += ".new";
  return temp;
}

// The system's reason for the last failure, when it left one.
std::string LastReason() {
  return errno != 0 ? std::generic_category().message(errno) : std::string();
}

// Writes `temp`; a failure names `shown`, the file the user knows, not the temporary one.
void WriteWhole(const fs::path& temp, std::string_view bytes, const fs::path& shown) {
  errno = 0;
  std::ofstream out(temp, std::ios::binary | std::ios::trunc);
  if (!out) Fail("Cannot create file", shown, LastReason());
  out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
  out.flush();
  if (!out) Fail("Cannot write file", shown, LastReason());
  out.close();
  if (!out) Fail("Cannot close file", shown, LastReason());
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
      WriteWhole(temp, bytes, file);
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
      const std::optional<std::string> name = Narrow(it->path().filename().native());
      if (name && SameWithoutCase(ExtensionOf(*name), extension)) names.push_back(*name);
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
