#pragma once
// Skins read with the clock's own reader, so the tool sees exactly what the clock sees.
#include <filesystem>

#include "files/skin.h"
#include "files/skin_notes.h"

namespace sorvane::skintool {

// Every skin of one file, read as the clock reads its folder when that file is the only
// one in it. Throws ToolError when the file is missing or cannot be read. An empty result
// means the file is not a skin (wrong header, or no "\names" line).
// `observer` hears of every line the reader ignored or that changes nothing drawn.
Skins ReadOneSkinFile(const std::filesystem::path& file, const SkinObserver& observer = {});

// Every skin of a folder, in the order the clock loads them. Throws ToolError when the
// folder is missing or a file in it cannot be read.
Skins ReadSkinFolder(const std::filesystem::path& folder);

}  // namespace sorvane::skintool
