#include "rights_index.h"

#include <algorithm>

namespace rights {

std::uint16_t ModuleMask(const TModulesStr& modules) {
  std::uint16_t mask = 0;
  const std::size_t positions = std::min(modules.size(), static_cast<std::size_t>(ModuleCount));
  for (std::size_t i = 0; i < positions; ++i)
    if (modules[i] == ModuleLetters[i]) mask |= static_cast<std::uint16_t>(1u << i);
  return mask;
}

TRightsIndex::TRightsIndex(const TAssgnList& assignments, const TAssgnRightList& assignedRights)
    : fAssignmentsChangeCount(assignments.ChangeCount()),
      fAssignedRightsChangeCount(assignedRights.ChangeCount()) {
  // Records of one holder mostly stand together, so the previous holder is
  // looked at before the map. Elements of an unordered_map stay where they are.
  std::vector<Link>* links = nullptr;
  std::int32_t linksOf = 0;
  for (const auto& a : assignments) {
    if (a->ToGroupID <= 0 && a->ToUserID <= 0) continue;
    if (links == nullptr || linksOf != a->User_ID) {
      links = &fLinks[a->User_ID];
      linksOf = a->User_ID;
    }
    links->push_back({a->ToGroupID, a->ToUserID});
  }

  Holding* holding = nullptr;
  std::uint64_t holdingOf = 0;
  for (const auto& r : assignedRights) {
    if (r->Right_ID < ModuleRightRange.Min) continue;  // taken by neither pass
    const std::uint64_t key = HolderKey(r->User, r->USGR_ID);
    if (holding == nullptr || holdingOf != key) {
      holding = &fHoldings[key];
      holdingOf = key;
    }
    auto& rights = ModuleRightRange.Contains(r->Right_ID) ? holding->ModuleRights : holding->OtherRights;
    rights.push_back({r->Right_ID, ModuleMask(r->Modules), r->Mandant});
  }
}

bool TRightsIndex::IsCurrent(const TAssgnList& assignments, const TAssgnRightList& assignedRights) const {
  return assignments.ChangeCount() == fAssignmentsChangeCount &&
         assignedRights.ChangeCount() == fAssignedRightsChangeCount;
}

std::span<const TRightsIndex::Link> TRightsIndex::LinksOf(std::int32_t userID) const {
  const auto found = fLinks.find(userID);
  if (found == fLinks.end()) return {};
  return found->second;
}

const TRightsIndex::Holding* TRightsIndex::HoldingOf(bool user, std::int32_t id) const {
  const auto found = fHoldings.find(HolderKey(user, id));
  return found == fHoldings.end() ? nullptr : &found->second;
}

}  // namespace rights
