#pragma once
// TQVForm: the base of every window. Adds the idle update, a responsive call
// for long loops, enlarging by half (Ctrl+Alt+Z), centring (Ctrl+Z), the
// cancel button on Esc, close checks, and Tab across the pages of page controls.
#include <QDialog>
#include <QElapsedTimer>
#include <QTimer>

#include <functional>

#include "ui/modal_result.h"

namespace ui {

class TQVForm : public QDialog {
  Q_OBJECT
 public:
  explicit TQVForm(QWidget* parent = nullptr);

  // The dots per inch the window is laid out for: 96, or 144 once enlarged.
  int ScaleDPI() const { return fScaleDPI == 0 ? 96 : fScaleDPI; }
  bool IsScaled() const { return fIsScaled; }
  bool IsInChangeScale() const { return fInChangeScale; }
  bool CanScale() const { return fCanScale; }
  void SetCanScale(bool value) { fCanScale = value; }
  // "-144DPI" while the window is scaled, else empty.
  QString ScaleDPIKey() const { return fScaleDPIKey; }
  // A design measure in the window's current scale.
  int CalcDPI(int value) const;
  // Rescales fonts, sizes and the registered controls by m/d.
  void ChangeScale(int m, int d);

  // Lets the window handle pending events, at most once every 50 ms; for long loops.
  void AntiFreeze();
  // Centres the window on its screen.
  void CenterWindow();

  // Called once at the next idle update.
  void SetSingleIdleProc(std::function<void()> proc) { fSingleIdleProc = std::move(proc); }
  // The idle update: runs shortly after input reached the window; tests call it.
  void updateActions();
  void ScheduleIdleUpdate();

  // Moves the focus to the next or previous control, through the page control
  // that holds the focus when there is one; as Tab and Shift+Tab do.
  bool SelectNextDialogControl(bool forward);
  // The keys the window takes before its controls; answers whether it did.
  bool HandleWindowKey(QKeyEvent* event);
  // A window that sees keys before its controls takes them here first (once
  // per key, for the control that has the focus); true consumes the key.
  virtual bool KeyPreview(QKeyEvent* event) {
    (void)event;
    return false;
  }
  static bool IsWindowKey(const QKeyEvent* event);

  void done(int result) override;
  void accept() override { done(mrOk); }
  void reject() override { done(mrCancel); }

 protected:
  // Derived windows enable and disable their actions here.
  virtual void ActionUpdate() {}
  virtual void IdleUpdate();
  std::function<void()> TakeSingleIdleProc() { return std::exchange(fSingleIdleProc, {}); }
  // Asked before the window closes; false keeps it open.
  virtual bool CanClose() { return true; }
  // The window closes.
  virtual void Closing() {}
  // After ChangeScale, with the bounds the window had before.
  virtual void ScaleChanged(const QRect& boundsBefore) { (void)boundsBefore; }
  // After Ctrl+Alt+Z has enlarged the window.
  virtual void Enlarged() { CenterWindow(); }

  bool focusNextPrevChild(bool next) override;
  void keyPressEvent(QKeyEvent* event) override;
  void showEvent(QShowEvent* event) override;

 private:
  void Enlarge();
  bool ClickCancelButton();
  bool HandlePageKey(QKeyEvent* event);

  int fScaleDPI = 0;
  QString fScaleDPIKey;
  QElapsedTimer fStart;
  bool fInChangeScale = false;
  bool fCanScale = true;
  bool fIsScaled = false;
  std::function<void()> fSingleIdleProc;
  QTimer fIdleTimer;
};

}  // namespace ui
