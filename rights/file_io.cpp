#include "file_io.h"

#include <cstdio>
#include <random>
#include <system_error>

namespace rights {

namespace fs = std::filesystem;

namespace {

std::string RandomTemporaryName(const fs::path& target) {
  static thread_local std::mt19937_64 generator{[] {
    std::random_device device;
    return (static_cast<std::uint64_t>(device()) << 32) ^ device();
  }()};
  char digits[17];
  std::snprintf(digits, sizeof digits, "%016llx", static_cast<unsigned long long>(generator()));
  return "." + target.filename().string() + "." + digits + ".tmp";
}

std::string (*gTemporaryNameSource)(const fs::path&) = &RandomTemporaryName;

bool IsHexDigit(char c) { return (c >= '0' && c <= '9') || (c >= 'a' && c <= 'f'); }

}  // namespace

std::string FileOpenErrorText(const std::string& fileName, const std::string& reason) {
  return "Datei " + fileName + " kann nicht geöffnet werden. " + reason;
}

std::string FileCreateErrorText(const std::string& fileName, const std::string& reason) {
  return "Datei " + fileName + " kann nicht erstellt werden. " + reason;
}

fs::path PathFromUtf8(const std::string& utf8) {
  return fs::path(std::u8string(utf8.begin(), utf8.end()));
}

fs::path ResolvedTarget(const fs::path& path) {
  fs::path current = path;
  // The same bound the systems put on nested links.
  for (int depth = 0; depth < 40; ++depth) {
    std::error_code error;
    if (!fs::is_symlink(fs::symlink_status(current, error))) return current;
    const fs::path link = fs::read_symlink(current, error);
    if (error) return current;
    current = link.is_absolute() ? link : current.parent_path() / link;
  }
  return current;
}

std::string TemporaryFileName(const fs::path& target) { return gTemporaryNameSource(target); }

bool IsTemporaryFileOf(const fs::path& target, const std::string& name) {
  const std::string prefix = "." + target.filename().string() + ".";
  const std::string suffix = ".tmp";
  if (name.size() != prefix.size() + 16 + suffix.size()) return false;
  if (name.compare(0, prefix.size(), prefix) != 0) return false;
  if (name.compare(name.size() - suffix.size(), suffix.size(), suffix) != 0) return false;
  for (std::size_t i = prefix.size(); i < prefix.size() + 16; ++i)
    if (!IsHexDigit(name[i])) return false;
  return true;
}

namespace test_hooks {
void SetTemporaryNameSource(std::string (*source)(const fs::path& target)) {
  gTemporaryNameSource = source != nullptr ? source : &RandomTemporaryName;
}
}  // namespace test_hooks

}  // namespace rights
