#pragma once
// The command line of sorvane-skin: what to do, checked and converted, before any file is
// touched.
#include <string>
#include <string_view>
#include <variant>
#include <vector>

#include "timefmt/date_format.h"

namespace sorvane::skintool {

struct HelpCommand {};
struct CheckCommand {
  std::vector<std::string> files;
};
struct RenderCommand {
  std::string file;
  TimeOfDay time;
  int size = 0;
  bool seconds = false;
  std::string output;
};
struct SheetCommand {
  std::string folder;
  std::string output;
};
using Command = std::variant<HelpCommand, CheckCommand, RenderCommand, SheetCommand>;

// The largest face the tool draws; bigger than any screen the clock fills.
inline constexpr int kMaxSize = 8192;

// `args` without the program name. Throws ToolError with a one-line reason for anything
// it cannot use: an unknown command or option, a missing or repeated value, a bad time or
// size.
Command ParseCommandLine(const std::vector<std::string>& args);

// "HH:MM:SS" with hours 0 to 23 and minutes and seconds 0 to 59, one or two digits each.
TimeOfDay ParseTime(std::string_view text);
// A whole number of pixels from 1 to kMaxSize.
int ParseSize(std::string_view text);

std::string HelpText();

}  // namespace sorvane::skintool
