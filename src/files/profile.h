#pragma once
// Profiles: the clock's settings, kept in "vl.prf" beside the program.
#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

#include "files/file_service.h"

namespace sorvane {

// One set of the clock's settings. Each field is one key of the profiles file (named after
// the key's meaning; the file keeps its own key words, given beside each field).
struct Profile {
  std::string name;              // "\profile" line
  int32_t x_offset = 0;          // "x": the window's left from the anchor edge x_edge names
  int32_t y_offset = 0;          // "y": the window's top from the anchor edge y_edge names
  std::string x_edge;            // "x" (third word): "left" or "right"
  std::string y_edge;            // "y" (third word): "top" or "bottom"
  std::string size;              // "size": a clock size name, e.g. "Small"
  std::string style;             // "style": "Analog", "Digital", "AnaDigi" (menu: "Invisible")
  std::string anchor;            // "ancor": "desktop" or "hook"
  bool analog_seconds = false;   // "showseconds": the analog face's second hand
  bool digital_seconds = false;  // "showsecondsd": seconds on the time line
  bool show_date = false;        // "datashow": the date line
  bool twelve_hour = false;      // "format12": the time line's 12-hour clock
  std::string skin_file;         // "skinfile": the file name of the skin in use
  bool show_alarms = false;      // "showalarms": kept and written back, used by nothing
  bool visible = false;          // "visible": kept and written back, used by nothing
  int32_t digital_color = 0;     // "timecolor": COLORREF of the time and date lines
  int32_t analog_color = 0;      // "clockcolor": COLORREF of the analog face (the window's)
  bool font_italic = false;      // "fontitalic"
  std::string font_name;         // "fontname": the face of the clock font
  int32_t date_format = 0;       // "dateformatnumber": the date line's format, 1 to 10
  // Written only when they differ from their defaults, so older files stay as they are.
  bool smooth_edges = false;  // "smooth": per-pixel coverage instead of the window region
  int32_t opacity = 100;      // "opacity": percent, one of kOpacities
  // Written only when set. An id the system does not know is kept as read.
  std::string time_zone;  // "timezone": the IANA id of the zone shown; empty for local time
  std::string label;      // "label": the line shown above the clock; empty for none
  friend bool operator==(const Profile&, const Profile&) = default;
};

using Profiles = std::vector<Profile>;

// The opacities a profile may hold, in percent, in the order the menu offers them.
inline constexpr int32_t kOpacities[] = {100, 85, 70, 50};
bool IsAcceptedOpacity(int32_t percent);

inline constexpr const char* kProfilesFileName = "vl.prf";
// Where a vl.prf that could not be read is kept before a save replaces it.
inline constexpr const char* kProfilesBackupName = "vl.prf.bak";

void ResetToDefaults(Profile& profile);
// The profiles of `folder`/vl.prf; one copy of `def` when the file gives none.
// Throws FileError when the file exists but cannot be read.
Profiles LoadProfiles(const std::filesystem::path& folder, const Profile& def, FileService& files);
// The bytes SaveProfiles writes, CR LF line ends.
std::string FormatProfiles(const Profiles& profiles);
// Replaces `folder`/vl.prf; throws FileError and leaves the old file when it cannot.
void SaveProfiles(const std::filesystem::path& folder, const Profiles& profiles,
                  FileService& files);
// Copies `folder`/vl.prf to `folder`/vl.prf.bak, replacing an older copy; a missing vl.prf
// leaves nothing to copy. Throws FileError, leaving both files as they were, when it cannot.
void BackUpProfiles(const std::filesystem::path& folder, FileService& files);
// The lists of words a profile value must be one of.
enum class ProfileWords { XEdge, YEdge, Size, Style, Anchor };
// Whether `value` is one of the words of `list`, letter case included.
bool IsAcceptedWord(const std::string& value, ProfileWords list);

}  // namespace sorvane
