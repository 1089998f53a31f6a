#pragma once
// Drives the next modal dialog once it is shown: the test's calls open their
// dialogs with exec(), so the steps run from the dialog's own event loop.
#include <QApplication>
#include <QTimer>
#include <QWidget>

#include <functional>

template <class Dialog>
void WhenShown(std::function<void(Dialog& dialog)> steps) {
  QTimer::singleShot(0, [steps] {
    auto* dialog = qobject_cast<Dialog*>(QApplication::activeModalWidget());
    if (!dialog) {
      // Not the expected dialog: end whatever is modal so the test fails instead of hanging.
      if (QWidget* other = QApplication::activeModalWidget()) other->close();
      qWarning("WhenShown: the expected dialog is not shown");
      return;
    }
    steps(*dialog);
  });
}
