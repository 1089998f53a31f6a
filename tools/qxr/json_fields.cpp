#include "json_fields.h"

#include <cmath>

#include "command.h"
#include "rights/stored_text.h"

namespace qxr {

std::string JsonFields::Where(const char* key) const { return fPath.empty() ? key : fPath + "." + key; }

void JsonFields::Fail(const char* key, const std::string& problem) const {
  throw Failure(ExitFileError, Where(key) + ": " + problem);
}

QJsonValue JsonFields::Value(const char* key) const {
  const QJsonValue value = fObject.value(QString::fromUtf8(key));
  if (value.isUndefined()) Fail(key, "missing");
  return value;
}

std::int64_t JsonFields::Integer(const char* key, std::int64_t min, std::int64_t max) const {
  const QJsonValue value = Value(key);
  const double number = value.toDouble();
  if (!value.isDouble() || number != std::floor(number) || number < static_cast<double>(min) ||
      number > static_cast<double>(max))
    Fail(key, "expected a whole number from " + std::to_string(min) + " to " + std::to_string(max));
  return static_cast<std::int64_t>(number);
}

std::int32_t JsonFields::Int32(const char* key) const {
  return static_cast<std::int32_t>(Integer(key, INT32_MIN, INT32_MAX));
}

bool JsonFields::Bool(const char* key) const {
  const QJsonValue value = Value(key);
  if (!value.isBool()) Fail(key, "expected true or false");
  return value.toBool();
}

QString JsonFields::QText(const char* key) const {
  const QJsonValue value = Value(key);
  if (!value.isString()) Fail(key, "expected a string");
  return value.toString();
}

std::string JsonFields::Text(const char* key) const { return QText(key).toStdString(); }

std::string JsonFields::StoredText(const char* key) const {
  std::string text = Text(key);
  if (const auto problem = rights::StoredTextProblem(key, text)) Fail(key, *problem);
  return text;
}

JsonFields JsonFields::Object(const char* key) const {
  const QJsonValue value = Value(key);
  if (!value.isObject()) Fail(key, "expected an object");
  return JsonFields(value.toObject(), Where(key));
}

QJsonArray JsonFields::Array(const char* key) const {
  const QJsonValue value = Value(key);
  if (!value.isArray()) Fail(key, "expected an array");
  return value.toArray();
}

JsonFields JsonFields::Element(const QJsonArray& array, const char* key, qsizetype index) const {
  const std::string where = std::string(key) + "[" + std::to_string(index) + "]";
  if (!array[index].isObject()) Fail(where.c_str(), "expected an object");
  return JsonFields(array[index].toObject(), Where(where.c_str()));
}

}  // namespace qxr
