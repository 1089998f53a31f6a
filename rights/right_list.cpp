#include "right_list.h"

#include <algorithm>

namespace rights {

TRightList::TRightList(CatalogEntries entries) : fItems(std::move(entries)) {
  for (const auto& entry : fItems) fLastID = std::max(fLastID, entry->ID);
}

TRightList TRightList::Load(const std::string& aFileName) {
  const auto bytes = ReadCatalogFile(aFileName);
  return bytes ? FromBytes(*bytes) : TRightList();
}

TRightList TRightList::Load(std::istream& aStream) { return FromBytes(ReadCatalogStream(aStream)); }

TRightList TRightList::FromBytes(std::span<const std::uint8_t> bytes) { return TRightList(ParseCatalog(bytes)); }

TCustomRight& TRightList::operator[](std::size_t index) {
  if (index >= fItems.size()) throw EListError(static_cast<long>(index));
  return *fItems[index];
}

const TCustomRight& TRightList::operator[](std::size_t index) const {
  if (index >= fItems.size()) throw EListError(static_cast<long>(index));
  return *fItems[index];
}

void TRightList::Assign(const TRightList& Source) {
  for (const auto& entry : Source.fItems) fItems.push_back(entry->AssignedCopy());
}

const TCustomRight* TRightList::GetC_RightByID(std::int32_t ID) const {
  const auto found = std::find_if(fItems.begin(), fItems.end(), [ID](const auto& entry) { return entry->ID == ID; });
  return found == fItems.end() ? nullptr : found->get();
}

const TRight* TRightList::GetRightByConstante(const std::string& CN) const {
  for (const auto& entry : fItems) {
    const auto* right = dynamic_cast<const TRight*>(entry.get());
    if (right != nullptr && right->ConstName == CN) return right;
  }
  return nullptr;
}

}  // namespace rights
