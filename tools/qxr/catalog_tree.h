#pragma once
// The rights catalog as the trees show it: every entry under the first
// earlier entry whose ID is its GroupID, top-level entries under none.
#include <cstddef>
#include <vector>

#include "rights/right_list.h"

namespace qxr {

struct CatalogNode {
  const rights::TCustomRight* entry;
  std::size_t depth;  // 0 for a top-level entry
};

struct CatalogTree {
  std::vector<CatalogNode> nodes;                    // depth first, children in file order
  std::vector<const rights::TCustomRight*> orphans;  // no earlier entry is their group
};

CatalogTree BuildCatalogTree(const rights::TRightList& catalog);

}  // namespace qxr
