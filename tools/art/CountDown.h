#pragma once
// The count-down strip: 3, 2, 1, GO!, the click-to-start sign and GAME OVER,
// each standing over the empty hole.

#include <QImage>

namespace art {

QImage drawCountStrip();

}  // namespace art
