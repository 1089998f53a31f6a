#pragma once
// A prepared page: the display list one report page is drawn from. The same
// list drives the screen, the printer, PDF and PNG export, the text search and
// the saved file. Every position and size is in report units of 0.1 mm,
// measured from the paper's top left corner.
#include <QColor>
#include <QImage>
#include <QRect>
#include <QString>

#include <variant>
#include <vector>

namespace reports {

// Report units per millimetre.
constexpr int kUnitsPerMm = 10;
constexpr int Mm(double millimetres) { return static_cast<int>(millimetres * kUnitsPerMm + (millimetres < 0 ? -0.5 : 0.5)); }
// Report pixels: screen pixels at 96 dots per inch on paper (0.2646 mm).
constexpr int Px(double pixels) { return Mm(pixels * 25.4 / 96.0); }

struct TTextRun {
  QRect rect;                  // the box the text is laid out in
  QString text;
  QString family = QStringLiteral("Arial");
  int pointTenths = 100;       // font size in 0.1 pt
  bool bold = false;
  bool italic = false;
  QColor color = Qt::black;
  int alignment = Qt::AlignLeft | Qt::AlignTop;  // Qt::Alignment flags
  bool operator==(const TTextRun&) const = default;
};

struct TLine {
  QPoint from;
  QPoint to;
  QColor color = Qt::black;
  int width = 2;  // pen width in report units
  bool operator==(const TLine&) const = default;
};

// A frame without filling.
struct TBox {
  QRect rect;
  QColor color = Qt::black;
  int width = 2;
  bool operator==(const TBox&) const = default;
};

// A background; printing with "keine Schattierung" leaves it white.
struct TFilledRect {
  QRect rect;
  QColor color;
  bool operator==(const TFilledRect&) const = default;
};

// Pictures are kept in one format, so a saved and loaded page compares equal.
constexpr QImage::Format kPictureFormat = QImage::Format_ARGB32;

struct TPicture {
  QRect rect;
  QImage image;
  bool operator==(const TPicture& other) const { return rect == other.rect && image == other.image; }
};

using TPrimitive = std::variant<TTextRun, TLine, TBox, TFilledRect, TPicture>;

struct TPreparedPage {
  std::vector<TPrimitive> items;  // in drawing order
  bool operator==(const TPreparedPage&) const = default;
};

}  // namespace reports
