#include <gtest/gtest.h>

#include <algorithm>
#include <fstream>
#include <string>
#include <vector>

#include "files/file_service.h"
#include "temp_folder.h"

namespace sorvane {
namespace {

namespace fs = std::filesystem;
using testing::TempFolder;

std::vector<std::string> NamesIn(const fs::path& folder) {
  std::vector<std::string> names;
  for (const auto& entry : fs::directory_iterator(folder)) {
    names.push_back(entry.path().filename().string());
  }
  std::sort(names.begin(), names.end());
  return names;
}

TEST(DiskFiles, WritesAndReadsBytesUnchanged) {
  TempFolder folder;
  const fs::path file = folder.path() / "vl.prf";
  // CR LF, a lone LF, Ctrl-Z and a zero byte: text mode would change each of them.
  const std::string bytes = std::string("one\r\ntwo\nthree\x1a\0\xff\r\n", 20);
  EXPECT_FALSE(DiskFiles().Exists(file));
  DiskFiles().ReplaceWith(file, bytes);
  EXPECT_TRUE(DiskFiles().Exists(file));
  EXPECT_EQ(DiskFiles().ReadAll(file), bytes);
  EXPECT_EQ(fs::file_size(file), bytes.size());

  DiskFiles().ReplaceWith(file, "short");  // replaces an existing, longer file
  EXPECT_EQ(DiskFiles().ReadAll(file), "short");
  EXPECT_EQ(NamesIn(folder.path()), std::vector<std::string>{"vl.prf"});  // no temporary left
}

TEST(DiskFiles, FailuresNameTheFile) {
  TempFolder folder;
  const fs::path missing = folder.path() / "missing.prf";
  try {
    DiskFiles().ReadAll(missing);
    FAIL() << "reading a missing file succeeded";
  } catch (const FileError& e) {
    EXPECT_NE(std::string(e.what()).find("missing.prf"), std::string::npos) << e.what();
  }
  EXPECT_THROW(DiskFiles().ReplaceWith(folder.path() / "no folder" / "vl.prf", "x"), FileError);
  EXPECT_THROW(DiskFiles().ReadAll(folder.path()), FileError);
  EXPECT_FALSE(DiskFiles().Exists(folder.path()));  // a folder is no file
}

TEST(DiskFiles, FailedReplaceLeavesTheTargetAndNoTemporary) {
  TempFolder folder;
  // A folder in the file's place cannot be replaced by a file.
  const fs::path target = folder.path() / "vl.prf";
  fs::create_directory(target);
  folder.Write("vl.prf/inside", "kept");
  EXPECT_THROW(DiskFiles().ReplaceWith(target, "new bytes"), FileError);
  EXPECT_TRUE(fs::is_directory(target));
  EXPECT_EQ(DiskFiles().ReadAll(target / "inside"), "kept");
  EXPECT_EQ(NamesIn(folder.path()), std::vector<std::string>{"vl.prf"});
}

TEST(DiskFiles, ListsRegularFilesWithTheExtensionInAnyCase) {
  TempFolder folder;
  for (const char* name : {"a.skn", "B.SKN", "c.Skn", "d.sknx", "e.txt", "skn", "f.skn.bak"}) {
    folder.Write(name, "x");
  }
  fs::create_directory(folder.path() / "folder.skn");
  std::vector<std::string> names = DiskFiles().List(folder.path(), ".skn");
  std::sort(names.begin(), names.end());
  EXPECT_EQ(names, (std::vector<std::string>{"B.SKN", "a.skn", "c.Skn"}));
  EXPECT_TRUE(DiskFiles().List(folder.path() / "absent", ".skn").empty());
}

TEST(DiskFiles, ListedNamesOpenTheirFiles) {
  TempFolder folder;
  const fs::path accented(u8"Z\u00fcrich.skn");
  {
    std::ofstream out(folder.path() / accented, std::ios::binary);
    out << "skin";
  }
  const std::vector<std::string> names = DiskFiles().List(folder.path(), ".skn");
  ASSERT_EQ(names.size(), 1u);
  EXPECT_EQ(DiskFiles().ReadAll(folder.path() / names[0]), "skin");
}

}  // namespace
}  // namespace sorvane
