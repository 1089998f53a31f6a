#pragma once
// Reading and writing rights files for the commands, with qxr's exit codes:
// a file that cannot be read or written is ExitFileError, an unknown user
// ExitCheckFailed.
#include <cstdint>
#include <functional>
#include <memory>
#include <span>
#include <string>
#include <vector>

#include "command.h"
#include "rights/file_io.h"
#include "rights/rechte_datei.h"

namespace qxr {

// The whole file; ExitFileError when it does not exist, cannot be read or is
// larger than maxBytes.
std::vector<std::uint8_t> ReadFileBytes(const std::string& fileName, const char* what,
                                        std::uint64_t maxBytes = rights::MaxWholeFileBytes);

// The failure for a file shorter than the header it announces.
Failure TooShortFailure(const std::string& fileName, std::size_t size);

// The rights file loaded as the suite loads it: caption and checksum checked.
rights::TRechteDatei OpenRightsFile(const std::string& fileName);

// Replaces the file safely under the writers' lock.
void SaveRightsFile(rights::TRechteDatei& file);
// The same while the caller holds the lock.
void SaveRightsFile(rights::TRechteDatei& file, const rights::TWritersLock& held);
// The writers' lock, with qxr's exit code when it cannot be had.
std::unique_ptr<rights::TWritersLock> LockForWriting(const std::string& fileName);

// A rights file opened for one change. The suite's programs write the file
// too (a password change), so the change is made under the writers' lock on
// the file as it is then, not on the copy read at the start.
class RightsFileEdit {
 public:
  explicit RightsFileEdit(const std::string& fileName);
  // The file as read at the start: for finding the user and checks before the change.
  const rights::TRechteDatei& File() const { return fFile; }
  // Applies change to the current file and writes it when change answers true.
  void Apply(const std::function<bool(rights::TRechteDatei&)>& change);

 private:
  rights::TRechteDatei fFile;
};

// ExitFileError when something exists at the path; hint says how to go on.
void RefuseExisting(const std::string& fileName, const std::string& hint);

// The user with this login (without regard to case) or else this number.
const rights::TFIUser& FindUser(const rights::TRechteDatei& file, const std::string& loginOrID);
rights::TFIUser& FindUser(rights::TRechteDatei& file, const std::string& loginOrID);

// The user with this number in the current file of a change; ExitCheckFailed
// when another program deleted it meanwhile.
rights::TFIUser& UserByID(rights::TRechteDatei& file, std::int32_t id);

// "3 (anna)"; the login is left out when it is empty.
std::string UserLabel(const rights::TFIUser& user);

}  // namespace qxr
