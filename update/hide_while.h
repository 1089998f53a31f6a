#pragma once
// Hides a modal window while an action runs and shows it again afterwards.
// QDialog::setVisible(false) would end the window's exec(), so the window is
// hidden as a plain widget: its modal loop goes on once it is shown again.
#include <QWidget>

#include <functional>

namespace update {

inline void HideWhile(QWidget& window, const std::function<void()>& action) {
  window.QWidget::setVisible(false);
  struct ShowAgain {
    QWidget& window;
    ~ShowAgain() { window.QWidget::setVisible(true); }
  } showAgain{window};
  action();
}

}  // namespace update
