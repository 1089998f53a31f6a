#pragma once
// TFIRList: an owning list of records of one kind, numbered per list.
#include <algorithm>
#include <cstdint>
#include <memory>
#include <vector>

#include "byte_stream.h"
#include "errors.h"
#include "records.h"

namespace rights {

enum ListClass : std::uint8_t {
  lcBase = 10,
  lcUsers = 11,
  lcGroups = 12,
  lcAssignments = 13,
  lcAssignedRights = 14,
};

// A number no list change has had before, so a list's ChangeCount tells apart
// any two states of any two lists (a reloaded list included).
std::uint64_t NextChangeStamp();

template <class R>
class TFIRList {
 public:
  using Record = R;

  explicit TFIRList(std::uint8_t listClass) : FIRClassID(listClass), fChangeCount(NextChangeStamp()) {}
  TFIRList(TFIRList&&) noexcept = default;
  TFIRList& operator=(TFIRList&&) noexcept = default;
  virtual ~TFIRList() = default;

  std::uint8_t FIRClassID;
  std::int32_t fLoadCount = 0;

  std::size_t Count() const { return fItems.size(); }
  bool Empty() const { return fItems.empty(); }

  R& operator[](std::size_t index) { return *fItems.at(CheckIndex(index)); }
  const R& operator[](std::size_t index) const { return *fItems.at(CheckIndex(index)); }

  // Largest ID plus one; 1 for an empty list. Record IDs must not change while
  // the record is in a list.
  std::int32_t NewID() const {
    if (!fMaxIDValid) {
      fMaxID = 0;
      for (const auto& item : fItems) fMaxID = std::max(fMaxID, item->ID);
      fMaxIDValid = true;
    }
    return fMaxID + 1;
  }

  // Numbers the record with NewID when its ID is 0, appends it and returns its index.
  std::size_t AddItem(std::unique_ptr<R> item) {
    if (item->ID == 0) item->ID = NewID();
    if (fMaxIDValid) fMaxID = std::max(fMaxID, item->ID);
    fItems.push_back(std::move(item));
    Changed();
    return fItems.size() - 1;
  }

  int IndexByID(std::int32_t id) const {
    for (std::size_t i = 0; i < fItems.size(); ++i)
      if (fItems[i]->ID == id) return static_cast<int>(i);
    return -1;
  }

  R* ItemByID(std::int32_t id) {
    const int index = IndexByID(id);
    return index < 0 ? nullptr : fItems[index].get();
  }
  const R* ItemByID(std::int32_t id) const {
    const int index = IndexByID(id);
    return index < 0 ? nullptr : fItems[index].get();
  }

  void DeleteByID(std::int32_t id) {
    const int index = IndexByID(id);
    if (index >= 0) Delete(static_cast<std::size_t>(index));
  }

  void Delete(std::size_t index) {
    fItems.erase(fItems.begin() + static_cast<std::ptrdiff_t>(CheckIndex(index)));
    fMaxIDValid = false;
    Changed();
  }

  void Clear() {
    fItems.clear();
    fMaxIDValid = false;
    Changed();
  }

  // Changes with every change of membership, so derived indexes know when to rebuild.
  std::uint64_t ChangeCount() const { return fChangeCount; }

  // Writes the class byte, the count and every record in list order.
  void Store(ByteWriter& writer) const {
    writer.WriteByte(FIRClassID);
    writer.WriteInt32(static_cast<std::int32_t>(fItems.size()));
    for (const auto& item : fItems) item->Store(writer);
  }

  // Reads a list block. At the end of the data the list stays empty. A class
  // byte of another list kind is a damaged file; an unknown one loads nothing.
  void Load(ByteReader& reader) {
    Clear();
    if (reader.AtEnd()) return;
    const std::uint8_t listClass = reader.ReadByte();
    fLoadCount = reader.ReadInt32();
    if (listClass < lcUsers || listClass > lcAssignedRights) return;
    if (listClass != FIRClassID) throw EClassError();
    if (fLoadCount < 0 ||
        static_cast<std::uint64_t>(fLoadCount) * R::MinStoredSize > reader.Remaining())
      throw EReadError();
    fItems.reserve(static_cast<std::size_t>(fLoadCount));
    for (std::int32_t i = 0; i < fLoadCount; ++i) {
      auto item = std::make_unique<R>();
      item->Load(reader);
      fItems.push_back(std::move(item));
    }
    fMaxIDValid = false;
  }

  auto begin() { return fItems.begin(); }
  auto end() { return fItems.end(); }
  auto begin() const { return fItems.cbegin(); }
  auto end() const { return fItems.cend(); }

 protected:
  // Removes every record matching pred, keeping the order of the rest.
  template <class Pred>
  void RemoveIf(Pred pred) {
    const auto removed = std::erase_if(fItems, [&](const std::unique_ptr<R>& item) { return pred(*item); });
    if (removed > 0) {
      fMaxIDValid = false;
      Changed();
    }
  }

  // Removes the last record matching pred, if any.
  template <class Pred>
  void RemoveLast(Pred pred) {
    for (std::size_t i = fItems.size(); i-- > 0;)
      if (pred(*fItems[i])) {
        Delete(i);
        return;
      }
  }

  void Changed() { fChangeCount = NextChangeStamp(); }

  std::vector<std::unique_ptr<R>> fItems;

 private:
  std::size_t CheckIndex(std::size_t index) const {
    if (index >= fItems.size()) throw EListError(static_cast<long>(index));
    return index;
  }

  mutable std::int32_t fMaxID = 0;
  mutable bool fMaxIDValid = false;
  std::uint64_t fChangeCount;
};

}  // namespace rights
