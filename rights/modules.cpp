#include "modules.h"

namespace rights {

const std::array<std::string_view, ModuleCount + 1> ModuleShortCaptions = {
    "", "LED", "OIT", "BIL", "BUD", "AST", "FIG", "LSE", "FLG", "DOC"};

const std::array<std::string_view, ModuleCount + 1> ModuleCaptions = {
    "",       "LedgerPro", "Open items",     "Invoicing", "Budget",
    "Asset register", "Figures", "Land and lease", "Field log", "Documents"};

const std::array<std::string_view, LastGeneralRight - FirstGeneralRight + 1> GeneralRightCaptions = {
    "Mandant anlegen", "Mandant bearbeiten", "Mandant löschen",        "Update LedgerPro",
    "Update Billing",  "Update Asset register", "Update Farmline"};

TModulesStr EmptyModulesStr() { return TModulesStr(ModuleCount, ' '); }

TModulesStr AllModulesStr() { return TModulesStr(ModuleLetters); }

char ModuleLetter(int module) {
  if (module < 1 || module > ModuleCount) return ' ';
  return ModuleLetters[module - 1];
}

int ModuleOfLetter(char letter) {
  const auto pos = ModuleLetters.find(letter);
  return pos == std::string_view::npos ? 0 : static_cast<int>(pos) + 1;
}

bool ModuleInStr(char letter, const TModulesStr& s) {
  if (s.size() < static_cast<std::size_t>(ModuleCount)) return false;
  return s.substr(0, ModuleCount).find(letter) != std::string::npos;
}

void SetModuleLetter(char letter, TModulesStr& s, bool remove) {
  const int module = ModuleOfLetter(letter);
  if (module == 0) return;
  if (s.size() < static_cast<std::size_t>(ModuleCount)) s.resize(ModuleCount, ' ');
  s[module - 1] = remove ? ' ' : letter;
}

std::string_view GeneralRightCaption(int id) {
  if (id < FirstGeneralRight || id > LastGeneralRight) return {};
  return GeneralRightCaptions[id - FirstGeneralRight];
}

}  // namespace rights
