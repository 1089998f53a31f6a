#include "ui/glyph_store.h"

#include <QFile>
#include <QHash>

// Resources of a static library are registered by hand, from the global namespace.
static void InitGlyphResources() { Q_INIT_RESOURCE(glyphs); }

namespace ui {

QIcon StoredGlyph(const QString& name) {
  static QHash<QString, QIcon> loaded;
  static const bool initialised = (InitGlyphResources(), true);
  (void)initialised;
  const auto found = loaded.constFind(name);
  if (found != loaded.constEnd()) return *found;
  QIcon glyph;
  const QString file = QStringLiteral(":/glyphs/%1.png").arg(name);
  if (QFile::exists(file)) {
    glyph.addFile(file);
    glyph.addFile(QStringLiteral(":/glyphs/%1@2x.png").arg(name));
  }
  loaded.insert(name, glyph);
  return glyph;
}

}  // namespace ui
