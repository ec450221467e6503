#pragma once
// Resource numbers shared by resources/sorvane.rc and the Windows shell that loads them.
// Plain #defines, since the resource compiler reads this file too.

#define IDI_APP 1   // program icon: 16, 32, 48 and 256 pixels
#define IDI_TRAY 2  // notification-area icon: 16 x 16, 16 colours
