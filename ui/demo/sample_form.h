#pragma once
// A sample window with every control kind of the framework: edits, combo
// boxes, number edits, a folder edit, check and radio buttons, a check-style
// tool button, a list view, list boxes, a page control with a hidden page,
// every button kind and a status bar; its change tracking enables
// "Übernehmen" and names the changed fields in the status bar.
#include "ui/save_pos_form.h"

class QFormLayout;
class QGroupBox;
class QWidget;

namespace ui {
class TQVButton;
class TQVModifyWatch;
class TQVPageControl;
class TQVStatusBar;
}  // namespace ui

class TSampleForm : public ui::TSavePosForm {
  Q_OBJECT
 public:
  explicit TSampleForm(QWidget* owner = nullptr);
  ui::TQVPageControl* Pages() const { return pcMain; }

 protected:
  void ActionUpdate() override;
  void FirstIdleAction() override;

 private:
  QWidget* UserPage();
  QWidget* ListPage();
  QWidget* ButtonPage();
  QWidget* ButtonStrip();
  void AddStatusBar();
  void Apply();

  ui::TQVPageControl* pcMain;
  ui::TQVModifyWatch* mwUser;
  QWidget* pnUser = nullptr;
  ui::TQVButton* bbApply = nullptr;
  ui::TQVStatusBar* sbMain = nullptr;
};
