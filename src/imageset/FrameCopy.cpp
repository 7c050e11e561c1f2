#include "imageset/FrameCopy.h"

#include <algorithm>
#include <cmath>
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

// Picture pixel `at` of a copy at density `rd` from one at density `rs`: its game
// pixel maps to the nearest source game pixel, as a stretching blit maps them,
// and the place inside the game pixel to the same place inside that one. At
// densities of 1 this is the stretching blit itself.
int sourcePixel(int at, int rd, int rs, int dStart, int dLen, int sStart, int sLen) {
  const int game = at / rd, inside = at % rd;
  return (sStart + static_cast<int>(static_cast<long long>(game - dStart) * sLen / dLen)) * rs + inside * rs / rd;
}

// Copies row by row; fetch(row, column) reads one source pixel.
template <class Fetch>
void copyRows(QImage& dst, const Rect& d, const QImage& src, const Rect& s, const CopyPlan& plan, int rd, int rs,
              Fetch fetch) {
  const int dh = d.height(), sh = s.height(), srcH = src.height();
  for (int y = plan.y0; y < plan.y1; ++y) {
    const int row = sourcePixel(y, rd, rs, d.top, dh, s.top, sh);
    if (row < 0 || row >= srcH) continue;
    const uchar* in = src.constScanLine(row);
    auto* out = reinterpret_cast<QRgb*>(dst.scanLine(y));
    for (int x = plan.x0; x < plan.x1; ++x) out[x] = fetch(in, plan.columns[x - plan.x0]) | 0xFF000000u;
  }
}

// The copy, rectangles in game pixels, the destination `rd` picture pixels to a
// game pixel and the source `rs` (no more than rd).
void copyPixels(QImage& dst, const Rect& d, const QImage& src, const Rect& s, int rd, int rs) {
  const int dw = d.width(), dh = d.height(), sw = s.width(), sh = s.height();
  if (dw <= 0 || dh <= 0 || sw <= 0 || sh <= 0 || dst.isNull() || src.isNull()) return;
  Q_ASSERT(dst.format() == QImage::Format_RGB32 || dst.format() == QImage::Format_ARGB32);
  const QImage source = gamePicture(src);
  CopyPlan plan;
  plan.y0 = std::max(0, d.top * rd);
  plan.y1 = std::min(dst.height(), d.bottom * rd);
  // The source column of each destination column; the columns rise with x, so
  // those inside the source form one run.
  auto sourceColumn = [&](int x) { return sourcePixel(x, rd, rs, d.left, dw, s.left, sw); };
  int x0 = std::max(0, d.left * rd), x1 = std::min(dst.width(), d.right * rd);
  while (x0 < x1 && sourceColumn(x0) < 0) ++x0;
  while (x1 > x0 && sourceColumn(x1 - 1) >= source.width()) --x1;
  if (x0 >= x1 || plan.y0 >= plan.y1) return;
  plan.x0 = x0;
  plan.x1 = x1;
  plan.columns.resize(x1 - x0);
  for (int x = x0; x < x1; ++x) plan.columns[x - x0] = sourceColumn(x);
  if (source.format() == QImage::Format_Indexed8) {
    const std::array<QRgb, 256> palette = paletteOf(source);
    copyRows(dst, d, source, s, plan, rd, rs, [&palette](const uchar* row, int c) { return palette[row[c]]; });
  } else {
    copyRows(dst, d, source, s, plan, rd, rs,
             [](const uchar* row, int c) { return reinterpret_cast<const QRgb*>(row)[c]; });
  }
}

}  // namespace

int pictureRatio(const QImage& picture) { return std::max(1, int(std::lround(picture.devicePixelRatio()))); }

QSize pictureSize(const QImage& picture) { return picture.size() / pictureRatio(picture); }

void copyRect(QImage& dst, const Rect& d, const QImage& src, const Rect& s) {
  const int rs = pictureRatio(src), rd = pictureRatio(dst);
  if (rs > rd && !dst.isNull()) {
    // Each pixel of the coarser destination becomes a square first.
    const QSize size = pictureSize(dst);
    QImage denser(size * rs, dst.format());
    denser.setDevicePixelRatio(rs);
    const Rect whole{0, 0, size.width(), size.height()};
    copyPixels(denser, whole, dst, whole, rs, rd);
    dst = denser;
  }
  copyPixels(dst, d, src, s, std::max(rd, rs), rs);
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
