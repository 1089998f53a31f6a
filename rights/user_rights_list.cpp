#include "user_rights_list.h"

#include "errors.h"

namespace rights {

const TURListEntrie& TUserRightsList::operator[](std::size_t index) const {
  if (index >= fItems.size()) throw EListError(static_cast<long>(index));
  return fItems[index];
}

bool TUserRightsList::AddEntrie(const TURListEntrie& E) {
  if (!fKeys.insert(Key(E.Mandant, E.RightID)).second) return false;
  fItems.push_back(E);
  if (E.RightID >= 1 && static_cast<std::size_t>(E.RightID) < TrackedModuleRights)
    fModuleMandanten[static_cast<std::size_t>(E.RightID)].Include(E.Mandant);
  return true;
}

void TUserRightsList::Clear() {
  fItems.clear();
  fKeys.clear();
  fModuleMandanten = {};
}

bool TUserRightsList::CanDo(std::uint8_t Mandant, std::int32_t RightID) const {
  return UserID == AdministratorID || fKeys.contains(Key(Mandant, RightID));
}

TByteSet TUserRightsList::MandSetOfModule(TRightsPrgModules Modul) const {
  const auto module = static_cast<std::size_t>(Modul);
  TByteSet mandanten = module < TrackedModuleRights ? fModuleMandanten[module] : TByteSet{};
  mandanten.Include(0);
  return mandanten;
}

void TUserRightsList::SetModuleFilter() {
  Modules = EmptyModulesStr();
  for (const TURListEntrie& entry : fItems)
    if (entry.RightID >= 1 && entry.RightID <= ModuleCount)
      SetModuleLetter(ModuleLetter(entry.RightID), Modules, false);
}

}  // namespace rights
