#pragma once
// A small turning wheel that shows the program is working.
#include <QTimer>
#include <QWidget>

namespace reports {

class TBusyAnimation : public QWidget {
  Q_OBJECT
 public:
  explicit TBusyAnimation(QWidget* parent = nullptr);
  void Start() { fTimer.start(); }
  void Stop() { fTimer.stop(); }
  QSize sizeHint() const override { return {32, 32}; }

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  QTimer fTimer;
  int fStep = 0;
};

}  // namespace reports
