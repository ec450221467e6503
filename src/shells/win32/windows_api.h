#pragma once
// <windows.h> for the shell. commdlg.h maps ChooseColor and ChooseFont to its A/W
// functions; those names belong to our Dialogs interface, so the maps are dropped here,
// once, for every file of the shell.
#include <windows.h>
#include <commdlg.h>

#undef ChooseColor
#undef ChooseFont
