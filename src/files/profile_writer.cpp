// Writing "vl.prf": the header and eighteen lines per profile, every line ending in CR LF;
// the look's two lines, the time zone and the label only for a profile that has them.
#include "files/profile.h"

namespace sorvane {
namespace {

constexpr std::string_view kHeader = "Vitrelle profiles file.";

void Line(std::string& out, std::string_view text) {
  out += text;
  out += "\r\n";
}

std::string Flag(bool value) {
  return value ? "1" : "0";
}

void AppendProfile(std::string& out, const Profile& p) {
  Line(out, "\\profile " + p.name);
  Line(out, "x " + std::to_string(p.x_offset) + " " + p.x_edge);
  Line(out, "y " + std::to_string(p.y_offset) + " " + p.y_edge);
  Line(out, "size " + p.size);
  Line(out, "timecolor " + std::to_string(p.digital_color));
  Line(out, "clockcolor " + std::to_string(p.analog_color));
  Line(out, "dateformatnumber  " + std::to_string(p.date_format));  // two blanks, always
  if (p.smooth_edges) Line(out, "smooth 1");
  if (p.opacity != 100) Line(out, "opacity " + std::to_string(p.opacity));
  if (!p.time_zone.empty()) Line(out, "timezone " + p.time_zone);
  if (!p.label.empty()) Line(out, "label " + p.label);
  Line(out, "style " + p.style);
  Line(out, "showseconds " + Flag(p.analog_seconds));
  Line(out, "showsecondsd " + Flag(p.digital_seconds));
  Line(out, "datashow " + Flag(p.show_date));
  Line(out, "format12 " + Flag(p.twelve_hour));
  Line(out, "showalarms " + Flag(p.show_alarms));
  Line(out, "ancor " + p.anchor);
  Line(out, "visible " + Flag(p.visible));
  Line(out, "skinfile " + p.skin_file);
  Line(out, "fontitalic " + Flag(p.font_italic));
  Line(out, "fontname " + p.font_name);
}

}  // namespace

std::string FormatProfiles(const Profiles& profiles) {
  std::string out;
  Line(out, kHeader);
  for (const Profile& p : profiles) AppendProfile(out, p);
  return out;
}

void SaveProfiles(const std::filesystem::path& folder, const Profiles& profiles,
                  FileService& files) {
  // ReplaceWith writes beside the file and swaps it in only when complete.
  files.ReplaceWith(folder / kProfilesFileName, FormatProfiles(profiles));
}

void BackUpProfiles(const std::filesystem::path& folder, FileService& files) {
  const std::filesystem::path file = folder / kProfilesFileName;
  if (!files.Exists(file)) return;
  files.Copy(file, folder / kProfilesBackupName);
}

}  // namespace sorvane
