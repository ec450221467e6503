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

// Numbers must pass IsNum and also fit a signed 32-bit integer; "-" or "1-2" change nothing.
void SetNumber(const std::string& word, int32_t& field) {
  if (!IsNum(word)) return;
  if (const std::optional<int32_t> value = ToInt32(word)) field = *value;
}

void SetPosition(const std::string& line, int32_t& offset, std::string& side, int side_kind) {
  SetNumber(GetWord(line, 2), offset);
  const std::string word3 = GetWord(line, 3);
  if (WordCount(line) == 3 && IsRight(word3, side_kind)) side = word3;
}

void SetChecked(const std::string& word, int kind, std::string& field) {
  if (IsRight(word, kind)) field = word;
}

bool* FlagOf(TProfile& p, const std::string& key) {
  if (key == "showseconds") return &p.showseconds;
  if (key == "showsecondsd") return &p.showsecondsd;
  if (key == "datashow") return &p.datashow;
  if (key == "format12") return &p.format12;
  if (key == "showalarms") return &p.showalarms;
  if (key == "visible") return &p.visible;
  if (key == "fontitalic") return &p.fontitalic;
  return nullptr;
}

void ApplyKeyLine(TProfile& p, const std::string& key, const std::string& line) {
  const std::string word2 = GetWord(line, 2);
  if (key == "x") {
    SetPosition(line, p.x, p.xside, 0);
  } else if (key == "y") {
    SetPosition(line, p.y, p.yside, 1);
  } else if (key == "size") {
    SetChecked(word2, 2, p.size);
  } else if (key == "style") {
    SetChecked(word2, 3, p.style);
  } else if (key == "ancor") {
    SetChecked(word2, 4, p.ancor);
  } else if (key == "timecolor") {
    SetNumber(word2, p.timecolor);
  } else if (key == "clockcolor") {
    SetNumber(word2, p.clockcolor);
  } else if (key == "dateformatnumber") {
    SetNumber(word2, p.dateformatnumber);
  } else if (key == "skinfile") {
    p.skinfile = word2;
  } else if (key == "fontname") {
    p.fontname = RestAfterColumn9(line);
  } else if (bool* flag = FlagOf(p, key)) {
    *flag = word2 == "1";
  }
}

TProfiles ParseProfiles(const std::vector<std::string>& lines, const TProfile& def) {
  TProfiles profiles;
  for (size_t i = 1; i < lines.size(); ++i) {
    const std::string& line = lines[i];
    if (WordCount(line) < 2) continue;
    const std::string key = LowerAscii(GetWord(line, 1));
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

TProfiles LoadProfiles(const std::filesystem::path& folder, const TProfile& def,
                       FileService& files) {
  TProfiles profiles;
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
