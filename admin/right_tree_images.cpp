#include "right_tree_images.h"

#include <QPainter>
#include <QPainterPath>
#include <QPixmap>
#include <array>

#include "ui/glyph_store.h"

namespace admin {

namespace {

// What a picture says: how much is held, and what kind of node it is.
enum class Held { None, All, Some };
enum class Kind { Root, Group, Dialog };

const QColor kTick(0x1E, 0x7B, 0x34);       // granted directly
const QColor kReceived(0xBF, 0xDB, 0xFE);   // received from a group or an equivalence
const QColor kReceivedEdge(0x25, 0x63, 0xEB);
const QColor kFrame(0x55, 0x5F, 0x6D);

void DrawTick(QPainter& p, const QRectF& box, qreal width) {
  QPainterPath tick;
  tick.moveTo(box.left() + box.width() * 0.18, box.top() + box.height() * 0.52);
  tick.lineTo(box.left() + box.width() * 0.42, box.top() + box.height() * 0.76);
  tick.lineTo(box.left() + box.width() * 0.84, box.top() + box.height() * 0.22);
  p.setPen(QPen(kTick, width, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
  p.setBrush(Qt::NoBrush);
  p.drawPath(tick);
}

// A right: a check box, blue when received, ticked when granted.
QPixmap RightPicture(bool ticked, bool received) {
  QPixmap pixmap(RightTreeImageSize, RightTreeImageSize);
  pixmap.fill(Qt::transparent);
  QPainter p(&pixmap);
  p.setRenderHint(QPainter::Antialiasing);
  const QRectF box(2.5, 2.5, 11, 11);
  p.setPen(QPen(received ? kReceivedEdge : kFrame, 1));
  p.setBrush(received ? kReceived : QColor(Qt::white));
  p.drawRoundedRect(box, 1.5, 1.5);
  if (ticked) DrawTick(p, box, 2.0);
  return pixmap;
}

// Groups show the program's folder glyph, so folders look alike everywhere.
void DrawFolder(QPainter& p) {
  p.drawPixmap(0, 0, ui::StoredGlyph(QStringLiteral("FBBROWSE")).pixmap(RightTreeImageSize, RightTreeImageSize));
}

void DrawDialogCard(QPainter& p) {
  p.setPen(QPen(QColor(0x33, 0x4E, 0x68), 1));
  p.setBrush(QColor(0xE2, 0xE8, 0xF0));
  p.drawRect(QRectF(1.5, 2.5, 13, 11));
  p.fillRect(QRectF(2, 3, 12, 2.5), QColor(0x33, 0x4E, 0x68));
  p.setPen(QPen(QColor(0x64, 0x74, 0x8B), 1));
  for (const qreal y : {7.5, 9.5, 11.5}) p.drawLine(QPointF(3.5, y), QPointF(9.5, y));
}

void DrawRoot(QPainter& p) {
  p.setPen(QPen(QColor(0x1E, 0x3A, 0x8A), 1));
  p.setBrush(QColor(0x93, 0xC5, 0xFD));
  QPainterPath shield;
  shield.moveTo(8, 1.5);
  shield.lineTo(14, 3.5);
  shield.cubicTo(14, 9, 11.5, 12.5, 8, 14.5);
  shield.cubicTo(4.5, 12.5, 2, 9, 2, 3.5);
  shield.closeSubpath();
  p.drawPath(shield);
}

// The badge in the lower right corner: a tick for all held, a dot for some.
void DrawHeldBadge(QPainter& p, Held held) {
  if (held == Held::None) return;
  const QRectF badge(8.5, 8.5, 7, 7);
  p.setPen(QPen(kTick, 1));
  p.setBrush(Qt::white);
  p.drawEllipse(badge);
  if (held == Held::All) {
    DrawTick(p, badge.adjusted(0.5, 0.5, -0.5, -0.5), 1.6);
  } else {
    p.setPen(Qt::NoPen);
    p.setBrush(kTick);
    p.drawEllipse(badge.center(), 1.8, 1.8);
  }
}

QPixmap GroupPicture(Kind kind, Held held) {
  QPixmap pixmap(RightTreeImageSize, RightTreeImageSize);
  pixmap.fill(Qt::transparent);
  QPainter p(&pixmap);
  p.setRenderHint(QPainter::Antialiasing);
  if (kind == Kind::Root)
    DrawRoot(p);
  else if (kind == Kind::Group)
    DrawFolder(p);
  else
    DrawDialogCard(p);
  DrawHeldBadge(p, held);
  return pixmap;
}

std::array<QIcon, RightTreeImageCount> MakeImages() {
  std::array<QIcon, RightTreeImageCount> images;
  const Held heldOrder[] = {Held::None, Held::All, Held::Some};  // gesNone, gesAll, gesSome
  const Kind kinds[] = {Kind::Root, Kind::Group, Kind::Dialog};
  for (int k = 0; k < 3; ++k)
    for (int h = 0; h < 3; ++h) images[k * 3 + h] = QIcon(GroupPicture(kinds[k], heldOrder[h]));
  images[9] = QIcon(RightPicture(false, false));
  images[10] = QIcon(RightPicture(true, false));
  images[11] = QIcon(RightPicture(false, true));
  images[12] = QIcon(RightPicture(true, true));
  return images;
}

}  // namespace

const QIcon& RightTreeImage(int index) {
  static const std::array<QIcon, RightTreeImageCount> images = MakeImages();
  return images.at(static_cast<std::size_t>(index));
}

}  // namespace admin
