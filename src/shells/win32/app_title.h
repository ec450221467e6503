#pragma once
// The application title: the hidden application window's and the clock window's caption,
// and the title a second copy looks for.
namespace sorvane::win32 {

inline constexpr const char* kAppTitle = "Sorvane";

}  // namespace sorvane::win32
