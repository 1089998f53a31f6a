// Rights evaluation: a user's effective rights from its own assigned rights,
// those of its groups and those of the users it is equivalent to.
#include <stdexcept>
#include <unordered_set>
#include <vector>

#include "rechte_datei.h"

namespace rights {

namespace {

enum class TRightsPass { Modules, Rights };

// Rights 10..999 belong to no module and pass the module filter unconditionally.
constexpr std::int32_t LastRightWithoutModule = FirstCatalogRight - 1;

bool SelectedByClient(const TRightsIndex::HeldRight& right, std::uint8_t mandant) {
  return mandant == AnyMandant || right.Mandant == mandant;
}

// Walks one pass over the rights a user inherits: for every assignment in list
// order, a group's rights, or an equivalent user's inherited and then own
// rights. Every user is visited at most once, so cycles of equivalences end
// the walk; an explicit stack keeps long chains off the call stack.
template <class Sink>
class TInheritedWalk {
 public:
  TInheritedWalk(const TRightsIndex& index, TRightsPass pass, std::uint8_t mandant, Sink& sink)
      : fIndex(index), fPass(pass), fMandant(mandant), fSink(sink) {}

  void CollectInherited(std::int32_t userID) {
    fVisited.insert(userID);
    fStack.push_back({userID, 0});
    while (!fStack.empty()) {
      const auto links = fIndex.LinksOf(fStack.back().UserID);
      if (fStack.back().NextLink == links.size()) {
        Finish();
        continue;
      }
      const TRightsIndex::Link link = links[fStack.back().NextLink++];
      if (link.ToGroupID > 0) CollectRights(false, link.ToGroupID);
      if (link.ToUserID > 0 && fVisited.insert(link.ToUserID).second)
        fStack.push_back({link.ToUserID, 0});
    }
  }

  void CollectRights(bool user, std::int32_t id) {
    const TRightsIndex::Holding* holding = fIndex.HoldingOf(user, id);
    if (holding == nullptr) return;
    const auto& rights = fPass == TRightsPass::Modules ? holding->ModuleRights : holding->OtherRights;
    for (const TRightsIndex::HeldRight& right : rights)
      if (SelectedByClient(right, fMandant)) fSink(right);
  }

 private:
  struct Frame {
    std::int32_t UserID;
    std::size_t NextLink;
  };

  // An equivalent user's own rights follow its inherited ones; the walk's
  // starting user is left to the caller.
  void Finish() {
    const std::int32_t userID = fStack.back().UserID;
    fStack.pop_back();
    if (!fStack.empty()) CollectRights(true, userID);
  }

  const TRightsIndex& fIndex;
  TRightsPass fPass;
  std::uint8_t fMandant;
  Sink& fSink;
  std::unordered_set<std::int32_t> fVisited;
  std::vector<Frame> fStack;
};

// Offers every collected right to the evaluated list, applying the module
// filter in the rights pass.
class TEntryCollector {
 public:
  explicit TEntryCollector(TUserRightsList& list) : fList(list) {}

  void FilterBy(const TModulesStr& modules) {
    fFiltered = true;
    fListModules = ModuleMask(modules);
  }

  void operator()(const TRightsIndex::HeldRight& right) {
    if (PassesFilter(right)) fList.AddEntrie(TURListEntrie(right.Mandant, right.RightID));
  }

 private:
  bool PassesFilter(const TRightsIndex::HeldRight& right) const {
    return !fFiltered || right.RightID <= LastRightWithoutModule || (right.ModuleMask & fListModules) != 0;
  }

  TUserRightsList& fList;
  bool fFiltered = false;  // off in the module pass
  std::uint16_t fListModules = 0;
};

void CollectPass(const TRightsIndex& index, std::int32_t uid, TRightsPass pass, std::uint8_t mandant,
                 TEntryCollector& collector) {
  TInheritedWalk walk(index, pass, mandant, collector);
  walk.CollectInherited(uid);
  walk.CollectRights(true, uid);
}

}  // namespace

const TRightsIndex& TRechteDatei::RightsIndex() const {
  if (!fRightsIndex || !fRightsIndex->IsCurrent(fAssgnList, fAssRightList))
    fRightsIndex = std::make_unique<TRightsIndex>(fAssgnList, fAssRightList);
  return *fRightsIndex;
}

void TRechteDatei::GetUserRightList(std::int32_t UID, TUserRightsList& RList, bool GrantOnly, bool Filter,
                                    std::uint8_t Mandant) const {
  if (GrantOnly)
    throw std::invalid_argument(
        "GetUserRightList: GrantOnly wird nicht unterstützt; die geerbten Rechte liefert "
        "GetGrantedRightsList.");
  const TRightsIndex& index = RightsIndex();
  RList.UserID = UID;
  TEntryCollector collector(RList);
  // All module rights come first, so the module filter is complete before the
  // rights pass applies it.
  CollectPass(index, UID, TRightsPass::Modules, Mandant, collector);
  if (Filter) {
    RList.SetModuleFilter();
    collector.FilterBy(RList.Modules);
  }
  CollectPass(index, UID, TRightsPass::Rights, Mandant, collector);
}

void TRechteDatei::GetGrantedRightsList(std::int32_t UID, IntList& RList, std::uint8_t Mandant) const {
  const TRightsIndex& index = RightsIndex();
  auto append = [&RList](const TRightsIndex::HeldRight& right) { RList.push_back(right.RightID); };
  for (const TRightsPass pass : {TRightsPass::Modules, TRightsPass::Rights}) {
    TInheritedWalk walk(index, pass, Mandant, append);
    walk.CollectInherited(UID);
  }
}

}  // namespace rights
