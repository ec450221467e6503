#pragma once
// The union of many regions at once.
#include <vector>

#include "region/region.h"

namespace sorvane {

// Unites `parts` pairwise, neighbours first, like a tournament: each part takes part in
// about log2(n) unions instead of every later one, so a large face is not walked once per
// small mark. `parts` is left in an unspecified state.
Region UnionAll(std::vector<Region>& parts);

}  // namespace sorvane
