#pragma once
// Reading and writing rights files for the commands, with qxr's exit codes:
// a file that cannot be read or written is ExitFileError, an unknown user
// ExitCheckFailed.
#include <cstdint>
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

// Replaces the file atomically.
void SaveRightsFile(rights::TRechteDatei& file);

// A rights file opened for a change. The suite's programs write the file too
// (a password change), so Save writes only when the file on disk is still
// the one that was read, and refuses otherwise.
class RightsFileEdit {
 public:
  explicit RightsFileEdit(const std::string& fileName);
  rights::TRechteDatei& File() { return fFile; }
  void Save();

 private:
  std::vector<std::uint8_t> fImage;
  rights::TRechteDatei fFile;
};

// ExitFileError when something exists at the path; hint says how to go on.
void RefuseExisting(const std::string& fileName, const std::string& hint);

// The user with this login (without regard to case) or else this number.
const rights::TFIUser& FindUser(const rights::TRechteDatei& file, const std::string& loginOrID);
rights::TFIUser& FindUser(rights::TRechteDatei& file, const std::string& loginOrID);

// "3 (anna)"; the login is left out when it is empty.
std::string UserLabel(const rights::TFIUser& user);

}  // namespace qxr
