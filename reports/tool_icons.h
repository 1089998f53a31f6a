#pragma once
// Small drawn icons of the preview's tool bar for which neither the glyph
// store nor the style has a fitting picture.
#include <QIcon>

namespace reports {

QIcon FitPageIcon();
QIcon FitWidthIcon();
QIcon CopyPageIcon();

}  // namespace reports
