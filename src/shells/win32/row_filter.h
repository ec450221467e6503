#pragma once
// Which rows of a chooser stay shown for what the user typed in its filter box.
#include <cstddef>
#include <string_view>
#include <vector>

#include "app/ports/dialogs.h"

namespace sorvane::win32 {

// Whether `caption` holds `text`, ASCII letters in either case alike; other bytes must match.
bool CaptionHolds(std::string_view caption, std::string_view text);

// The positions of the rows whose caption holds `text`, in the rows' order.
std::vector<size_t> RowsHolding(const std::vector<ports::ChoiceRow>& rows, std::string_view text);

}  // namespace sorvane::win32
