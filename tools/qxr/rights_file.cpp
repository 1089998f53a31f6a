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

void SaveRightsFile(rights::TRechteDatei& file) {
  try {
    file.Write();
  } catch (const rights::ERightsError& error) {
    FileFailure(file.FileName(), "cannot write the rights file: " + Quoted(error.what()));
  }
}

RightsFileEdit::RightsFileEdit(const std::string& fileName)
    : fImage(ReadFileBytes(fileName, "the rights file")), fFile(LoadRightsImage(fileName, fImage)) {}

void RightsFileEdit::Save() {
  if (ReadFileBytes(fFile.FileName(), "the rights file") != fImage)
    FileFailure(fFile.FileName(), "was changed by someone else meanwhile; nothing written, try again");
  SaveRightsFile(fFile);
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

std::string UserLabel(const rights::TFIUser& user) {
  if (user.Login.empty()) return std::to_string(user.ID);
  return std::to_string(user.ID) + " (" + user.Login + ")";
}

}  // namespace qxr
