#pragma once
// One row of the rights catalog file: fields separated by ";", "<LF>" standing
// for a line break inside a field.
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "errors.h"

namespace rights {

using CatalogRow = std::vector<std::string>;

// A row that cannot be read; the message names the field and why, the file
// reader adds the line.
class ECatalogRowError : public ERightsError {
 public:
  explicit ECatalogRowError(const std::string& message) : ERightsError(TErrorKind::Catalog, message) {}
};

// The fields of a line: the text before each ";", a missing final ";" being
// supplied, with "<LF>" turned into CR LF. Stops after maxFields fields, since
// no row needs more and the rest is ignored.
CatalogRow SplitCatalogRow(std::string_view line, std::size_t maxFields);

// Raises ECatalogRowError when the row has fewer than count fields.
void RequireCatalogFields(const CatalogRow& row, std::size_t count, std::string_view kind);

// The decimal integer in a field (blanks around it allowed); ECatalogRowError otherwise.
std::int32_t CatalogNumber(const CatalogRow& row, std::size_t field);

// The master-data flag: true when the text starts with 1, J, T, Y, j, t or y.
bool CatalogFlag(std::string_view text);

// A value as the writer puts it in a field: ";" becomes "," and every line
// break (CR LF, CR or LF) becomes "<LF>", so the row stays one row.
std::string CatalogFieldText(std::string_view value);

}  // namespace rights
