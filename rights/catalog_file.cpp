#include "catalog_file.h"

#include <algorithm>
#include <filesystem>
#include <iterator>
#include <string_view>

#include "codepage.h"
#include "file_io.h"
#include "regular_file.h"

namespace rights {

namespace {

constexpr std::string_view XmlStart = "<?xml";
constexpr std::size_t MostFieldsOfARow = std::max(TRightGroup::FieldCount, TRight::FieldCount);

void CheckSize(std::uintmax_t size) {
  if (size > MaxCatalogSize)
    throw ECatalogError("Die Datei ist mit " + std::to_string(size) + " Bytes größer als erlaubt (" +
                        std::to_string(MaxCatalogSize) + " Bytes).");
}

bool IsXml(std::span<const std::uint8_t> bytes) {
  return bytes.size() >= XmlStart.size() && std::equal(XmlStart.begin(), XmlStart.end(), bytes.begin());
}

// Calls onLine(line, number) for each line of the text, numbered from 1; a
// final line break ends the last line without starting another. One line at a
// time, so memory follows the entries, not the number of line breaks.
template <class OnLine>
void ForEachLine(std::string_view text, OnLine onLine) {
  std::size_t start = 0;
  for (std::size_t number = 1; start < text.size(); ++number) {
    const auto end = std::min(text.find_first_of("\r\n", start), text.size());
    onLine(text.substr(start, end - start), number);
    start = end + 1;
    if (end < text.size() && text[end] == '\r' && start < text.size() && text[start] == '\n') ++start;
  }
}

std::unique_ptr<TCustomRight> LoadEntry(std::string_view line) {
  if (line.empty()) throw ECatalogRowError("die Zeile ist leer");
  const CatalogRow row = SplitCatalogRow(line, MostFieldsOfARow);
  if (row[0] == "RG") return TRightGroup::Load(row);
  return TRight::Load(row);
}

}  // namespace

ECatalogError::ECatalogError(const std::string& detail)
    : ERightsError(TErrorKind::Catalog, "Die Rechtedefinitionen konnten nicht gelesen werden.\r" + detail) {}

CatalogEntries ParseCatalog(std::span<const std::uint8_t> bytes) {
  CheckSize(bytes.size());
  CatalogEntries entries;
  if (IsXml(bytes)) return entries;
  // Line breaks are the same bytes in Windows-1252 and UTF-8: each line is converted alone.
  const std::string_view text(reinterpret_cast<const char*>(bytes.data()), bytes.size());
  ForEachLine(text, [&](std::string_view line, std::size_t number) {
    try {
      entries.push_back(LoadEntry(Cp1252ToUtf8(line)));
    } catch (const ECatalogRowError& error) {
      throw ECatalogError("Zeile " + std::to_string(number) + ": " + error.what());
    }
  });
  return entries;
}

std::vector<std::uint8_t> ReadCatalogStream(std::istream& stream) {
  stream.clear();
  stream.seekg(0, std::ios::beg);
  std::vector<std::uint8_t> bytes;
  char buffer[4096];
  while (stream.read(buffer, sizeof buffer) || stream.gcount() > 0) {
    bytes.insert(bytes.end(), buffer, buffer + stream.gcount());
    CheckSize(bytes.size());
  }
  return bytes;
}

std::optional<std::vector<std::uint8_t>> ReadCatalogFile(const std::string& fileName) {
  if (!RequireRegularFile(fileName)) return std::nullopt;
  std::error_code unknownSize;
  const auto size = std::filesystem::file_size(PathFromUtf8(fileName), unknownSize);
  if (!unknownSize) CheckSize(size);
  auto image = ReadWholeFile(fileName);
  if (!image) return std::nullopt;
  return std::move(image->bytes);
}

}  // namespace rights
