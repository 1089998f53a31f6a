#include "file_io.h"

#include <fstream>
#include <random>
#include <system_error>

#include "errors.h"

namespace rights {

namespace fs = std::filesystem;

namespace {

std::string CreateErrorText(const std::string& fileName, const std::string& reason) {
  return "Datei " + fileName + " kann nicht erstellt werden. " + reason;
}

fs::path TemporarySibling(const fs::path& target) {
  std::random_device random;
  const auto suffix = std::to_string(random()) + std::to_string(random());
  fs::path temp = target;
  temp += "." + suffix + ".tmp";
  return temp;
}

void WriteParts(const fs::path& path, std::initializer_list<std::span<const std::uint8_t>> parts) {
  std::ofstream out(path, std::ios::binary | std::ios::trunc);
  if (!out) throw std::system_error(errno, std::generic_category());
  for (const auto part : parts)
    out.write(reinterpret_cast<const char*>(part.data()), static_cast<std::streamsize>(part.size()));
  out.flush();
  if (!out) throw std::system_error(errno ? errno : EIO, std::generic_category());
  out.close();
  if (!out) throw std::system_error(errno ? errno : EIO, std::generic_category());
}

}  // namespace

std::string FileOpenErrorText(const std::string& fileName, const std::string& reason) {
  return "Datei " + fileName + " kann nicht geöffnet werden. " + reason;
}

fs::path PathFromUtf8(const std::string& utf8) {
  return fs::path(std::u8string(utf8.begin(), utf8.end()));
}

std::int64_t FileAge(const std::string& fileName) {
  std::error_code error;
  const auto time = fs::last_write_time(PathFromUtf8(fileName), error);
  if (error) return 0;
  return static_cast<std::int64_t>(time.time_since_epoch().count());
}

std::optional<FileImage> ReadWholeFile(const std::string& fileName, std::uint64_t maxBytes) {
  const fs::path path = PathFromUtf8(fileName);
  std::error_code error;
  if (!fs::exists(path, error)) return std::nullopt;
  std::ifstream in(path, std::ios::binary);
  if (!in) throw EFileError(FileOpenErrorText(fileName, std::generic_category().message(errno)));
  FileImage image;
  image.age = FileAge(fileName);
  in.seekg(0, std::ios::end);
  const std::streamoff size = in.tellg();
  in.seekg(0, std::ios::beg);
  if (size < 0) throw EFileError(FileOpenErrorText(fileName, "Die Dateigröße ist nicht lesbar."));
  if (static_cast<std::uint64_t>(size) > maxBytes)
    throw EFileError(FileOpenErrorText(fileName, "Die Datei ist zu groß (" + std::to_string(size) + " Bytes)."));
  image.bytes.resize(static_cast<std::size_t>(size));
  in.read(reinterpret_cast<char*>(image.bytes.data()), size);
  // A file that shrank while we read it keeps what was there.
  image.bytes.resize(static_cast<std::size_t>(in.gcount()));
  return image;
}

std::int64_t WriteFileAtomically(const std::string& fileName,
                                 std::initializer_list<std::span<const std::uint8_t>> parts) {
  const fs::path target = PathFromUtf8(fileName);
  const fs::path temp = TemporarySibling(target);
  std::error_code ignored;
  try {
    WriteParts(temp, parts);
    // Keep the permissions the shared file had.
    const auto status = fs::status(target, ignored);
    if (!ignored && fs::exists(status)) fs::permissions(temp, status.permissions(), ignored);
    // Taken before the rename, which keeps it: after it another writer may
    // already have replaced the file again.
    const auto written = fs::last_write_time(temp);
    fs::rename(temp, target);
    return static_cast<std::int64_t>(written.time_since_epoch().count());
  } catch (const std::system_error& failure) {  // filesystem_error included
    fs::remove(temp, ignored);
    throw EFileError(CreateErrorText(fileName, failure.code().message()));
  }
}

}  // namespace rights
