#include "reports/tool_icons.h"

#include <QPainter>
#include <QPainterPath>

#include <functional>

namespace reports {

namespace {

// Draws on a 16 × 16 grid, at the single and the double size.
QIcon Drawn(const std::function<void(QPainter&)>& draw) {
  QIcon icon;
  for (const int scale : {1, 2}) {
    QPixmap pixmap(16 * scale, 16 * scale);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.scale(scale, scale);
    draw(painter);
    painter.end();
    icon.addPixmap(pixmap);
  }
  return icon;
}

void Page(QPainter& painter, const QRectF& rect) {
  painter.setPen(QPen(QColor(70, 70, 70), 1));
  painter.setBrush(Qt::white);
  painter.drawRect(rect);
  painter.setPen(QPen(QColor(150, 150, 150), 1));
  for (double y = rect.top() + 3; y < rect.bottom() - 1; y += 2.5)
    painter.drawLine(QPointF(rect.left() + 2, y), QPointF(rect.right() - 2, y));
}

void Arrow(QPainter& painter, QPointF from, QPointF to) {
  painter.setPen(QPen(QColor(30, 90, 180), 1.4, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
  painter.drawLine(from, to);
  const QPointF direction = (to - from) / std::hypot(to.x() - from.x(), to.y() - from.y());
  const QPointF normal(-direction.y(), direction.x());
  painter.drawLine(to, to - direction * 2.5 + normal * 2.0);
  painter.drawLine(to, to - direction * 2.5 - normal * 2.0);
}

}  // namespace

QIcon FitPageIcon() {
  return Drawn([](QPainter& painter) {
    Page(painter, QRectF(4.5, 1.5, 8, 12));
    painter.setPen(QPen(QColor(30, 90, 180), 1.2));
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(QRectF(1.5, 0.5, 14, 15));
  });
}

QIcon FitWidthIcon() {
  return Drawn([](QPainter& painter) {
    Page(painter, QRectF(2.5, 1.5, 11, 13));
    Arrow(painter, QPointF(8, 8), QPointF(15, 8));
    Arrow(painter, QPointF(8, 8), QPointF(1, 8));
  });
}

QIcon CopyPageIcon() {
  return Drawn([](QPainter& painter) {
    Page(painter, QRectF(1.5, 1.5, 8, 10));
    Page(painter, QRectF(6.5, 4.5, 8, 10));
  });
}

}  // namespace reports
