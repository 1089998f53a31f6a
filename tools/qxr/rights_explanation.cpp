#include "rights_explanation.h"

#include <algorithm>
#include <deque>
#include <map>
#include <unordered_map>

#include "rights/standard_users.h"

namespace qxr {

namespace {

RightKind KindOf(std::int32_t rightID) {
  if (rights::ModuleRightRange.Contains(rightID)) return RightKind::Module;
  if (rightID > rights::ModuleRightRange.Max && rightID <= rights::LastRightWithoutModule)
    return RightKind::WithoutModule;
  if (rightID >= rights::FirstCatalogRight) return RightKind::Catalog;
  return RightKind::NotEvaluated;
}

SourceKind KindOf(rights::TSourceKind kind) {
  switch (kind) {
    case rights::TSourceKind::Group:
      return SourceKind::Group;
    case rights::TSourceKind::EquivalentUser:
      return SourceKind::EquivalentUser;
    case rights::TSourceKind::Own:
      break;
  }
  return SourceKind::Own;
}

std::uint64_t HolderKey(bool user, std::int32_t id) {
  return (std::uint64_t{user} << 32) | static_cast<std::uint32_t>(id);
}

// What the evaluation reached: every source once, a group with every user
// through which it was reached; and which source granted the right asked for.
class SourceCollector : public rights::TEvaluationTrace {
 public:
  SourceCollector(std::int32_t rightID, std::uint8_t client) : fRightID(rightID), fClient(client) {}

  void Source(const rights::TRightSource& source) override {
    const std::uint64_t key = HolderKey(source.Kind != rights::TSourceKind::Group, source.HolderID);
    const auto [found, added] = fIndex.try_emplace(key, fSources.size());
    if (added) fSources.push_back({source, {}});
    fSources[found->second].viaUsers.push_back(source.ViaUserID);
  }

  void Granted(const rights::TRightSource& source, std::uint8_t mandant, std::int32_t rightID) override {
    if (mandant == fClient && rightID == fRightID) fGrantedBy = source;
  }

  struct Reached {
    rights::TRightSource source;
    std::vector<std::int32_t> viaUsers;
  };
  const std::vector<Reached>& Sources() const { return fSources; }
  const std::optional<rights::TRightSource>& GrantedBy() const { return fGrantedBy; }

 private:
  std::int32_t fRightID;
  std::uint8_t fClient;
  std::vector<Reached> fSources;
  std::unordered_map<std::uint64_t, std::size_t> fIndex;
  std::optional<rights::TRightSource> fGrantedBy;
};

// Shortest ways along the equivalences from one user, found breadth first.
// Each user keeps its predecessor and its ancestor kViaShownAtEachEnd steps
// from the start, so a way's two ends are found without walking it whole.
class ShortestWays {
 public:
  ShortestWays(const rights::TRechteDatei& file, std::int32_t from) {
    std::unordered_map<std::int32_t, std::vector<std::int32_t>> equivalences;
    for (const auto& assignment : file.AssgnList())
      if (assignment->ToUserID > 0) equivalences[assignment->User_ID].push_back(assignment->ToUserID);
    fNodes[from] = {from, 0, from};
    std::deque<std::int32_t> queue{from};
    while (!queue.empty()) {
      const std::int32_t user = queue.front();
      queue.pop_front();
      const Node node = fNodes[user];
      for (const std::int32_t next : equivalences[user]) {
        if (fNodes.contains(next)) continue;
        const std::size_t depth = node.depth + 1;
        fNodes[next] = {user, depth, depth <= kViaShownAtEachEnd ? next : node.headEnd};
        queue.push_back(next);
      }
    }
  }

  std::size_t Depth(std::int32_t user) const {
    const auto found = fNodes.find(user);
    return found == fNodes.end() ? SIZE_MAX : found->second.depth;
  }

  // The way to user, as RightSource keeps it.
  void FillVia(std::int32_t user, RightSource& source) const {
    const std::size_t length = Depth(user) + 1;
    if (length <= 2 * kViaShownAtEachEnd) {
      source.via = Upwards(user, length);
      return;
    }
    source.via = Upwards(fNodes.at(user).headEnd, kViaShownAtEachEnd + 1);
    const auto tail = Upwards(user, kViaShownAtEachEnd - 1);
    source.via.insert(source.via.end(), tail.begin(), tail.end());
    source.viaOmitted = length - source.via.size();
  }

 private:
  struct Node {
    std::int32_t previous;
    std::size_t depth;
    std::int32_t headEnd;  // the way's user kViaShownAtEachEnd steps from the start
  };

  // The last count users of the way to user, in order.
  std::vector<std::int32_t> Upwards(std::int32_t user, std::size_t count) const {
    std::vector<std::int32_t> way;
    for (std::int32_t at = user; way.size() < count; at = fNodes.at(at).previous) {
      way.push_back(at);
      if (fNodes.at(at).depth == 0) break;
    }
    std::reverse(way.begin(), way.end());
    return way;
  }

  std::unordered_map<std::int32_t, Node> fNodes;
};

// The user, among those through which a source was reached, nearest to the asked one.
std::int32_t NearestVia(const ShortestWays& ways, const std::vector<std::int32_t>& viaUsers) {
  return *std::min_element(viaUsers.begin(), viaUsers.end(),
                           [&](std::int32_t a, std::int32_t b) { return ways.Depth(a) < ways.Depth(b); });
}

// The records of the right for the client, by holder.
std::unordered_map<std::uint64_t, std::vector<const rights::TFIAssignedRight*>> RecordsOf(
    const rights::TRechteDatei& file, std::int32_t rightID, std::uint8_t client) {
  std::unordered_map<std::uint64_t, std::vector<const rights::TFIAssignedRight*>> records;
  for (const auto& right : file.AssRightList())
    if (right->Right_ID == rightID && right->Mandant == client)
      records[HolderKey(right->User, right->USGR_ID)].push_back(right.get());
  return records;
}

}  // namespace

RightExplanation ExplainRight(const rights::TRechteDatei& file, std::int32_t userID, std::int32_t rightID,
                              std::uint8_t client) {
  SourceCollector collector(rightID, client);
  rights::TUserRightsList evaluated;
  file.TraceUserRightList(userID, evaluated, true, rights::AnyMandant, collector);

  RightExplanation explanation{userID, rightID, client, KindOf(rightID), evaluated.Modules, {}, false, false};
  const ShortestWays ways(file, userID);
  const auto records = RecordsOf(file, rightID, client);
  const std::uint16_t filterMask = rights::ModuleMask(explanation.moduleFilter);
  for (const auto& reached : collector.Sources()) {
    const rights::TRightSource& traced = reached.source;
    RightSource source{KindOf(traced.Kind), traced.HolderID, {}, 0, {}, false};
    ways.FillVia(traced.Kind == rights::TSourceKind::Group ? NearestVia(ways, reached.viaUsers) : traced.HolderID,
                 source);
    const auto held = records.find(HolderKey(traced.Kind != rights::TSourceKind::Group, traced.HolderID));
    if (held != records.end())
      for (const rights::TFIAssignedRight* right : held->second)
        source.records.push_back(
            {right->ID, right->Modules,
             rights::PassesModuleFilter(rightID, rights::ModuleMask(right->Modules), filterMask)});
    const auto& grantedBy = collector.GrantedBy();
    source.granted = grantedBy && grantedBy->Kind == traced.Kind && grantedBy->HolderID == traced.HolderID;
    explanation.sources.push_back(std::move(source));
  }
  explanation.inEvaluatedList = explanation.kind != RightKind::NotEvaluated && collector.GrantedBy().has_value();
  explanation.canDo = evaluated.CanDo(client, rightID);
  return explanation;
}

}  // namespace qxr
