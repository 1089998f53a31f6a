#pragma once
// The four lists of the rights file and their maintenance operations.
#include <cstdint>
#include <string>
#include <vector>

#include "record_list.h"
#include "update_list.h"

namespace rights {

using IntList = std::vector<std::int32_t>;

class TUserList : public TFIRList<TFIUser> {
 public:
  TUserList() : TFIRList(lcUsers) {}

  // ID of the first user whose login equals aLogin without regard to case;
  // -1 for a login that is empty once trimmed, or when nobody has it.
  std::int32_t GetIDbyLoginName(const std::string& aLogin) const;
};

class TGroupList : public TFIRList<TFIGroup> {
 public:
  TGroupList() : TFIRList(lcGroups) {}
};

class TAssgnList : public TFIRList<TFIAssignment> {
 public:
  TAssgnList() : TFIRList(lcAssignments) {}

  void AddUs2Grp(std::int32_t uid, std::int32_t toGrID);
  void AddUsEqui(std::int32_t uid, std::int32_t toUsID);
  // Remove only the last matching record.
  void DeleteUsFromGrp(std::int32_t uid, std::int32_t toGrID);
  void DeleteUsEqui(std::int32_t uid, std::int32_t toUsID);
  // Every assignment of the user, and every equivalence to it.
  void DeleteUser(std::int32_t id);
  void DeleteGroup(std::int32_t id);
  // Replaces the members of a group.
  void UpdateGroup(std::int32_t id, const IntList& usList);

  IntList GroupIDsFromUser(std::int32_t userID) const;
  IntList UserIDsFromGroup(std::int32_t groupID) const;
  IntList UserIDsFromUser(std::int32_t userID) const;
  bool UserInGroup(std::int32_t uid, std::int32_t gid) const;

 private:
  void Append(std::int32_t uid, std::int32_t toUserID, std::int32_t toGroupID);
};

class TAssgnRightList : public TFIRList<TFIAssignedRight> {
 public:
  TAssgnRightList() : TFIRList(lcAssignedRights) {}

  using TFIRList::Store;

  void AddUsGrRight(bool user, std::int32_t id, std::int32_t rightID, const TModulesStr& modules,
                    std::uint8_t mandant, bool allow);
  void DeleteUser(std::int32_t id);
  void DeleteGroup(std::int32_t id);
  // Indexes (not records) of the rights of user id.
  IntList GetUsEntries(std::int32_t id) const;
  // Copies every right of user qUserID to user zUserID.
  void CopyUsRights(std::int32_t qUserID, std::int32_t zUserID);
  // Catalog rights of a holder for a client (255: any client).
  IntList RightIDsFromUsGr(bool user, std::int32_t id, std::uint8_t mandant) const;
  // Rights of a holder in a range, client 0 only.
  IntList SpecRightIDsFromUsGr(TRRange range, bool user, std::int32_t id) const;
  TModulesStr ModulesFromUsGr(bool user, std::int32_t id, std::uint8_t mandant) const;
  void UpdateUsGrModules(bool user, std::int32_t usGrID, std::uint8_t mandant, const TModulesStr& modules);
  void UpdateSpecRights(TRRange range, bool user, std::int32_t usGrID, std::uint8_t mandant,
                        const TUpdList* updList);
  void UpdateRights(bool user, std::int32_t usGrID, std::uint8_t mandant, const TUpdList* updList);
  // A block holding only the rights of one client (255: all).
  void Store(ByteWriter& writer, std::uint8_t mandant) const;
};

}  // namespace rights
