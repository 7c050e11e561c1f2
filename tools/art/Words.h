#pragma once
// The digits strip and the misc picture (the Time and Score words over the
// hole's rim).

#include <QImage>

namespace art {

QImage drawNumbers();
// 'scene' is the empty hole scene; its lower part becomes the rim.
QImage drawXtras(const QImage& scene);

}  // namespace art
