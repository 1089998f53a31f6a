// Calls every export and interface method of the 32-bit library in the
// suite's register convention, as the suite's programs do, and checks the
// results and what each call leaves on the stack and in the registers.
// Runs under user-mode emulation; prints "N passed, N failed".
#include <cmath>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <string>

#include "abi_call.h"
#include "platform/account.h"
#include "query/rightsquery.h"
#include "rights/rechte_datei.h"

namespace {

int passed = 0;
int failed = 0;

void Check(bool ok, const std::string& what) {
  if (ok) {
    ++passed;
  } else {
    ++failed;
    std::printf("FAILED: %s\n", what.c_str());
  }
}

std::uint32_t Word(const void* p) { return static_cast<std::uint32_t>(reinterpret_cast<std::uintptr_t>(p)); }

int FpuTop(std::uint16_t status) { return (status >> 11) & 7; }

// Every call must leave the stack as it found it, the callee-saved registers
// untouched and the x87 stack balanced.
void CheckClean(const AbiCall& call, const std::string& what) {
  Check(call.espDelta == 0, what + ": stack pointer restored (delta " + std::to_string(call.espDelta) + ")");
  Check(call.calleeSavedBroken == 0, what + ": callee-saved registers kept");
  Check(FpuTop(call.fpuBefore) == FpuTop(call.fpuAfter), what + ": x87 stack balanced");
}

bool Al(const AbiCall& call) { return (call.outEax & 0xFF) != 0; }

const void* Slot(const void* object, int index) {
  const void* const* vtable = *static_cast<const void* const* const*>(object);
  return vtable[index];
}

struct Fixture {
  std::string path;
  std::int32_t version = 0;
  double timeStamp = 0;
  std::string accountLogin;

  Fixture() {
    const auto folder = std::filesystem::temp_directory_path() / "qxr-abi-test";
    std::filesystem::create_directories(folder);
    path = (folder / "QVRights.qxr").string();
    rights::TRechteDatei file(path);
    file.CreateStdUsers("Geheim!1");
    AddUser(file, "Jörg Müller", "jmueller", "eins", false);
    AddUser(file, "Eva Korn", "eva", "alt", true);
    // A user for the account this test runs as, in a trusted domain.
    const platform::Account account = platform::CurrentAccount();
    accountLogin = account.user.empty() ? "nobody" : account.user;
    AddUser(file, "Konto", accountLogin, "x", false);
    file.SetTrustDomainUser(true);
    file.SetWinDomain(account.domain);
    file.SetRightsActive(true);
    file.AssRightList().AddUsGrRight(true, 3, 1, rights::EmptyModulesStr(), 3, true);
    file.AssRightList().AddUsGrRight(true, 3, 1200, "K        ", 3, true);
    file.Write();
    version = file.RFHeader().Version;
    timeStamp = file.RFHeader().TimeStamp;
  }
  ~Fixture() { std::filesystem::remove_all(std::filesystem::path(path).parent_path()); }

  static void AddUser(rights::TRechteDatei& file, const std::string& name, const std::string& login,
                      const std::string& password, bool expired) {
    auto user = std::make_unique<rights::TFIUser>();
    user->Bez = name;
    user->Login = login;
    user->Passwd = password;
    user->PWExpired = expired;
    file.UserList().AddItem(std::move(user));
  }
};

void Dispose() { CheckClean(RegisterCall(reinterpret_cast<const void*>(&DisposeRightsFile), 0), "DisposeRightsFile"); }

void TestLoadingExports(const Fixture& f) {
  Dispose();
  CheckClean(RegisterCall(reinterpret_cast<const void*>(&DisposeRightsList), 0), "DisposeRightsList");

  auto active = RegisterCall(reinterpret_cast<const void*>(&GetRightsActive), Word(f.path.c_str()));
  CheckClean(active, "GetRightsActive");
  Check(Al(active), "GetRightsActive: true in AL");

  std::int32_t version = -1;
  double stamp = -1;
  auto header = RegisterCall(reinterpret_cast<const void*>(&GetHeaderInfo), Word(f.path.c_str()), Word(&version),
                             Word(&stamp));
  CheckClean(header, "GetHeaderInfo");
  Check(version == f.version && stamp == f.timeStamp, "GetHeaderInfo: version and time stamp through the addresses");

  struct VersionCase {
    std::int32_t required;
    double stamp;
    bool ok;
    std::int32_t code;
  };
  const VersionCase cases[] = {{f.version, f.timeStamp, true, 0}, {f.version + 1, 0.0, false, 6},
                               {0, f.timeStamp + 0.5, false, 4}};
  for (const auto& c : cases) {
    std::int32_t code = -9;
    std::vector<std::uint32_t> pushed;
    PushDateTime(pushed, c.stamp);
    auto check = RegisterCall(reinterpret_cast<const void*>(&CheckVersion), Word(f.path.c_str()),
                              static_cast<std::uint32_t>(c.required), Word(&code), pushed);
    CheckClean(check, "CheckVersion");
    Check(Al(check) == c.ok && code == c.code, "CheckVersion: code " + std::to_string(c.code));
  }
}

AbiCall Login(const Fixture& f, const char* login, const char* password, std::int32_t& id, char* name,
              std::int32_t nameLen, std::int32_t version, double stamp) {
  std::vector<std::uint32_t> pushed = {Word(&id), static_cast<std::uint32_t>(nameLen), Word(name),
                                       static_cast<std::uint32_t>(version)};
  PushDateTime(pushed, stamp);
  return RegisterCall(reinterpret_cast<const void*>(&QXRLogin), Word(f.path.c_str()), Word(login), Word(password),
                      pushed);
}

void TestSignIn(const Fixture& f) {
  Dispose();
  std::int32_t id = 0;
  char name[32] = {};
  auto wrongStamp = Login(f, "jmueller", "eins", id, name, 31, 0, f.timeStamp + 1);
  CheckClean(wrongStamp, "QXRLogin");
  Check(wrongStamp.outEax == 4, "QXRLogin: time stamp travels as a pushed double (code 4)");

  Dispose();
  auto ok = Login(f, "JMUELLER", "eins", id, name, 31, f.version, f.timeStamp);
  CheckClean(ok, "QXRLogin");
  Check(ok.outEax == 0 && id == 3 && std::string(name) == "Jörg Müller", "QXRLogin: signed in with name");

  auto expired = Login(f, "eva", "alt", id, name, 3, 0, 0.0);
  Check(expired.outEax == 2 && id == 4 && std::string(name) == "Eva", "QXRLogin: expired password, cut name");

  std::int32_t code = -9;
  auto replaced = RegisterCall(reinterpret_cast<const void*>(&ReplacePasswd), Word(f.path.c_str()), Word("alt"),
                               Word("neu"), {4u, Word(&code)});
  CheckClean(replaced, "ReplacePasswd");
  Check(Al(replaced) && code == -9, "ReplacePasswd: changed");
  auto wrong = RegisterCall(reinterpret_cast<const void*>(&ReplacePasswd), Word(f.path.c_str()), Word("alt"),
                            Word("x"), {4u, Word(&code)});
  CheckClean(wrong, "ReplacePasswd");
  Check(!Al(wrong) && code == 1, "ReplacePasswd: wrong current password gives code 1");
  auto again = Login(f, "eva", "neu", id, name, 31, 0, 0.0);
  Check(again.outEax == 0, "QXRLogin after ReplacePasswd: 0");
}

void TestRightsList(IUserRightsList* list, const std::string& origin, std::int32_t version, double stamp) {
  const void* self = list;
  auto canDo = RegisterCall(Slot(self, 3), Word(self), 0xFFFFFF03u, 1200);
  CheckClean(canDo, origin + " CanDo");
  Check(Al(canDo), origin + " CanDo(3, 1200) with garbage above DL");
  Check(!Al(RegisterCall(Slot(self, 3), Word(self), 4, 1200)), origin + " CanDo(4, 1200) false");

  auto active = RegisterCall(Slot(self, 4), Word(self));
  CheckClean(active, origin + " GetActive");
  Check(!Al(active), origin + " GetActive false");

  auto timeStamp = RegisterCall(Slot(self, 6), Word(self), 0, 0, {}, true);
  CheckClean(timeStamp, origin + " GetTimeStamp");
  Check(timeStamp.st0 == stamp, origin + " GetTimeStamp on the x87 stack");

  auto userID = RegisterCall(Slot(self, 7), Word(self));
  Check(userID.outEax == 3, origin + " GetUserID");
  auto listVersion = RegisterCall(Slot(self, 8), Word(self));
  CheckClean(listVersion, origin + " GetVersion");
  Check(static_cast<std::int32_t>(listVersion.outEax) == version, origin + " GetVersion");

  std::uint8_t set[32];
  std::memset(set, 0xAA, sizeof set);
  auto modules = RegisterCall(Slot(self, 9), Word(self), 0x12345601u, Word(set));
  CheckClean(modules, origin + " MandSetOfModule");
  std::uint8_t expected[32] = {0x09};
  Check(std::memcmp(set, expected, 32) == 0, origin + " MandSetOfModule through the result address");

  CheckClean(RegisterCall(Slot(self, 10), Word(self), 0xABCDEF01u), origin + " SetNWUser");
  Check(Al(RegisterCall(Slot(self, 5), Word(self))), origin + " GetNWUser after SetNWUser");
  CheckClean(RegisterCall(Slot(self, 11), Word(self), 7), origin + " SetUserID");
  Check(RegisterCall(Slot(self, 7), Word(self)).outEax == 7, origin + " GetUserID after SetUserID");
  CheckClean(RegisterCall(Slot(self, 11), Word(self), 3), origin + " SetUserID");

  void* obj = nullptr;
  auto query = StdCall(Slot(self, 0), {Word(self), Word(&IID_IUserRightsList), Word(&obj)});
  CheckClean(query, origin + " QueryInterface");
  Check(query.outEax == 0 && obj == self, origin + " QueryInterface S_OK");
  auto add = StdCall(Slot(self, 1), {Word(self)});
  CheckClean(add, origin + " _AddRef");
  Check(add.outEax == 3, origin + " _AddRef counts");
  Check(StdCall(Slot(self, 2), {Word(self)}).outEax == 2, origin + " _Release counts");
  Check(StdCall(Slot(self, 2), {Word(self)}).outEax == 1, origin + " _Release counts");
}

void TestLists(const Fixture& f) {
  auto rights = RegisterCall(reinterpret_cast<const void*>(&GetUserRights), 3);
  CheckClean(rights, "GetUserRights");
  auto* list = reinterpret_cast<IUserRightsList*>(static_cast<std::uintptr_t>(rights.outEax));
  Check(list != nullptr, "GetUserRights: a list in EAX");
  TestRightsList(list, "GetUserRights", 0, 0.0);

  auto refresh = RegisterCall(reinterpret_cast<const void*>(&RefreshUSRights), Word(list), 3);
  CheckClean(refresh, "RefreshUSRights");
  Check(!Al(refresh), "RefreshUSRights: unchanged file gives false in AL");
  Check(StdCall(Slot(list, 2), {Word(list)}).outEax == 0, "GetUserRights list released");

  IUserRightsList* viaOut = nullptr;
  auto intList = RegisterCall(reinterpret_cast<const void*>(&GetUserRightsInt), 3, Word(f.path.c_str()), Word(&viaOut));
  CheckClean(intList, "GetUserRightsInt");
  Check(viaOut != nullptr, "GetUserRightsInt: list through the address");
  rights::TRechteDatei onDisk(f.path);
  onDisk.Read(true);
  TestRightsList(viaOut, "GetUserRightsInt", onDisk.RFHeader().Version, onDisk.RFHeader().TimeStamp);
  StdCall(Slot(viaOut, 2), {Word(viaOut)});
}

void TestNetworkUser(const Fixture& f) {
  Dispose();
  auto found = RegisterCall(reinterpret_cast<const void*>(&GetNetwareUser), Word(f.path.c_str()));
  CheckClean(found, "GetNetwareUser");
  const void* user = reinterpret_cast<const void*>(static_cast<std::uintptr_t>(found.outEax));
  Check(user != nullptr, "GetNetwareUser: the account's user (" + f.accountLogin + ")");
  if (user == nullptr) return;

  IRightUser* viaOut = nullptr;
  CheckClean(RegisterCall(reinterpret_cast<const void*>(&GetNetwareUserInt), Word(f.path.c_str()), Word(&viaOut)),
             "GetNetwareUserInt");
  Check(viaOut == user, "GetNetwareUserInt: same user through the address");

  auto id = RegisterCall(Slot(user, 3), Word(user));
  CheckClean(id, "IRightUser.GetID");
  Check(id.outEax == 5, "IRightUser.GetID");
  unsigned char name[256] = {};
  CheckClean(RegisterCall(Slot(user, 4), Word(user), Word(name)), "IRightUser.GetBez");
  Check(name[0] == 5 && std::memcmp(name + 1, "Konto", 5) == 0, "IRightUser.GetBez: length byte and name");
  auto addRef = StdCall(Slot(user, 1), {Word(user)});
  CheckClean(addRef, "IRightUser._AddRef");
  Check(static_cast<std::int32_t>(addRef.outEax) == -1, "IRightUser._AddRef gives -1");
}

void TestLastError() {
  char text[64];
  auto last = RegisterCall(reinterpret_cast<const void*>(&GetLastErrorText), Word(text), sizeof text);
  CheckClean(last, "GetLastErrorText");
  Check(last.outEax == 0 && text[0] == '\0', "GetLastErrorText: nothing failed");
}

}  // namespace

int main() {
  const Fixture f;
  TestLoadingExports(f);
  TestSignIn(f);
  TestLists(f);
  TestNetworkUser(f);
  TestLastError();
  Dispose();
  std::printf("%d passed, %d failed\n", passed, failed);
  return failed == 0 ? 0 : 1;
}
