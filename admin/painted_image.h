#pragma once
// Small images drawn in code, so they stay sharp and need no resource files.
#include <QPainter>
#include <QPixmap>

#include <functional>

namespace admin {

// A transparent square of the size, drawn with antialiasing by paint.
inline QPixmap PaintedImage(int size, const std::function<void(QPainter&)>& paint) {
  QPixmap pixmap(size, size);
  pixmap.fill(Qt::transparent);
  QPainter painter(&pixmap);
  painter.setRenderHint(QPainter::Antialiasing);
  paint(painter);
  return pixmap;
}

}  // namespace admin
