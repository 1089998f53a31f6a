#include "registry.h"

#include "registry_backend.h"

namespace platform {

namespace {

detail::KeyPath SplitKeyPath(const std::string& path) {
  detail::KeyPath parts;
  std::string part;
  for (const char c : path) {
    if (c == '\\') {
      if (!part.empty()) parts.push_back(std::move(part));
      part.clear();
    } else {
      part += c;
    }
  }
  if (!part.empty()) parts.push_back(std::move(part));
  return parts;
}

}  // namespace

Registry::Registry(RegistryRoot root) : fBackend(detail::MakeRegistryBackend(root)) {}

Registry::~Registry() = default;

bool Registry::OpenKey(const std::string& path, bool canCreate) {
  CloseKey();
  fOpen = fBackend->Open(SplitKeyPath(path), canCreate, true);
  fWritable = fOpen;
  return fOpen;
}

bool Registry::OpenKeyReadOnly(const std::string& path) {
  CloseKey();
  fOpen = fBackend->Open(SplitKeyPath(path), false, false);
  return fOpen;
}

void Registry::CloseKey() {
  if (fOpen) fBackend->Close();
  fOpen = false;
  fWritable = false;
}

bool Registry::KeyExists(const std::string& path) { return fBackend->KeyExists(SplitKeyPath(path)); }

bool Registry::DeleteKey(const std::string& path) {
  const auto parts = SplitKeyPath(path);
  return !parts.empty() && fBackend->DeleteKey(parts);
}

std::vector<std::string> Registry::GetKeyNames() {
  return fOpen ? fBackend->KeyNames() : std::vector<std::string>{};
}

std::vector<std::string> Registry::GetValueNames() {
  return fOpen ? fBackend->ValueNames() : std::vector<std::string>{};
}

std::optional<RegistryValue> Registry::Read(const std::string& name) {
  return fOpen ? fBackend->Read(name) : std::nullopt;
}

bool Registry::Write(const std::string& name, const RegistryValue& value) {
  return fWritable && fBackend->Write(name, value);
}

bool Registry::ValueExists(const std::string& name) { return Read(name).has_value(); }

RegistryValueKind Registry::GetValueKind(const std::string& name) {
  const auto value = Read(name);
  if (!value) return RegistryValueKind::None;
  switch (value->index()) {
    case 0: return RegistryValueKind::Text;
    case 1: return RegistryValueKind::Integer;
    default: return RegistryValueKind::Binary;
  }
}

std::optional<std::string> Registry::ReadString(const std::string& name) {
  const auto value = Read(name);
  if (!value || !std::holds_alternative<std::string>(*value)) return std::nullopt;
  return std::get<std::string>(*value);
}

std::optional<std::int32_t> Registry::ReadInteger(const std::string& name) {
  const auto value = Read(name);
  if (!value || !std::holds_alternative<std::int32_t>(*value)) return std::nullopt;
  return std::get<std::int32_t>(*value);
}

std::optional<bool> Registry::ReadBool(const std::string& name) {
  const auto value = ReadInteger(name);
  if (!value) return std::nullopt;
  return *value != 0;
}

std::optional<std::vector<std::uint8_t>> Registry::ReadBinary(const std::string& name) {
  const auto value = Read(name);
  if (!value || !std::holds_alternative<std::vector<std::uint8_t>>(*value)) return std::nullopt;
  return std::get<std::vector<std::uint8_t>>(*value);
}

bool Registry::WriteString(const std::string& name, const std::string& value) {
  return Write(name, value);
}

bool Registry::WriteInteger(const std::string& name, std::int32_t value) { return Write(name, value); }

bool Registry::WriteBool(const std::string& name, bool value) {
  return Write(name, std::int32_t{value ? 1 : 0});
}

bool Registry::WriteBinary(const std::string& name, const std::vector<std::uint8_t>& value) {
  return Write(name, value);
}

bool Registry::DeleteValue(const std::string& name) { return fWritable && fBackend->Delete(name); }

}  // namespace platform
