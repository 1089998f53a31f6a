#include "ui/control_kinds.h"

#include <QAbstractButton>
#include <QAbstractScrollArea>
#include <QAbstractSlider>
#include <QAbstractSpinBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QFocusFrame>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QProgressBar>
#include <QRubberBand>
#include <QScrollArea>
#include <QSizeGrip>
#include <QStackedWidget>
#include <QStatusBar>
#include <QTabBar>
#include <QTabWidget>
#include <QToolButton>

#include "ui/combo_edit.h"

namespace ui {

namespace {

bool IsLine(const QWidget* widget) {
  const auto* frame = qobject_cast<const QFrame*>(widget);
  return frame && (frame->frameShape() == QFrame::HLine || frame->frameShape() == QFrame::VLine);
}

// Qt names the parts it creates itself "qt_..."; grips and focus frames have no name.
bool IsQtPart(const QWidget* widget) {
  return widget->objectName().startsWith(QStringLiteral("qt_")) || qobject_cast<const QSizeGrip*>(widget) ||
         qobject_cast<const QRubberBand*>(widget) || qobject_cast<const QFocusFrame*>(widget);
}

}  // namespace

bool IsPageControl(const QWidget* widget) { return qobject_cast<const QTabWidget*>(widget); }

bool IsTabSheet(const QWidget* widget) {
  const auto* stack = qobject_cast<const QStackedWidget*>(widget->parentWidget());
  return stack && qobject_cast<const QTabWidget*>(stack->parentWidget());
}

bool IsLeafControl(const QWidget* widget) {
  return qobject_cast<const QAbstractButton*>(widget) || qobject_cast<const QLabel*>(widget) ||
         qobject_cast<const QLineEdit*>(widget) || qobject_cast<const QComboBox*>(widget) ||
         qobject_cast<const QAbstractSpinBox*>(widget) ||
         (qobject_cast<const QAbstractScrollArea*>(widget) && !qobject_cast<const QScrollArea*>(widget)) ||
         qobject_cast<const QTabBar*>(widget) || qobject_cast<const QAbstractSlider*>(widget) ||
         qobject_cast<const QProgressBar*>(widget) || qobject_cast<const QMenuBar*>(widget);
}

bool IsPanel(const QWidget* widget) {
  if (IsLeafControl(widget) || IsPageControl(widget) || IsLine(widget)) return false;
  return qobject_cast<const QFrame*>(widget) || qobject_cast<const QGroupBox*>(widget) ||
         qobject_cast<const QDialogButtonBox*>(widget) || qobject_cast<const QStatusBar*>(widget) ||
         widget->metaObject() == &QWidget::staticMetaObject;
}

bool IsCheckToolButton(const QWidget* widget) {
  const auto* button = qobject_cast<const QToolButton*>(widget);
  return button && button->isCheckable();
}

bool IsGraphicControl(const QWidget* widget) {
  return qobject_cast<const QLabel*>(widget) || qobject_cast<const QToolButton*>(widget) || IsLine(widget);
}

bool IsComboEdit(const QWidget* widget) { return qobject_cast<const TCustomComboEdit*>(widget); }

bool IsBrowseEdit(const QWidget* widget) { return qobject_cast<const TQVBrowseEdit*>(widget); }

QList<QWidget*> DesignChildren(const QWidget* widget) {
  QList<QWidget*> children;
  if (IsLeafControl(widget)) return children;
  if (const auto* tabs = qobject_cast<const QTabWidget*>(widget)) {
    for (int i = 0; i < tabs->count(); ++i) children.append(tabs->widget(i));
    return children;
  }
  if (const auto* scrollArea = qobject_cast<const QScrollArea*>(widget)) {
    if (scrollArea->widget()) children.append(scrollArea->widget());
    return children;
  }
  for (QWidget* child : widget->findChildren<QWidget*>(Qt::FindDirectChildrenOnly))
    if (!child->isWindow() && !IsQtPart(child)) children.append(child);
  return children;
}

}  // namespace ui
