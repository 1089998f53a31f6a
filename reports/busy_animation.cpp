#include "reports/busy_animation.h"

#include <QPainter>

namespace reports {

namespace {
constexpr int kSpokes = 12;
}

TBusyAnimation::TBusyAnimation(QWidget* parent) : QWidget(parent) {
  setFixedSize(sizeHint());
  fTimer.setInterval(80);
  connect(&fTimer, &QTimer::timeout, this, [this] {
    fStep = (fStep + 1) % kSpokes;
    update();
  });
}

void TBusyAnimation::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  painter.setRenderHint(QPainter::Antialiasing);
  painter.translate(width() / 2.0, height() / 2.0);
  const double radius = std::min(width(), height()) / 2.0 - 2;
  for (int i = 0; i < kSpokes; ++i) {
    // The newest spoke is darkest, the ones behind it fade.
    const int age = (fStep - i + kSpokes) % kSpokes;
    QColor color = palette().color(QPalette::Highlight);
    color.setAlphaF(1.0 - age / double(kSpokes));
    painter.setPen(QPen(color, 3, Qt::SolidLine, Qt::RoundCap));
    painter.save();
    painter.rotate(i * 360.0 / kSpokes);
    painter.drawLine(QPointF(0, -radius * 0.45), QPointF(0, -radius));
    painter.restore();
  }
}

}  // namespace reports
