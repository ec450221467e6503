#pragma once
// The union of many regions, built in one sweep. Parts are collected as they are drawn and
// united together when the result is asked for: union does not depend on order or grouping,
// and adding each part to the result in turn would copy the whole growing result for every
// piece (a skin of 10,000 discs took a second that way). So that a hostile input of huge
// parts never holds many of them at once, collected parts are united early, into the result
// so far, once they are many or hold many rows.
#include <cstddef>
#include <vector>

#include "region/region.h"

namespace sorvane {

class RegionUnion {
 public:
  RegionUnion() = default;
  // Starts from `kept`, a region that lives elsewhere (the still parts of the clock face) and
  // joins the union without being copied. It must outlive the union.
  explicit RegionUnion(const Region& kept) : kept_(&kept) {}
  RegionUnion(const RegionUnion&) = delete;
  RegionUnion& operator=(const RegionUnion&) = delete;

  void Add(Region&& part);
  // The union of everything added (and of `kept`); the union is empty again afterwards.
  Region Take();

 private:
  static constexpr std::size_t kFirstCapacity = 128;
  static constexpr std::size_t kMaxParts = 1024;
  static constexpr std::size_t kMaxBands = std::size_t{1} << 18;

  void UniteCollected();

  const Region* kept_ = nullptr;
  Region united_;               // the parts united so far
  std::vector<Region> parts_;   // collected since
  std::size_t part_bands_ = 0;  // bands of the collected parts
};

}  // namespace sorvane
