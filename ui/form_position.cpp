#include "ui/form_position.h"

namespace ui {

TWinRect TWinRect::FromQRect(const QRect& rect) {
  return {rect.left(), rect.top(), rect.left() + rect.width(), rect.top() + rect.height()};
}

std::string FormKeyPath(const QString& subKey, const QString& formularName) {
  return kFormsKey + subKey.toStdString() + "\\" + formularName.toStdString();
}

QString ScaleText(int dpi) { return QString::number(dpi) + QStringLiteral("DPI"); }

std::vector<std::uint8_t> EncodePosition(const TWinRect& rect) {
  std::vector<std::uint8_t> bytes;
  for (const std::int32_t value : {rect.left, rect.top, rect.right, rect.bottom}) {
    const auto bits = static_cast<std::uint32_t>(value);
    for (int shift = 0; shift < 32; shift += 8) bytes.push_back(static_cast<std::uint8_t>(bits >> shift));
  }
  return bytes;
}

std::optional<TWinRect> DecodePosition(const std::vector<std::uint8_t>& bytes) {
  if (bytes.size() != 16) return std::nullopt;
  std::int32_t values[4];
  for (int i = 0; i < 4; ++i) {
    std::uint32_t bits = 0;
    for (int b = 3; b >= 0; --b) bits = (bits << 8) | bytes[i * 4 + b];
    values[i] = static_cast<std::int32_t>(bits);
  }
  return TWinRect{values[0], values[1], values[2], values[3]};
}

namespace {

constexpr int kGrip = 25;

bool IsReachableOn(const TWinRect& stored, int formWidth, int titleHeight, const QRect& area) {
  const int areaRight = area.left() + area.width();
  const int areaBottom = area.top() + area.height();
  return stored.top >= area.top() + titleHeight + 1 && stored.top <= areaBottom &&
         stored.left + formWidth - area.left() >= kGrip && stored.left <= areaRight - kGrip;
}

}  // namespace

bool IsReachable(const TWinRect& stored, int formWidth, int titleHeight, const QRect& primaryScreen,
                 const QList<QRect>& workAreas) {
  if (IsReachableOn(stored, formWidth, titleHeight, primaryScreen)) return true;
  if (workAreas.size() < 2) return false;
  for (const QRect& area : workAreas)
    if (IsReachableOn(stored, formWidth, titleHeight, area)) return true;
  return false;
}

}  // namespace ui
