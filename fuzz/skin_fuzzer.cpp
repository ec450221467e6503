// The skin reader on one to four files at once (the input split at NUL bytes), read from an
// in-memory folder. Besides crashes and undefined behaviour it checks what the catalogue
// must hold whatever the lines say: one skin per file that has the header and a "\names"
// line, in folder order, named from its first "\names" line; only the four operation
// characters; order slots holding order words only.
#include <algorithm>
#include <array>
#include <cctype>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "files/skin.h"
#include "files/tokenizer.h"
#include "fuzz_check.h"
#include "memory_files.h"

namespace {

using namespace sorvane;

constexpr std::string_view kHeader = "Vitrelle skin file.";
// The last name has another extension: the reader must never see it.
constexpr std::array<const char*, 4> kFileNames{"first.skn", "second.SKN", "third.skn",
                                                "notes.txt"};

struct ExpectedSkin {
  std::string name;
  std::string file_name;
};

std::string Lower(std::string text) {
  for (char& c : text) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  return text;
}

std::vector<std::string> SplitAtNul(std::string_view bytes) {
  std::vector<std::string> pieces;
  size_t start = 0;
  while (pieces.size() + 1 < kFileNames.size()) {
    const size_t nul = bytes.find('\0', start);
    if (nul == std::string_view::npos) break;
    pieces.emplace_back(bytes.substr(start, nul - start));
    start = nul + 1;
  }
  pieces.emplace_back(bytes.substr(start));
  return pieces;
}

std::vector<ExpectedSkin> ExpectedSkins(const std::vector<std::string>& files) {
  std::vector<ExpectedSkin> skins;
  for (size_t f = 0; f < files.size() && f < 3; ++f) {
    const std::vector<std::string> lines = SplitLines(files[f]);
    if (lines.empty() || lines[0] != kHeader) continue;
    const auto names = std::find_if(lines.begin() + 1, lines.end(), [](const std::string& l) {
      return Lower(NthWord(l, 1)) == "\\names";
    });
    if (names != lines.end()) skins.push_back({names->substr(6), kFileNames[f]});
  }
  return skins;
}

bool IsOrderWord(const std::string& slot) {
  static constexpr std::array<std::string_view, 6> kWords{"static", "marks",  "harrow",
                                                          "marrow", "sarrow", "digits"};
  return std::find(kWords.begin(), kWords.end(), Lower(slot)) != kWords.end();
}

void CheckShape(const Shape& shape) {
  for (const ShapeElement& e : shape) {
    FUZZ_CHECK(e.operation == 0 || e.operation == '+' || e.operation == '-' ||
               e.operation == '&' || e.operation == '%');
  }
}

void CheckSkin(const Skin& skin) {
  for (const std::string& slot : skin.analog_order) FUZZ_CHECK(IsOrderWord(slot));
  for (const Shape* shape : {&skin.hour_hand, &skin.minute_hand, &skin.second_hand, &skin.face})
    CheckShape(*shape);
  for (const Shape& mark : skin.marks) CheckShape(mark);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::vector<std::string> files =
      SplitAtNul({reinterpret_cast<const char*>(data), size});
  fuzz::MemoryFiles folder;
  for (size_t f = 0; f < files.size(); ++f) folder.Put(kFileNames[f], files[f]);

  Skins skins;
  std::vector<ExpectedSkin> created;
  LoadSkins("/clock", folder, skins, [&](const std::string& name, int32_t index) {
    FUZZ_CHECK(index == static_cast<int32_t>(created.size()));
    created.push_back({name, ""});
  });

  const std::vector<ExpectedSkin> expected = ExpectedSkins(files);
  FUZZ_CHECK(skins.size() == expected.size());
  FUZZ_CHECK(created.size() == expected.size());
  for (size_t i = 0; i < skins.size(); ++i) {
    FUZZ_CHECK(skins[i].name == expected[i].name);
    FUZZ_CHECK(skins[i].file_name == expected[i].file_name);
    FUZZ_CHECK(created[i].name == expected[i].name);
    FUZZ_CHECK(SkinIndexByFileName(skins, skins[i].file_name) == static_cast<int32_t>(i));
    CheckSkin(skins[i]);
  }
  FUZZ_CHECK(SkinIndexByFileName(skins, "notes.txt") == 0);
  return 0;
}
