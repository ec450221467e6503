#pragma once
// A failure the user has to act on (a missing file, a bad argument, an unwritable output).
// Its text is the one line the tool prints before it gives up.
#include <stdexcept>

namespace sorvane::skintool {

class ToolError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

}  // namespace sorvane::skintool
