#pragma once
// The title banner across the top of the playfield.

#include <QImage>

namespace art {

QImage drawTitle();

}  // namespace art
