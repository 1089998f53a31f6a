#pragma once
// TRightsIndex: the assignments and assigned rights of a rights file grouped by
// holder, each group in list order, so that evaluating one user reads only the
// records of the users and groups it draws on instead of scanning whole lists.
#include <cstdint>
#include <span>
#include <unordered_map>
#include <vector>

#include "lists.h"

namespace rights {

// Bit k-1 is set when position k of the string holds the letter of module k.
std::uint16_t ModuleMask(const TModulesStr& modules);

class TRightsIndex {
 public:
  // One membership (ToGroupID > 0) and/or equivalence (ToUserID > 0) of a user.
  struct Link {
    std::int32_t ToGroupID;
    std::int32_t ToUserID;
  };

  // The fields of an assigned right that evaluation reads.
  struct HeldRight {
    std::int32_t RightID;
    std::uint16_t ModuleMask;
    std::uint8_t Mandant;
  };

  // The rights of one user or group, split by evaluation pass.
  struct Holding {
    std::vector<HeldRight> ModuleRights;  // rights 1..9
    std::vector<HeldRight> OtherRights;   // rights 10 and above
  };

  TRightsIndex(const TAssgnList& assignments, const TAssgnRightList& assignedRights);

  // False once either list has gained or lost a record since the index was built.
  bool IsCurrent(const TAssgnList& assignments, const TAssgnRightList& assignedRights) const;

  // The user's assignments in list order.
  std::span<const Link> LinksOf(std::int32_t userID) const;
  // The holder's rights in list order, or none.
  const Holding* HoldingOf(bool user, std::int32_t id) const;

 private:
  static std::uint64_t HolderKey(bool user, std::int32_t id) {
    return (std::uint64_t{user} << 32) | static_cast<std::uint32_t>(id);
  }

  std::unordered_map<std::int32_t, std::vector<Link>> fLinks;
  std::unordered_map<std::uint64_t, Holding> fHoldings;
  std::uint64_t fAssignmentsChangeCount;
  std::uint64_t fAssignedRightsChangeCount;
};

}  // namespace rights
