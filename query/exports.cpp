// The library's exports. Each takes the library lock and lets no exception
// cross the C boundary.
#include <cstring>

#include "caller_text.h"
#include "entry.h"
#include "library_state.h"
#include "network_user.h"
#include "query/rightsquery.h"
#include "rights/codepage.h"
#include "rights/errors.h"
#include "rights/file_io.h"
#include "rights/stored_text.h"
#include "user_rights_interface.h"

namespace {

using query::LibraryState;
using query::LoadResult;
using rights::TRechteDatei;

constexpr std::int32_t kCodeOk = 0;
constexpr std::int32_t kCodeWrongLogin = 1;
constexpr std::int32_t kCodeExpired = 2;
constexpr std::int32_t kCodeMissing = 3;
constexpr std::int32_t kCodeOtherFile = 4;
constexpr std::int32_t kCodeFailed = 5;
constexpr std::int32_t kCodeTooOld = 6;
constexpr std::int32_t kCodeWriteFailed = 7;
constexpr std::size_t kMaxPasswordChars = 255;

const char* const kNoRightsFile = "Das Rechteobjekt ist nicht mehr verfügbar.";
const char* const kReadFailed = "Fehler beim Lesen der Rechteinformationen.";
const char* const kNoList = "Die Rechteliste ist ungültig.";

LibraryState& State() { return LibraryState::Instance(); }

// Runs body under the library lock; any exception gives fallback.
template <class Result, class Body>
Result Guarded(Result fallback, Body body) noexcept {
  try {
    std::lock_guard lock(State().Lock());
    return body();
  } catch (...) {
    return fallback;
  }
}

template <class Body>
void Guarded(Body body) noexcept {
  Guarded(0, [&] {
    body();
    return 0;
  });
}

void SetCode(std::int32_t* target, std::int32_t code) {
  if (target != nullptr) *target = code;
}

std::int32_t CodeOf(LoadResult result) { return result == LoadResult::Missing ? kCodeMissing : kCodeFailed; }

// The version test of CheckVersion and QXRLogin: 4 wins over 6.
std::int32_t CompareVersion(const TRechteDatei& file, std::int32_t aVersion, double aTimeStamp) {
  std::int32_t code = kCodeOk;
  if (aVersion > 0 && file.RFHeader().Version < aVersion) code = kCodeTooOld;
  if (aTimeStamp > 0.0 && file.RFHeader().TimeStamp != aTimeStamp) code = kCodeOtherFile;
  return code;
}

void FillRights(rights::TUserRightsList& list, std::int32_t userID) {
  TRechteDatei* file = State().RightsFile();
  if (file != nullptr && userID > 0) file->GetUserRightList(userID, list, false, true, rights::AnyMandant);
}

query::TIUserRightsList* NewFilledList(std::int32_t userID) {
  auto* list = query::NewUserRightsList();
  try {
    FillRights(list->List, userID);
  } catch (...) {
    list->lpVtbl->Release(list);
    throw;
  }
  return list;
}

void HeaderInfo(const std::string& fileName, std::int32_t* aVersion, double* aTimeStamp) {
  State().LoadOnDemand(fileName, [&](TRechteDatei& file) {
    if (aVersion != nullptr) *aVersion = file.RFHeader().Version;
    if (aTimeStamp != nullptr) *aTimeStamp = file.RFHeader().TimeStamp;
  });
}

query::TRightUser* NetworkUser(const std::string& fileName) {
  query::TRightUser* result = nullptr;
  State().LoadOnDemand(fileName, [&](TRechteDatei& file) {
    if (const rights::TFIUser* user = query::FindNetworkUser(file, State().CurrentAccount()))
      result = State().HandOut(*user);
  });
  return result;
}

std::int32_t SignIn(TRechteDatei& file, const char* aLogin, const char* aPassword, std::int32_t* aUserID,
                    std::int32_t aNameLen, char* aNameBuf) {
  const std::int32_t id = file.UserLogin(query::FromCaller(aLogin), query::FromCaller(aPassword));
  SetCode(aUserID, id);
  if (id <= -1) return kCodeWrongLogin;
  const rights::TFIUser& user = *file.UserList().ItemByID(id);
  if (aNameBuf != nullptr) {
    const std::string name = aNameLen > 0 ? query::ToCaller(user.Bez) : std::string();
    query::CopyToBuffer(name, aNameBuf, static_cast<std::size_t>(std::max(aNameLen, 0)) + 1);
  }
  return user.PWExpired ? kCodeExpired : kCodeOk;
}

constexpr std::int32_t kNoCode = -1;  // an unknown user: ReplacePasswd sets no code

// The writers' protocol for one password: under the writers' lock the current
// file is read again when another program wrote it, the password is checked
// and changed there, and the file written. A failed write takes the change back.
std::int32_t ChangePassword(TRechteDatei& file, std::int32_t userID, const std::string& oldPW,
                            const std::string& newPW) {
  const std::int64_t ageBefore = file.Age();
  bool reread = false;
  std::int32_t code = kCodeOk;
  rights::TFIUser* changed = nullptr;
  rights::TFIUser previous;
  try {
    file.ApplyAndWrite([&](TRechteDatei& current) {
      reread = current.Age() != ageBefore;
      rights::TFIUser* user = current.UserList().ItemByID(userID);
      if (user == nullptr) {
        code = kNoCode;
        return false;
      }
      if (oldPW != user->Passwd) {
        code = kCodeWrongLogin;
        return false;
      }
      if (const auto problem = rights::StoredTextProblem("Passwort", newPW)) {
        State().SetLastError("Das neue Passwort wurde nicht gespeichert: " + *problem);
        code = kCodeWriteFailed;
        return false;
      }
      previous = *user;
      changed = user;
      user->Passwd = newPW;
      user->PWExpired = false;
      return true;
    });
  } catch (const rights::ERightsError& error) {
    if (changed != nullptr) {
      changed->Passwd = previous.Passwd;
      changed->PWExpired = previous.PWExpired;
    }
    State().SetLastError(error.what());
    code = kCodeWriteFailed;
  }
  if (reread) State().NoteReloaded();
  return code;
}

}  // namespace

extern "C" {

RQ_EXPORT void RQ_ENTRY(GetNetwareUserInt)(const char* aFileName, IRightUser** aUser) {
  Guarded([&] {
    if (aUser == nullptr) return;
    if (*aUser != nullptr) (*aUser)->lpVtbl->Release(*aUser);
    *aUser = nullptr;
    *aUser = NetworkUser(query::FromCaller(aFileName));
  });
}

RQ_EXPORT void RQ_ENTRY(GetUserRightsInt)(std::int32_t aUserID, const char* aFileName,
                                          IUserRightsList** aRights) {
  Guarded([&] {
    if (aRights == nullptr) return;
    auto* list = NewFilledList(aUserID);
    // Filled before the header is read, so with no file loaded the list stays
    // empty while Version and TimeStamp come from the file just loaded.
    HeaderInfo(query::FromCaller(aFileName), &list->List.Version, &list->List.TimeStamp);
    if (*aRights != nullptr) (*aRights)->lpVtbl->Release(*aRights);
    *aRights = list;
  });
}

RQ_EXPORT bool RQ_ENTRY(GetRightsActive)(const char* aFileName) {
  return Guarded(false, [&] {
    bool active = false;
    State().LoadOnDemand(query::FromCaller(aFileName),
                         [&](TRechteDatei& file) { active = file.RightsActive(); });
    return active;
  });
}

RQ_EXPORT void RQ_ENTRY(DisposeRightsFile)(void) {
  Guarded([] { State().DisposeRightsFile(); });
}

RQ_EXPORT void RQ_ENTRY(DisposeRightsList)(void) {}

RQ_EXPORT IRightUser* RQ_ENTRY(GetNetwareUser)(const char* aFileName) {
  return Guarded<IRightUser*>(nullptr, [&]() -> IRightUser* { return NetworkUser(query::FromCaller(aFileName)); });
}

RQ_EXPORT bool RQ_ENTRY(RefreshUSRights)(IUserRightsList* aList, std::int32_t aUserID) {
  return Guarded(false, [&] {
    State().SetLastError("");
    auto* list = query::TIUserRightsList::From(aList);
    if (list == nullptr) {
      State().SetLastError(kNoList);
      return false;
    }
    TRechteDatei* file = State().RightsFile();
    if (file == nullptr) {
      State().SetLastError(kNoRightsFile);
      return false;
    }
    if (rights::FileAge(file->FileName()) == file->Age() && !State().RefreshDue()) return false;
    try {
      // Read aside: a file that fails to load leaves the last good one in effect,
      // never a container of defaults ("rights checking off").
      auto fresh = std::make_unique<TRechteDatei>(file->FileName());
      if (!fresh->Read(true)) throw rights::EReadError();
      State().SetRightsFile(std::move(fresh));
      rights::TUserRightsList refilled = list->List;  // keeps Version, TimeStamp and the caller's fields
      refilled.Clear();
      FillRights(refilled, aUserID);
      list->List = std::move(refilled);
      return true;
    } catch (const std::exception&) {
      State().SetLastError(kReadFailed);
      return false;
    }
  });
}

RQ_EXPORT void RQ_ENTRY(GetHeaderInfo)(const char* aFileName, std::int32_t* aVersion, double* aTimeStamp) {
  Guarded([&] { HeaderInfo(query::FromCaller(aFileName), aVersion, aTimeStamp); });
}

RQ_EXPORT bool RQ_ENTRY(CheckVersion)(const char* aFileName, std::int32_t aVersion, std::int32_t* aErrCode,
                                      double aTimeStamp) {
  return Guarded(false, [&] {
    std::int32_t code = kCodeOk;
    const LoadResult loaded = State().LoadOnDemand(
        query::FromCaller(aFileName), [&](TRechteDatei& file) { code = CompareVersion(file, aVersion, aTimeStamp); });
    if (loaded != LoadResult::Loaded) code = CodeOf(loaded);
    SetCode(aErrCode, code);
    return code == kCodeOk;
  });
}

RQ_EXPORT bool RQ_ENTRY(ReplacePasswd)(const char* aFileName, const char* aOldPW, const char* aNewPW,
                                       std::int32_t aUserID, std::int32_t* aErrCode) {
  return Guarded(false, [&] {
    State().SetLastError("");
    bool changed = false;
    const std::string oldPW = rights::Utf8Left(query::FromCaller(aOldPW), kMaxPasswordChars);
    const std::string newPW = query::FromCaller(aNewPW);
    const LoadResult loaded = State().LoadOnDemand(query::FromCaller(aFileName), [&](TRechteDatei& file) {
      const std::int32_t code = ChangePassword(file, aUserID, oldPW, newPW);
      if (code != kCodeOk && code != kNoCode) SetCode(aErrCode, code);
      changed = code == kCodeOk;
    });
    if (loaded != LoadResult::Loaded) SetCode(aErrCode, CodeOf(loaded));
    return changed;
  });
}

RQ_EXPORT IUserRightsList* RQ_ENTRY(GetUserRights)(std::int32_t aUserID) {
  return Guarded<IUserRightsList*>(nullptr, [&]() -> IUserRightsList* { return NewFilledList(aUserID); });
}

RQ_EXPORT std::int32_t RQ_ENTRY(QXRLogin)(const char* aFileName, const char* aLogin, const char* aPassword,
                                          std::int32_t* aUserID, std::int32_t aNameLen, char* aNameBuf,
                                          std::int32_t aVersion, double aTimeStamp) {
  return Guarded(kCodeFailed, [&] {
    // The version is compared only when this call loads the file.
    const bool wasLoaded = State().RightsFile() != nullptr;
    std::int32_t code = kCodeOk;
    const LoadResult loaded = State().LoadOnDemand(query::FromCaller(aFileName), [&](TRechteDatei& file) {
      if (!wasLoaded) code = CompareVersion(file, aVersion, aTimeStamp);
      if (code == kCodeOk) code = SignIn(file, aLogin, aPassword, aUserID, aNameLen, aNameBuf);
    });
    return loaded == LoadResult::Loaded ? code : CodeOf(loaded);
  });
}

RQ_EXPORT std::int32_t RQ_ENTRY(GetLastErrorText)(char* aBuf, std::int32_t aBufLen) {
  return Guarded(0, [&] {
    const std::string text = query::ToCaller(State().LastError());
    if (aBufLen > 0) query::CopyToBuffer(text, aBuf, static_cast<std::size_t>(aBufLen));
    return static_cast<std::int32_t>(text.size());
  });
}

}  // extern "C"
