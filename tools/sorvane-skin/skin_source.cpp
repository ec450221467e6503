#include "skin_source.h"

#include <system_error>

#include "files/file_service.h"
#include "tool_error.h"

namespace sorvane::skintool {

namespace {

// The real disk, but a folder that shows only the one file being looked at.
class OneFileFolder : public FileService {
 public:
  explicit OneFileFolder(std::string name) : name_(std::move(name)) {}
  bool Exists(const std::filesystem::path& file) override { return DiskFiles().Exists(file); }
  std::string ReadAll(const std::filesystem::path& file) override {
    return DiskFiles().ReadAll(file);
  }
  void ReplaceWith(const std::filesystem::path& file, std::string_view bytes) override {
    DiskFiles().ReplaceWith(file, bytes);
  }
  std::vector<std::string> List(const std::filesystem::path&, std::string_view) override {
    return {name_};
  }

 private:
  std::string name_;
};

void RequireRegularFile(const std::filesystem::path& file) {
  std::error_code error;
  if (!std::filesystem::exists(file, error)) {
    throw ToolError("'" + file.string() + "' does not exist");
  }
  if (!std::filesystem::is_regular_file(file, error)) {
    throw ToolError("'" + file.string() + "' is not a file");
  }
}

}  // namespace

Skins ReadOneSkinFile(const std::filesystem::path& file, const SkinObserver& observer) {
  RequireRegularFile(file);
  OneFileFolder folder(file.filename().string());
  Skins skins;
  try {
    LoadSkins(file.parent_path(), folder, skins, [](const std::string&, int32_t) {}, observer);
  } catch (const FileError& error) {
    throw ToolError(error.what());
  }
  return skins;
}

Skins ReadSkinFolder(const std::filesystem::path& folder) {
  std::error_code error;
  if (!std::filesystem::is_directory(folder, error)) {
    throw ToolError("'" + folder.string() + "' is not a folder");
  }
  Skins skins;
  try {
    LoadSkins(folder, DiskFiles(), skins, [](const std::string&, int32_t) {});
  } catch (const FileError& failure) {
    throw ToolError(failure.what());
  }
  return skins;
}

}  // namespace sorvane::skintool
