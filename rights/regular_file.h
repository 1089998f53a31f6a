#pragma once
// Whether a path holds a plain file that may be read. Every reader asks this
// before it opens anything: opening a named pipe waits for a writer, and a
// folder or a device is no settings file.
#include <string>

namespace rights {

enum class FileKind {
  Missing,     // nothing there, or a symbolic link to nothing
  Regular,     // a file, also through symbolic links
  NotRegular,  // a folder, pipe, socket or device
  Unknown,     // the system would not tell; opening will report why
};

// Follows symbolic links and opens nothing, so it never blocks.
FileKind KindOfFile(const std::string& fileName);

// Why the path is no regular file, for a caller that found so ("Das ist keine
// gewöhnliche Datei, sondern ein Verzeichnis."); without the kind when what is
// there now looks like a file.
std::string NotRegularFileReason(const std::string& fileName);

// False when nothing is there. Raises EFileError ("Datei <name> kann nicht
// geöffnet werden. Das ist keine gewöhnliche Datei, sondern ...") for
// anything but a regular file.
bool RequireRegularFile(const std::string& fileName);

}  // namespace rights
