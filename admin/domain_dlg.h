#pragma once
// TfmDomain: the domain trust settings kept in the rights file's header.
// "Übernehmen" is offered only while something differs from what was loaded.
#include "rights/rechte_datei.h"
#include "ui/save_pos_form.h"

class QCheckBox;

namespace ui {
class TQVButton;
class TQVEdit;
class TQVModifyWatch;
}  // namespace ui

namespace admin {

class TfmDomain : public ui::TSavePosForm {
  Q_OBJECT
 public:
  explicit TfmDomain(QWidget* parent = nullptr);

  void LoadFrom(const rights::TRechteDatei& rechteDatei);
  void StoreTo(rights::TRechteDatei& rechteDatei) const;

  ui::TQVEdit* DomainEdit() const { return edDomain; }
  QCheckBox* TrustBox() const { return chkTrust; }
  ui::TQVButton* ApplyButton() const { return bbOK; }

 protected:
  void ActionUpdate() override;
  // OK only with a domain the file can hold as typed.
  void done(int result) override;

 private:
  void ForceLowerCase();

  ui::TQVEdit* edDomain = nullptr;
  QCheckBox* chkTrust = nullptr;
  ui::TQVButton* bbOK = nullptr;
  ui::TQVModifyWatch* mw = nullptr;
};

// True when confirmed; only then are the settings stored in the container.
bool EditDomain(rights::TRechteDatei& rechteDatei);

}  // namespace admin
