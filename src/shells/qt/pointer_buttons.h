#pragma once
// The mouse buttons as the X server knows them now. While the window manager moves the
// clock, the button's release goes to the window manager, not to the clock.
namespace sorvane::qt {

// False also where there is no X display to ask.
bool LeftButtonDown();

}  // namespace sorvane::qt
