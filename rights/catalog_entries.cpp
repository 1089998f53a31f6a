#include "catalog_entries.h"

#include <array>

namespace rights {

namespace {

constexpr std::array<std::string_view, dfCanDelete - dfCanShow + 1> StandardDialogRightNames = {
    "Auswählen", "Eigenschaften Ansehen", "Bearbeiten", "Anlegen", "Löschen"};

std::string JoinFields(std::initializer_list<std::string_view> values) {
  std::string row;
  for (const auto value : values) {
    row += CatalogFieldText(value);
    row += ';';
  }
  return row;
}

}  // namespace

bool IsStandardDialogRight(TDialogFlag flag) { return flag >= dfCanShow && flag <= dfCanDelete; }

std::string_view StandardDialogRightName(TDialogFlag flag) {
  return IsStandardDialogRight(flag) ? StandardDialogRightNames[flag - dfCanShow] : std::string_view();
}

TCustomRight::TCustomRight(std::int32_t aID, std::int32_t aGroupID, std::string aName, std::string aDescr)
    : ID(aID), GroupID(aGroupID), Name(std::move(aName)), Description(std::move(aDescr)) {}

void TCustomRight::LoadCommonFields(const CatalogRow& aArray) {
  ID = CatalogNumber(aArray, 1);
  GroupID = CatalogNumber(aArray, 2);
  Name = aArray[3];
  Description = aArray[4];
  Modul = EmptyModulesStr();
  for (const char letter : aArray[5])
    if (letter != ' ') SetModuleLetter(letter, Modul, false);
  StammDlg = CatalogFlag(aArray[6]);
}

void TCustomRight::CopyStammDlgAndModulTo(TCustomRight& copy) const {
  copy.StammDlg = StammDlg;
  copy.Modul = Modul;
}

std::string TCustomRight::Save() const {
  return JoinFields({std::to_string(ID), std::to_string(GroupID), Name, Description, Modul, StammDlg ? "T" : "F"});
}

std::unique_ptr<TRightGroup> TRightGroup::Load(const CatalogRow& aArray) {
  RequireCatalogFields(aArray, FieldCount, "Eine Gruppe");
  auto group = std::make_unique<TRightGroup>(0, 0, "", "");
  group->LoadCommonFields(aArray);
  group->ConstKurz = aArray[7];
  return group;
}

std::string TRightGroup::Save() const { return "RG;" + TCustomRight::Save() + JoinFields({ConstKurz}); }

std::unique_ptr<TCustomRight> TRightGroup::AssignedCopy() const {
  auto copy = std::make_unique<TRightGroup>(ID, GroupID, Name, Description);
  CopyStammDlgAndModulTo(*copy);
  return copy;
}

TRight::TRight(std::int32_t aID, std::int32_t aGroupID, std::string aConst, std::string aName, std::string aDescr,
               TDialogFlag aDlgFlag)
    : TCustomRight(aID, aGroupID, std::move(aName), std::move(aDescr)) {
  if (IsStandardDialogRight(aDlgFlag))
    BecomeStandardDialogRight(aDlgFlag);
  else
    ConstName = std::move(aConst);
}

void TRight::BecomeStandardDialogRight(TDialogFlag flag) {
  Name = StandardDialogRightName(flag);
  ConstName.clear();
  DlgFlag = flag;
  StammDlg = true;
}

std::unique_ptr<TRight> TRight::Load(const CatalogRow& aArray) {
  RequireCatalogFields(aArray, FieldCount, "Ein Recht");
  auto right = std::make_unique<TRight>(0, 0, "", "", "", dfStamm);
  right->LoadCommonFields(aArray);
  right->DlgFlag = static_cast<TDialogFlag>(CatalogNumber(aArray, 8));
  if (IsStandardDialogRight(right->DlgFlag))
    right->BecomeStandardDialogRight(right->DlgFlag);
  else
    right->ConstName = aArray[7];
  return right;
}

std::string TRight::Save() const {
  return "RI;" + TCustomRight::Save() + JoinFields({ConstName, std::to_string(static_cast<std::int32_t>(DlgFlag))});
}

std::unique_ptr<TCustomRight> TRight::AssignedCopy() const {
  auto copy = std::make_unique<TRight>(ID, GroupID, ConstName, Name, Description, dfStamm);
  CopyStammDlgAndModulTo(*copy);
  return copy;
}

}  // namespace rights
