#pragma once
// The splat strip: the pie flies in, hits Vorb full in the face, and he sinks
// back into his hole dripping cream.

#include <QImage>

namespace art {

QImage drawSplatStrip();

}  // namespace art
