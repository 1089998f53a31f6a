#pragma once
// TIDList: identifiers without duplicates and without 0, in the order added.
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <unordered_set>
#include <vector>

namespace clients {

class TIDList {
 public:
  // False for 0 and for an identifier already held.
  bool Add(std::int32_t id);
  bool Contains(std::int32_t id) const;
  std::size_t Count() const { return fIDs.size(); }
  std::int32_t operator[](std::size_t index) const { return fIDs.at(index); }
  void Clear();

  // Replaces the list by every part of the text that is an integer.
  void SetText(std::string_view text, char separator = ',');
  std::string GetText(char separator = ',') const;

 private:
  std::vector<std::int32_t> fIDs;
  // The same numbers for Contains: a server may list thousands of clients.
  std::unordered_set<std::int32_t> fSeen;
};

}  // namespace clients
