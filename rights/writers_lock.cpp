#include "writers_lock.h"

#include "file_io.h"

namespace rights {

std::string TWritersLock::LockFileName(const std::string& fileName) {
  const auto real = ResolvedTarget(PathFromUtf8(fileName)).u8string() + u8".lock";
  return std::string(real.begin(), real.end());
}

std::string WritersLockBusyText(const std::string& fileName) {
  return "Die Rechtedatei " + fileName +
         " wird gerade von einem anderen Programm geschrieben. Bitte versuchen Sie es gleich noch einmal.";
}

}  // namespace rights
