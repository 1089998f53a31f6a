#include "right_user.h"

#include <algorithm>
#include <cstring>

#include "caller_text.h"
#include "entry.h"

namespace {

query::TRightUser& Self(IRightUser* self) { return *static_cast<query::TRightUser*>(self); }

RQ_UNKNOWN_METHOD std::int32_t QueryInterface(IRightUser*, const RQ_GUID*, void** obj) {
  if (obj != nullptr) *obj = nullptr;
  return RQ_E_NOINTERFACE;
}

RQ_UNKNOWN_METHOD std::int32_t NoReferenceCount(IRightUser*) { return -1; }

}  // namespace

extern "C" {

std::int32_t rq_IRightUser_GetID(IRightUser* self) {
  return Self(self).Record.ID;
}

void rq_IRightUser_GetBez(IRightUser* self, unsigned char* S) {
  if (S == nullptr) return;
  char text[256];
  const std::size_t n = query::CopyToBuffer(query::ToCaller(Self(self).Record.Bez), text, sizeof text);
  S[0] = static_cast<unsigned char>(n);
  std::memcpy(S + 1, text, n);
}

}  // extern "C"

RQ_DECLARE_THUNK(IRightUser_GetID);
RQ_DECLARE_THUNK(IRightUser_GetBez);

namespace {

const IRightUserVtbl kRightUserVtbl = {
    &QueryInterface,
    &NoReferenceCount,
    &NoReferenceCount,
    RQ_METHOD_SLOT(decltype(IRightUserVtbl::GetID), IRightUser_GetID),
    RQ_METHOD_SLOT(decltype(IRightUserVtbl::GetBez), IRightUser_GetBez),
};

}  // namespace

namespace query {

TRightUser::TRightUser(const rights::TFIUser& record) : IRightUser{&kRightUserVtbl}, Record(record) {}

}  // namespace query
