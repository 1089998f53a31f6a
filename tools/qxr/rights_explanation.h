#pragma once
// Why a user has or lacks one right for one client: every source the
// evaluation draws on (own rights, groups, equivalent users), each once with
// its shortest way from the user, the records each holds, and the module
// filter's verdict on each. The sources come from the evaluation itself
// (TraceUserRightList), so the story is the one the suite's programs get.
#include <cstdint>
#include <vector>

#include "rights/rechte_datei.h"

namespace qxr {

enum class SourceKind { Own, Group, EquivalentUser };

// Which evaluation pass takes a right number, and whether the filter applies.
enum class RightKind { NotEvaluated, Module, WithoutModule, Catalog };

struct SourceRecord {
  std::int32_t recordID;
  rights::TModulesStr modules;
  bool passesModuleFilter;
};

// Ways longer than this show their first and last users only, so that long
// chains of equivalences keep the explanation small.
constexpr std::size_t kViaShownAtEachEnd = 6;

struct RightSource {
  SourceKind kind;
  std::int32_t holderID;  // a user, or a group for SourceKind::Group
  // The shortest way of users from the asked one to the one holding or joining;
  // past 2 * kViaShownAtEachEnd users, its first and last kViaShownAtEachEnd.
  std::vector<std::int32_t> via;
  std::size_t viaOmitted = 0;         // users of the way left out between them
  std::vector<SourceRecord> records;  // the holder's records of the right for the client
  bool granted = false;               // the evaluated list took the right from this source
};

struct RightExplanation {
  std::int32_t userID;
  std::int32_t rightID;
  std::uint8_t client;
  RightKind kind;
  rights::TModulesStr moduleFilter;  // modules the user holds for any client
  std::vector<RightSource> sources;  // own first, then as the evaluation reaches them
  bool inEvaluatedList;              // the evaluated list holds (client, right)
  bool canDo;                        // what CanDo answers: the administrator may do everything
};

RightExplanation ExplainRight(const rights::TRechteDatei& file, std::int32_t userID, std::int32_t rightID,
                              std::uint8_t client);

}  // namespace qxr
