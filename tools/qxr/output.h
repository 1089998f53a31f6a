#pragma once
// What qxr prints: text lines and tables for people, JSON for scripts, errors
// on standard error. All text is UTF-8.
#include <QJsonObject>
#include <QJsonValue>
#include <QString>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace qxr {

// One line that may hold file contents: control characters (C0, DEL, C1) are
// written as \xNN, so a hostile file cannot steer the terminal.
// Raw bytes (module positions) with every byte outside printable ASCII as \xNN.
std::string BytesText(std::string_view bytes);

void PrintLine(const std::string& text);
// qxr's own text of several lines, printed as it is.
void PrintBlock(const std::string& text);
void PrintJson(const QJsonObject& object);
void PrintError(const std::string& text);

// A German message of the system in quotes, its "\r" shown as a line break.
std::string Quoted(std::string message);

std::string YesNo(bool value);
// 0x3D49074D
std::string Hex32(std::uint32_t value);

QString ToQ(const std::string& utf8);
QJsonValue TextOrNull(const std::optional<std::string>& utf8);

// Columns padded to their widest cell; the last column is not padded.
class TextTable {
 public:
  explicit TextTable(std::vector<std::string> headings);
  void AddRow(std::vector<std::string> cells);
  void Print() const;

 private:
  std::vector<std::vector<std::string>> fRows;
};

}  // namespace qxr
