// The file calls of file_io.h on Windows.
#ifdef _WIN32

#include <windows.h>

#include <system_error>

#include "errors.h"
#include "file_io.h"

namespace rights {

namespace fs = std::filesystem;

namespace {

std::int64_t AgeOf(const FILETIME& time) {
  return static_cast<std::int64_t>((static_cast<std::uint64_t>(time.dwHighDateTime) << 32) | time.dwLowDateTime);
}

[[noreturn]] void RaiseLastError() {
  throw std::system_error(static_cast<int>(::GetLastError()), std::system_category());
}

class Handle {
 public:
  explicit Handle(HANDLE handle = INVALID_HANDLE_VALUE) : fHandle(handle) {}
  ~Handle() { Close(); }
  Handle(Handle&& other) noexcept : fHandle(other.fHandle) { other.fHandle = INVALID_HANDLE_VALUE; }
  Handle(const Handle&) = delete;
  Handle& operator=(const Handle&) = delete;
  HANDLE Get() const { return fHandle; }
  bool Valid() const { return fHandle != INVALID_HANDLE_VALUE; }
  void Close() {
    if (Valid()) ::CloseHandle(fHandle);
    fHandle = INVALID_HANDLE_VALUE;
  }

 private:
  HANDLE fHandle;
};

struct OpenedForReading {
  Handle handle;
  BY_HANDLE_FILE_INFORMATION info{};
};

// Accepts files on disk only; nothing when the file does not exist.
std::optional<OpenedForReading> OpenRegularFile(const std::string& fileName, DWORD& error) {
  OpenedForReading opened{Handle(::CreateFileW(PathFromUtf8(fileName).c_str(), GENERIC_READ,
                                               FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                                               OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr)),
                          {}};
  if (!opened.handle.Valid()) {
    error = ::GetLastError();
    return std::nullopt;
  }
  if (::GetFileType(opened.handle.Get()) != FILE_TYPE_DISK ||
      !::GetFileInformationByHandle(opened.handle.Get(), &opened.info) ||
      (opened.info.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) != 0) {
    error = ERROR_BAD_FILE_TYPE;
    return std::nullopt;
  }
  return opened;
}

std::size_t ReadUpTo(HANDLE handle, std::uint8_t* data, std::size_t count) {
  std::size_t done = 0;
  while (done < count) {
    const DWORD chunk = static_cast<DWORD>(std::min<std::size_t>(count - done, 1u << 30));
    DWORD got = 0;
    if (!::ReadFile(handle, data + done, chunk, &got, nullptr)) RaiseLastError();
    if (got == 0) break;  // a file that shrank while we read it keeps what was there
    done += got;
  }
  return done;
}

void WriteParts(HANDLE handle, std::initializer_list<std::span<const std::uint8_t>> parts) {
  for (const auto part : parts) {
    std::size_t done = 0;
    while (done < part.size()) {
      const DWORD chunk = static_cast<DWORD>(std::min<std::size_t>(part.size() - done, 1u << 30));
      DWORD put = 0;
      if (!::WriteFile(handle, part.data() + done, chunk, &put, nullptr) || put == 0) RaiseLastError();
      done += put;
    }
  }
}

std::int64_t SyncAndAge(HANDLE handle) {
  BY_HANDLE_FILE_INFORMATION info{};
  if (!::FlushFileBuffers(handle) || !::GetFileInformationByHandle(handle, &info)) RaiseLastError();
  return AgeOf(info.ftLastWriteTime);
}

fs::path FolderOf(const fs::path& target) {
  return target.has_parent_path() ? target.parent_path() : fs::path(L".");
}

// A living writer holds its temporary file open without delete sharing, so
// only abandoned ones can be deleted.
void RemoveAbandonedTemporaries(const fs::path& target) {
  const fs::path folder = FolderOf(target);
  WIN32_FIND_DATAW found{};
  const std::wstring pattern = (folder / (L"." + target.filename().wstring() + L".*.tmp")).wstring();
  HANDLE search = ::FindFirstFileW(pattern.c_str(), &found);
  if (search == INVALID_HANDLE_VALUE) return;
  do {
    const fs::path name(found.cFileName);
    if (IsTemporaryFileOf(target, name.string())) ::DeleteFileW((folder / name).c_str());
  } while (::FindNextFileW(search, &found));
  ::FindClose(search);
}

Handle CreateTemporary(const fs::path& target, fs::path& temp, DWORD& error) {
  for (int attempt = 0; attempt < 8; ++attempt) {
    temp = FolderOf(target) / PathFromUtf8(TemporaryFileName(target));
    Handle handle(::CreateFileW(temp.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW, FILE_ATTRIBUTE_NORMAL, nullptr));
    if (handle.Valid()) return handle;
    error = ::GetLastError();
    if (error != ERROR_FILE_EXISTS && error != ERROR_ALREADY_EXISTS) break;
  }
  temp.clear();
  return Handle();
}

std::int64_t WriteInPlace(const fs::path& target, std::initializer_list<std::span<const std::uint8_t>> parts) {
  Handle handle(::CreateFileW(target.c_str(), GENERIC_WRITE, FILE_SHARE_READ, nullptr, OPEN_EXISTING,
                              FILE_ATTRIBUTE_NORMAL, nullptr));
  if (!handle.Valid()) RaiseLastError();
  WriteParts(handle.Get(), parts);
  if (!::SetEndOfFile(handle.Get())) RaiseLastError();
  return SyncAndAge(handle.Get());
}

std::int64_t ReplaceThroughTemporary(const fs::path& target, bool exists, Handle& handle, const fs::path& temp,
                                     std::initializer_list<std::span<const std::uint8_t>> parts) {
  try {
    WriteParts(handle.Get(), parts);
    const std::int64_t age = SyncAndAge(handle.Get());
    handle.Close();
    // ReplaceFileW keeps the old file's access list and attributes.
    const bool replaced =
        exists ? ::ReplaceFileW(target.c_str(), temp.c_str(), nullptr, REPLACEFILE_IGNORE_MERGE_ERRORS, nullptr,
                                nullptr)
               : ::MoveFileExW(temp.c_str(), target.c_str(), MOVEFILE_WRITE_THROUGH);
    if (!replaced) RaiseLastError();
    return age;
  } catch (...) {
    handle.Close();
    ::DeleteFileW(temp.c_str());
    throw;
  }
}

}  // namespace

std::int64_t FileAge(const std::string& fileName) {
  WIN32_FILE_ATTRIBUTE_DATA data{};
  if (!::GetFileAttributesExW(PathFromUtf8(fileName).c_str(), GetFileExInfoStandard, &data)) return 0;
  return AgeOf(data.ftLastWriteTime);
}

std::optional<FileImage> ReadWholeFile(const std::string& fileName, std::uint64_t maxBytes) {
  DWORD error = 0;
  auto opened = OpenRegularFile(fileName, error);
  if (!opened) {
    if (error == ERROR_FILE_NOT_FOUND || error == ERROR_PATH_NOT_FOUND) return std::nullopt;
    if (error == ERROR_BAD_FILE_TYPE)
      throw EFileError(FileOpenErrorText(fileName, "Es ist keine gewöhnliche Datei."));
    throw EFileError(FileOpenErrorText(fileName, std::system_category().message(static_cast<int>(error))));
  }
  const std::uint64_t size =
      (static_cast<std::uint64_t>(opened->info.nFileSizeHigh) << 32) | opened->info.nFileSizeLow;
  if (size > maxBytes)
    throw EFileError(FileOpenErrorText(fileName, "Die Datei ist zu groß (" + std::to_string(size) + " Bytes)."));
  FileImage image;
  image.age = AgeOf(opened->info.ftLastWriteTime);
  image.bytes.resize(static_cast<std::size_t>(size));
  try {
    image.bytes.resize(ReadUpTo(opened->handle.Get(), image.bytes.data(), image.bytes.size()));
  } catch (const std::system_error& failure) {
    throw EFileError(FileOpenErrorText(fileName, failure.code().message()));
  }
  return image;
}

std::optional<FileImage> ReadFileStart(const std::string& fileName, std::size_t count) {
  DWORD error = 0;
  auto opened = OpenRegularFile(fileName, error);
  if (!opened) return std::nullopt;
  FileImage image;
  image.age = AgeOf(opened->info.ftLastWriteTime);
  image.bytes.resize(count);
  try {
    image.bytes.resize(ReadUpTo(opened->handle.Get(), image.bytes.data(), count));
  } catch (const std::system_error&) {
    return std::nullopt;
  }
  return image;
}

std::int64_t WriteFileAtomically(const std::string& fileName,
                                 std::initializer_list<std::span<const std::uint8_t>> parts) {
  const fs::path target = ResolvedTarget(PathFromUtf8(fileName));
  const DWORD attributes = ::GetFileAttributesW(target.c_str());
  const bool exists = attributes != INVALID_FILE_ATTRIBUTES;
  try {
    if (exists && (attributes & FILE_ATTRIBUTE_DIRECTORY) != 0)
      throw std::system_error(ERROR_DIRECTORY, std::system_category());
    if (exists && (attributes & FILE_ATTRIBUTE_READONLY) != 0)
      throw EFileError(FileCreateErrorText(fileName, "Die Datei ist schreibgeschützt."));
    RemoveAbandonedTemporaries(target);
    fs::path temp;
    DWORD error = 0;
    Handle handle = CreateTemporary(target, temp, error);
    if (handle.Valid()) return ReplaceThroughTemporary(target, exists, handle, temp, parts);
    // A folder that takes no new file: the other programs of the suite write in place there.
    if (exists && error == ERROR_ACCESS_DENIED) return WriteInPlace(target, parts);
    throw std::system_error(static_cast<int>(error), std::system_category());
  } catch (const std::system_error& failure) {
    throw EFileError(FileCreateErrorText(fileName, failure.code().message()));
  }
}

}  // namespace rights

#endif  // _WIN32
