#pragma once
// The node images of the rights tree, indices 0 to 12 (see NodeImageIndex).
#include <QIcon>

namespace admin {

constexpr int RightTreeImageCount = 13;
constexpr int RightTreeImageSize = 16;

const QIcon& RightTreeImage(int index);

}  // namespace admin
