#pragma once
// The library's one piece of process-wide state: the loaded rights file,
// the user records handed out, and the message of the last failure.
#include <functional>
#include <map>
#include <memory>
#include <mutex>
#include <string>

#include "platform/account.h"
#include "right_user.h"
#include "rights/rechte_datei.h"

namespace query {

enum class LoadResult { Loaded, Missing, Failed };

class LibraryState {
 public:
  static LibraryState& Instance();

  // Every export holds this lock for its whole run.
  std::mutex& Lock() { return fLock; }

  rights::TRechteDatei* RightsFile() { return fRightsFile.get(); }
  void SetRightsFile(std::unique_ptr<rights::TRechteDatei> file);
  void DisposeRightsFile() { SetRightsFile(nullptr); }

  // Runs work on the loaded file, loading it first when none is. A failed
  // load (a file too short to hold a header included: its defaults would read
  // as "rights checking off"), or an error of the work right after loading,
  // releases the file.
  LoadResult LoadOnDemand(const std::string& fileName,
                          const std::function<void(rights::TRechteDatei&)>& work);

  // A record the caller may keep until the library is unloaded; the same
  // record of the same loaded file gives the same object.
  TRightUser* HandOut(const rights::TFIUser& record);

  // A writer of this library read the file again before its change, so the
  // loaded file holds others' changes the caller's rights list has not seen.
  void NoteReloaded() {
    ++fLoadNumber;
    fRefreshDue = true;
  }
  bool RefreshDue() const { return fRefreshDue; }

  const std::string& LastError() const { return fLastError; }
  void SetLastError(std::string message) { fLastError = std::move(message); }

  // The account lookup, replaceable for tests.
  using AccountLookup = std::function<platform::Account()>;
  void SetAccountLookup(AccountLookup lookup) { fAccountLookup = std::move(lookup); }
  platform::Account CurrentAccount() const { return fAccountLookup(); }

 private:
  LibraryState() = default;

  std::mutex fLock;
  std::unique_ptr<rights::TRechteDatei> fRightsFile;
  std::uint64_t fLoadNumber = 0;  // counts the files set, so handed-out records are per file
  bool fRefreshDue = false;
  std::map<std::pair<std::uint64_t, std::int32_t>, std::unique_ptr<TRightUser>> fHandedOut;
  std::string fLastError;
  AccountLookup fAccountLookup = &platform::CurrentAccount;
};

}  // namespace query
