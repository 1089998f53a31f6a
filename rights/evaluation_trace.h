#pragma once
// What the rights evaluation draws on: every source it visits and, for every
// entry of the evaluated list, the source that granted it. The evaluation
// runs without a trace at no cost; explanations and reports pass one.
#include <cstdint>

#include "records.h"

namespace rights {

enum class TSourceKind { Own, Group, EquivalentUser };

struct TRightSource {
  TSourceKind Kind;
  std::int32_t HolderID;   // a user, or a group for TSourceKind::Group
  std::int32_t ViaUserID;  // the user whose assignment leads here; the user asked for its own rights
  bool operator==(const TRightSource&) const = default;
};

class TEvaluationTrace {
 public:
  virtual ~TEvaluationTrace() = default;
  // A source reached by the walk, in the order the walk reaches it (the user's
  // own rights first); a group reached through several users once per user.
  virtual void Source(const TRightSource& source) { (void)source; }
  // An entry the evaluated list took: the first source offering (client,
  // right) wins, as in the list.
  virtual void Granted(const TRightSource& source, std::uint8_t mandant, std::int32_t rightID) {
    (void)source, (void)mandant, (void)rightID;
  }
};

// Rights 10..999 belong to no module and pass the module filter unconditionally.
constexpr std::int32_t LastRightWithoutModule = FirstCatalogRight - 1;

// The module filter of the evaluation: catalog rights count only when their
// module mask shares a module with the user's modules.
inline bool PassesModuleFilter(std::int32_t rightID, std::uint16_t rightModules, std::uint16_t userModules) {
  return rightID <= LastRightWithoutModule || (rightModules & userModules) != 0;
}

}  // namespace rights
