// Draws the program's glyphs as PNG files (16 pixels and a 32-pixel "@2x"
// twin) into the folder given on the command line. Run it after changing a
// glyph: build target paint_glyphs, then `paint_glyphs ui/glyphs`.
#include <QDir>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QPainterPath>

#include <cmath>
#include <functional>
#include <map>

namespace {

const QColor kGreen(0x2e, 0x9a, 0x3e);
const QColor kRed(0xc8, 0x36, 0x2e);
const QColor kBlue(0x2f, 0x6f, 0xb3);
const QColor kGrey(0x5a, 0x65, 0x70);
const QColor kPaper(0xfb, 0xfb, 0xfb);
const QColor kYellow(0xe8, 0xb4, 0x22);

QPen Stroke(const QColor& colour, double width) { return QPen(colour, width, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin); }

void Check(QPainter& p, QPointF offset, const QColor& colour) {
  p.setPen(Stroke(colour, 2.2));
  p.drawPolyline(QPolygonF({QPointF(3, 8.5) + offset, QPointF(6.5, 12) + offset, QPointF(13, 4.5) + offset}));
}

void Cross(QPainter& p, const QColor& colour) {
  p.setPen(Stroke(colour, 2.2));
  p.drawLine(QPointF(4, 4), QPointF(12, 12));
  p.drawLine(QPointF(12, 4), QPointF(4, 12));
}

void ArrowHead(QPainter& p, QPointF tip, double angleDegrees, const QColor& colour, double size = 4.2) {
  const double a = qDegreesToRadians(angleDegrees);
  const QPointF back(std::cos(a) * size, std::sin(a) * size);
  const QPointF side(-back.y() * 0.7, back.x() * 0.7);
  p.setPen(Qt::NoPen);
  p.setBrush(colour);
  p.drawPolygon(QPolygonF({tip, tip - back + side, tip - back - side}));
}

void HorizontalArrow(QPainter& p, bool right) {
  p.setPen(Stroke(kBlue, 2.4));
  const double tip = right ? 14 : 2;
  p.drawLine(QPointF(right ? 2.5 : 13.5, 8), QPointF(right ? 10 : 6, 8));
  ArrowHead(p, QPointF(tip, 8), right ? 0 : 180, kBlue, 5.5);
}

void Page(QPainter& p, QRectF r) {
  const double fold = 3;
  QPainterPath page;
  page.moveTo(r.topLeft());
  page.lineTo(r.right() - fold, r.top());
  page.lineTo(r.right(), r.top() + fold);
  page.lineTo(r.bottomRight());
  page.lineTo(r.bottomLeft());
  page.closeSubpath();
  p.setPen(Stroke(kGrey, 1));
  p.setBrush(kPaper);
  p.drawPath(page);
  p.drawPolyline(QPolygonF({QPointF(r.right() - fold, r.top()), QPointF(r.right() - fold, r.top() + fold),
                            QPointF(r.right(), r.top() + fold)}));
}

void PageLines(QPainter& p, double left, double right, double top, int count) {
  p.setPen(Stroke(QColor(0xa8, 0xb0, 0xb8), 1));
  for (int i = 0; i < count; ++i) p.drawLine(QPointF(left, top + 2 * i), QPointF(right, top + 2 * i));
}

void Disc(QPainter& p, const QColor& colour) {
  p.setPen(Qt::NoPen);
  p.setBrush(colour);
  p.drawEllipse(QPointF(8, 8), 6.8, 6.8);
}

void Triangle(QPainter& p, bool up) {
  p.setPen(Qt::NoPen);
  p.setBrush(kGrey);
  p.drawPolygon(up ? QPolygonF({QPointF(8, 4.5), QPointF(12.5, 11), QPointF(3.5, 11)})
                   : QPolygonF({QPointF(8, 11.5), QPointF(12.5, 5), QPointF(3.5, 5)}));
}

using Painter = std::function<void(QPainter&)>;

const std::map<QString, Painter>& Glyphs() {
  static const std::map<QString, Painter> glyphs = {
      {"FBOK", [](QPainter& p) { Check(p, {}, kGreen); }},
      {"FBALL",
       [](QPainter& p) {
         Check(p, QPointF(-1.5, -2), kGreen);
         Check(p, QPointF(1.5, 2), kGreen);
       }},
      {"FBCANCEL", [](QPainter& p) { Cross(p, kRed); }},
      {"FBNO",
       [](QPainter& p) {
         Disc(p, kRed);
         p.setPen(Stroke(Qt::white, 2.4));
         p.drawLine(QPointF(4.5, 8), QPointF(11.5, 8));
       }},
      {"FBHELP",
       [](QPainter& p) {
         Disc(p, kBlue);
         p.setPen(Stroke(Qt::white, 1.8));
         QPainterPath hook;
         hook.moveTo(5.8, 6.2);
         hook.cubicTo(5.8, 3.6, 10.4, 3.4, 10.4, 6);
         hook.cubicTo(10.4, 7.6, 8, 7.8, 8, 9.6);
         p.setBrush(Qt::NoBrush);
         p.drawPath(hook);
         p.setPen(Qt::NoPen);
         p.setBrush(Qt::white);
         p.drawEllipse(QPointF(8, 12), 1.2, 1.2);
       }},
      {"FBCLOSE",
       [](QPainter& p) {
         p.setPen(Stroke(kGrey, 1.4));
         p.setBrush(kPaper);
         p.drawRect(QRectF(2.5, 2.5, 7.5, 11));
         p.setPen(Stroke(kBlue, 2));
         p.drawLine(QPointF(6, 8), QPointF(11.5, 8));
         ArrowHead(p, QPointF(15, 8), 0, kBlue, 4.5);
       }},
      {"FBRETRY",
       [](QPainter& p) {
         p.setPen(Stroke(kBlue, 2.2));
         p.setBrush(Qt::NoBrush);
         p.drawArc(QRectF(3, 3, 10, 10), 110 * 16, 270 * 16);
         ArrowHead(p, QPointF(10.6, 3.7), 8, kBlue, 4.6);
       }},
      {"FBIGNORE",
       [](QPainter& p) {
         p.setPen(Qt::NoPen);
         p.setBrush(kRed);
         p.drawRoundedRect(QRectF(6.5, 10, 3, 4.5), 0.8, 0.8);
         p.setPen(Stroke(kGrey, 1.8));
         p.setBrush(Qt::NoBrush);
         QPainterPath jump;
         jump.moveTo(2, 13.5);
         jump.quadTo(8, -1.5, 12.6, 10.2);
         p.drawPath(jump);
         ArrowHead(p, QPointF(14, 14), 68, kGrey, 4.4);
       }},
      {"FBDEL",
       [](QPainter& p) {
         p.setPen(Stroke(kGrey, 1.4));
         p.drawLine(QPointF(2.5, 4), QPointF(13.5, 4));
         p.drawLine(QPointF(6.5, 2), QPointF(9.5, 2));
         p.setBrush(kPaper);
         p.drawPolygon(QPolygonF({QPointF(4, 5.5), QPointF(12, 5.5), QPointF(11.2, 14.5), QPointF(4.8, 14.5)}));
         p.setPen(Stroke(kRed, 1.2));
         for (const double x : {6.4, 8.0, 9.6}) p.drawLine(QPointF(x, 7.5), QPointF(x, 12.5));
       }},
      {"FBSAVE",
       [](QPainter& p) {
         p.setPen(Qt::NoPen);
         p.setBrush(kBlue);
         p.drawRoundedRect(QRectF(2, 2, 12, 12), 1.5, 1.5);
         p.setBrush(kPaper);
         p.drawRect(QRectF(4.5, 2, 7, 5));
         p.setBrush(QColor(0x1d, 0x45, 0x70));
         p.drawRect(QRectF(5, 9.5, 6, 4.5));
         p.setBrush(kBlue);
         p.drawRect(QRectF(9, 3, 1.6, 3));
       }},
      {"FBPRINT",
       [](QPainter& p) {
         p.setPen(Stroke(kGrey, 1));
         p.setBrush(kPaper);
         p.drawRect(QRectF(4.5, 1.5, 7, 5));
         p.setBrush(kGrey);
         p.drawRoundedRect(QRectF(1.5, 5.5, 13, 6.5), 1.2, 1.2);
         p.setBrush(kPaper);
         p.drawRect(QRectF(4.5, 9.5, 7, 5));
         PageLines(p, 6, 10, 11.5, 2);
         p.setPen(Qt::NoPen);
         p.setBrush(kGreen);
         p.drawEllipse(QPointF(12.2, 7.6), 0.9, 0.9);
       }},
      {"FBPREVIEW",
       [](QPainter& p) {
         Page(p, QRectF(1.5, 1.5, 9, 12));
         PageLines(p, 3.5, 7, 5, 3);
         p.setPen(Stroke(kBlue, 1.6));
         p.setBrush(QColor(255, 255, 255, 200));
         p.drawEllipse(QPointF(9.5, 9.5), 3.2, 3.2);
         p.setPen(Stroke(kBlue, 2.2));
         p.drawLine(QPointF(11.9, 11.9), QPointF(14.6, 14.6));
       }},
      {"FBNEW",
       [](QPainter& p) {
         Page(p, QRectF(2.5, 1.5, 9, 12));
         PageLines(p, 4.5, 8, 5, 2);
         p.setPen(Qt::NoPen);
         p.setBrush(kGreen);
         p.drawEllipse(QPointF(11.5, 11.5), 4, 4);
         p.setPen(Stroke(Qt::white, 1.6));
         p.drawLine(QPointF(11.5, 9.3), QPointF(11.5, 13.7));
         p.drawLine(QPointF(9.3, 11.5), QPointF(13.7, 11.5));
       }},
      {"FBNEXT", [](QPainter& p) { HorizontalArrow(p, true); }},
      {"FBPREV", [](QPainter& p) { HorizontalArrow(p, false); }},
      {"FBTOOLS",
       [](QPainter& p) {
         QPainterPath gear;
         for (int tooth = 0; tooth < 8; ++tooth) {
           const double a = tooth * M_PI / 4;
           for (const auto& [r, da] : {std::pair{7.2, -0.22}, std::pair{7.2, 0.22}, std::pair{5.2, 0.42},
                                       std::pair{5.2, 0.56}}) {
             const QPointF point(8 + r * std::cos(a + da), 8 + r * std::sin(a + da));
             tooth == 0 && da < -0.2 ? gear.moveTo(point) : gear.lineTo(point);
           }
         }
         gear.closeSubpath();
         gear.addEllipse(QPointF(8, 8), 2.2, 2.2);
         p.setPen(Stroke(QColor(0x3e, 0x47, 0x50), 0.8));
         p.setBrush(kGrey);
         p.drawPath(gear);
       }},
      {"FBBROWSE",
       [](QPainter& p) {
         p.setPen(Stroke(QColor(0xb0, 0x82, 0x10), 1));
         p.setBrush(kYellow);
         QPainterPath folder;
         folder.moveTo(1.5, 3.5);
         folder.lineTo(6, 3.5);
         folder.lineTo(7.5, 5);
         folder.lineTo(14.5, 5);
         folder.lineTo(14.5, 13.5);
         folder.lineTo(1.5, 13.5);
         folder.closeSubpath();
         p.drawPath(folder);
         p.setBrush(QColor(0xf6, 0xd0, 0x5c));
         p.drawRect(QRectF(1.5, 7, 13, 6.5));
       }},
      {"SORTASC", [](QPainter& p) { Triangle(p, true); }},
      {"SORTDESC", [](QPainter& p) { Triangle(p, false); }},
  };
  return glyphs;
}

bool Write(const QString& folder, const QString& name, const Painter& paint, int size) {
  QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
  image.fill(Qt::transparent);
  QPainter painter(&image);
  painter.setRenderHint(QPainter::Antialiasing);
  painter.scale(size / 16.0, size / 16.0);
  paint(painter);
  painter.end();
  const QString suffix = size == 16 ? QString() : QStringLiteral("@2x");
  return image.save(QDir(folder).filePath(name + suffix + ".png"));
}

}  // namespace

int main(int argc, char** argv) {
  QGuiApplication application(argc, argv);
  if (argc != 2) {
    qWarning("usage: paint_glyphs FOLDER");
    return 2;
  }
  for (const auto& [name, paint] : Glyphs())
    if (!Write(argv[1], name, paint, 16) || !Write(argv[1], name, paint, 32)) return 1;
  return 0;
}
