// Rights evaluation: a user's effective rights from its own assigned rights,
// those of its groups and those of the users it is equivalent to.
#include <stdexcept>
#include <unordered_set>
#include <vector>

#include "evaluation_trace.h"
#include "rechte_datei.h"

namespace rights {

namespace {

enum class TRightsPass { Modules, Rights };

bool SelectedByClient(const TRightsIndex::HeldRight& right, std::uint8_t mandant) {
  return mandant == AnyMandant || right.Mandant == mandant;
}

// Walks one pass over the rights a user inherits: for every assignment in list
// order, a group's rights, or an equivalent user's inherited and then own
// rights. Every user is visited at most once, so cycles of equivalences end
// the walk; an explicit stack keeps long chains off the call stack. The sink
// hears of every source reached and is offered that source's rights.
template <class Sink>
class TInheritedWalk {
 public:
  TInheritedWalk(const TRightsIndex& index, TRightsPass pass, std::uint8_t mandant, Sink& sink)
      : fIndex(index), fPass(pass), fMandant(mandant), fSink(sink) {}

  void CollectInherited(std::int32_t userID) {
    fVisited.insert(userID);
    fStack.push_back({userID, userID, 0});
    while (!fStack.empty()) {
      const std::int32_t current = fStack.back().UserID;
      const auto links = fIndex.LinksOf(current);
      if (fStack.back().NextLink == links.size()) {
        Finish();
        continue;
      }
      const TRightsIndex::Link link = links[fStack.back().NextLink++];
      if (link.ToGroupID > 0) {
        const TRightSource group{TSourceKind::Group, link.ToGroupID, current};
        fSink.Reached(group);
        CollectRights(group);
      }
      if (link.ToUserID > 0 && fVisited.insert(link.ToUserID).second) {
        fSink.Reached({TSourceKind::EquivalentUser, link.ToUserID, current});
        fStack.push_back({link.ToUserID, current, 0});
      }
    }
  }

  void CollectRights(const TRightSource& source) {
    const TRightsIndex::Holding* holding = fIndex.HoldingOf(source.Kind != TSourceKind::Group, source.HolderID);
    if (holding == nullptr) return;
    const auto& rights = fPass == TRightsPass::Modules ? holding->ModuleRights : holding->OtherRights;
    for (const TRightsIndex::HeldRight& right : rights)
      if (SelectedByClient(right, fMandant)) fSink.Offer(source, right);
  }

 private:
  struct Frame {
    std::int32_t UserID;
    std::int32_t ViaUserID;
    std::size_t NextLink;
  };

  // An equivalent user's own rights follow its inherited ones; the walk's
  // starting user is left to the caller.
  void Finish() {
    const Frame done = fStack.back();
    fStack.pop_back();
    if (!fStack.empty()) CollectRights({TSourceKind::EquivalentUser, done.UserID, done.ViaUserID});
  }

  const TRightsIndex& fIndex;
  TRightsPass fPass;
  std::uint8_t fMandant;
  Sink& fSink;
  std::unordered_set<std::int32_t> fVisited;
  std::vector<Frame> fStack;
};

// The evaluation without a trace: every call compiles to nothing.
struct TNoTrace {
  void Source(const TRightSource&) {}
  void Granted(const TRightSource&, std::uint8_t, std::int32_t) {}
};

// Offers every collected right to the evaluated list, applying the module
// filter in the rights pass, and tells the trace what it took from where.
template <class Trace>
class TEntryCollector {
 public:
  TEntryCollector(TUserRightsList& list, Trace& trace) : fList(list), fTrace(trace) {}

  void FilterBy(const TModulesStr& modules) {
    fFiltered = true;
    fListModules = ModuleMask(modules);
  }
  void TellSources(bool tell) { fTellSources = tell; }

  void Reached(const TRightSource& source) {
    if (fTellSources) fTrace.Source(source);
  }

  void Offer(const TRightSource& source, const TRightsIndex::HeldRight& right) {
    if (fFiltered && !PassesModuleFilter(right.RightID, right.ModuleMask, fListModules)) return;
    if (fList.AddEntrie(TURListEntrie(right.Mandant, right.RightID))) fTrace.Granted(source, right.Mandant, right.RightID);
  }

 private:
  TUserRightsList& fList;
  Trace& fTrace;
  bool fFiltered = false;  // off in the module pass
  bool fTellSources = true;
  std::uint16_t fListModules = 0;
};

template <class Sink>
void CollectPass(const TRightsIndex& index, std::int32_t uid, TRightsPass pass, std::uint8_t mandant, Sink& sink) {
  const TRightSource own{TSourceKind::Own, uid, uid};
  sink.Reached(own);
  TInheritedWalk walk(index, pass, mandant, sink);
  walk.CollectInherited(uid);
  walk.CollectRights(own);
}

template <class Trace>
void Evaluate(const TRightsIndex& index, std::int32_t uid, TUserRightsList& list, bool filter, std::uint8_t mandant,
              Trace& trace) {
  list.UserID = uid;
  TEntryCollector collector(list, trace);
  // All module rights come first, so the module filter is complete before the
  // rights pass applies it. Both passes reach the same sources: tell them once.
  CollectPass(index, uid, TRightsPass::Modules, mandant, collector);
  collector.TellSources(false);
  if (filter) {
    list.SetModuleFilter();
    collector.FilterBy(list.Modules);
  }
  CollectPass(index, uid, TRightsPass::Rights, mandant, collector);
}

// GetGrantedRightsList's sink: every inherited right, once per source.
struct TRightNumbers {
  IntList& Numbers;
  void Reached(const TRightSource&) {}
  void Offer(const TRightSource&, const TRightsIndex::HeldRight& right) { Numbers.push_back(right.RightID); }
};

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
  TNoTrace none;
  Evaluate(RightsIndex(), UID, RList, Filter, Mandant, none);
}

void TRechteDatei::TraceUserRightList(std::int32_t UID, TUserRightsList& RList, bool Filter, std::uint8_t Mandant,
                                      TEvaluationTrace& trace) const {
  Evaluate(RightsIndex(), UID, RList, Filter, Mandant, trace);
}

void TRechteDatei::GetGrantedRightsList(std::int32_t UID, IntList& RList, std::uint8_t Mandant) const {
  const TRightsIndex& index = RightsIndex();
  TRightNumbers numbers{RList};
  for (const TRightsPass pass : {TRightsPass::Modules, TRightsPass::Rights}) {
    TInheritedWalk walk(index, pass, Mandant, numbers);
    walk.CollectInherited(UID);
  }
}

}  // namespace rights
