#pragma once
// The combo box of the windows: incremental search by typing, F3 opens the
// list, Enter in the open list takes the entry and moves on, and without an
// edit Left and Right step through the entries (Up and Down move the focus).
#include <QComboBox>
#include <QElapsedTimer>

#include "ui/key_navigation.h"
#include "ui/required.h"

namespace ui {

class TQVComboBox : public TRequiredMark<TNavigationKeys<QComboBox>> {
  Q_OBJECT
 public:
  explicit TQVComboBox(QWidget* parent = nullptr);

  // What was typed so far; forgotten after two seconds without a key.
  QString SearchText() const { return fSearchText; }
  // The data attached to the chosen entry.
  QVariant ObjectPtr() const { return currentData(); }

 protected:
  void keyPressEvent(QKeyEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  bool StepEntry(QKeyEvent* event);
  bool SearchEntry(QKeyEvent* event);
  QString fSearchText;
  QElapsedTimer fLastSearchKey;
};

}  // namespace ui
