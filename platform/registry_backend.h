#pragma once
// What each system provides for Registry: keys addressed by their path parts and
// raw values. Registry does the splitting, the open-key bookkeeping and the kinds.
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "registry.h"

namespace platform::detail {

using KeyPath = std::vector<std::string>;

class RegistryBackend {
 public:
  virtual ~RegistryBackend() = default;
  // Opens the key; false when it does not exist and cannot (or may not) be created.
  virtual bool Open(const KeyPath& path, bool create, bool writable) = 0;
  virtual void Close() = 0;
  virtual bool KeyExists(const KeyPath& path) = 0;
  virtual bool DeleteKey(const KeyPath& path) = 0;
  // The open key's subkeys and values.
  virtual std::vector<std::string> KeyNames() = 0;
  virtual std::vector<std::string> ValueNames() = 0;
  virtual std::optional<RegistryValue> Read(const std::string& name) = 0;
  virtual bool Write(const std::string& name, const RegistryValue& value) = 0;
  virtual bool Delete(const std::string& name) = 0;
};

std::unique_ptr<RegistryBackend> MakeRegistryBackend(RegistryRoot root);

}  // namespace platform::detail
