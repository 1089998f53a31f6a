#pragma once
// Rights evaluation as plainly as the rules read: every holder's rights are
// found by scanning the whole assigned-right list and every user's assignments
// by scanning the whole assignment list. Slow on purpose; the fast evaluation
// must give the same entries in the same order.
#include <cstdint>
#include <functional>
#include <limits>
#include <unordered_set>

#include "rights/rechte_datei.h"

namespace reference {

using rights::TFIAssignedRight;

class Walk {
 public:
  using Take = std::function<void(const TFIAssignedRight&)>;

  Walk(const rights::TRechteDatei& file, bool modulePass, std::uint8_t mandant, Take take)
      : fFile(file), fModulePass(modulePass), fMandant(mandant), fTake(std::move(take)) {}

  void CollectRights(bool user, std::int32_t id) {
    const auto range = fModulePass ? rights::MakeRange(1, 9)
                                   : rights::MakeRange(10, std::numeric_limits<std::int32_t>::max());
    for (const auto& r : fFile.AssRightList())
      if (r->PassSpec(range, user, id, fMandant)) fTake(*r);
  }

  // Every user at most once per pass.
  void CollectInherited(std::int32_t userID) {
    fVisited.insert(userID);
    for (const auto& a : fFile.AssgnList()) {
      if (a->User_ID != userID) continue;
      if (a->ToGroupID > 0) CollectRights(false, a->ToGroupID);
      if (a->ToUserID > 0 && fVisited.insert(a->ToUserID).second) {
        CollectInherited(a->ToUserID);
        CollectRights(true, a->ToUserID);
      }
    }
  }

 private:
  const rights::TRechteDatei& fFile;
  bool fModulePass;
  std::uint8_t fMandant;
  Take fTake;
  std::unordered_set<std::int32_t> fVisited;
};

// Some position holds a module letter in both strings.
inline bool ShareModule(const rights::TModulesStr& a, const rights::TModulesStr& b) {
  for (std::size_t k = 0; k < 9 && k < a.size() && k < b.size(); ++k)
    if (a[k] != ' ' && a[k] == b[k] && a[k] == rights::ModuleLetters[k]) return true;
  return false;
}

inline void GetUserRightList(const rights::TRechteDatei& file, std::int32_t uid, rights::TUserRightsList& list,
                             bool filter, std::uint8_t mandant) {
  list.UserID = uid;
  bool filtering = false;
  auto take = [&](const TFIAssignedRight& r) {
    const bool enters = !filtering || r.Right_ID < 1000 || ShareModule(r.Modules, list.Modules);
    if (enters) list.AddEntrie(rights::TURListEntrie(r.Mandant, r.Right_ID));
  };
  Walk modules(file, true, mandant, take);
  modules.CollectInherited(uid);
  modules.CollectRights(true, uid);
  if (filter) list.SetModuleFilter();
  filtering = filter;
  Walk others(file, false, mandant, take);
  others.CollectInherited(uid);
  others.CollectRights(true, uid);
}

inline void GetGrantedRightsList(const rights::TRechteDatei& file, std::int32_t uid, rights::IntList& list,
                                 std::uint8_t mandant) {
  auto take = [&](const TFIAssignedRight& r) { list.push_back(r.Right_ID); };
  Walk(file, true, mandant, take).CollectInherited(uid);
  Walk(file, false, mandant, take).CollectInherited(uid);
}

}  // namespace reference
