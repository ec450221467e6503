#pragma once
// The whole tool behind main(): parse, run one command, report, give the exit status.
#include <ostream>
#include <string>
#include <vector>

namespace sorvane::skintool {

// Exit statuses beyond check's own 0 (clean), 1 (warnings) and 2 (not a skin).
inline constexpr int kExitError = 3;

// `args` without the program name. Results go to `out`, the one-line error to `err`.
int Run(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);

}  // namespace sorvane::skintool
