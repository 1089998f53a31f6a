#include "ui/save_pos_form.h"

#include <QGuiApplication>
#include <QLayout>
#include <QScreen>
#include <QStyle>

#include <exception>

#include "ui/focus_order.h"
#include "ui/messages.h"

namespace ui {

using platform::Registry;
using platform::RegistryRoot;

namespace {

QList<QRect> WorkAreas() {
  QList<QRect> areas;
  for (const QScreen* screen : QGuiApplication::screens()) areas.append(screen->availableGeometry());
  return areas;
}

bool LiesOnAScreen(const QRect& bounds) {
  for (const QScreen* screen : QGuiApplication::screens())
    if (screen->geometry().intersects(bounds)) return true;
  return false;
}

}  // namespace

TSavePosForm::TSavePosForm(QWidget* parent) : TQVForm(parent) {
  const auto held = QGuiApplication::queryKeyboardModifiers();
  fDefaultOpen = (held & Qt::ShiftModifier) && (held & Qt::ControlModifier);
}

void TSavePosForm::FormCreated() {
  if (fCreated) return;
  fCreated = true;
  if (!testAttribute(Qt::WA_Resized)) adjustSize();
  if (fHeightValue == 0) fHeightValue = height();
  if (!IgnoreSavedPosition()) KeepDesignedSizeAsMinimum();
  if (IsSizeable()) setWindowFlag(Qt::WindowMaximizeButtonHint, true);
  fCreateRect = geometry();
  if (!FormularName().isEmpty()) LoadRegistryData();
}

void TSavePosForm::KeepDesignedSizeAsMinimum() {
  // A minimum that only the layout gave counts as none set by the design.
  const QSize fromLayout = layout() ? layout()->totalMinimumSize() : QSize(0, 0);
  if (minimumWidth() == 0 || minimumWidth() == fromLayout.width()) setMinimumWidth(width());
  if (minimumHeight() == 0 || minimumHeight() == fromLayout.height()) setMinimumHeight(height());
}

void TSavePosForm::SetHeightValue(int value) {
  fHeightValue = value;
  setMinimumHeight(value);
  resize(width(), value);
}

QString TSavePosForm::FormularName() {
  if (fRegName.isEmpty()) fRegName = windowTitle().isEmpty() ? objectName() : windowTitle();
  return fRegName;
}

std::string TSavePosForm::FormKey() { return FormKeyPath(FormularSubKey(), FormularName()); }

void TSavePosForm::ChangeTopLeft(int top, int left) {
  move(left, top);
  fCreateRect = geometry();
}

void TSavePosForm::SetControl2Focus(QWidget* control, TNextCtrlDirection direction) {
  fCtrl2Focus = control;
  fNextCtrlDirection = direction;
}

void TSavePosForm::SetOnLoadSaveRegistry(TOnLoadSaveRegistryData handler) {
  fOnLoadSave = std::move(handler);
  if (fOnLoadSave && fCreated && !FormularName().isEmpty()) LoadRegistryData();
}

void TSavePosForm::LoadSaveRegistryData(bool, Registry&, bool) {}

void TSavePosForm::CallLoadSave(bool load, Registry& r, bool first) {
  if (fOnLoadSave)
    fOnLoadSave(load, r, first);
  else
    LoadSaveRegistryData(load, r, first);
}

void TSavePosForm::LoadRegistryData() {
  try {
    Registry r(RegistryRoot::CurrentUser);
    const bool first = !r.OpenKey(FormKey(), false);
    CallLoadSave(true, r, first);
  } catch (const std::exception& failure) {
    ShowErrorMessage(QStringLiteral("LoadSaveRegData->") + FormularName() + QStringLiteral("\r") +
                         QString::fromUtf8(failure.what()),
                     {}, false);
  }
  PositionRoutine(true);
}

bool TSavePosForm::PositionRoutine(bool load) {
  // Without a name the window has no key of its own.
  if ((load && fDefaultOpen) || FormularName().isEmpty()) return false;
  bool result = !load;
  try {
    Registry r(RegistryRoot::CurrentUser);
    const std::string key = FormKey();
    if (!r.OpenKey(key, !load)) return false;
    if (!load) {
      CallLoadSave(false, r, false);
      r.OpenKey(key, false);
    }
    if (IgnoreSavedPosition()) return result;
    if (ScaleDPI() != 96) {
      if (!r.OpenKey(key + "\\" + ScaleText(ScaleDPI()).toStdString(), !load)) return false;
      fHasLoadForm = false;
    }
    result = LoadSavePosition(load, r);
  } catch (const std::exception&) {
    return false;
  }
  // A place that can no longer be reached is forgotten.
  if (load && result && !StoredRectReachable()) fRegRect = {};
  return result;
}

bool TSavePosForm::LoadSavePosition(bool load, Registry& r) {
  if (load) {
    if (fHasLoadForm || IgnoreSavedPosition()) return true;
    fHasLoadForm = true;
    const auto position = r.ReadBinary("Position");
    const auto rect = position ? DecodePosition(*position) : std::nullopt;
    if (rect) fRegRect = *rect;
    fRegMaximized = r.ReadBool("Maximiert").value_or(false);
    if (const auto monitor = r.ReadInteger("Monitor")) fMonitorNr = *monitor;
    return rect.has_value();
  }
  // The normal rectangle of the client area: the frame is the window
  // manager's and not known before a window is shown.
  r.WriteBinary("Position", EncodePosition(TWinRect::FromQRect(normalGeometry())));
  r.WriteBool("Maximiert", isMaximized());
  const auto screens = QGuiApplication::screens();
  if (screens.size() > 1)
    r.WriteInteger("Monitor", static_cast<std::int32_t>(screens.indexOf(screen())));
  else
    r.DeleteValue("Monitor");
  return true;
}

bool TSavePosForm::StoredRectReachable() {
  if (fRegRect.left == fRegRect.right) return true;
  const auto screens = QGuiApplication::screens();
  if (fMonitorNr > 0 && fMonitorNr >= screens.size()) fMonitorNr = 0;
  const QScreen* primary = QGuiApplication::primaryScreen();
  if (!primary) return false;
  const int titleHeight = style()->pixelMetric(QStyle::PM_TitleBarHeight, nullptr, this);
  return IsReachable(fRegRect, width(), titleHeight, primary->geometry(), WorkAreas());
}

bool TSavePosForm::IsSizeable() const { return minimumSize() != maximumSize(); }

bool TSavePosForm::ApplyStoredRect() {
  if (fRegRect.left == fRegRect.right) return false;
  // Code that moved or resized the window after creation has the last word.
  if (geometry() != fCreateRect) return false;
  if (IsSizeable()) {
    setGeometry(fRegRect.ToQRect());
    fRegRect = {};
  } else {
    setGeometry(QRect(QPoint(fRegRect.left, fRegRect.top), fCreateRect.size()));
  }
  if (!LiesOnAScreen(geometry())) CenterWindow();
  setWindowState(fRegMaximized ? windowState() | Qt::WindowMaximized : windowState() & ~Qt::WindowMaximized);
  return true;
}

void TSavePosForm::setVisible(bool visible) {
  if (visible && fIsFirstShow) {
    fIsFirstShow = false;
    FormCreated();
    if (!IgnoreSavedPosition() && PositionRoutine(true)) ApplyStoredRect();
  }
  TQVForm::setVisible(visible);
}

void TSavePosForm::Closing() {
  if (fSavePosition) PositionRoutine(false);
}

void TSavePosForm::ScaleChanged(const QRect& boundsBefore) {
  fHeightValue = height();
  if (boundsBefore == fCreateRect) fCreateRect = geometry();
}

void TSavePosForm::Enlarged() {
  fCreateRect = geometry();
  if (!fDefaultOpen && PositionRoutine(true) && ApplyStoredRect()) {
    LoadRegistryData();
    return;
  }
  CenterWindow();
}

void TSavePosForm::IdleUpdate() {
  const auto proc = TakeSingleIdleProc();
  ActionUpdate();
  if (fDoFirstIdleAction) {
    fDoFirstIdleAction = false;
    FirstIdleAction();
  }
  if (proc) proc();
  FocusControl2Focus();
}

namespace {

bool TryFocus(QWidget* control) {
  if (!control->isEnabled() || !CanTakeFocus(control)) return false;
  control->setFocus(Qt::OtherFocusReason);
  return true;
}

}  // namespace

void TSavePosForm::FocusControl2Focus() {
  if (!fCtrl2Focus || !isVisible() || !isEnabled()) return;
  if (TryFocus(fCtrl2Focus)) {
    fCtrl2Focus = nullptr;
    return;
  }
  if (fNextCtrlDirection == ncStay) {
    fCtrl2Focus = nullptr;
    return;
  }
  QWidget* other = FindInTabOrder(fCtrl2Focus, fNextCtrlDirection == ncForward, [](QWidget* w) {
    return (w->focusPolicy() & Qt::TabFocus) && CanTakeFocus(w);
  });
  if (other && TryFocus(other)) fCtrl2Focus = nullptr;
}

}  // namespace ui
