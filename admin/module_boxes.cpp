#include "module_boxes.h"

#include <QCheckBox>
#include <QLayout>
#include <QVariant>
#include <QWidget>
#include <array>

namespace admin {

namespace {

struct TModuleBox {
  const char* caption;
  const char* hint;
  std::array<const char*, 3> names;  // view filter, user panel, group panel
};

const std::array<TModuleBox, rights::ModuleCount> kBoxes = {{
    {"LED", "LedgerPro", {"cbVFLedger", "cbUsPrLedger", "cbGrPrLedger"}},
    {"OIT", "Open items", {"cbVFOpenItems", "cbUsPrOpenItems", "cbGrPrOIT"}},
    {"BIL", "Invoicing", {"cbVFBilling", "cbUsPrBilling", "cbGrPrBilling"}},
    {"BUD", "Budget", {"cbVFBudget", "cbUsPrBudget", "cbGrPrBudget"}},
    {"AST", "Asset register", {"cbVFAssets", "cbUsPrAssets", "cbGrPrAssets"}},
    {"FIG", "Figures", {"cbVFFigures", "cbUsPrFigures", "cbGrPrFigures"}},
    {"LSE", "Land and lease", {"cbVFLease", "cbUsPrLease", "cbGrPrLease"}},
    {"FLG", "Field log", {"cbVFFLG", "cbUSPrFLG", "cbGrPrFLG"}},
    {"DOC", "", {"cbVFDOC", "cbUsPrDOC", "cbGrPrDOC"}},
}};

char LetterOf(const QCheckBox* box) { return static_cast<char>(box->property("tag").toInt()); }

template <class Visit>
void ForEachBox(const QWidget* panel, Visit visit) {
  for (QCheckBox* box : panel->findChildren<QCheckBox*>(Qt::FindDirectChildrenOnly))
    if (box->property("tag").toInt() > 0) visit(box, LetterOf(box));
}

}  // namespace

void AddModuleBoxes(QWidget* panel, int column) {
  for (std::size_t i = 0; i < kBoxes.size(); ++i) {
    auto* box = new QCheckBox(QString::fromLatin1(kBoxes[i].caption), panel);
    box->setObjectName(QString::fromLatin1(kBoxes[i].names[column]));
    box->setToolTip(QString::fromLatin1(kBoxes[i].hint));
    box->setProperty("tag", static_cast<int>(rights::ModuleLetter(static_cast<int>(i) + 1)));
    panel->layout()->addWidget(box);
  }
}

rights::TModulesStr GetPanelModules(const QWidget* panel) {
  rights::TModulesStr modules = rights::EmptyModulesStr();
  ForEachBox(panel, [&](QCheckBox* box, char letter) {
    if (box->isChecked()) rights::SetModuleLetter(letter, modules, false);
  });
  return modules;
}

void TickPanelModules(QWidget* panel, const rights::TModulesStr& modules) {
  // A string shorter than nine positions holds no letter at all.
  const bool complete = modules.size() >= rights::ModuleCount;
  const std::string positions = complete ? modules.substr(0, rights::ModuleCount) : std::string();
  ForEachBox(panel, [&](QCheckBox* box, char letter) {
    box->setChecked(positions.find(letter) != std::string::npos);
  });
}

void EnablePanelModules(QWidget* panel, const rights::TModulesStr& filter) {
  ForEachBox(panel, [&](QCheckBox* box, char letter) { box->setEnabled(filter.find(letter) != std::string::npos); });
}

}  // namespace admin
