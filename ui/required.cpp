#include "ui/required.h"

#include <QApplication>
#include <QComboBox>
#include <QPalette>
#include <QWidget>

namespace ui {

void PaintRequired(QWidget* control, TRequired required) {
  const QPalette standard = QApplication::palette(control);
  const QColor colour = standard.color(required == rqNo ? QPalette::Base : QPalette::ToolTipBase);
  QPalette palette = control->palette();
  for (const auto group : {QPalette::Active, QPalette::Inactive}) {
    palette.setColor(group, QPalette::Base, colour);
    // A combo box without an edit paints itself like a button.
    const auto* combo = qobject_cast<const QComboBox*>(control);
    if (combo && !combo->isEditable())
      palette.setColor(group, QPalette::Button,
                       required == rqNo ? standard.color(group, QPalette::Button) : colour);
  }
  control->setPalette(palette);
}

}  // namespace ui
