#include "ui/modify_watch.h"

#include <QPushButton>

#include <algorithm>

#include "ui/control_kinds.h"
#include "ui/control_value.h"
#include "ui/number_edit.h"

namespace ui {

namespace {

// The control's own flags, as set by hide() and setEnabled(false); a page that
// is not shown or a disabled parent does not count.
bool IsOwnVisible(const QWidget* control) { return !control->isHidden(); }
bool IsOwnEnabled(const QWidget* control) { return !control->testAttribute(Qt::WA_ForceDisabled); }

bool IsContainer(const QWidget* control) {
  return IsPageControl(control) || IsTabSheet(control) || IsPanel(control) ||
         qobject_cast<const QPushButton*>(control);
}

}  // namespace

TQVModifyWatch::TQVModifyWatch(QObject* owner) : QObject(owner) { SetInitialize(false); }

TQVModifyWatch::~TQVModifyWatch() { fDestroying = true; }

void TQVModifyWatch::SetWatchAt(QWidget* container) {
  disconnect(fWatchAtGone);
  fWatchAt = container;
  if (container)
    fWatchAtGone = connect(container, &QObject::destroyed, this, [this] { SetWatchAt(nullptr); });
  SetInitialize(false);
}

void TQVModifyWatch::SetInitialize(bool value) {
  fInitialize = value;
  if (value) return;
  fFirstLoad = true;
  fInputControlList.clear();
  fNegativList.clear();
  fControlList.clear();
  fUserList.clear();
}

void TQVModifyWatch::AddWatchAt(const QList<QWidget*>& containers) {
  for (QWidget* container : containers) Collect(container, false);
}

void TQVModifyWatch::AddControls(const QList<QWidget*>& controls) {
  for (QWidget* control : controls) Collect(control, true);
}

void TQVModifyWatch::AddNoDisableControls(const QList<QWidget*>& controls) {
  for (QWidget* control : controls) fNoDisableControlList.append(control);
}

void TQVModifyWatch::AddToNegativeList(const QList<QWidget*>& containers) {
  for (QWidget* container : containers) {
    fNegativList.append(container);
    const auto entry = std::find_if(fInputControlList.begin(), fInputControlList.end(),
                                    [container](const auto& e) { return e->control == container; });
    if (entry != fInputControlList.end()) fInputControlList.erase(entry);
  }
}

void TQVModifyWatch::DeleteFromNegativeList(const QList<QWidget*>& containers) {
  for (QWidget* container : containers) {
    if (fNegativList.removeAll(container) > 0) AddEntry(container);
  }
}

void TQVModifyWatch::RemoveInput(QWidget* control) {
  fControlList.removeAll(control);
  std::erase_if(fInputControlList, [control](const auto& entry) { return entry->control == control; });
}

// The collecting walk: watch-at mode descends and registers no user-list
// entries; add mode stays at the control and does.
void TQVModifyWatch::Collect(QWidget* control, bool addMode) {
  if (!IsTabSheet(control) && !IsPageControl(control) && !IsPanel(control)) fControlList.append(control);
  const bool checkToolButton = IsCheckToolButton(control);
  const bool graphic = IsGraphicControl(control) && !checkToolButton;
  if (!graphic && fNegativList.contains(control)) return;
  const qsizetype userPosition = addMode ? fUserList.size() : -1;
  if (addMode) fUserList.append(control);
  if (graphic) return;
  const QList<QWidget*> children = DesignChildren(control);
  const bool leaf = checkToolButton || children.isEmpty() || IsComboEdit(control) || IsBrowseEdit(control) ||
                    qobject_cast<TQVCurrEdit*>(control);
  if (leaf && (checkToolButton || !IsContainer(control))) {
    if (userPosition >= 0) fUserList.removeAt(userPosition);
    AddEntry(control);
  }
  if (checkToolButton || addMode || IsComboEdit(control)) return;
  for (QWidget* child : children) Collect(child, false);
}

void TQVModifyWatch::AddEntry(QWidget* control) {
  auto entry = std::make_unique<TInputControl>();
  entry->control = control;
  entry->isUser = !ReadControlValue(control, fDefaultAtListView).has_value();
  LoadValue(*entry);
  fInputControlList.push_back(std::move(entry));
}

TQVModifyWatch::TInputControl* TQVModifyWatch::EntryOf(const QWidget* control) const {
  for (const auto& entry : fInputControlList)
    if (control && entry->control == control) return entry.get();
  return nullptr;
}

void TQVModifyWatch::LoadValue(TInputControl& entry) const {
  // A user control's flag is cleared: null until Changed sets it.
  entry.loadedValue = entry.isUser || !entry.control
                          ? QVariant()
                          : ReadControlValue(entry.control, fDefaultAtListView).value_or(QVariant());
}

void TQVModifyWatch::LoadValues() {
  if (fFirstLoad && fWatchAt) AddWatchAt({fWatchAt});
  fFirstLoad = false;
  for (const auto& entry : fInputControlList) LoadValue(*entry);
  fInitialize = true;
}

void TQVModifyWatch::LoadControlValue(QWidget* control) {
  if (TInputControl* entry = EntryOf(control)) LoadValue(*entry);
}

TWCIsChanged TQVModifyWatch::AskHost(QWidget* control, TWCIsChanged question) const {
  TWCIsChanged answer = question;
  if (OnChangedCheck) OnChangedCheck(control, answer);
  return answer;
}

bool TQVModifyWatch::IsDifferent(TInputControl& entry) const {
  QWidget* control = entry.control;
  if (!control || !IsOwnVisible(control)) return false;
  if (!IsOwnEnabled(control) && !fCheckDisabled) return false;
  if (entry.isUser) {
    if (entry.loadedValue.isNull()) entry.loadedValue = false;
    const TWCIsChanged answer = AskHost(control, wcNone);
    return answer == wcNone ? entry.loadedValue.toBool() : answer == wcTrue;
  }
  const auto current = ReadControlValue(control, fDefaultAtListView);
  if (!current || current->isNull()) return false;
  return *current != entry.loadedValue;
}

QString TQVModifyWatch::NamesText(const QList<QWidget*>& controls) {
  QStringList names;
  for (qsizetype i = 0; i < controls.size(); ++i) {
    const QWidget* control = controls.at(i);
    QString name = control->objectName().trimmed();
    if (name.isEmpty()) name = QString::fromLatin1(control->metaObject()->className()) + "_" + QString::number(i);
    names.append(name);
  }
  return names.join(QChar(','));
}

QString TQVModifyWatch::DifferentControls(QList<QWidget*>* list, bool clearList) {
  if (fDestroying || !fInitialize) return {};
  QList<QWidget*> temporary;
  QList<QWidget*>& changed = list ? *list : temporary;
  if (list && clearList) list->clear();
  for (const auto& entry : fInputControlList) {
    if (!IsDifferent(*entry)) continue;
    changed.append(entry->control);
    if (fInGetModifyed) return NamesText(changed);
  }
  if (OnChangedCheck) {
    for (const QPointer<QWidget>& control : fUserList) {
      if (!control || AskHost(control, wcNone) != wcTrue) continue;
      changed.append(control);
      if (fInGetModifyed) return NamesText(changed);
    }
  }
  return NamesText(changed);
}

bool TQVModifyWatch::Modified() {
  fInGetModifyed = true;
  struct Reset {
    bool& flag;
    ~Reset() { flag = false; }
  } reset{fInGetModifyed};
  return !DifferentControls().isEmpty();
}

bool TQVModifyWatch::IsControlsModified(const QList<QWidget*>& controls) {
  QList<QWidget*> changed;
  DifferentControls(&changed, true);
  return std::any_of(controls.begin(), controls.end(),
                     [&changed](QWidget* control) { return control && changed.contains(control); });
}

void TQVModifyWatch::Changed(QWidget* control, bool isChanged) {
  TInputControl* entry = EntryOf(control);
  if (entry && entry->isUser) entry->loadedValue = isChanged;
}

void TQVModifyWatch::Undo(QWidget* control) {
  for (const auto& entry : fInputControlList) {
    if (control && entry->control != control) continue;
    if (!entry->isUser && IsDifferent(*entry)) WriteControlValue(entry->control, entry->loadedValue, fDefaultAtListView);
  }
  if (control || !OnChangedCheck) return;
  for (const QPointer<QWidget>& userControl : fUserList)
    if (userControl) AskHost(userControl, wcUndo);
}

std::optional<QVariant> TQVModifyWatch::GetControlValue(QWidget* control) const {
  const TInputControl* entry = EntryOf(control);
  if (!entry) return std::nullopt;
  if (entry->isUser) return QVariant();
  return ReadControlValue(control, fDefaultAtListView).value_or(QVariant());
}

void TQVModifyWatch::SetControlValue(QWidget* control, const QVariant& value) {
  const TInputControl* entry = EntryOf(control);
  if (entry && !entry->isUser) WriteControlValue(control, value, fDefaultAtListView);
}

void TQVModifyWatch::SetEnabled(bool value, bool ignoreDisableC) {
  for (const QPointer<QWidget>& control : fControlList) {
    if (!control) continue;
    control->setEnabled(ignoreDisableC || !fNoDisableControlList.contains(control) ? value : true);
  }
}

}  // namespace ui
