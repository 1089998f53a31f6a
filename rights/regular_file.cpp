#include "regular_file.h"

#include <filesystem>
#include <system_error>

#include "errors.h"
#include "file_io.h"

namespace rights {

namespace {

namespace fs = std::filesystem;

std::string NotRegularReason(fs::file_type type) {
  const std::string start = "Das ist keine gewöhnliche Datei";
  switch (type) {
    case fs::file_type::directory: return start + ", sondern ein Verzeichnis.";
    case fs::file_type::fifo: return start + ", sondern eine benannte Pipe.";
    case fs::file_type::socket: return start + ", sondern ein Socket.";
    case fs::file_type::block:
    case fs::file_type::character: return start + ", sondern ein Gerät.";
    default: return start + ".";
  }
}

// Following symbolic links; none when the system would not tell.
fs::file_type TypeOf(const std::string& fileName) {
  std::error_code error;
  return fs::status(PathFromUtf8(fileName), error).type();
}

FileKind KindOf(fs::file_type type) {
  switch (type) {
    case fs::file_type::not_found: return FileKind::Missing;
    case fs::file_type::regular: return FileKind::Regular;
    case fs::file_type::none:
    case fs::file_type::unknown: return FileKind::Unknown;
    default: return FileKind::NotRegular;
  }
}

}  // namespace

FileKind KindOfFile(const std::string& fileName) { return KindOf(TypeOf(fileName)); }

std::string NotRegularFileReason(const std::string& fileName) { return NotRegularReason(TypeOf(fileName)); }

bool RequireRegularFile(const std::string& fileName) {
  const fs::file_type type = TypeOf(fileName);
  switch (KindOf(type)) {
    case FileKind::Missing: return false;
    case FileKind::NotRegular:
      throw EFileError(FileOpenErrorText(fileName, NotRegularReason(type)));
    default: return true;
  }
}

}  // namespace rights
