#include "user_rights_interface.h"

#include <cstring>

#include "entry.h"

namespace {

rights::TUserRightsList& List(IUserRightsList* self) {
  return static_cast<query::TIUserRightsList*>(self)->List;
}

bool SameGuid(const RQ_GUID* a, const RQ_GUID& b) {
  return a != nullptr && std::memcmp(a, &b, sizeof b) == 0;
}

RQ_UNKNOWN_METHOD std::int32_t AddRef(IUserRightsList* self) {
  return ++static_cast<query::TIUserRightsList*>(self)->FRefCount;
}

RQ_UNKNOWN_METHOD std::int32_t Release(IUserRightsList* self) {
  auto* list = static_cast<query::TIUserRightsList*>(self);
  const std::int32_t count = --list->FRefCount;
  if (count == 0) delete list;
  return count;
}

RQ_UNKNOWN_METHOD std::int32_t QueryInterface(IUserRightsList* self, const RQ_GUID* iid, void** obj) {
  if (obj == nullptr) return RQ_E_POINTER;
  if (!SameGuid(iid, IID_IUserRightsList)) {
    *obj = nullptr;
    return RQ_E_NOINTERFACE;
  }
  AddRef(self);
  *obj = self;
  return RQ_S_OK;
}

}  // namespace

extern "C" {


bool rq_IUserRightsList_CanDo(IUserRightsList* self, std::uint8_t Mandant, std::int32_t RightID) {
  return List(self).CanDo(Mandant, RightID);
}
bool rq_IUserRightsList_GetActive(IUserRightsList* self) { return List(self).Active; }
bool rq_IUserRightsList_GetNWUser(IUserRightsList* self) { return List(self).NWUser; }
double rq_IUserRightsList_GetTimeStamp(IUserRightsList* self) { return List(self).TimeStamp; }
std::int32_t rq_IUserRightsList_GetUserID(IUserRightsList* self) { return List(self).UserID; }
std::int32_t rq_IUserRightsList_GetVersion(IUserRightsList* self) { return List(self).Version; }
void rq_IUserRightsList_MandSetOfModule(IUserRightsList* self, std::uint8_t Modul,
                                                  std::uint8_t* result32) {
  if (result32 == nullptr) return;
  const auto set = List(self).MandSetOfModule(static_cast<rights::TRightsPrgModules>(Modul));
  std::memcpy(result32, set.Bytes.data(), set.Bytes.size());
}
void rq_IUserRightsList_SetNWUser(IUserRightsList* self, bool Value) { List(self).NWUser = Value; }
void rq_IUserRightsList_SetUserID(IUserRightsList* self, std::int32_t Value) {
  List(self).UserID = Value;
}

}  // extern "C"

RQ_DECLARE_THUNK(IUserRightsList_CanDo);
RQ_DECLARE_THUNK(IUserRightsList_GetActive);
RQ_DECLARE_THUNK(IUserRightsList_GetNWUser);
RQ_DECLARE_THUNK(IUserRightsList_GetTimeStamp);
RQ_DECLARE_THUNK(IUserRightsList_GetUserID);
RQ_DECLARE_THUNK(IUserRightsList_GetVersion);
RQ_DECLARE_THUNK(IUserRightsList_MandSetOfModule);
RQ_DECLARE_THUNK(IUserRightsList_SetNWUser);
RQ_DECLARE_THUNK(IUserRightsList_SetUserID);

namespace {

using Vtbl = IUserRightsListVtbl;

const Vtbl kUserRightsListVtbl = {
    &QueryInterface,
    &AddRef,
    &Release,
    RQ_METHOD_SLOT(decltype(Vtbl::CanDo), IUserRightsList_CanDo),
    RQ_METHOD_SLOT(decltype(Vtbl::GetActive), IUserRightsList_GetActive),
    RQ_METHOD_SLOT(decltype(Vtbl::GetNWUser), IUserRightsList_GetNWUser),
    RQ_METHOD_SLOT(decltype(Vtbl::GetTimeStamp), IUserRightsList_GetTimeStamp),
    RQ_METHOD_SLOT(decltype(Vtbl::GetUserID), IUserRightsList_GetUserID),
    RQ_METHOD_SLOT(decltype(Vtbl::GetVersion), IUserRightsList_GetVersion),
    RQ_METHOD_SLOT(decltype(Vtbl::MandSetOfModule), IUserRightsList_MandSetOfModule),
    RQ_METHOD_SLOT(decltype(Vtbl::SetNWUser), IUserRightsList_SetNWUser),
    RQ_METHOD_SLOT(decltype(Vtbl::SetUserID), IUserRightsList_SetUserID),
};

}  // namespace

namespace query {

TIUserRightsList::TIUserRightsList() : IUserRightsList{&kUserRightsListVtbl} {}

TIUserRightsList* TIUserRightsList::From(IUserRightsList* list) {
  if (list == nullptr || list->lpVtbl != &kUserRightsListVtbl) return nullptr;
  return static_cast<TIUserRightsList*>(list);
}

TIUserRightsList* NewUserRightsList() {
  auto* list = new TIUserRightsList();
  list->FRefCount = 1;
  return list;
}

}  // namespace query
