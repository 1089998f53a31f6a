#pragma once
// Reading the rights catalog file: Windows-1252 text, one entry per line,
// lines ending with CR, LF or CR LF.
#include <cstdint>
#include <istream>
#include <memory>
#include <optional>
#include <span>
#include <string>
#include <vector>

#include "catalog_entries.h"
#include "errors.h"

namespace rights {

// The catalog cannot be read. The message starts with the system's line and
// then names the line of the file and what is wrong with it.
class ECatalogError : public ERightsError {
 public:
  explicit ECatalogError(const std::string& detail);
};

// Far above any real catalog; refusing more keeps a damaged file from
// exhausting memory.
constexpr std::size_t MaxCatalogSize = 16 * 1024 * 1024;

using CatalogEntries = std::vector<std::unique_ptr<TCustomRight>>;

// The entries of a catalog in file order; none for a file in the XML format.
// ECatalogError for a malformed row or more than MaxCatalogSize bytes.
CatalogEntries ParseCatalog(std::span<const std::uint8_t> bytes);

// All bytes of the stream from its start.
std::vector<std::uint8_t> ReadCatalogStream(std::istream& stream);

// All bytes of the file, or nothing when it does not exist. EFileError for
// anything but a regular file, before it is opened.
std::optional<std::vector<std::uint8_t>> ReadCatalogFile(const std::string& fileName);

}  // namespace rights
