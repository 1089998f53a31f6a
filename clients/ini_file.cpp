#include "ini_file.h"

#include <algorithm>
#include <utility>

#include "rights/codepage.h"
#include "text_utils.h"

namespace clients {

namespace {

const char* const kLineBreak = "\r\n";

std::string BoolDigit(bool value) { return value ? "1" : "0"; }

}  // namespace

TQVCustomIniFile::TQVCustomIniFile(bool onlyText) : fOnlyText(onlyText) {}

void TQVCustomIniFile::SetText(const std::string& value) {
  if (fOnlyText) {
    fModified = value != fUndoText;
    fUndoText = value;
    return;
  }
  std::string text = value;
  std::erase(text, '\0');
  Parse(text);
}

void TQVCustomIniFile::Parse(const std::string& text) {
  fSections.clear();
  fSectionIndex.clear();
  fLastFound = kNone;
  Section* current = nullptr;
  std::size_t start = 0;
  while (start <= text.size()) {
    std::size_t end = text.find_first_of("\r\n", start);
    if (end == std::string::npos) end = text.size();
    const std::string_view line = Trim(std::string_view(text).substr(start, end - start));
    start = end + 1;
    if (line.empty() || line.front() == ';') continue;
    if (line.front() == '[' && line.back() == ']' && line.size() >= 2) {
      AppendSection(std::string(Trim(line.substr(1, line.size() - 2))));
      current = &fSections.back();
    } else if (current) {
      const std::size_t equals = line.find('=');
      if (equals == std::string_view::npos)
        current->lines.push_back({std::string(line), {}, false});
      else
        current->lines.push_back(
            {std::string(Trim(line.substr(0, equals))), std::string(Trim(line.substr(equals + 1))), true});
    }
  }
}

std::string TQVCustomIniFile::GetText() const {
  if (fOnlyText) return fUndoText;
  std::string text;
  for (const Section& section : fSections) {
    text += "[" + section.name + "]" + kLineBreak;
    for (const Line& line : section.lines)
      text += (line.isKey ? line.name + "=" + line.value : line.name) + kLineBreak;
    text += kLineBreak;
  }
  return text;
}

void TQVCustomIniFile::AppendSection(std::string name) {
  // A repeated name keeps pointing at its first section, which lookups find.
  fSectionIndex.try_emplace(rights::LowerCase(name), fSections.size());
  fSections.push_back({std::move(name), {}});
}

void TQVCustomIniFile::RebuildSectionIndex() {
  fSectionIndex.clear();
  fLastFound = kNone;
  for (std::size_t i = 0; i < fSections.size(); ++i) fSectionIndex.try_emplace(rights::LowerCase(fSections[i].name), i);
}

void TQVCustomIniFile::Clear() {
  fSections.clear();
  fSectionIndex.clear();
  fLastFound = kNone;
  fUndoText.clear();
}

const TQVCustomIniFile::Section* TQVCustomIniFile::FindSection(const std::string& name) const {
  if (fLastFound != kNone && rights::SameTextIgnoringCase(fSections[fLastFound].name, name))
    return &fSections[fLastFound];
  const auto found = fSectionIndex.find(rights::LowerCase(name));
  if (found == fSectionIndex.end()) return nullptr;
  fLastFound = found->second;
  return &fSections[fLastFound];
}

TQVCustomIniFile::Section* TQVCustomIniFile::FindSection(const std::string& name) {
  return const_cast<Section*>(std::as_const(*this).FindSection(name));
}

const TQVCustomIniFile::Line* TQVCustomIniFile::FindKey(const Section& section, const std::string& ident) {
  for (const Line& line : section.lines)
    if (line.isKey && rights::SameTextIgnoringCase(line.name, ident)) return &line;
  return nullptr;
}

std::string TQVCustomIniFile::ReadString(const std::string& section, const std::string& ident,
                                         const std::string& defaultValue) const {
  const Section* found = FindSection(section);
  const Line* line = found ? FindKey(*found, ident) : nullptr;
  return line ? line->value : defaultValue;
}

std::string TQVCustomIniFile::ReadAnsiString(const std::string& section, const std::string& ident,
                                             const std::string& defaultValue) const {
  return rights::Utf8ToCp1252(ReadString(section, ident, rights::Cp1252ToUtf8(defaultValue)));
}

bool TQVCustomIniFile::ReadBool(const std::string& section, const std::string& ident, bool defaultValue) {
  const std::string fallback = BoolDigit(defaultValue);
  std::string value = ReadString(section, ident, fallback);
  if (value != "1" && value != "0") {
    Store(section, ident, fallback);
    fModified = true;
    value = fallback;
  }
  return value == "1";
}

std::int32_t TQVCustomIniFile::ReadInteger(const std::string& section, const std::string& ident,
                                           std::int32_t defaultValue) const {
  return TryStrToInt(ReadString(section, ident, std::to_string(defaultValue))).value_or(0);
}

void TQVCustomIniFile::Store(const std::string& section, const std::string& ident, const std::string& value) {
  Section* target = FindSection(section);
  if (!target) {
    AppendSection(section);
    target = &fSections.back();
  }
  // As the toolkit does, the key takes the spelling it is written with.
  if (Line* line = const_cast<Line*>(FindKey(*target, ident)))
    *line = {ident, value, true};
  else
    target->lines.push_back({ident, value, true});
}

void TQVCustomIniFile::WriteString(const std::string& section, const std::string& ident,
                                   const std::string& value) {
  const Section* found = FindSection(section);
  const Line* line = found ? FindKey(*found, ident) : nullptr;
  if (line ? line->value == value : value.empty()) return;
  Store(section, ident, value);
  fModified = true;
}

void TQVCustomIniFile::WriteAnsiString(const std::string& section, const std::string& ident,
                                       const std::string& value) {
  WriteString(section, ident, rights::Cp1252ToUtf8(value));
}

void TQVCustomIniFile::WriteBool(const std::string& section, const std::string& ident, bool value) {
  WriteString(section, ident, BoolDigit(value));
}

void TQVCustomIniFile::WriteInteger(const std::string& section, const std::string& ident, std::int32_t value) {
  WriteString(section, ident, std::to_string(value));
}

void TQVCustomIniFile::DeleteKey(const std::string& section, const std::string& ident) {
  Section* found = FindSection(section);
  if (!found) return;
  const auto line = std::find_if(found->lines.begin(), found->lines.end(), [&](const Line& candidate) {
    return candidate.isKey && rights::SameTextIgnoringCase(candidate.name, ident);
  });
  if (line == found->lines.end()) return;
  found->lines.erase(line);
  fModified = true;
}

void TQVCustomIniFile::EraseSection(const std::string& section) {
  if (fOnlyText) return;
  const Section* found = FindSection(section);
  if (!found) return;
  fSections.erase(fSections.begin() + (found - fSections.data()));
  RebuildSectionIndex();
  fModified = true;
}

std::vector<std::string> TQVCustomIniFile::ReadSections() const {
  std::vector<std::string> names;
  for (const Section& section : fSections) names.push_back(section.name);
  return names;
}

std::vector<std::string> TQVCustomIniFile::ReadSection(const std::string& section) const {
  std::vector<std::string> names;
  if (const Section* found = FindSection(section))
    for (const Line& line : found->lines)
      if (line.isKey) names.push_back(line.name);
  return names;
}

bool TQVCustomIniFile::SectionExists(const std::string& section) const { return FindSection(section) != nullptr; }

bool TQVCustomIniFile::ValueExists(const std::string& section, const std::string& ident) const {
  const Section* found = FindSection(section);
  return found && FindKey(*found, ident);
}

void TQVCustomIniFile::SetModified(bool value) {
  if (fModified == value) return;
  fModified = value;
  if (OnChange) OnChange(*this);
}

bool TQVCustomIniFile::GetIsEmpty() const {
  return std::none_of(fSections.begin(), fSections.end(), [](const Section& section) {
    return std::any_of(section.lines.begin(), section.lines.end(), [](const Line& line) { return line.isKey; });
  });
}

}  // namespace clients
