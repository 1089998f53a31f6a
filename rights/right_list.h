#pragma once
// TRightList: the rights catalog, its groups and rights in file order. A group
// comes before the entries that name it as their GroupID.
#include <cstdint>
#include <istream>
#include <memory>
#include <span>
#include <string>
#include <vector>

#include "catalog_entries.h"
#include "catalog_file.h"

namespace rights {

class TRightList {
 public:
  // An empty catalog that owns its entries.
  TRightList() = default;

  // The catalog in a file; empty when the file does not exist. ECatalogError
  // for a malformed file, EFileError when it cannot be read.
  static TRightList Load(const std::string& aFileName);
  // The catalog in a stream, read from its start. ECatalogError when malformed.
  static TRightList Load(std::istream& aStream);
  // The catalog in the bytes of a file. ECatalogError when malformed.
  static TRightList FromBytes(std::span<const std::uint8_t> bytes);

  std::int32_t fVersion = 1;

  std::size_t Count() const { return fItems.size(); }
  TCustomRight& operator[](std::size_t index);
  const TCustomRight& operator[](std::size_t index) const;
  auto begin() const { return fItems.cbegin(); }
  auto end() const { return fItems.cend(); }

  // Appends a copy of every entry of Source (see TCustomRight::AssignedCopy).
  void Assign(const TRightList& Source);

  // The first entry with that ID, or none.
  const TCustomRight* GetC_RightByID(std::int32_t ID) const;
  // The first right whose constant name is CN, compared case-sensitively; or none.
  const TRight* GetRightByConstante(const std::string& CN) const;
  // The highest ID when the catalog was loaded; 0 for an empty one.
  std::int32_t LastID() const { return fLastID; }

 private:
  explicit TRightList(CatalogEntries entries);

  CatalogEntries fItems;
  std::int32_t fLastID = 0;
};

}  // namespace rights
