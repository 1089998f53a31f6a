#pragma once
// The entries of the rights catalog: groups and rights, each built from and
// written as one row of the catalog file.
#include <cstdint>
#include <memory>
#include <string>
#include <string_view>

#include "catalog_row.h"
#include "modules.h"

namespace rights {

// Kinds of dialog rights. The five values dfCanShow..dfCanDelete are the
// standard sub-rights of a master-data dialog and carry fixed names. Stored as
// its number; values outside the list are kept as they are.
enum TDialogFlag : std::int32_t {
  dfStamm,
  dfInsert,
  dfCanShow,
  dfProperty,
  dfCanModify,
  dfCanInsert,
  dfCanDelete,
  dfCanPrint,
  dfDelete,
  dfEdit,
  dfNoNavigate,
  dfInsertAndGet,
};

bool IsStandardDialogRight(TDialogFlag flag);
// The fixed name of a standard sub-right; empty for other flags.
std::string_view StandardDialogRightName(TDialogFlag flag);

class TCustomRight {
 public:
  // Blank Modul, StammDlg false.
  TCustomRight(std::int32_t aID, std::int32_t aGroupID, std::string aName, std::string aDescr);
  virtual ~TCustomRight() = default;

  std::int32_t ID;
  std::int32_t GroupID;  // 0 for a top-level entry
  std::string Name;
  std::string Description;  // may hold line breaks (CR LF)
  bool StammDlg = false;    // stands for a master-data dialog
  TModulesStr Modul = EmptyModulesStr();

  int ImageIndex() const { return GetImageIndex(); }
  // The row text: the common fields here, the kind and its own fields in the kinds.
  virtual std::string Save() const;
  virtual std::string getXMLIdentifier() const = 0;
  // The copy TRightList::Assign appends: kind and common fields, but no dialog data.
  virtual std::unique_ptr<TCustomRight> AssignedCopy() const = 0;

 protected:
  virtual int GetImageIndex() const = 0;
  // Fields 1..6 of a row; the row must hold them.
  void LoadCommonFields(const CatalogRow& aArray);
  void CopyStammDlgAndModulTo(TCustomRight& copy) const;
};

class TRightGroup : public TCustomRight {
 public:
  static constexpr std::size_t FieldCount = 8;

  using TCustomRight::TCustomRight;
  // ECatalogRowError for a row that is too short or has a number field that is no number.
  static std::unique_ptr<TRightGroup> Load(const CatalogRow& aArray);

  std::string ConstKurz;  // short code of the group

  std::string Save() const override;
  std::string getXMLIdentifier() const override { return "Gruppe"; }
  std::unique_ptr<TCustomRight> AssignedCopy() const override;

 protected:
  int GetImageIndex() const override { return StammDlg ? 2 : 1; }
};

class TRight : public TCustomRight {
 public:
  static constexpr std::size_t FieldCount = 9;

  // A standard sub-right flag gives the fixed name, no constant name and
  // StammDlg; any other flag keeps aConst and leaves DlgFlag dfStamm.
  TRight(std::int32_t aID, std::int32_t aGroupID, std::string aConst, std::string aName, std::string aDescr,
         TDialogFlag aDlgFlag);
  // ECatalogRowError for a row that is too short or has a number field that is no number.
  static std::unique_ptr<TRight> Load(const CatalogRow& aArray);

  std::string ConstName;  // symbolic constant name of the right
  TDialogFlag DlgFlag = dfStamm;

  std::string Save() const override;
  std::string getXMLIdentifier() const override { return "Recht"; }
  std::unique_ptr<TCustomRight> AssignedCopy() const override;

 protected:
  int GetImageIndex() const override { return 3; }

 private:
  void BecomeStandardDialogRight(TDialogFlag flag);
};

}  // namespace rights
