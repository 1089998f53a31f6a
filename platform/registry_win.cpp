// The registry itself.
#ifdef _WIN32

#include <windows.h>

#include "registry_backend.h"
#include "win_text.h"

namespace platform {

std::filesystem::path RegistryFile(RegistryRoot) { return {}; }

void SetRegistryFolder(RegistryRoot, const std::filesystem::path&) {}

namespace detail {

namespace {

std::wstring JoinPath(const KeyPath& path) {
  std::wstring joined;
  for (const auto& part : path) {
    if (!joined.empty()) joined += L'\\';
    joined += Widen(part);
  }
  return joined;
}

class WinBackend final : public RegistryBackend {
 public:
  explicit WinBackend(RegistryRoot root)
      : fRoot(root == RegistryRoot::CurrentUser ? HKEY_CURRENT_USER : HKEY_LOCAL_MACHINE) {}
  ~WinBackend() override { Close(); }

  bool Open(const KeyPath& path, bool create, bool writable) override {
    Close();
    const REGSAM access = writable ? KEY_READ | KEY_WRITE : KEY_READ;
    const std::wstring name = JoinPath(path);
    LONG result;
    if (create)
      result = RegCreateKeyExW(fRoot, name.c_str(), 0, nullptr, REG_OPTION_NON_VOLATILE, access, nullptr,
                               &fKey, nullptr);
    else
      result = RegOpenKeyExW(fRoot, name.c_str(), 0, access, &fKey);
    if (result != ERROR_SUCCESS) fKey = nullptr;
    return fKey != nullptr;
  }

  void Close() override {
    if (fKey) RegCloseKey(fKey);
    fKey = nullptr;
  }

  bool KeyExists(const KeyPath& path) override {
    HKEY key = nullptr;
    if (RegOpenKeyExW(fRoot, JoinPath(path).c_str(), 0, KEY_READ, &key) != ERROR_SUCCESS) return false;
    RegCloseKey(key);
    return true;
  }

  bool DeleteKey(const KeyPath& path) override {
    // With a subkey name this removes the key itself too.
    return RegDeleteTreeW(fRoot, JoinPath(path).c_str()) == ERROR_SUCCESS;
  }

  std::vector<std::string> KeyNames() override {
    std::vector<std::string> names;
    wchar_t name[256];
    for (DWORD i = 0;; ++i) {
      DWORD size = 256;
      if (RegEnumKeyExW(fKey, i, name, &size, nullptr, nullptr, nullptr, nullptr) != ERROR_SUCCESS) break;
      names.push_back(Narrow(std::wstring(name, size)));
    }
    return names;
  }

  std::vector<std::string> ValueNames() override {
    std::vector<std::string> names;
    wchar_t name[16384];
    for (DWORD i = 0;; ++i) {
      DWORD size = 16384;
      if (RegEnumValueW(fKey, i, name, &size, nullptr, nullptr, nullptr, nullptr) != ERROR_SUCCESS) break;
      names.push_back(Narrow(std::wstring(name, size)));
    }
    return names;
  }

  std::optional<RegistryValue> Read(const std::string& name) override {
    const std::wstring wideName = Widen(name);
    DWORD type = 0;
    DWORD size = 0;
    if (RegQueryValueExW(fKey, wideName.c_str(), nullptr, &type, nullptr, &size) != ERROR_SUCCESS)
      return std::nullopt;
    std::vector<std::uint8_t> data(size);
    if (RegQueryValueExW(fKey, wideName.c_str(), nullptr, &type, data.data(), &size) != ERROR_SUCCESS)
      return std::nullopt;
    data.resize(size);
    switch (type) {
      case REG_SZ:
      case REG_EXPAND_SZ: {
        std::wstring text(reinterpret_cast<const wchar_t*>(data.data()), data.size() / sizeof(wchar_t));
        while (!text.empty() && text.back() == L'\0') text.pop_back();
        return Narrow(text);
      }
      case REG_DWORD:
        if (data.size() != 4) return std::nullopt;
        return static_cast<std::int32_t>(data[0] | data[1] << 8 | data[2] << 16 |
                                         static_cast<std::uint32_t>(data[3]) << 24);
      case REG_BINARY:
        return data;
      default:
        return std::nullopt;
    }
  }

  bool Write(const std::string& name, const RegistryValue& value) override {
    const std::wstring wideName = Widen(name);
    LONG result;
    if (const auto* text = std::get_if<std::string>(&value)) {
      const std::wstring wide = Widen(*text);
      result = RegSetValueExW(fKey, wideName.c_str(), 0, REG_SZ, reinterpret_cast<const BYTE*>(wide.c_str()),
                              static_cast<DWORD>((wide.size() + 1) * sizeof(wchar_t)));
    } else if (const auto* integer = std::get_if<std::int32_t>(&value)) {
      const DWORD dword = static_cast<DWORD>(*integer);
      result = RegSetValueExW(fKey, wideName.c_str(), 0, REG_DWORD, reinterpret_cast<const BYTE*>(&dword),
                              sizeof dword);
    } else {
      const auto& bytes = std::get<std::vector<std::uint8_t>>(value);
      result = RegSetValueExW(fKey, wideName.c_str(), 0, REG_BINARY, bytes.data(),
                              static_cast<DWORD>(bytes.size()));
    }
    return result == ERROR_SUCCESS;
  }

  bool Delete(const std::string& name) override {
    return RegDeleteValueW(fKey, Widen(name).c_str()) == ERROR_SUCCESS;
  }

 private:
  HKEY fRoot;
  HKEY fKey = nullptr;
};

}  // namespace

std::unique_ptr<RegistryBackend> MakeRegistryBackend(RegistryRoot root) {
  return std::make_unique<WinBackend>(root);
}

}  // namespace detail
}  // namespace platform

#endif  // _WIN32
