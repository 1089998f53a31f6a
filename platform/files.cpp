#include "files.h"

#include <filesystem>

#include "rights/file_io.h"
#include "rights/regular_file.h"

namespace platform {

namespace fs = std::filesystem;

std::optional<std::chrono::system_clock::time_point> FileLastWriteTime(const std::string& fileName) {
  std::error_code error;
  const auto time = fs::last_write_time(rights::PathFromUtf8(fileName), error);
  if (error) return std::nullopt;
  return std::chrono::time_point_cast<std::chrono::system_clock::duration>(
      std::chrono::file_clock::to_sys(time));
}

bool FileExists(const std::string& fileName) {
  std::error_code error;
  return fs::is_regular_file(rights::PathFromUtf8(fileName), error);
}

bool FolderExists(const std::string& folder) {
  std::error_code error;
  return !folder.empty() && fs::is_directory(rights::PathFromUtf8(folder), error);
}

bool CreateFolders(const std::string& folder) {
  if (folder.empty()) return false;
  std::error_code error;
  fs::create_directories(rights::PathFromUtf8(folder), error);
  return FolderExists(folder);
}

std::string ExpandFileName(const std::string& fileName) {
  std::error_code error;
  const fs::path absolute = fs::absolute(rights::PathFromUtf8(fileName), error);
  if (error) return fileName;
  const std::u8string text = absolute.lexically_normal().u8string();
  return {text.begin(), text.end()};
}

namespace detail {

FileReadResult NotRegularFile(const std::string& fileName, std::uint32_t systemCode) {
  FileReadResult result;
  result.failure = OpenFailure::NotRegularFile;
  result.systemCode = systemCode;
  result.systemMessage = rights::NotRegularFileReason(fileName);
  return result;
}

}  // namespace detail

}  // namespace platform
