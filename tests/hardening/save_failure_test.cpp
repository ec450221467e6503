// A save that cannot be written: the user sees the error text, the change made from the menu
// stays on the screen and in memory, and vl.prf keeps every byte it had. The in-memory file
// service stands in for a full disk everywhere; the real disk shows the same where the
// system lets a test provoke the failure.
#include <fstream>
#include <random>

#include "hardening_support.h"

namespace sorvane::hardening {
namespace {

namespace fs = std::filesystem;

// A fresh folder on the real disk, removed again with everything in it.
class ScratchFolder {
 public:
  ScratchFolder() {
    std::random_device seed;
    path_ = fs::temp_directory_path() / ("sorvane-hardening-" + std::to_string(seed()));
    fs::create_directories(path_);
  }
  ~ScratchFolder() {
    std::error_code ignored;
    fs::permissions(path_, fs::perms::owner_all, fs::perm_options::add, ignored);
    for (const auto& entry : fs::directory_iterator(path_, ignored)) {
      fs::permissions(entry.path(), fs::perms::owner_write, fs::perm_options::add, ignored);
    }
    fs::remove_all(path_, ignored);
  }
  const fs::path& path() const { return path_; }

 private:
  fs::path path_;
};

std::string Bytes(const fs::path& file) {
  std::ifstream in(file, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

bool CanCreateFileIn(const fs::path& folder) {
  const fs::path probe = folder / "probe.tmp";
  const bool created = static_cast<bool>(std::ofstream(probe, std::ios::binary));
  std::error_code ignored;
  fs::remove(probe, ignored);
  return created;
}

// How a case breaks the disk; returns why the case cannot run here, or "" when it can.
using Breaker = std::string (*)(const fs::path& folder);

std::string MakeProfilesReadOnly(const fs::path& folder) {
#ifndef _WIN32
  (void)folder;
  return "a POSIX rename replaces a read-only file; the read-only attribute is a Windows rule";
#else
  const fs::path file = folder / kProfilesFileName;
  fs::permissions(file, fs::perms::owner_write | fs::perms::group_write | fs::perms::others_write,
                  fs::perm_options::remove);
  if (std::ofstream(file, std::ios::binary | std::ios::app)) {
    return "the read-only attribute is set but not enforced for this user (Wine run as root "
           "lets it be written and replaced); covered by the file service fake";
  }
  return {};
#endif
}

std::string MakeFolderReadOnly(const fs::path& folder) {
  fs::permissions(folder, fs::perms::owner_write | fs::perms::group_write | fs::perms::others_write,
                  fs::perm_options::remove);
  if (CanCreateFileIn(folder)) {
    return "this user may write to a read-only folder (root, or Windows, where the folder's "
           "read-only attribute does not guard its files); covered by the file service fake";
  }
  return {};
}

// The temporary file a save writes first becomes a link to a device that is always full.
std::string MakeDiskFull(const fs::path& folder) {
  std::error_code ec;
  if (!fs::exists("/dev/full", ec)) return "no always-full device here";
  fs::create_symlink("/dev/full", folder / (std::string(kProfilesFileName) + ".new"), ec);
  if (ec) return "cannot link to the full device: " + ec.message();
  return {};
}

struct DiskCase {
  const char* name;
  Breaker breaker;
};

class SaveFailureOnDisk : public ::testing::TestWithParam<DiskCase> {};

TEST_P(SaveFailureOnDisk, ShowsTheErrorKeepsTheChangeAndTheOldFile) {
  ScratchFolder folder;
  const fs::path profiles = folder.path() / kProfilesFileName;
  const std::string before = FormatProfiles({HugeAnalogProfile()});
  std::ofstream(profiles, std::ios::binary) << before;

  QuietServices qs(&DiskFiles(), folder.path());
  headless::OneClock form(qs.services, qs.host);
  ASSERT_TRUE(form.Start());
  const long regions_before = qs.window.regions_set;

  const std::string why_not = GetParam().breaker(folder.path());
  if (!why_not.empty()) GTEST_SKIP() << why_not;

  AsTheFrameworkDoes(qs.errors, [&] { SizeCommand(form, "Large"); });

  ASSERT_EQ(qs.errors.shown.size(), 1u) << "the failed save must reach the error box";
  EXPECT_NE(qs.errors.shown[0].find(kProfilesFileName), std::string::npos) << qs.errors.shown[0];
  EXPECT_EQ(qs.errors.shown[0].find(".new"), std::string::npos)
      << "the user knows vl.prf, not the temporary file: " << qs.errors.shown[0];
  EXPECT_EQ(form.CurrentProfile().size, "Large");
  EXPECT_EQ(qs.window.width, 213);
  EXPECT_GT(qs.window.regions_set, regions_before) << "the new outline must show all the same";
  EXPECT_EQ(Bytes(profiles), before);
  std::printf("[ shown    ] %s\n", qs.errors.shown[0].c_str());
}

INSTANTIATE_TEST_SUITE_P(Hardening, SaveFailureOnDisk,
                         ::testing::Values(DiskCase{"ProfilesFileReadOnly", MakeProfilesReadOnly},
                                           DiskCase{"FolderReadOnly", MakeFolderReadOnly},
                                           DiskCase{"DiskFull", MakeDiskFull}),
                         [](const auto& param_info) { return std::string(param_info.param.name); });

TEST(SaveFailureThroughFileService, EveryFailedWriteKeepsChangeAndFileThenRecovers) {
  QuietServices qs;
  const std::string before = FormatProfiles({HugeAnalogProfile()});
  qs.files.Put(InClockFolder(kProfilesFileName), before);
  headless::OneClock form(qs.services, qs.host);
  ASSERT_TRUE(form.Start());

  // A read-only file, a folder that refuses new files and a full disk all reach the clock
  // as a write that throws; each command in turn must survive it.
  qs.files.fail_writes = true;
  AsTheFrameworkDoes(qs.errors, [&] { SizeCommand(form, "Small"); });
  AsTheFrameworkDoes(qs.errors, [&] { form.RunMenuItem(menu_id::EnableDigital); });
  AsTheFrameworkDoes(qs.errors, [&] { form.SaveAndClose(); });

  ASSERT_EQ(qs.errors.shown.size(), 3u);
  for (const std::string& text : qs.errors.shown) {
    EXPECT_NE(text.find(kProfilesFileName), std::string::npos) << text;
  }
  EXPECT_EQ(form.CurrentProfile().size, "Small");
  EXPECT_EQ(form.CurrentProfile().style, "AnaDigi");
  EXPECT_FALSE(qs.host.quit) << "a clock whose settings were not saved stays open";
  EXPECT_EQ(*qs.files.Find(InClockFolder(kProfilesFileName)), before);

  // Once the disk takes writes again, the next save carries every change made meanwhile.
  qs.files.fail_writes = false;
  form.SaveAndClose();
  EXPECT_TRUE(qs.host.quit);
  const Profiles saved = LoadProfiles(qs.services.folders.settings, Profile{}, qs.files);
  ASSERT_EQ(saved.size(), 1u);
  EXPECT_EQ(saved[0].size, "Small");
  EXPECT_EQ(saved[0].style, "AnaDigi");
}

}  // namespace
}  // namespace sorvane::hardening
