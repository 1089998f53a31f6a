#include "lists.h"

#include "codepage.h"

namespace rights {

namespace {

bool IsBlankOrControl(char c) { return static_cast<unsigned char>(c) <= ' '; }

bool IsEmptyOnceTrimmed(const std::string& s) {
  for (const char c : s)
    if (!IsBlankOrControl(c)) return false;
  return true;
}

}  // namespace

std::int32_t TUserList::GetIDbyLoginName(const std::string& aLogin) const {
  if (IsEmptyOnceTrimmed(aLogin)) return -1;
  for (const auto& user : fItems)
    if (SameTextIgnoringCase(user->Login, aLogin)) return user->ID;
  return -1;
}

void TAssgnList::Append(std::int32_t uid, std::int32_t toUserID, std::int32_t toGroupID) {
  auto item = std::make_unique<TFIAssignment>();
  item->User_ID = uid;
  item->ToUserID = toUserID;
  item->ToGroupID = toGroupID;
  AddItem(std::move(item));
}

void TAssgnList::AddUs2Grp(std::int32_t uid, std::int32_t toGrID) { Append(uid, 0, toGrID); }

void TAssgnList::AddUsEqui(std::int32_t uid, std::int32_t toUsID) { Append(uid, toUsID, 0); }

void TAssgnList::DeleteUsFromGrp(std::int32_t uid, std::int32_t toGrID) {
  RemoveLast([&](const TFIAssignment& a) { return a.User_ID == uid && a.ToGroupID == toGrID; });
}

void TAssgnList::DeleteUsEqui(std::int32_t uid, std::int32_t toUsID) {
  RemoveLast([&](const TFIAssignment& a) { return a.User_ID == uid && a.ToUserID == toUsID; });
}

void TAssgnList::DeleteUser(std::int32_t id) {
  RemoveIf([&](const TFIAssignment& a) { return a.User_ID == id || a.ToUserID == id; });
}

void TAssgnList::DeleteGroup(std::int32_t id) {
  RemoveIf([&](const TFIAssignment& a) { return a.ToGroupID == id; });
}

void TAssgnList::UpdateGroup(std::int32_t id, const IntList& usList) {
  RemoveIf([&](const TFIAssignment& a) { return a.ToGroupID == id && a.User_ID > 0; });
  for (const std::int32_t uid : usList) AddUs2Grp(uid, id);
}

IntList TAssgnList::GroupIDsFromUser(std::int32_t userID) const {
  IntList ids;
  for (const auto& a : fItems)
    if (a->User_ID == userID && a->ToGroupID > 0) ids.push_back(a->ToGroupID);
  return ids;
}

IntList TAssgnList::UserIDsFromGroup(std::int32_t groupID) const {
  IntList ids;
  for (const auto& a : fItems)
    if (a->ToGroupID == groupID && a->User_ID > 0) ids.push_back(a->User_ID);
  return ids;
}

IntList TAssgnList::UserIDsFromUser(std::int32_t userID) const {
  IntList ids;
  for (const auto& a : fItems)
    if (a->User_ID == userID && a->ToUserID > 0) ids.push_back(a->ToUserID);
  return ids;
}

bool TAssgnList::UserInGroup(std::int32_t uid, std::int32_t gid) const {
  for (const auto& a : fItems)
    if (a->ToGroupID == gid && a->User_ID == uid) return true;
  return false;
}

void TAssgnRightList::AddUsGrRight(bool user, std::int32_t id, std::int32_t rightID,
                                   const TModulesStr& modules, std::uint8_t mandant, bool allow) {
  auto item = std::make_unique<TFIAssignedRight>();
  item->User = user;
  item->USGR_ID = id;
  item->Right_ID = rightID;
  item->Modules = modules.substr(0, ModuleCount);
  item->Mandant = mandant;
  item->Allow = allow;
  AddItem(std::move(item));
}

void TAssgnRightList::DeleteUser(std::int32_t id) {
  RemoveIf([&](const TFIAssignedRight& r) { return r.User && r.USGR_ID == id; });
}

void TAssgnRightList::DeleteGroup(std::int32_t id) {
  RemoveIf([&](const TFIAssignedRight& r) { return !r.User && r.USGR_ID == id; });
}

IntList TAssgnRightList::GetUsEntries(std::int32_t id) const {
  IntList indexes;
  for (std::size_t i = 0; i < fItems.size(); ++i)
    if (fItems[i]->User && fItems[i]->USGR_ID == id) indexes.push_back(static_cast<std::int32_t>(i));
  return indexes;
}

void TAssgnRightList::CopyUsRights(std::int32_t qUserID, std::int32_t zUserID) {
  // Taken before copying, so copying a user onto itself does not run on.
  for (const std::int32_t index : GetUsEntries(qUserID)) {
    const TFIAssignedRight source = *fItems[index];
    AddUsGrRight(true, zUserID, source.Right_ID, source.Modules, source.Mandant, true);
  }
}

IntList TAssgnRightList::RightIDsFromUsGr(bool user, std::int32_t id, std::uint8_t mandant) const {
  IntList ids;
  for (const auto& r : fItems)
    if (r->PassRG(user, id, mandant)) ids.push_back(r->Right_ID);
  return ids;
}

IntList TAssgnRightList::SpecRightIDsFromUsGr(TRRange range, bool user, std::int32_t id) const {
  IntList ids;
  for (const auto& r : fItems)
    if (r->PassSpec(range, user, id, 0)) ids.push_back(r->Right_ID);
  return ids;
}

TModulesStr TAssgnRightList::ModulesFromUsGr(bool user, std::int32_t id, std::uint8_t mandant) const {
  TModulesStr modules = EmptyModulesStr();
  for (const auto& r : fItems)
    if (r->PassMO(user, id, mandant)) modules[r->Right_ID - 1] = ModuleLetter(r->Right_ID);
  return modules;
}

void TAssgnRightList::UpdateUsGrModules(bool user, std::int32_t usGrID, std::uint8_t mandant,
                                        const TModulesStr& modules) {
  RemoveIf([&](const TFIAssignedRight& r) { return r.PassMO(user, usGrID, mandant); });
  for (int k = 1; k <= ModuleCount; ++k)
    if (static_cast<std::size_t>(k) <= modules.size() && modules[k - 1] != ' ')
      AddUsGrRight(user, usGrID, k, EmptyModulesStr(), mandant, true);
}

void TAssgnRightList::UpdateSpecRights(TRRange range, bool user, std::int32_t usGrID,
                                       std::uint8_t mandant, const TUpdList* updList) {
  if (updList == nullptr) return;
  RemoveIf([&](const TFIAssignedRight& r) {
    return r.PassSpec(range, user, usGrID, mandant) && updList->MustUpdate(r.Right_ID);
  });
  for (const TUpdObj* entry : updList->InsertItems())
    AddUsGrRight(user, usGrID, entry->RightID, entry->Modules, mandant, true);
}

void TAssgnRightList::UpdateRights(bool user, std::int32_t usGrID, std::uint8_t mandant,
                                   const TUpdList* updList) {
  UpdateSpecRights(CatalogRightRange, user, usGrID, mandant, updList);
}

void TAssgnRightList::Store(ByteWriter& writer, std::uint8_t mandant) const {
  auto matches = [mandant](const TFIAssignedRight& r) {
    return mandant == AnyMandant || r.Mandant == mandant;
  };
  std::int32_t count = 0;
  for (const auto& r : fItems)
    if (matches(*r)) ++count;
  writer.WriteByte(FIRClassID);
  writer.WriteInt32(count);
  for (const auto& r : fItems)
    if (matches(*r)) r->Store(writer);
}

}  // namespace rights
