#pragma once
// The program's own small glyphs, kept as resources ":/glyphs/<NAME>.png"
// (16 pixels, with a 32-pixel "@2x" twin). Each is loaded once and shared.
#include <QIcon>
#include <QString>

namespace ui {

// A null icon for a name the store does not hold.
QIcon StoredGlyph(const QString& name);

}  // namespace ui
