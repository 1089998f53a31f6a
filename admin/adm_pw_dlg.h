#pragma once
// TAdmPWDlg: the administrator password of a new rights file, entered twice.
// OK closes only when both entries agree and pass the password rules; the
// close box cancels without checks.
#include "ui/qv_form.h"

namespace ui {
class TQVEdit;
}

namespace admin {

class TAdmPWDlg : public ui::TQVForm {
  Q_OBJECT
 public:
  explicit TAdmPWDlg(QWidget* parent = nullptr);

  ui::TQVEdit* PasswordEdit() const { return edPW; }
  ui::TQVEdit* RepeatEdit() const { return edPW2; }

  void done(int result) override;

 private:
  // Shows why the entries cannot be used and focuses the field to correct.
  bool EntriesUsable();

  ui::TQVEdit* edPW = nullptr;
  ui::TQVEdit* edPW2 = nullptr;
};

// The chosen password; empty when the dialog was closed without OK.
QString AskAdmPW();

}  // namespace admin
