#include "right_names.h"

#include "rights/modules.h"
#include "rights/records.h"

namespace qxr {

std::optional<std::string> RightName(std::int32_t rightID, const rights::TRightList* catalog) {
  if (rights::ModuleRightRange.Contains(rightID)) return std::string(rights::ModuleCaptions[rightID]);
  if (const auto general = rights::GeneralRightCaption(rightID); !general.empty()) return std::string(general);
  if (catalog == nullptr || rightID < rights::FirstCatalogRight) return std::nullopt;
  const rights::TCustomRight* entry = catalog->GetC_RightByID(rightID);
  if (entry == nullptr) return std::nullopt;
  return entry->Name;
}

}  // namespace qxr
