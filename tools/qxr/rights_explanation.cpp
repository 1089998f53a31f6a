#include "rights_explanation.h"

#include <algorithm>
#include <unordered_map>
#include <unordered_set>

#include "rights/rights_index.h"
#include "standard_users.h"

namespace qxr {

namespace {

constexpr std::int32_t kLastRightWithoutModule = rights::FirstCatalogRight - 1;

RightKind KindOf(std::int32_t rightID) {
  if (rights::ModuleRightRange.Contains(rightID)) return RightKind::Module;
  if (rightID > rights::ModuleRightRange.Max && rightID <= kLastRightWithoutModule) return RightKind::WithoutModule;
  if (rightID >= rights::FirstCatalogRight) return RightKind::Catalog;
  return RightKind::NotEvaluated;
}

// The two lists grouped once, so the walk does not rescan them per holder.
class ListsByHolder {
 public:
  explicit ListsByHolder(const rights::TRechteDatei& file) {
    for (const auto& assignment : file.AssgnList()) fLinks[assignment->User_ID].push_back(assignment.get());
    for (const auto& right : file.AssRightList()) fRights[Key(right->User, right->USGR_ID)].push_back(right.get());
  }

  const std::vector<const rights::TFIAssignment*>& LinksOf(std::int32_t userID) const {
    const auto found = fLinks.find(userID);
    return found == fLinks.end() ? fNoLinks : found->second;
  }

  const std::vector<const rights::TFIAssignedRight*>& RightsOf(const RightSource& source) const {
    const auto found = fRights.find(Key(source.kind != SourceKind::Group, source.holderID));
    return found == fRights.end() ? fNoRights : found->second;
  }

 private:
  static std::uint64_t Key(bool user, std::int32_t id) {
    return (std::uint64_t{user} << 32) | static_cast<std::uint32_t>(id);
  }

  std::unordered_map<std::int32_t, std::vector<const rights::TFIAssignment*>> fLinks;
  std::unordered_map<std::uint64_t, std::vector<const rights::TFIAssignedRight*>> fRights;
  const std::vector<const rights::TFIAssignment*> fNoLinks;
  const std::vector<const rights::TFIAssignedRight*> fNoRights;
};

// The user's own rights, then depth first along the assignments in list
// order: groups, and equivalent users with their own assignments. Every user
// is visited once, as in the evaluation, so cycles end.
std::vector<RightSource> CollectSources(const ListsByHolder& lists, std::int32_t userID) {
  std::vector<RightSource> sources{{SourceKind::Own, userID, {userID}, {}}};
  std::unordered_set<std::int32_t> visited{userID};
  struct Frame {
    std::int32_t userID;
    std::size_t nextLink;
  };
  std::vector<Frame> stack{{userID, 0}};
  std::vector<std::int32_t> path{userID};
  while (!stack.empty()) {
    const auto& links = lists.LinksOf(stack.back().userID);
    if (stack.back().nextLink == links.size()) {
      stack.pop_back();
      path.pop_back();
      continue;
    }
    const rights::TFIAssignment& link = *links[stack.back().nextLink++];
    if (link.ToGroupID > 0) sources.push_back({SourceKind::Group, link.ToGroupID, path, {}});
    if (link.ToUserID > 0 && visited.insert(link.ToUserID).second) {
      path.push_back(link.ToUserID);
      sources.push_back({SourceKind::EquivalentUser, link.ToUserID, path, {}});
      stack.push_back({link.ToUserID, 0});
    }
  }
  return sources;
}

// The letters of every module right any source holds, for any client.
rights::TModulesStr ModuleFilter(const ListsByHolder& lists, const std::vector<RightSource>& sources) {
  rights::TModulesStr filter = rights::EmptyModulesStr();
  for (const RightSource& source : sources)
    for (const rights::TFIAssignedRight* right : lists.RightsOf(source))
      if (rights::ModuleRightRange.Contains(right->Right_ID))
        rights::SetModuleLetter(rights::ModuleLetter(right->Right_ID), filter, false);
  return filter;
}

}  // namespace

RightExplanation ExplainRight(const rights::TRechteDatei& file, std::int32_t userID, std::int32_t rightID,
                              std::uint8_t client) {
  const ListsByHolder lists(file);
  RightExplanation explanation{userID, rightID, client, KindOf(rightID), {}, CollectSources(lists, userID),
                               false,  false};
  explanation.moduleFilter = ModuleFilter(lists, explanation.sources);
  const std::uint16_t filterMask = rights::ModuleMask(explanation.moduleFilter);
  for (RightSource& source : explanation.sources)
    for (const rights::TFIAssignedRight* right : lists.RightsOf(source)) {
      if (right->Right_ID != rightID || right->Mandant != client) continue;
      const bool passes =
          explanation.kind != RightKind::Catalog || (rights::ModuleMask(right->Modules) & filterMask) != 0;
      source.records.push_back({right->ID, right->Modules, passes});
    }
  explanation.inEvaluatedList =
      explanation.kind != RightKind::NotEvaluated &&
      std::any_of(explanation.sources.begin(), explanation.sources.end(), [](const RightSource& source) {
        return std::any_of(source.records.begin(), source.records.end(),
                           [](const SourceRecord& record) { return record.passesModuleFilter; });
      });
  explanation.canDo = userID == kAdministratorID || explanation.inEvaluatedList;
  return explanation;
}

}  // namespace qxr
