#pragma once
// Where a window's position is kept below the current user's registry root,
// and the stored rectangle: 16 bytes, left, top, right, bottom as little-endian
// 32-bit integers (right and bottom exclusive).
#include <QList>
#include <QRect>
#include <QString>

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace ui {

inline const std::string kFormsKey = "SOFTWARE\\Quarn & Co. GmbH\\Formulare";

struct TWinRect {
  std::int32_t left = 0;
  std::int32_t top = 0;
  std::int32_t right = 0;
  std::int32_t bottom = 0;

  static TWinRect FromQRect(const QRect& rect);
  QRect ToQRect() const { return {left, top, right - left, bottom - top}; }
  bool operator==(const TWinRect&) const = default;
};

// "SOFTWARE\Quarn & Co. GmbH\Formulare" + subKey + "\" + formularName.
std::string FormKeyPath(const QString& subKey, const QString& formularName);
// The subkey of a dpi value: "144DPI".
QString ScaleText(int dpi);

std::vector<std::uint8_t> EncodePosition(const TWinRect& rect);
// None unless the value is exactly 16 bytes long.
std::optional<TWinRect> DecodePosition(const std::vector<std::uint8_t>& bytes);

// Whether a window of the given width placed at the stored rectangle can still
// be grabbed: its title bar (titleHeight) below the area's top, its top inside
// the area, and at least 25 pixels of it inside the area horizontally. Tried on
// the primary screen, then, with several screens, on each screen's work area.
bool IsReachable(const TWinRect& stored, int formWidth, int titleHeight, const QRect& primaryScreen,
                 const QList<QRect>& workAreas);

}  // namespace ui
