#pragma once
// TSavePosForm: a window that remembers, per user, where it was and how large,
// below its own registry key; restores that when it is first shown if the
// place can still be reached; gives derived windows the key for their own
// settings, a deferred focus, and a minimum size equal to the designed size.
#include <QPointer>

#include <functional>

#include "platform/registry.h"
#include "ui/form_position.h"
#include "ui/qv_form.h"

namespace ui {

enum TNextCtrlDirection { ncStay, ncForward, ncBackward };

class TSavePosForm : public TQVForm {
  Q_OBJECT
 public:
  // load; the window's key (not open when `first`); first: the key did not exist.
  using TOnLoadSaveRegistryData = std::function<void(bool load, platform::Registry& r, bool first)>;

  explicit TSavePosForm(QWidget* parent = nullptr);

  // The creation steps, once the derived window has built its controls:
  // designed size, minimum size, registry data and stored position.
  // CreateFormInstance calls it; the first show does when nobody has.
  void FormCreated();

  bool SavePosition() const { return fSavePosition; }
  void SetSavePosition(bool value) { fSavePosition = value; }
  int HeightValue() const { return fHeightValue; }
  // The designed height: sets the minimum height and the height.
  void SetHeightValue(int value);
  // The name of the window's key: its caption, or its object name when the
  // caption is empty, as it is when first asked.
  QString FormularName();
  std::string FormKey();
  // Shift and Ctrl were held when the window was created: no stored position.
  bool DefaultOpen() const { return fDefaultOpen; }
  TWinRect RegRect() const { return fRegRect; }
  QRect CreateRect() const { return fCreateRect; }
  void ChangeTopLeft(int top, int left);

  // The control that gets the focus at the next idle update; when it cannot,
  // the next one in the given direction that can.
  QWidget* Control2Focus() const { return fCtrl2Focus; }
  void SetControl2Focus(QWidget* control, TNextCtrlDirection direction = ncStay);
  bool DoFirstIdleAction() const { return fDoFirstIdleAction; }
  void SetDoFirstIdleAction(bool value) { fDoFirstIdleAction = value; }

  // Replaces LoadSaveRegistryData; assigning a handler loads through it at once.
  void SetOnLoadSaveRegistry(TOnLoadSaveRegistryData handler);

  void setVisible(bool visible) override;

 protected:
  // Reads or writes the position values of the open key.
  virtual bool LoadSavePosition(bool load, platform::Registry& r);
  // True switches all position handling off (its own settings are still kept).
  virtual bool IgnoreSavedPosition() const { return false; }
  // Once, at the first idle update.
  virtual void FirstIdleAction() {}
  // Inserted after "Formulare" in the key path.
  virtual QString FormularSubKey() const { return {}; }
  // The window's own settings in its key.
  virtual void LoadSaveRegistryData(bool load, platform::Registry& r, bool first);

  void IdleUpdate() override;
  void Closing() override;
  void ScaleChanged(const QRect& boundsBefore) override;
  void Enlarged() override;

 private:
  void LoadRegistryData();
  void CallLoadSave(bool load, platform::Registry& r, bool first);
  bool PositionRoutine(bool load);
  bool StoredRectReachable();
  bool ApplyStoredRect();
  bool IsSizeable() const;
  void KeepDesignedSizeAsMinimum();
  void FocusControl2Focus();

  bool fCreated = false;
  bool fIsFirstShow = true;
  bool fSavePosition = true;
  int fHeightValue = 0;
  int fMonitorNr = 0;
  QString fRegName;
  bool fDefaultOpen = false;
  TWinRect fRegRect;
  bool fRegMaximized = false;
  TOnLoadSaveRegistryData fOnLoadSave;
  bool fHasLoadForm = false;
  QPointer<QWidget> fCtrl2Focus;
  TNextCtrlDirection fNextCtrlDirection = ncStay;
  bool fDoFirstIdleAction = true;
  QRect fCreateRect;
};

}  // namespace ui
