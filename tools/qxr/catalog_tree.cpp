#include "catalog_tree.h"

#include <unordered_map>

namespace qxr {

CatalogTree BuildCatalogTree(const rights::TRightList& catalog) {
  const std::size_t count = catalog.Count();
  std::vector<std::vector<std::size_t>> children(count);
  std::vector<std::size_t> roots;
  std::unordered_map<std::int32_t, std::size_t> firstByID;
  CatalogTree tree;
  for (std::size_t i = 0; i < count; ++i) {
    const rights::TCustomRight& entry = catalog[i];
    const auto parent = firstByID.find(entry.GroupID);
    if (entry.GroupID == 0)
      roots.push_back(i);
    else if (parent != firstByID.end())
      children[parent->second].push_back(i);
    else
      tree.orphans.push_back(&entry);
    firstByID.emplace(entry.ID, i);  // only entries before the next one count
  }
  // An explicit stack: a hostile catalog may nest as deep as it has rows.
  struct Pending {
    std::size_t index;
    std::size_t depth;
  };
  std::vector<Pending> stack;
  for (auto root = roots.rbegin(); root != roots.rend(); ++root) stack.push_back({*root, 0});
  while (!stack.empty()) {
    const Pending next = stack.back();
    stack.pop_back();
    tree.nodes.push_back({&catalog[next.index], next.depth});
    const auto& below = children[next.index];
    for (auto child = below.rbegin(); child != below.rend(); ++child) stack.push_back({*child, next.depth + 1});
  }
  return tree;
}

}  // namespace qxr
