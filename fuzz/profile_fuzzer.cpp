// The profiles file read from arbitrary bytes, saved, and read again: what the clock writes
// must read back to the very profiles it had, and writing those gives the same bytes.
//
// This holds for every profile a read can produce. The file format cannot carry some values
// a profile could hold in memory, and the reader never produces them:
// - a `name` that is empty, blank only or starts with the word "%&": its "\profile" line
//   counts fewer than two words, so the whole profile is lost;
// - a `font_name` of that kind: the line is skipped and the default font comes back;
// - a `size`, `style` or `anchor` outside its accepted words: the default comes back (an
//   empty `size` or `skin_file` is written as "key and one blank", skipped when read, and
//   comes back as the default's, which is empty too); a `skin_file` with a blank reads back
//   as its first word;
// - an `x_edge` or `y_edge` other than the accepted words: the default side comes back;
// - a `name` or `font_name` holding CR (ends the line) or Ctrl-Z (ends the file).
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "files/profile.h"
#include "fuzz_check.h"
#include "memory_files.h"

namespace {

using namespace sorvane;

constexpr std::string_view kHeader = "Vitrelle profiles file.";

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string bytes(reinterpret_cast<const char*>(data), size);
  Profile def;
  ResetToDefaults(def);

  fuzz::MemoryFiles folder;
  folder.Put(kProfilesFileName, bytes);
  const Profiles first = LoadProfiles("/clock", def, folder);
  FUZZ_CHECK(!first.empty());
  if (bytes.rfind(kHeader, 0) != 0) FUZZ_CHECK(first == Profiles{def});

  SaveProfiles("/clock", first, folder);
  const std::string saved = folder.ReadAll(std::string("/clock/") + kProfilesFileName);
  FUZZ_CHECK(saved == FormatProfiles(first));
  FUZZ_CHECK(saved.rfind(std::string(kHeader) + "\r\n", 0) == 0);

  const Profiles second = LoadProfiles("/clock", def, folder);
  FUZZ_CHECK(second == first);
  FUZZ_CHECK(FormatProfiles(second) == saved);
  return 0;
}
