#include "update/use_temp_dir.h"

#include "clients/paths.h"
#include "platform/registry.h"

namespace update {

bool UseTempDirSetting(bool read, bool value) {
  const std::string key = clients::RegistryBase + "Internet-Update";
  platform::Registry registry(platform::RegistryRoot::CurrentUser);
  if (!registry.OpenKey(key, !read)) return false;
  if (read) return registry.ReadBool("Use TempDir").value_or(false);
  registry.WriteBool("Use TempDir", value);
  return value;
}

}  // namespace update
