#pragma once
// The state of an edited rights tree: every right it shows, granted or not.
#include <cstdint>
#include <memory>
#include <optional>
#include <vector>

#include "modules.h"

namespace rights {

struct TUpdObj {
  TUpdObj(std::int32_t aRightID, bool aAllow, const TModulesStr& aModules)
      : RightID(aRightID), Modules(aModules.substr(0, ModuleCount)), Allow(aAllow) {}

  std::int32_t RightID;
  TModulesStr Modules;
  bool Allow;  // checked, that is granted
};

class TUpdList {
 public:
  std::size_t Count() const { return fItems.size(); }
  TUpdObj& operator[](std::size_t index) { return *fItems.at(index); }
  const TUpdObj& operator[](std::size_t index) const { return *fItems.at(index); }

  void Add(std::unique_ptr<TUpdObj> item) { fItems.push_back(std::move(item)); }
  void Add(std::int32_t rightID, bool allow, const TModulesStr& modules) {
    Add(std::make_unique<TUpdObj>(rightID, allow, modules));
  }

  // First item for the right, or none.
  const TUpdObj* GetRight(std::int32_t id) const;
  bool MustUpdate(std::int32_t rightID) const { return GetRight(rightID) != nullptr; }

  // The granted items, taken at the first call and kept until Clear.
  const std::vector<const TUpdObj*>& InsertItems() const;

  void Clear();

 private:
  std::vector<std::unique_ptr<TUpdObj>> fItems;
  mutable std::optional<std::vector<const TUpdObj*>> fInsertItems;
};

}  // namespace rights
