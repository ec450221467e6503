#pragma once
// The union of many regions at once.
#include <vector>

#include "region/region.h"

namespace sorvane {

// The union of `parts` in one sweep down all of them together: each row band takes the
// spans of every part present there, in x order, joined. Every part is walked once and the
// result is built once, where uniting one part after another would walk the growing result
// again for each small mark.
Region UnionAll(const std::vector<Region>& parts);

}  // namespace sorvane
