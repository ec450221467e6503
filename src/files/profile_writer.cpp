// Writing "vl.prf": the header and eighteen lines per profile, every line ending in CR LF.
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

void AppendProfile(std::string& out, const TProfile& p) {
  Line(out, "\\profile " + p.name);
  Line(out, "x " + std::to_string(p.x) + " " + p.xside);
  Line(out, "y " + std::to_string(p.y) + " " + p.yside);
  Line(out, "size " + p.size);
  Line(out, "timecolor " + std::to_string(p.timecolor));
  Line(out, "clockcolor " + std::to_string(p.clockcolor));
  Line(out, "dateformatnumber  " + std::to_string(p.dateformatnumber));  // two blanks, always
  Line(out, "style " + p.style);
  Line(out, "showseconds " + Flag(p.showseconds));
  Line(out, "showsecondsd " + Flag(p.showsecondsd));
  Line(out, "datashow " + Flag(p.datashow));
  Line(out, "format12 " + Flag(p.format12));
  Line(out, "showalarms " + Flag(p.showalarms));
  Line(out, "ancor " + p.ancor);
  Line(out, "visible " + Flag(p.visible));
  Line(out, "skinfile " + p.skinfile);
  Line(out, "fontitalic " + Flag(p.fontitalic));
  Line(out, "fontname " + p.fontname);
}

}  // namespace

std::string FormatProfiles(const TProfiles& profiles) {
  std::string out;
  Line(out, kHeader);
  for (const TProfile& p : profiles) AppendProfile(out, p);
  return out;
}

void SaveProfiles(const std::filesystem::path& folder, const TProfiles& profiles,
                  FileService& files) {
  // ReplaceWith writes beside the file and swaps it in only when complete.
  files.ReplaceWith(folder / kProfilesFileName, FormatProfiles(profiles));
}

}  // namespace sorvane
