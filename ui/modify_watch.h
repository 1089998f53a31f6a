#pragma once
// TQVModifyWatch: change tracking of the input controls of a panel. It
// remembers each control's value when the window loads its data, and tells on
// demand (it polls, it hooks no change signal) whether and which controls
// differ since then, restores them, and enables or disables the whole panel.
// Controls whose value it cannot read (trees, buttons) are user controls: the
// window answers for them through OnChangedCheck or by calling Changed.
#include <QList>
#include <QObject>
#include <QPointer>
#include <QVariant>
#include <QWidget>

#include <functional>
#include <memory>
#include <optional>
#include <vector>

namespace ui {

// The window's answer about a user control: not changed, changed, no answer
// (the tracker's verdict stands), or, asked by Undo, restore it yourself.
enum TWCIsChanged { wcFalse, wcTrue, wcNone, wcUndo };

using TUserFeldIsChangedEvent = std::function<void(QWidget* control, TWCIsChanged& isChanged)>;

class TQVModifyWatch : public QObject {
  Q_OBJECT
 public:
  explicit TQVModifyWatch(QObject* owner = nullptr);
  ~TQVModifyWatch() override;

  // The container whose controls are watched; setting it forgets all entries.
  QWidget* WatchAt() const { return fWatchAt; }
  void SetWatchAt(QWidget* container);
  // Whether disabled controls take part in the comparison (default true).
  bool CheckDisabled() const { return fCheckDisabled; }
  void SetCheckDisabled(bool value) { fCheckDisabled = value; }
  // Whether list views are watched by value (default false: user controls).
  bool DefaultAtListView() const { return fDefaultAtListView; }
  void SetDefaultAtListView(bool value) { fDefaultAtListView = value; }
  TUserFeldIsChangedEvent OnChangedCheck;

  // False until LoadValues has run; writing false forgets all entries, the
  // negative list and the user list (not the no-disable list).
  bool Initialize() const { return fInitialize; }
  void SetInitialize(bool value);

  // Watches the containers' controls, descending into them.
  void AddWatchAt(const QList<QWidget*>& containers);
  // Watches the controls themselves; those without a value become user controls.
  void AddControls(const QList<QWidget*>& controls);
  // Controls SetEnabled(false) leaves enabled.
  void AddNoDisableControls(const QList<QWidget*>& controls);
  // Containers whose controls are neither watched nor switched.
  void AddToNegativeList(const QList<QWidget*>& containers);
  // Takes containers off the negative list and watches each container itself.
  void DeleteFromNegativeList(const QList<QWidget*>& containers);
  void RemoveInput(QWidget* control);

  // Remembers the current values; the first call after a reset walks WatchAt.
  void LoadValues();
  void LoadControlValue(QWidget* control);

  // Whether any control differs; stops at the first difference.
  bool Modified();
  // The names of the changed controls joined by "," (an unnamed one as its
  // class name, "_" and its position in the list); the controls go to `list`.
  QString DifferentControls(QList<QWidget*>* list = nullptr, bool clearList = false);
  bool IsControlsModified(const QList<QWidget*>& controls);
  bool IsControlModified(QWidget* control) { return IsControlsModified({control}); }
  // Sets the changed flag of a user control.
  void Changed(QWidget* control, bool isChanged);
  // Restores the changed controls, or only `control`; with none, user-list
  // controls are asked (wcUndo) to restore themselves.
  void Undo(QWidget* control = nullptr);
  // None when the control is not watched; a null value for a user control.
  std::optional<QVariant> GetControlValue(QWidget* control) const;
  // Shows the value in the control; the remembered value stays.
  void SetControlValue(QWidget* control, const QVariant& value);
  // Enables or disables every collected control; those of the no-disable list
  // are enabled unless ignoreDisableC.
  void SetEnabled(bool value, bool ignoreDisableC = false);

 private:
  struct TInputControl {
    QPointer<QWidget> control;
    bool isUser = false;
    QVariant loadedValue;  // the value, or for a user control its changed flag
  };

  void Collect(QWidget* control, bool addMode);
  void AddEntry(QWidget* control);
  TInputControl* EntryOf(const QWidget* control) const;
  void LoadValue(TInputControl& entry) const;
  bool IsDifferent(TInputControl& entry) const;
  TWCIsChanged AskHost(QWidget* control, TWCIsChanged question) const;
  static QString NamesText(const QList<QWidget*>& controls);

  std::vector<std::unique_ptr<TInputControl>> fInputControlList;
  bool fFirstLoad = true;
  QPointer<QWidget> fWatchAt;
  QMetaObject::Connection fWatchAtGone;
  bool fDefaultAtListView = false;
  QList<QPointer<QWidget>> fNegativList;
  QList<QPointer<QWidget>> fControlList;
  QList<QPointer<QWidget>> fNoDisableControlList;
  QList<QPointer<QWidget>> fUserList;
  bool fInitialize = false;
  bool fCheckDisabled = true;
  bool fInGetModifyed = false;
  bool fDestroying = false;
};

}  // namespace ui
