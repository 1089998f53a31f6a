#include "rights_file.h"

#include <filesystem>
#include <new>

#include "command_line.h"
#include "output.h"
#include "rights/regular_file.h"

namespace qxr {

namespace {

[[noreturn]] void FileFailure(const std::string& fileName, const std::string& problem) {
  throw Failure(ExitFileError, fileName + ": " + problem);
}

rights::TRechteDatei LoadRightsImage(const std::string& fileName, std::span<const std::uint8_t> image) {
  rights::TRechteDatei file(fileName);
  try {
    if (!file.LoadImage(image, true)) throw TooShortFailure(fileName, image.size());
  } catch (const rights::ERightsError& error) {
    FileFailure(fileName, "cannot load the rights file: " + Quoted(error.what()));
  }
  return file;
}

// A login wins over a number, so a user whose login is "12" is found by it.
template <class File>
auto& FindUserIn(File& file, const std::string& loginOrID) {
  auto& users = file.UserList();
  decltype(users.ItemByID(0)) user = nullptr;
  if (const std::int32_t byLogin = users.GetIDbyLoginName(loginOrID); byLogin != -1)
    user = users.ItemByID(byLogin);
  else if (const auto number = ParseInteger(loginOrID, INT32_MIN, INT32_MAX))
    user = users.ItemByID(static_cast<std::int32_t>(*number));
  if (user == nullptr) throw Failure(ExitCheckFailed, "no user with the login or number \"" + loginOrID + "\"");
  return *user;
}

}  // namespace

std::vector<std::uint8_t> ReadFileBytes(const std::string& fileName, const char* what, std::uint64_t maxBytes) {
  try {
    // A pipe would block the read, a folder pass as a huge file.
    if (!rights::RequireRegularFile(fileName)) FileFailure(fileName, std::string(what) + " does not exist");
    auto image = rights::ReadWholeFile(fileName, maxBytes);
    if (!image) FileFailure(fileName, std::string(what) + " does not exist");
    return std::move(image->bytes);
  } catch (const rights::ERightsError& error) {
    FileFailure(fileName, "cannot read " + std::string(what) + ": " + Quoted(error.what()));
  } catch (const std::bad_alloc&) {
    FileFailure(fileName, "too large to read into memory");
  }
}

Failure TooShortFailure(const std::string& fileName, std::size_t size) {
  return Failure(ExitFileError,
                 fileName + ": shorter than a rights file header (" + std::to_string(size) + " bytes)");
}

rights::TRechteDatei OpenRightsFile(const std::string& fileName) {
  return LoadRightsImage(fileName, ReadFileBytes(fileName, "the rights file"));
}

void SaveRightsFile(rights::TRechteDatei& file) { SaveRightsFile(file, *LockForWriting(file.FileName())); }

void SaveRightsFile(rights::TRechteDatei& file, const rights::TWritersLock& held) {
  try {
    file.Write(held);
  } catch (const rights::ERightsError& error) {
    FileFailure(file.FileName(), "cannot write the rights file: " + Quoted(error.what()));
  }
}

std::unique_ptr<rights::TWritersLock> LockForWriting(const std::string& fileName) {
  try {
    return std::make_unique<rights::TWritersLock>(fileName);
  } catch (const rights::ERightsError& error) {
    FileFailure(fileName, "cannot lock the rights file for writing: " + Quoted(error.what()));
  }
}

RightsFileEdit::RightsFileEdit(const std::string& fileName) : fFile(OpenRightsFile(fileName)) {}

void RightsFileEdit::Apply(const std::function<bool(rights::TRechteDatei&)>& change) {
  try {
    fFile.ApplyAndWrite(change);
  } catch (const rights::ERightsError& error) {
    FileFailure(fFile.FileName(), "cannot write the rights file: " + Quoted(error.what()));
  }
}

void RefuseExisting(const std::string& fileName, const std::string& hint) {
  std::error_code error;
  const auto status = std::filesystem::symlink_status(rights::PathFromUtf8(fileName), error);
  if (std::filesystem::exists(status)) FileFailure(fileName, "exists already; " + hint);
}

const rights::TFIUser& FindUser(const rights::TRechteDatei& file, const std::string& loginOrID) {
  return FindUserIn(file, loginOrID);
}

rights::TFIUser& FindUser(rights::TRechteDatei& file, const std::string& loginOrID) {
  return FindUserIn(file, loginOrID);
}

rights::TFIUser& UserByID(rights::TRechteDatei& file, std::int32_t id) {
  rights::TFIUser* user = file.UserList().ItemByID(id);
  if (user == nullptr)
    throw Failure(ExitCheckFailed, "user " + std::to_string(id) + " was deleted by another program meanwhile");
  return *user;
}

std::string UserLabel(const rights::TFIUser& user) {
  if (user.Login.empty()) return std::to_string(user.ID);
  return std::to_string(user.ID) + " (" + user.Login + ")";
}

}  // namespace qxr
