#pragma once
// Why a user has or lacks one right for one client: every source the
// evaluation draws on (own rights, groups, equivalent users along their
// chain), the records each holds, and the module filter's verdict on each.
// Built from the lists of the rights file, walking them as the evaluation
// does, so that it can be checked against GetUserRightList.
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

struct RightSource {
  SourceKind kind;
  std::int32_t holderID;              // a user, or a group for SourceKind::Group
  std::vector<std::int32_t> via;      // users from the asked one to the one holding or joining
  std::vector<SourceRecord> records;  // the holder's records of the right for the client
};

struct RightExplanation {
  std::int32_t userID;
  std::int32_t rightID;
  std::uint8_t client;
  RightKind kind;
  rights::TModulesStr moduleFilter;  // modules the user holds for any client
  std::vector<RightSource> sources;  // own first, then in the order of the assignments
  bool inEvaluatedList;              // the evaluated list holds (client, right)
  bool canDo;                        // what CanDo answers: the administrator may do everything
};

RightExplanation ExplainRight(const rights::TRechteDatei& file, std::int32_t userID, std::int32_t rightID,
                              std::uint8_t client);

}  // namespace qxr
