#pragma once
// TQVCustomIniFile: an INI file held in memory, whose whole text is set and read
// at once. Section and key names compare without regard to case; sections and
// keys keep their order. Text is UTF-8.
#include <cstdint>
#include <functional>
#include <string>
#include <unordered_map>
#include <vector>

namespace clients {

class TQVCustomIniFile {
 public:
  // In text-only mode the text is kept as it is and not parsed.
  explicit TQVCustomIniFile(bool onlyText = false);
  virtual ~TQVCustomIniFile() = default;

  void SetText(const std::string& value);
  // Lines end with CR LF; every section is followed by an empty line.
  std::string GetText() const;
  void Clear();

  std::string ReadString(const std::string& section, const std::string& ident,
                         const std::string& defaultValue) const;
  // The same in Windows-1252; the default is given in Windows-1252 too.
  std::string ReadAnsiString(const std::string& section, const std::string& ident,
                             const std::string& defaultValue) const;
  // A stored text other than "1" and "0" is replaced by the default's digit.
  bool ReadBool(const std::string& section, const std::string& ident, bool defaultValue);
  // A stored text that is no number gives 0, not the default.
  std::int32_t ReadInteger(const std::string& section, const std::string& ident,
                           std::int32_t defaultValue) const;

  // Does nothing for an empty value of a missing key or an unchanged value.
  void WriteString(const std::string& section, const std::string& ident, const std::string& value);
  void WriteAnsiString(const std::string& section, const std::string& ident, const std::string& value);
  void WriteBool(const std::string& section, const std::string& ident, bool value);
  void WriteInteger(const std::string& section, const std::string& ident, std::int32_t value);
  void DeleteKey(const std::string& section, const std::string& ident);
  void EraseSection(const std::string& section);

  // Every section name in file order, repeated names included.
  std::vector<std::string> ReadSections() const;
  // The key names of a section.
  std::vector<std::string> ReadSection(const std::string& section) const;
  bool SectionExists(const std::string& section) const;
  bool ValueExists(const std::string& section, const std::string& ident) const;

  bool Modified() const { return fModified; }
  // Fires OnChange when the value changes.
  void SetModified(bool value);
  // No section holds a key.
  bool GetIsEmpty() const;
  bool OnlyText() const { return fOnlyText; }

  std::function<void(TQVCustomIniFile&)> OnChange;

 private:
  // A line of a section: a key with its value, or a line without "=" kept as text.
  struct Line {
    std::string name;
    std::string value;
    bool isKey = true;
  };
  struct Section {
    std::string name;
    std::vector<Line> lines;
  };

  const Section* FindSection(const std::string& name) const;
  Section* FindSection(const std::string& name);
  static const Line* FindKey(const Section& section, const std::string& ident);
  // Stores without the checks of WriteString.
  void Store(const std::string& section, const std::string& ident, const std::string& value);
  void Parse(const std::string& text);
  void AppendSection(std::string name);
  void RebuildSectionIndex();

  bool fOnlyText;
  bool fModified = false;
  std::string fUndoText;
  std::vector<Section> fSections;
  // Lower-cased section name -> position of its first section in fSections:
  // client lists hold many thousands of sections, and each is looked up several times.
  std::unordered_map<std::string, std::size_t> fSectionIndex;
  // The section found last: readers ask for one section's keys one after another.
  mutable std::size_t fLastFound = kNone;
  static constexpr std::size_t kNone = static_cast<std::size_t>(-1);
};

}  // namespace clients
