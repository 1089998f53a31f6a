#include "reports/prepared_report_file.h"

#include <QBuffer>
#include <QFile>
#include <QImageReader>
#include <QSaveFile>

#include <limits>

#include "rights/byte_stream.h"

namespace reports {

namespace {

using rights::ByteReader;
using rights::ByteWriter;

constexpr char kMagic[8] = {'Q', 'X', 'R', 'P', 'R', 'E', 'P', '\x1a'};

enum ItemKind : std::uint8_t { kText = 1, kLine = 2, kBox = 3, kFill = 4, kPicture = 5 };

// Sanity bounds: far above any real report, low enough to refuse nonsense before allocating.
constexpr std::uint32_t kMaxPages = 100000;
constexpr int kMaxExtent = 100000;  // 10 m of paper
constexpr int kMaxImageSide = 20000;

// The smallest stored size of one entry, to check counts against the bytes left.
constexpr std::size_t kMinItemBytes = 1 + 4 * 4 + 4;
constexpr std::size_t kMinStringBytes = 4;

class Writer {
 public:
  void Int(int value) { fOut.WriteInt32(value); }
  void Count(std::size_t n) { fOut.WriteUInt32(static_cast<std::uint32_t>(n)); }
  void Byte(std::uint8_t value) { fOut.WriteByte(value); }
  void Text(const QString& text) { Bytes(text.toUtf8()); }
  void Bytes(const QByteArray& bytes) {
    Count(bytes.size());
    fOut.WriteBytes({reinterpret_cast<const std::uint8_t*>(bytes.constData()), static_cast<std::size_t>(bytes.size())});
  }
  void Rect(const QRect& rect) {
    Int(rect.x());
    Int(rect.y());
    Int(rect.width());
    Int(rect.height());
  }
  void Color(const QColor& color) { fOut.WriteUInt32(color.rgba()); }
  void Magic() { fOut.WriteBytes({reinterpret_cast<const std::uint8_t*>(kMagic), sizeof kMagic}); }
  QByteArray Result() { return QByteArray(reinterpret_cast<const char*>(fOut.Bytes().data()), static_cast<qsizetype>(fOut.Size())); }

 private:
  ByteWriter fOut;
};

class Reader {
 public:
  explicit Reader(const QByteArray& bytes)
      : fIn({reinterpret_cast<const std::uint8_t*>(bytes.constData()), static_cast<std::size_t>(bytes.size())}) {}

  int Int() { return fIn.ReadInt32(); }
  std::uint8_t Byte() { return fIn.ReadByte(); }
  std::uint16_t Word() {
    const auto bytes = fIn.Take(2);
    return static_cast<std::uint16_t>(bytes[0] | (bytes[1] << 8));
  }
  // A count of entries each at least `minBytes` long; more than can be stored is damage.
  std::size_t Count(std::size_t minBytes, std::size_t limit = std::numeric_limits<std::uint32_t>::max()) {
    const std::uint32_t n = fIn.ReadUInt32();
    if (n > limit || n > fIn.Remaining() / std::max<std::size_t>(1, minBytes)) throw rights::EReadError();
    return n;
  }
  QByteArray Bytes() {
    const std::size_t n = Count(1);
    const auto part = fIn.Take(n);
    return QByteArray(reinterpret_cast<const char*>(part.data()), static_cast<qsizetype>(n));
  }
  QString Text() { return QString::fromUtf8(Bytes()); }
  int Extent() {
    const int value = Int();
    if (value < -kMaxExtent || value > kMaxExtent) throw rights::EReadError();
    return value;
  }
  QRect Rect() {
    const int x = Extent(), y = Extent(), w = Extent(), h = Extent();
    return {x, y, w, h};
  }
  QColor Color() { return QColor::fromRgba(fIn.ReadUInt32()); }
  bool MagicMatches() {
    if (fIn.Remaining() < sizeof kMagic) return false;
    const auto part = fIn.Take(sizeof kMagic);
    return std::equal(part.begin(), part.end(), reinterpret_cast<const std::uint8_t*>(kMagic));
  }
  bool AtEnd() const { return fIn.AtEnd(); }

 private:
  ByteReader fIn;
};

void WriteItem(Writer& out, const TPrimitive& item) {
  if (const auto* run = std::get_if<TTextRun>(&item)) {
    out.Byte(kText);
    out.Rect(run->rect);
    out.Text(run->text);
    out.Text(run->family);
    out.Int(run->pointTenths);
    out.Byte(static_cast<std::uint8_t>((run->bold ? 1 : 0) | (run->italic ? 2 : 0)));
    out.Color(run->color);
    out.Int(run->alignment);
  } else if (const auto* line = std::get_if<TLine>(&item)) {
    out.Byte(kLine);
    out.Rect(QRect(line->from, QSize(line->to.x() - line->from.x(), line->to.y() - line->from.y())));
    out.Color(line->color);
    out.Int(line->width);
  } else if (const auto* box = std::get_if<TBox>(&item)) {
    out.Byte(kBox);
    out.Rect(box->rect);
    out.Color(box->color);
    out.Int(box->width);
  } else if (const auto* fill = std::get_if<TFilledRect>(&item)) {
    out.Byte(kFill);
    out.Rect(fill->rect);
    out.Color(fill->color);
  } else if (const auto* picture = std::get_if<TPicture>(&item)) {
    out.Byte(kPicture);
    out.Rect(picture->rect);
    QByteArray png;
    QBuffer buffer(&png);
    buffer.open(QIODevice::WriteOnly);
    if (!picture->image.isNull()) picture->image.save(&buffer, "PNG");
    out.Bytes(png);
  }
}

QImage ReadImage(Reader& in) {
  const QByteArray png = in.Bytes();
  if (png.isEmpty()) return {};  // a picture without an image
  QBuffer buffer;
  buffer.setData(png);
  buffer.open(QIODevice::ReadOnly);
  // The stored size is checked before the picture is decoded.
  QImageReader reader(&buffer, "PNG");
  const QSize size = reader.size();
  if (!size.isValid() || size.width() > kMaxImageSide || size.height() > kMaxImageSide) throw rights::EReadError();
  QImage image;
  if (!reader.read(&image)) throw rights::EReadError();
  return image.convertToFormat(kPictureFormat);
}

TPrimitive ReadItem(Reader& in) {
  const std::uint8_t kind = in.Byte();
  const QRect rect = in.Rect();
  switch (kind) {
    case kText: {
      TTextRun run;
      run.rect = rect;
      run.text = in.Text();
      run.family = in.Text();
      run.pointTenths = in.Int();
      if (run.pointTenths < 1 || run.pointTenths > 10000) throw rights::EReadError();
      const std::uint8_t style = in.Byte();
      run.bold = style & 1;
      run.italic = style & 2;
      run.color = in.Color();
      run.alignment = in.Int();
      return run;
    }
    case kLine: {
      TLine line{rect.topLeft(), rect.topLeft() + QPoint(rect.width(), rect.height())};
      line.color = in.Color();
      line.width = in.Extent();
      return line;
    }
    case kBox: {
      TBox box{rect};
      box.color = in.Color();
      box.width = in.Extent();
      return box;
    }
    case kFill:
      return TFilledRect{rect, in.Color()};
    case kPicture:
      return TPicture{rect, ReadImage(in)};
    default:
      throw rights::EReadError();
  }
}

QString Damaged(const QString& fileName) {
  return QStringLiteral("Die Datei %1 ist beschädigt und kann nicht als Bericht geladen werden.").arg(fileName);
}

}  // namespace

QByteArray EncodePreparedReport(const TPreparedReport& report) {
  Writer out;
  out.Magic();
  out.Byte(kPreparedFormatVersion & 0xff);
  out.Byte(kPreparedFormatVersion >> 8);
  out.Text(report.title);
  out.Int(report.paper.width());
  out.Int(report.paper.height());
  out.Byte(report.orientation == QPageLayout::Landscape ? 1 : 0);
  out.Byte(report.allowDuplex ? 1 : 0);
  out.Count(report.rows.columns.size());
  for (const QString& column : report.rows.columns) out.Text(column);
  out.Count(report.rows.rows.size());
  for (const QStringList& row : report.rows.rows) {
    out.Count(row.size());
    for (const QString& value : row) out.Text(value);
  }
  out.Count(report.pages.size());
  for (const TPreparedPage& page : report.pages) {
    out.Count(page.items.size());
    for (const TPrimitive& item : page.items) WriteItem(out, item);
  }
  return out.Result();
}

TPreparedReport DecodePreparedReport(const QByteArray& bytes, const QString& fileName) {
  Reader in(bytes);
  if (!in.MagicMatches())
    throw EPreparedReportError(QStringLiteral("Die Datei %1 ist kein vorbereiteter Bericht.").arg(fileName));
  try {
    const std::uint16_t version = in.Word();
    if (version == 0 || version > kPreparedFormatVersion)
      throw EPreparedReportError(
          QStringLiteral("Die Datei %1 wurde mit einer neueren Programmversion gespeichert (Format %2).")
              .arg(fileName)
              .arg(version));
    TPreparedReport report;
    report.title = in.Text();
    const int width = in.Extent(), height = in.Extent();
    if (width <= 0 || height <= 0) throw rights::EReadError();
    report.paper = {width, height};
    const std::uint8_t orientation = in.Byte();
    if (orientation > 1) throw rights::EReadError();
    report.orientation = orientation == 1 ? QPageLayout::Landscape : QPageLayout::Portrait;
    report.allowDuplex = in.Byte() != 0;
    for (std::size_t i = in.Count(kMinStringBytes); i > 0; --i) report.rows.columns.append(in.Text());
    for (std::size_t r = in.Count(4); r > 0; --r) {
      QStringList row;
      for (std::size_t i = in.Count(kMinStringBytes); i > 0; --i) row.append(in.Text());
      report.rows.rows.push_back(std::move(row));
    }
    for (std::size_t p = in.Count(4, kMaxPages); p > 0; --p) {
      TPreparedPage page;
      for (std::size_t i = in.Count(kMinItemBytes); i > 0; --i) page.items.push_back(ReadItem(in));
      report.pages.push_back(std::move(page));
    }
    if (!in.AtEnd()) throw rights::EReadError();
    return report;
  } catch (const rights::EReadError&) {
    throw EPreparedReportError(Damaged(fileName));
  }
}

void SavePreparedReport(const TPreparedReport& report, const QString& path) {
  QSaveFile file(path);
  if (!file.open(QIODevice::WriteOnly))
    throw EPreparedReportError(QStringLiteral("Die Datei %1 kann nicht angelegt werden.\r%2").arg(path, file.errorString()));
  const QByteArray bytes = EncodePreparedReport(report);
  if (file.write(bytes) != bytes.size() || !file.commit())
    throw EPreparedReportError(QStringLiteral("Die Datei %1 kann nicht geschrieben werden.\r%2").arg(path, file.errorString()));
}

TPreparedReport LoadPreparedReport(const QString& path) {
  QFile file(path);
  if (!file.open(QIODevice::ReadOnly))
    throw EPreparedReportError(QStringLiteral("Die Datei %1 kann nicht geöffnet werden.\r%2").arg(path, file.errorString()));
  return DecodePreparedReport(file.readAll(), path);
}

}  // namespace reports
