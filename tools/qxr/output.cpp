#include "output.h"

#include <QJsonDocument>
#include <algorithm>
#include <cstdio>

#include "rights/codepage.h"

namespace qxr {

namespace {

void Write(std::FILE* stream, const std::string& text) {
  std::fwrite(text.data(), 1, text.size(), stream);
  std::fputc('\n', stream);
}

void AppendEscape(std::string& out, unsigned code) {
  char escape[5];
  std::snprintf(escape, sizeof escape, "\\x%02X", code);
  out += escape;
}

std::string Printable(std::string_view text, bool keepLineBreaks) {
  // Names in a damaged or hostile file may carry terminal control sequences.
  std::string out;
  out.reserve(text.size());
  for (std::size_t i = 0; i < text.size(); ++i) {
    const auto byte = static_cast<unsigned char>(text[i]);
    const bool c1 = byte == 0xC2 && i + 1 < text.size() && static_cast<unsigned char>(text[i + 1]) < 0xA0 &&
                    static_cast<unsigned char>(text[i + 1]) >= 0x80;
    if (keepLineBreaks && byte == '\n') {
      out += '\n';
    } else if (byte < 0x20 || byte == 0x7F) {
      AppendEscape(out, byte);
    } else if (c1) {
      AppendEscape(out, static_cast<unsigned char>(text[++i]));
    } else {
      out += static_cast<char>(byte);
    }
  }
  return out;
}

}  // namespace

std::string BytesText(std::string_view bytes) {
  std::string out;
  for (const char c : bytes) {
    const auto byte = static_cast<unsigned char>(c);
    if (byte >= 0x20 && byte < 0x7F)
      out += c;
    else
      AppendEscape(out, byte);
  }
  return out;
}

void PrintLine(const std::string& text) { Write(stdout, Printable(text, false)); }

void PrintBlock(const std::string& text) { Write(stdout, text); }

void PrintJson(const QJsonObject& object) {
  const QByteArray json = QJsonDocument(object).toJson(QJsonDocument::Indented);
  std::fwrite(json.constData(), 1, static_cast<std::size_t>(json.size()), stdout);
}

void PrintError(const std::string& text) { Write(stderr, Printable(text, true)); }

std::string Quoted(std::string message) {
  std::replace(message.begin(), message.end(), '\r', '\n');
  return "\"" + message + "\"";
}

std::string YesNo(bool value) { return value ? "yes" : "no"; }

std::string Hex32(std::uint32_t value) {
  char text[11];
  std::snprintf(text, sizeof text, "0x%08X", value);
  return text;
}

QString ToQ(const std::string& utf8) { return QString::fromStdString(utf8); }

QJsonValue TextOrNull(const std::optional<std::string>& utf8) {
  return utf8 ? QJsonValue(ToQ(*utf8)) : QJsonValue(QJsonValue::Null);
}

TextTable::TextTable(std::vector<std::string> headings) { fRows.push_back(std::move(headings)); }

void TextTable::AddRow(std::vector<std::string> cells) {
  for (auto& cell : cells) cell = Printable(cell, false);
  fRows.push_back(std::move(cells));
}

void TextTable::Print() const {
  std::vector<std::size_t> widths;
  for (const auto& row : fRows) {
    widths.resize(std::max(widths.size(), row.size()));
    for (std::size_t i = 0; i < row.size(); ++i) widths[i] = std::max(widths[i], rights::Utf8Length(row[i]));
  }
  for (const auto& row : fRows) {
    std::string line;
    for (std::size_t i = 0; i < row.size(); ++i) {
      line += row[i];
      if (i + 1 < row.size()) line += std::string(widths[i] - rights::Utf8Length(row[i]) + 2, ' ');
    }
    Write(stdout, line);
  }
}

}  // namespace qxr
