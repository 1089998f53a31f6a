#include "id_list.h"

#include "text_utils.h"

namespace clients {

bool TIDList::Add(std::int32_t id) {
  if (id == 0 || !fSeen.insert(id).second) return false;
  fIDs.push_back(id);
  return true;
}

bool TIDList::Contains(std::int32_t id) const { return fSeen.contains(id); }

void TIDList::Clear() {
  fIDs.clear();
  fSeen.clear();
}

void TIDList::SetText(std::string_view text, char separator) {
  Clear();
  for (const std::string& part : SplitString(text, separator))
    if (const auto id = TryStrToInt(Trim(part))) Add(*id);
}

std::string TIDList::GetText(char separator) const {
  std::string text;
  for (const std::int32_t id : fIDs) {
    if (!text.empty()) text += separator;
    text += std::to_string(id);
  }
  return text;
}

}  // namespace clients
