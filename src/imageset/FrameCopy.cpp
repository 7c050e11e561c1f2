#include "imageset/FrameCopy.h"

#include <algorithm>
#include <vector>

void copyRect(QImage& dst, const Rect& d, const QImage& src, const Rect& s) {
  const int dw = d.width(), dh = d.height(), sw = s.width(), sh = s.height();
  if (dw <= 0 || dh <= 0 || sw <= 0 || sh <= 0 || dst.isNull() || src.isNull()) return;
  Q_ASSERT(dst.format() == QImage::Format_RGB32 || dst.format() == QImage::Format_ARGB32);
  const QImage* from = &src;
  QImage converted;
  if (src.format() != QImage::Format_RGB32 && src.format() != QImage::Format_ARGB32) {
    converted = src.convertToFormat(QImage::Format_RGB32);
    from = &converted;
  }
  // Nearest source column for each destination column, as a stretching blit maps them.
  const int x0 = std::max(0, d.left), x1 = std::min(dst.width(), d.right);
  const int y0 = std::max(0, d.top), y1 = std::min(dst.height(), d.bottom);
  if (x0 >= x1 || y0 >= y1) return;
  int columns[1024];
  std::vector<int> wide;
  int* sx = columns;
  if (x1 - x0 > 1024) {
    wide.resize(x1 - x0);
    sx = wide.data();
  }
  for (int x = x0; x < x1; ++x)
    sx[x - x0] = s.left + static_cast<int>(static_cast<long long>(x - d.left) * sw / dw);
  const int srcW = from->width(), srcH = from->height();
  for (int y = y0; y < y1; ++y) {
    const int syRow = s.top + static_cast<int>(static_cast<long long>(y - d.top) * sh / dh);
    if (syRow < 0 || syRow >= srcH) continue;
    const auto* in = reinterpret_cast<const QRgb*>(from->constScanLine(syRow));
    auto* out = reinterpret_cast<QRgb*>(dst.scanLine(y));
    for (int x = x0; x < x1; ++x) {
      const int c = sx[x - x0];
      if (c >= 0 && c < srcW) out[x] = in[c] | 0xFF000000u;
    }
  }
}

QImage blankPicture(int width, int height, QRgb fill) {
  QImage image(std::max(width, 0), std::max(height, 0), QImage::Format_RGB32);
  image.fill(fill);
  return image;
}

QImage gamePicture(const QImage& decoded) {
  if (decoded.format() == QImage::Format_RGB32) return decoded;
  return decoded.convertToFormat(QImage::Format_RGB32);
}
