#include "geometry/union_all.h"

#include <utility>

namespace sorvane {

Region UnionAll(std::vector<Region>& parts) {
  if (parts.empty()) return Region();
  for (std::size_t step = 1; step < parts.size(); step *= 2) {
    for (std::size_t i = 0; i + step < parts.size(); i += 2 * step) {
      parts[i] = Region::Combine(parts[i], parts[i + step], CombineMode::Or);
    }
  }
  return std::move(parts.front());
}

}  // namespace sorvane
