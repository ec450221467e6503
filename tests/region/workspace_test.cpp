// The region workspace changes where storage comes from, never a result; and the batch union
// gives what uniting one part after another gives.
#include <gtest/gtest.h>

#include <vector>

#include "region/region.h"
#include "region/region_union.h"
#include "region/region_workspace.h"

namespace sorvane {
namespace {

const Point kTriangle[] = {{0, 0}, {8, 0}, {0, 8}};

// Every operation, on small inputs: built into storage that held large regions before, their
// old contents must not show through.
std::vector<Region> EveryOperation() {
  const Region small = Region::FromRect({2, 2, 5, 5});
  const Region tri = Region::Polygon(kTriangle, FillMode::Alternate);
  const Region disc = Region::Ellipse({0, 0, 9, 9});
  Region grown = small;
  grown.CombineWith(disc, CombineMode::Or);
  Region moved = tri;
  moved.Translate(kCoordLimit, 0);  // cut at the limit: rebuilt, not shifted in place
  const Rect rects[] = {{0, 0, 3, 3}, {2, 2, 6, 6}};
  return {small,
          tri,
          disc,
          grown,
          moved,
          Region::Combine(small, tri, CombineMode::Xor),
          Region::UnionOf({&small, &tri, &disc}),
          Region::FromRects(rects)};
}

TEST(RegionWorkspace, StorageItLendsChangesNoResult) {
  const std::vector<Region> plain = EveryOperation();
  RegionWorkspace workspace;
  const RegionWorkspace::Scope scope(workspace);
  for (int round = 0; round < 3; ++round) {
    for (int i = 0; i < 20; ++i) Region::Ellipse({-500, -400, 600, 700 + i});  // destroyed at once
    EXPECT_GT(workspace.SpareBytes(), 0u);
    const std::vector<Region> lent = EveryOperation();
    EXPECT_EQ(lent, plain);
    for (const Region& r : lent) EXPECT_TRUE(r.IsValid());
  }
}

TEST(RegionWorkspace, ARegionGoneInsideTheScopeLendsItsStorageToTheNext) {
  RegionWorkspace workspace;
  const void* storage = nullptr;
  {
    const RegionWorkspace::Scope scope(workspace);
    {
      const Region big = Region::Ellipse({0, 0, 400, 400});
      storage = big.bands().data();
    }
    const Region next = Region::Ellipse({0, 0, 100, 100});
    EXPECT_EQ(next.bands().data(), storage);
  }
  // Out of the scope, a region gone gives nothing to it, and nothing is lent.
  const std::size_t kept = workspace.SpareBytes();
  { const Region gone = Region::Ellipse({0, 0, 400, 400}); }
  EXPECT_EQ(workspace.SpareBytes(), kept);
}

TEST(RegionWorkspace, KeepsABoundedAmountAndScopesNest) {
  RegionWorkspace outer, inner;
  const RegionWorkspace::Scope outer_scope(outer);
  {
    const RegionWorkspace::Scope inner_scope(inner);
    for (int i = 0; i < 1000; ++i) Region::Ellipse({0, 0, 2000, 2000});
  }
  EXPECT_GT(inner.SpareBytes(), 0u);
  EXPECT_LE(inner.SpareBytes(), std::size_t{4} << 20);
  EXPECT_EQ(outer.SpareBytes(), 0u);
  { const Region gone = Region::Ellipse({0, 0, 50, 50}); }  // the outer one is in use again
  EXPECT_GT(outer.SpareBytes(), 0u);
}

TEST(RegionUnion, GivesTheOneByOneUnionWithOrWithoutAKeptPart) {
  const Region kept = Region::Ellipse({0, 0, 40, 40});
  std::vector<Region> parts;
  for (int i = 0; i < 1500; ++i) {  // more than one batch
    parts.push_back(Region::FromRect({i % 97, i % 89, i % 97 + 3, i % 89 + 2}));
  }
  Region one_by_one;
  for (const Region& p : parts) one_by_one.CombineWith(p, CombineMode::Or);

  RegionUnion alone;
  RegionUnion with_kept(kept);
  for (const Region& p : parts) {
    alone.Add(Region(p));
    with_kept.Add(Region(p));
  }
  EXPECT_EQ(alone.Take(), one_by_one);
  EXPECT_EQ(with_kept.Take(), Region::Combine(one_by_one, kept, CombineMode::Or));
  EXPECT_TRUE(alone.Take().IsEmpty());  // empty again after Take

  RegionUnion nothing_added(kept);
  EXPECT_EQ(nothing_added.Take(), kept);
}

}  // namespace
}  // namespace sorvane
