#pragma once
// Typed reading of one JSON object whose every mistake names where it is
// ("users[3].login: ..."), for input written by people and scripts.
#include <QJsonArray>
#include <QJsonObject>
#include <cstdint>
#include <string>

namespace qxr {

class JsonFields {
 public:
  JsonFields(QJsonObject object, std::string path) : fObject(std::move(object)), fPath(std::move(path)) {}

  std::int64_t Integer(const char* key, std::int64_t min, std::int64_t max) const;
  std::int32_t Int32(const char* key) const;
  bool Bool(const char* key) const;
  std::string Text(const char* key) const;
  // A text for a string field of the rights file: refused when it does not fit
  // (Windows-1252, 255 characters) rather than stored altered.
  std::string StoredText(const char* key) const;
  QString QText(const char* key) const;
  bool Has(const char* key) const { return fObject.contains(QString::fromUtf8(key)); }
  QJsonValue Value(const char* key) const;  // present, of any type
  JsonFields Object(const char* key) const;
  QJsonArray Array(const char* key) const;
  // Element index of an array of objects.
  JsonFields Element(const QJsonArray& array, const char* key, qsizetype index) const;

  [[noreturn]] void Fail(const char* key, const std::string& problem) const;

 private:
  std::string Where(const char* key) const;

  QJsonObject fObject;
  std::string fPath;
};

}  // namespace qxr
