#include "imageset/FrameCopy.h"

#include <algorithm>
#include <array>
#include <vector>

namespace {

// The colours of a palette picture's 256 indices as an RGB32 conversion gives them:
// no palette reads as a grey ramp, indices past a short palette as black.
std::array<QRgb, 256> paletteOf(const QImage& indexed) {
  std::array<QRgb, 256> colours{};
  const QList<QRgb> table = indexed.colorTable();
  for (int i = 0; i < 256; ++i)
    colours[i] = table.isEmpty() ? qRgb(i, i, i) : (i < table.size() ? table[i] : 0u);
  return colours;
}

// Reads a row of either kind of game picture as opaque colours.
class RowReader {
 public:
  explicit RowReader(const QImage& src) : src_(src), indexed_(src.format() == QImage::Format_Indexed8) {
    if (indexed_) palette_ = paletteOf(src);
  }
  void select(int row) { row_ = src_.constScanLine(row); }
  QRgb at(int column) const {
    const QRgb colour = indexed_ ? palette_[row_[column]] : reinterpret_cast<const QRgb*>(row_)[column];
    return colour | 0xFF000000u;
  }

 private:
  const QImage& src_;
  const bool indexed_;
  std::array<QRgb, 256> palette_{};
  const uchar* row_ = nullptr;
};

}  // namespace

void copyRect(QImage& dst, const Rect& d, const QImage& src, const Rect& s) {
  const int dw = d.width(), dh = d.height(), sw = s.width(), sh = s.height();
  if (dw <= 0 || dh <= 0 || sw <= 0 || sh <= 0 || dst.isNull() || src.isNull()) return;
  Q_ASSERT(dst.format() == QImage::Format_RGB32 || dst.format() == QImage::Format_ARGB32);
  const QImage source = isGamePictureFormat(src.format()) ? src : gamePicture(src);
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
  const int srcW = source.width(), srcH = source.height();
  RowReader reader(source);
  for (int y = y0; y < y1; ++y) {
    const int syRow = s.top + static_cast<int>(static_cast<long long>(y - d.top) * sh / dh);
    if (syRow < 0 || syRow >= srcH) continue;
    reader.select(syRow);
    auto* out = reinterpret_cast<QRgb*>(dst.scanLine(y));
    for (int x = x0; x < x1; ++x) {
      const int c = sx[x - x0];
      if (c >= 0 && c < srcW) out[x] = reader.at(c);
    }
  }
}

QImage blankPicture(int width, int height, QRgb fill) {
  QImage image(std::max(width, 0), std::max(height, 0), QImage::Format_RGB32);
  image.fill(fill);
  return image;
}

bool isGamePictureFormat(QImage::Format format) {
  return format == QImage::Format_RGB32 || format == QImage::Format_ARGB32 || format == QImage::Format_Indexed8;
}

QImage gamePicture(const QImage& decoded) {
  if (isGamePictureFormat(decoded.format())) return decoded;
  return decoded.convertToFormat(QImage::Format_RGB32);
}
