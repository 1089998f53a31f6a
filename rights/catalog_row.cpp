#include "catalog_row.h"

#include <charconv>

namespace rights {

namespace {

constexpr std::string_view LineBreakMark = "<LF>";

std::string ExpandLineBreaks(std::string_view field) {
  std::string text;
  text.reserve(field.size());
  for (std::size_t pos = 0; pos < field.size();) {
    if (field.compare(pos, LineBreakMark.size(), LineBreakMark) == 0) {
      text += "\r\n";
      pos += LineBreakMark.size();
    } else {
      text += field[pos++];
    }
  }
  return text;
}

std::string_view TrimBlanks(std::string_view text) {
  const auto first = text.find_first_not_of(" \t");
  if (first == std::string_view::npos) return {};
  return text.substr(first, text.find_last_not_of(" \t") - first + 1);
}

}  // namespace

CatalogRow SplitCatalogRow(std::string_view line, std::size_t maxFields) {
  CatalogRow row;
  std::size_t start = 0;
  while (row.size() < maxFields && start < line.size()) {
    const auto end = line.find(';', start);
    // A last field without its ";" still counts: the separator is supplied.
    const auto fieldEnd = end == std::string_view::npos ? line.size() : end;
    row.push_back(ExpandLineBreaks(line.substr(start, fieldEnd - start)));
    start = fieldEnd + 1;
  }
  return row;
}

void RequireCatalogFields(const CatalogRow& row, std::size_t count, std::string_view kind) {
  if (row.size() >= count) return;
  throw ECatalogRowError(std::string(kind) + " braucht " + std::to_string(count) + " Felder, die Zeile hat " +
                         std::to_string(row.size()));
}

std::int32_t CatalogNumber(const CatalogRow& row, std::size_t field) {
  std::string_view text = TrimBlanks(row.at(field));
  if (text.size() > 1 && text[0] == '+' && text[1] != '-') text.remove_prefix(1);
  std::int32_t value = 0;
  const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
  if (text.empty() || error != std::errc() || end != text.data() + text.size())
    throw ECatalogRowError("Feld " + std::to_string(field) + " ist keine Zahl");
  return value;
}

bool CatalogFlag(std::string_view text) {
  return !text.empty() && std::string_view("1JTYjty").find(text.front()) != std::string_view::npos;
}

std::string CatalogFieldText(std::string_view value) {
  std::string text;
  text.reserve(value.size());
  for (std::size_t pos = 0; pos < value.size(); ++pos) {
    const char c = value[pos];
    if (c == ';') {
      text += ',';
    } else if (c == '\r' || c == '\n') {
      text += LineBreakMark;
      if (c == '\r' && pos + 1 < value.size() && value[pos + 1] == '\n') ++pos;
    } else {
      text += c;
    }
  }
  return text;
}

}  // namespace rights
