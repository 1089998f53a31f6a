// qxr catalog CSV: a rights catalog as an indented tree.
#include <QJsonArray>
#include <algorithm>

#include "catalog_access.h"
#include "catalog_tree.h"
#include "command_line.h"
#include "commands.h"
#include "output.h"
#include "rights/catalog_entries.h"
#include "rights/modules.h"

namespace qxr {

namespace {

// Deeper levels are not indented further, so a hostile catalog cannot blow
// its listing up to the square of its size.
constexpr std::size_t kMaxIndentLevels = 32;

std::vector<std::string> ModuleCaptions(const rights::TModulesStr& modules) {
  std::vector<std::string> captions;
  for (int module = 1; module <= rights::ModuleCount; ++module)
    if (rights::ModuleInStr(rights::ModuleLetter(module), modules))
      captions.emplace_back(rights::ModuleShortCaptions[module]);
  return captions;
}

const rights::TRight* AsRight(const rights::TCustomRight& entry) {
  return dynamic_cast<const rights::TRight*>(&entry);
}

std::string Constant(const rights::TCustomRight& entry) {
  if (const rights::TRight* right = AsRight(entry)) return right->ConstName;
  return static_cast<const rights::TRightGroup&>(entry).ConstKurz;
}

QJsonObject EntryJson(const rights::TCustomRight& entry) {
  QJsonArray captions;
  for (const auto& caption : ModuleCaptions(entry.Modul)) captions.append(ToQ(caption));
  const rights::TRight* right = AsRight(entry);
  return {
      {"id", entry.ID},
      {"group_id", entry.GroupID},
      {"kind", right ? "right" : "group"},
      {"name", ToQ(entry.Name)},
      {"description", ToQ(entry.Description)},
      {"modules", ToQ(entry.Modul)},
      {"module_captions", captions},
      {"stamm_dlg", entry.StammDlg},
      {"constant", ToQ(Constant(entry))},
      {"dlg_flag", right ? QJsonValue(static_cast<int>(right->DlgFlag)) : QJsonValue(QJsonValue::Null)},
  };
}

void PrintCatalogJson(const CatalogTree& tree) {
  QJsonArray entries;
  for (const CatalogNode& node : tree.nodes) {
    QJsonObject entry = EntryJson(*node.entry);
    entry.insert("depth", static_cast<qint64>(node.depth));
    entries.append(entry);
  }
  QJsonArray orphans;
  for (const rights::TCustomRight* entry : tree.orphans) orphans.append(EntryJson(*entry));
  PrintJson({{"entries", entries}, {"orphans", orphans}});
}

std::string EntryLine(const rights::TCustomRight& entry, std::size_t depth) {
  std::string line(2 * std::min(depth, kMaxIndentLevels), ' ');
  line += std::to_string(entry.ID) + " " + entry.Name;
  if (!AsRight(entry)) line += " (group)";
  std::string captions;
  for (const auto& caption : ModuleCaptions(entry.Modul)) captions += (captions.empty() ? "" : " ") + caption;
  if (!captions.empty()) line += " [" + captions + "]";
  return line;
}

void PrintCatalogText(const CatalogTree& tree) {
  for (const CatalogNode& node : tree.nodes) PrintLine(EntryLine(*node.entry, node.depth));
  if (tree.orphans.empty()) return;
  PrintLine("");
  PrintLine("Entries whose group is not above them (the trees leave them out):");
  for (const rights::TCustomRight* entry : tree.orphans) PrintLine(EntryLine(*entry, 1));
}

void Declare(CommandLine& line) {
  line.AddArgument("CSV", "The rights catalog (QV_AppRights.csv).");
  line.AddJsonFlag();
}

int Run(const CommandLine& line) {
  const rights::TRightList catalog = LoadCatalogFile(line.Argument(0));
  const CatalogTree tree = BuildCatalogTree(catalog);
  if (line.Json())
    PrintCatalogJson(tree);
  else
    PrintCatalogText(tree);
  return ExitOk;
}

}  // namespace

const Command CatalogCommand{"catalog", "Shows a rights catalog as a tree with the modules of each entry.", Declare,
                             Run};

}  // namespace qxr
