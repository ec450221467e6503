// Reading "vl.prf": a header line, then key lines that act on the profile of the last
// "\profile" line. Keys are matched without case, values with case; a value that fails its
// test leaves the field as it was.
#include <optional>

#include "files/profile.h"
#include "files/tokenizer.h"

namespace sorvane {
namespace {

constexpr std::string_view kHeader = "Vitrelle profiles file.";

std::string LowerAscii(std::string text) {
  for (char& c : text) {
    if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
  }
  return text;
}

// The text after a key of eight characters and the one character that follows it; read by
// position, so blanks before the key shift it.
std::string RestAfterColumn9(const std::string& line) {
  return line.size() > 9 ? line.substr(9) : std::string();
}

// Numbers must pass IsNumberWord and also fit a signed 32-bit integer; "-" or "1-2" change nothing.
void SetNumber(const std::string& word, int32_t& field) {
  if (!IsNumberWord(word)) return;
  if (const std::optional<int32_t> value = ToInt32(word)) field = *value;
}

void SetPosition(const std::string& line, int32_t& offset, std::string& edge, ProfileWords edges) {
  SetNumber(NthWord(line, 2), offset);
  const std::string word3 = NthWord(line, 3);
  if (WordCount(line) == 3 && IsAcceptedWord(word3, edges)) edge = word3;
}

void SetChecked(const std::string& word, ProfileWords list, std::string& field) {
  if (IsAcceptedWord(word, list)) field = word;
}

bool* FlagOf(Profile& p, const std::string& key) {
  if (key == "showseconds") return &p.analog_seconds;
  if (key == "showsecondsd") return &p.digital_seconds;
  if (key == "datashow") return &p.show_date;
  if (key == "format12") return &p.twelve_hour;
  if (key == "showalarms") return &p.show_alarms;
  if (key == "visible") return &p.visible;
  if (key == "fontitalic") return &p.font_italic;
  if (key == "smooth") return &p.smooth_edges;
  return nullptr;
}

void ApplyKeyLine(Profile& p, const std::string& key, const std::string& line) {
  const std::string word2 = NthWord(line, 2);
  if (key == "x") {
    SetPosition(line, p.x_offset, p.x_edge, ProfileWords::XEdge);
  } else if (key == "y") {
    SetPosition(line, p.y_offset, p.y_edge, ProfileWords::YEdge);
  } else if (key == "size") {
    SetChecked(word2, ProfileWords::Size, p.size);
  } else if (key == "style") {
    SetChecked(word2, ProfileWords::Style, p.style);
  } else if (key == "ancor") {
    SetChecked(word2, ProfileWords::Anchor, p.anchor);
  } else if (key == "timecolor") {
    SetNumber(word2, p.digital_color);
  } else if (key == "clockcolor") {
    SetNumber(word2, p.analog_color);
  } else if (key == "dateformatnumber") {
    SetNumber(word2, p.date_format);
  } else if (key == "opacity") {
    int32_t percent = 0;
    SetNumber(word2, percent);
    if (IsAcceptedOpacity(percent)) p.opacity = percent;
  } else if (key == "timezone") {
    p.time_zone = word2;
  } else if (key == "label") {
    p.label = line.size() > 6 ? line.substr(6) : std::string();  // all after "label "
  } else if (key == "skinfile") {
    p.skin_file = word2;
  } else if (key == "fontname") {
    p.font_name = RestAfterColumn9(line);
  } else if (bool* flag = FlagOf(p, key)) {
    *flag = word2 == "1";
  }
}

Profiles ParseProfiles(const std::vector<std::string>& lines, const Profile& def) {
  Profiles profiles;
  for (size_t i = 1; i < lines.size(); ++i) {
    const std::string& line = lines[i];
    if (WordCount(line) < 2) continue;
    const std::string key = LowerAscii(NthWord(line, 1));
    if (key == "\\profile") {
      profiles.push_back(def);
      profiles.back().name = RestAfterColumn9(line);
    } else if (!profiles.empty()) {
      ApplyKeyLine(profiles.back(), key, line);
    }
  }
  return profiles;
}

}  // namespace

Profiles LoadProfiles(const std::filesystem::path& folder, const Profile& def, FileService& files) {
  Profiles profiles;
  const std::filesystem::path file = folder / kProfilesFileName;
  if (files.Exists(file)) {
    const std::vector<std::string> lines = SplitLines(files.ReadAll(file));
    // A file without the header is ignored as if it were missing.
    if (!lines.empty() && lines.front() == kHeader) profiles = ParseProfiles(lines, def);
  }
  if (profiles.empty()) profiles.push_back(def);
  return profiles;
}

}  // namespace sorvane
