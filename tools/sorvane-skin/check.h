#pragma once
// `check`: what the clock's reader makes of a skin file, line by line.
#include <filesystem>
#include <ostream>
#include <string>
#include <vector>

#include "files/skin_notes.h"

namespace sorvane::skintool {

struct CheckResult {
  bool is_skin = true;
  std::string not_skin_reason;          // set when is_skin is false
  std::vector<SkinNoteEvent> warnings;  // in line order
};

// Reads `file` with the clock's reader. Throws ToolError when it is missing or unreadable.
CheckResult CheckSkinFile(const std::filesystem::path& file);

// One sentence telling the author what the reader did with such a line and why.
std::string Explain(SkinNote note);

// Exit status for one file: 0 clean, 1 warnings, 2 not a skin.
int CheckStatus(const CheckResult& result);

// "FILE:LINE: warning: ... | LINE TEXT" lines, then one closing line for the file.
void PrintCheck(const std::string& file, const CheckResult& result, std::ostream& out);

}  // namespace sorvane::skintool
