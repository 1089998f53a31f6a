// Registry roots as INI files, for systems without a registry. Every root is one
// file; a key is a QSettings group, a value a tagged text that keeps its kind:
// "sz:" text, "dword:" eight hex digits, "hex:" bytes as in a .reg export.
#ifndef _WIN32

#include <QSettings>
#include <QStandardPaths>
#include <QString>
#include <QStringList>

#include <array>

#include "registry_backend.h"

namespace platform {

namespace {

std::array<std::filesystem::path, 2> gFolderOverride;

std::filesystem::path DefaultFolder(RegistryRoot root) {
  if (root == RegistryRoot::LocalMachine) return "/etc/xdg";
  return QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation).toStdString();
}

}  // namespace

std::filesystem::path RegistryFile(RegistryRoot root) {
  const auto& folder = gFolderOverride[static_cast<std::size_t>(root)];
  return (folder.empty() ? DefaultFolder(root) : folder) / "Quarn" / "Registry.ini";
}

void SetRegistryFolder(RegistryRoot root, const std::filesystem::path& folder) {
  gFolderOverride[static_cast<std::size_t>(root)] = folder;
}

namespace detail {

namespace {

// A key without values and subkeys is kept by this entry; no escaped name can equal it.
const QString kKeyMarker = QStringLiteral("%key");

// QSettings treats "/" and "\" as group separators; registry names may hold both.
QString EscapeName(const std::string& name) {
  QString escaped;
  for (const QChar c : QString::fromStdString(name)) {
    if (c == u'%') escaped += QStringLiteral("%25");
    else if (c == u'/') escaped += QStringLiteral("%2F");
    else if (c == u'\\') escaped += QStringLiteral("%5C");
    else escaped += c;
  }
  return escaped;
}

std::string UnescapeName(const QString& escaped) {
  QString name = escaped;
  name.replace(QStringLiteral("%2F"), QStringLiteral("/"));
  name.replace(QStringLiteral("%5C"), QStringLiteral("\\"));
  name.replace(QStringLiteral("%25"), QStringLiteral("%"));
  return name.toStdString();
}

QString Encode(const RegistryValue& value) {
  if (const auto* text = std::get_if<std::string>(&value))
    return QStringLiteral("sz:") + QString::fromStdString(*text);
  if (const auto* integer = std::get_if<std::int32_t>(&value))
    return QStringLiteral("dword:%1").arg(static_cast<std::uint32_t>(*integer), 8, 16, QChar(u'0'));
  QStringList bytes;
  for (const std::uint8_t b : std::get<std::vector<std::uint8_t>>(value))
    bytes << QStringLiteral("%1").arg(b, 2, 16, QChar(u'0'));
  return QStringLiteral("hex:") + bytes.join(u',');
}

std::optional<RegistryValue> DecodeInteger(const QString& digits) {
  bool ok = false;
  const std::uint32_t value = digits.toUInt(&ok, 16);
  if (!ok || digits.size() != 8) return std::nullopt;
  return static_cast<std::int32_t>(value);
}

std::optional<RegistryValue> DecodeBinary(const QString& list) {
  std::vector<std::uint8_t> bytes;
  if (list.isEmpty()) return bytes;
  for (const QString& part : list.split(u',')) {
    bool ok = false;
    const unsigned value = part.trimmed().toUInt(&ok, 16);
    if (!ok || value > 0xFF) return std::nullopt;
    bytes.push_back(static_cast<std::uint8_t>(value));
  }
  return bytes;
}

// A value without a known tag (edited by hand) reads as text.
RegistryValue Decode(const QString& stored) {
  std::optional<RegistryValue> decoded;
  if (stored.startsWith(QStringLiteral("sz:"))) return stored.mid(3).toStdString();
  if (stored.startsWith(QStringLiteral("dword:"))) decoded = DecodeInteger(stored.mid(6));
  if (stored.startsWith(QStringLiteral("hex:"))) decoded = DecodeBinary(stored.mid(4));
  return decoded ? *decoded : RegistryValue(stored.toStdString());
}

QString StoredText(const QVariant& value) {
  // An unquoted list with commas, edited by hand, comes back as a list.
  if (value.typeId() == QMetaType::QStringList) return value.toStringList().join(u',');
  return value.toString();
}

class IniBackend final : public RegistryBackend {
 public:
  explicit IniBackend(RegistryRoot root)
      : fSettings(QString::fromStdString(RegistryFile(root).string()), QSettings::IniFormat) {}

  bool Open(const KeyPath& path, bool create, bool writable) override {
    bool created = false;
    const auto group = Resolve(path, create, created);
    if (!group) return false;
    if (created && !AddMarker(*group)) return false;
    fGroup = *group;
    fWritable = writable;
    return true;
  }

  void Close() override { fGroup.clear(); }

  bool KeyExists(const KeyPath& path) override {
    bool created = false;
    return Resolve(path, false, created).has_value();
  }

  bool DeleteKey(const KeyPath& path) override {
    bool created = false;
    const auto group = Resolve(path, false, created);
    if (!group) return false;
    fSettings.remove(*group);
    return Sync();
  }

  std::vector<std::string> KeyNames() override {
    std::vector<std::string> names;
    for (const QString& child : Children(fGroup, true)) names.push_back(UnescapeName(child));
    return names;
  }

  std::vector<std::string> ValueNames() override {
    std::vector<std::string> names;
    for (const QString& child : ValueKeys(fGroup)) names.push_back(UnescapeName(child));
    return names;
  }

  std::optional<RegistryValue> Read(const std::string& name) override {
    const auto key = FindValue(name);
    if (!key) return std::nullopt;
    return Decode(StoredText(fSettings.value(*key)));
  }

  bool Write(const std::string& name, const RegistryValue& value) override {
    if (!fWritable) return false;
    const auto existing = FindValue(name);
    fSettings.setValue(existing ? *existing : Join(fGroup, EscapeName(name)), Encode(value));
    fSettings.remove(Join(fGroup, kKeyMarker));  // the value keeps the key now
    return Sync();
  }

  bool Delete(const std::string& name) override {
    const auto key = FindValue(name);
    if (!fWritable || !key) return false;
    fSettings.remove(*key);
    // The key itself stays, as in the registry.
    if (Children(fGroup, true).isEmpty() && ValueKeys(fGroup).isEmpty()) return AddMarker(fGroup);
    return Sync();
  }

 private:
  static QString Join(const QString& group, const QString& child) {
    return group.isEmpty() ? child : group + u'/' + child;
  }

  QStringList Children(const QString& group, bool groups) {
    fSettings.beginGroup(group);
    const QStringList children = groups ? fSettings.childGroups() : fSettings.childKeys();
    fSettings.endGroup();
    return children;
  }

  QStringList ValueKeys(const QString& group) {
    QStringList keys = Children(group, false);
    keys.removeAll(kKeyMarker);
    return keys;
  }

  static std::optional<QString> Match(const QStringList& candidates, const std::string& name) {
    const QString wanted = QString::fromStdString(name);
    for (const QString& candidate : candidates)
      if (QString::fromStdString(UnescapeName(candidate)).compare(wanted, Qt::CaseInsensitive) == 0)
        return candidate;
    return std::nullopt;
  }

  // The group of the key, in the spelling stored already; the missing parts
  // are added when create is set.
  std::optional<QString> Resolve(const KeyPath& path, bool create, bool& created) {
    QString group;
    created = false;
    for (const std::string& part : path) {
      const auto match = created ? std::nullopt : Match(Children(group, true), part);
      if (match) {
        group = Join(group, *match);
      } else if (create) {
        group = Join(group, EscapeName(part));
        created = true;
      } else {
        return std::nullopt;
      }
    }
    return group;
  }

  std::optional<QString> FindValue(const std::string& name) {
    const auto match = Match(ValueKeys(fGroup), name);
    if (!match) return std::nullopt;
    return Join(fGroup, *match);
  }

  bool AddMarker(const QString& group) {
    if (group.isEmpty()) return true;  // the root always exists
    fSettings.setValue(Join(group, kKeyMarker), QString());
    return Sync();
  }

  bool Sync() {
    fSettings.sync();
    return fSettings.status() == QSettings::NoError;
  }

  QSettings fSettings;
  QString fGroup;
  bool fWritable = false;
};

}  // namespace

std::unique_ptr<RegistryBackend> MakeRegistryBackend(RegistryRoot root) {
  return std::make_unique<IniBackend>(root);
}

}  // namespace detail
}  // namespace platform

#endif  // !_WIN32
