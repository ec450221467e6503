#pragma once
// Where the clock's files live on Linux, by the XDG base directories:
// - vl.prf in $XDG_CONFIG_HOME/sorvane (~/.config/sorvane);
// - skins from the installed share/sorvane/skins beside the program's bin folder, then
//   from $XDG_DATA_HOME/sorvane/skins (~/.local/share/sorvane/skins), whose files win;
// - the help pages in the installed share/sorvane/help.
#include <QString>

#include "app/ports/services.h"

namespace sorvane::qt {

// `program_folder` is the folder of the running program (its bin folder).
ports::Folders XdgFolders(const QString& program_folder);

// Makes the settings folder, so the first save has a folder to write into.
void MakeSettingsFolder(const ports::Folders& folders);

}  // namespace sorvane::qt
