#pragma once
// Profiles: the clock's settings, kept in "vl.prf" beside the program.
#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

#include "files/file_service.h"

namespace sorvane {

struct TProfile {
  std::string name;
  int32_t x = 0;
  int32_t y = 0;
  std::string xside;
  std::string yside;
  std::string size;
  std::string style;
  std::string ancor;
  bool showseconds = false;
  bool showsecondsd = false;
  bool datashow = false;
  bool format12 = false;
  std::string skinfile;
  bool showalarms = false;
  bool visible = false;
  int32_t timecolor = 0;
  int32_t clockcolor = 0;
  bool fontitalic = false;
  std::string fontname;
  int32_t dateformatnumber = 0;
  friend bool operator==(const TProfile&, const TProfile&) = default;
};

using TProfiles = std::vector<TProfile>;

inline constexpr const char* kProfilesFileName = "vl.prf";

void SetDefault(TProfile& profile);
// The profiles of `folder`/vl.prf; one copy of `def` when the file gives none.
// Throws FileError when the file exists but cannot be read.
TProfiles LoadProfiles(const std::filesystem::path& folder, const TProfile& def,
                       FileService& files);
// The bytes SaveProfiles writes, CR LF line ends.
std::string FormatProfiles(const TProfiles& profiles);
// Replaces `folder`/vl.prf; throws FileError and leaves the old file when it cannot.
void SaveProfiles(const std::filesystem::path& folder, const TProfiles& profiles,
                  FileService& files);
bool IsRight(const std::string& value, int kind);

}  // namespace sorvane
