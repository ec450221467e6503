#pragma once

namespace sorvane::qt {

// The clock window's title and the error box's, as on Windows.
inline constexpr const char* kAppTitle = "Sorvane";

}  // namespace sorvane::qt
