#pragma once
// The framework's error handler: an error raised by a handler is shown in the error box and
// goes no further, so no C++ exception ever crosses the window procedure or Qt's event loop.
// Both shells use it.
#include <exception>

#include "app/ports/shell.h"

namespace sorvane::ports {

template <typename Handler>
void ReportErrors(ErrorReporter& errors, Handler&& handler) {
  try {
    handler();
  } catch (const std::exception& error) {
    errors.ShowError(error.what());
  } catch (...) {
    errors.ShowError("Unknown error.");
  }
}

}  // namespace sorvane::ports
