#pragma once
// The suite's settings store below the two registry roots. On Windows it is the
// registry itself; elsewhere each root is one INI file (through QSettings) that
// keeps the same key paths, value names, kinds and sizes.
#include <cstdint>
#include <filesystem>
#include <memory>
#include <optional>
#include <string>
#include <variant>
#include <vector>

namespace platform {

enum class RegistryRoot { CurrentUser, LocalMachine };

enum class RegistryValueKind { None, Text, Integer, Binary };

// A stored value: text (UTF-8), 32-bit integer or bytes. Booleans are integers 0/1.
using RegistryValue = std::variant<std::string, std::int32_t, std::vector<std::uint8_t>>;

namespace detail {
class RegistryBackend;
}

// One open key at a time, like the registry object of the Windows toolkit. Key
// paths are relative to the root, parts separated by "\\"
// ("SOFTWARE\\Quarn & Co. GmbH\\Formulare"); names compare without regard to case.
// Reads give nothing for a missing value or one of another kind; writes and
// deletions answer whether they took effect.
class Registry {
 public:
  explicit Registry(RegistryRoot root);
  ~Registry();
  Registry(const Registry&) = delete;
  Registry& operator=(const Registry&) = delete;

  bool OpenKey(const std::string& path, bool canCreate);
  bool OpenKeyReadOnly(const std::string& path);
  void CloseKey();
  bool HasOpenKey() const { return fOpen; }

  bool KeyExists(const std::string& path);
  // Deletes the key with everything below it.
  bool DeleteKey(const std::string& path);

  // Of the open key.
  std::vector<std::string> GetKeyNames();
  std::vector<std::string> GetValueNames();
  bool ValueExists(const std::string& name);
  RegistryValueKind GetValueKind(const std::string& name);

  std::optional<std::string> ReadString(const std::string& name);
  std::optional<std::int32_t> ReadInteger(const std::string& name);
  std::optional<bool> ReadBool(const std::string& name);
  std::optional<std::vector<std::uint8_t>> ReadBinary(const std::string& name);

  bool WriteString(const std::string& name, const std::string& value);
  bool WriteInteger(const std::string& name, std::int32_t value);
  bool WriteBool(const std::string& name, bool value);
  bool WriteBinary(const std::string& name, const std::vector<std::uint8_t>& value);
  bool DeleteValue(const std::string& name);

 private:
  std::optional<RegistryValue> Read(const std::string& name);
  bool Write(const std::string& name, const RegistryValue& value);

  std::unique_ptr<detail::RegistryBackend> fBackend;
  bool fOpen = false;
  bool fWritable = false;
};

// Where a root is kept on Linux: below the folder of the root ($XDG_CONFIG_HOME,
// or ~/.config, for the current user; /etc/xdg for the machine), "Quarn/Registry.ini".
std::filesystem::path RegistryFile(RegistryRoot root);
// Points a root at another folder (tests); an empty path restores the default.
void SetRegistryFolder(RegistryRoot root, const std::filesystem::path& folder);

}  // namespace platform
