#pragma once
// The JSON form of a whole rights file, as `qxr export` writes it and
// `qxr import` reads it. Keys are snake_case and stable (docs/qxr.md).
#include <QJsonObject>
#include <QJsonValue>

#include "rights/rechte_datei.h"

namespace qxr {

// A time stamp as a JSON number; a value JSON cannot hold (NaN, infinity) as
// its eight bytes in 16 hex digits, so it survives an export and import.
QJsonValue TimeStampToJson(rights::TDateTime value);

// Module positions as a string of nine characters U+0000..U+00FF, one per
// stored byte: a damaged file may hold any byte there, and JSON escapes the
// control characters.
QJsonValue ModulesToJson(const rights::TModulesStr& modules);

QJsonObject UserToJson(const rights::TFIUser& user, bool withPassword);

// Header, users (passwords only with withPasswords), groups, assignments and
// assigned rights, every record with every field in list order.
QJsonObject RightsFileToJson(const rights::TRechteDatei& file, bool withPasswords);

// Fills an empty container from such JSON: header identity, switches and the
// four lists. Every user must carry a password. Failure(ExitFileError)
// naming the first wrong value; the container is then to be dropped.
void RightsFileFromJson(const QJsonObject& json, rights::TRechteDatei& file);

}  // namespace qxr
