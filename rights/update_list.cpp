#include "update_list.h"

namespace rights {

const TUpdObj* TUpdList::GetRight(std::int32_t id) const {
  for (const auto& item : fItems)
    if (item->RightID == id) return item.get();
  return nullptr;
}

const std::vector<const TUpdObj*>& TUpdList::InsertItems() const {
  if (!fInsertItems) {
    fInsertItems.emplace();
    for (const auto& item : fItems)
      if (item->Allow) fInsertItems->push_back(item.get());
  }
  return *fInsertItems;
}

void TUpdList::Clear() {
  fItems.clear();
  fInsertItems.reset();
}

}  // namespace rights
