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

// The destination rows and columns a copy covers, and the source column of each.
struct CopyPlan {
  int x0 = 0, x1 = 0, y0 = 0, y1 = 0;
  std::vector<int> columns;  // for x0..x1-1
};

// Copies row by row; fetch(row, column) reads one source pixel.
template <class Fetch>
void copyRows(QImage& dst, const Rect& d, const QImage& src, const Rect& s, const CopyPlan& plan, Fetch fetch) {
  const int dh = d.height(), sh = s.height(), srcH = src.height();
  for (int y = plan.y0; y < plan.y1; ++y) {
    const int row = s.top + static_cast<int>(static_cast<long long>(y - d.top) * sh / dh);
    if (row < 0 || row >= srcH) continue;
    const uchar* in = src.constScanLine(row);
    auto* out = reinterpret_cast<QRgb*>(dst.scanLine(y));
    for (int x = plan.x0; x < plan.x1; ++x) out[x] = fetch(in, plan.columns[x - plan.x0]) | 0xFF000000u;
  }
}

}  // namespace

void copyRect(QImage& dst, const Rect& d, const QImage& src, const Rect& s) {
  const int dw = d.width(), dh = d.height(), sw = s.width(), sh = s.height();
  if (dw <= 0 || dh <= 0 || sw <= 0 || sh <= 0 || dst.isNull() || src.isNull()) return;
  Q_ASSERT(dst.format() == QImage::Format_RGB32 || dst.format() == QImage::Format_ARGB32);
  const QImage source = gamePicture(src);
  CopyPlan plan;
  plan.y0 = std::max(0, d.top);
  plan.y1 = std::min(dst.height(), d.bottom);
  // Nearest source column for each destination column, as a stretching blit maps
  // them; the columns rise with x, so those inside the source form one run.
  auto sourceColumn = [&](int x) { return s.left + static_cast<int>(static_cast<long long>(x - d.left) * sw / dw); };
  int x0 = std::max(0, d.left), x1 = std::min(dst.width(), d.right);
  while (x0 < x1 && sourceColumn(x0) < 0) ++x0;
  while (x1 > x0 && sourceColumn(x1 - 1) >= source.width()) --x1;
  if (x0 >= x1 || plan.y0 >= plan.y1) return;
  plan.x0 = x0;
  plan.x1 = x1;
  plan.columns.resize(x1 - x0);
  for (int x = x0; x < x1; ++x) plan.columns[x - x0] = sourceColumn(x);
  if (source.format() == QImage::Format_Indexed8) {
    const std::array<QRgb, 256> palette = paletteOf(source);
    copyRows(dst, d, source, s, plan, [&palette](const uchar* row, int c) { return palette[row[c]]; });
  } else {
    copyRows(dst, d, source, s, plan, [](const uchar* row, int c) { return reinterpret_cast<const QRgb*>(row)[c]; });
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
