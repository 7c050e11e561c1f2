#include "wizard/StripChecks.h"

#include <QColor>
#include <QHash>
#include <algorithm>

#include "imageset/GameNumbers.h"

namespace {

QString count(int n, const char* one, const char* many) {
  return QStringLiteral("%1 %2").arg(n).arg(QLatin1String(n == 1 ? one : many));
}

}  // namespace

int targetsInStrip(int rows) {
  if (rows < kFrameHeight) return 0;
  // The game plays row 0 of a strip with no complete band.
  return std::max(1, stripTargets(rows));
}

QString stripHeightWarning(const QString& stripName, int rows) {
  if (rows > 0 && rows % kRowsPerTarget == 0) return QString();
  const int held = targetsInStrip(rows);
  const int next = held + 1;
  return QStringLiteral("%1: %2 %3 %4; %5 %6 %7 rows")
      .arg(stripName, count(rows, "row", "rows"), QLatin1String(rows == 1 ? "holds" : "hold"),
           count(held, "target", "targets"), count(next, "target", "targets"),
           QLatin1String(next == 1 ? "needs" : "need"))
      .arg(next * kRowsPerTarget);
}

QString stripCountWarning(int figureTargets, int splatTargets) {
  if (figureTargets == splatTargets) return QString();
  return QStringLiteral("Pict1.bmp holds %1 but Pict2.bmp holds %2: a hit target splats with the row of the same "
                        "number, so both need as many")
      .arg(count(figureTargets, "target", "targets"), count(splatTargets, "target", "targets"));
}

QRgb pictureBackground(const QImage& picture) {
  const int width = std::min(picture.width(), kFrameWidth), height = std::min(picture.height(), kFrameHeight);
  if (width <= 0 || height <= 0) return qRgb(255, 255, 255);
  QHash<QRgb, int> seen;
  for (int x = 0; x < width; ++x) {
    ++seen[picture.pixel(x, 0) | 0xFF000000];
    ++seen[picture.pixel(x, height - 1) | 0xFF000000];
  }
  for (int y = 0; y < height; ++y) {
    ++seen[picture.pixel(0, y) | 0xFF000000];
    ++seen[picture.pixel(width - 1, y) | 0xFF000000];
  }
  return std::max_element(seen.begin(), seen.end(), [](int a, int b) { return a < b; }).key();
}

QList<QRgb> targetBackgrounds(const QImage& strip) {
  QList<QRgb> backgrounds;
  const int targets = targetsInStrip(strip.height());
  for (int t = 0; t < targets; ++t) backgrounds << pictureBackground(targetRows(strip, t));
  return backgrounds;
}

QImage targetRows(const QImage& strip, int target) {
  if (target <= 0 || target >= targetsInStrip(strip.height())) return strip;
  return strip.copy(0, target * kRowsPerTarget, strip.width(), std::min(kRowsPerTarget, strip.height() - target * kRowsPerTarget));
}

QString colourName(QRgb colour) { return QColor(colour).name(QColor::HexRgb).toUpper(); }

QString pageColourWarning(QRgb page, const QList<PictureOnPage>& pictures) {
  QStringList differing;
  for (const PictureOnPage& picture : pictures)
    if ((picture.background & 0xFFFFFF) != (page & 0xFFFFFF))
      differing << QStringLiteral("%1 (%2)").arg(picture.name, colourName(picture.background));
  if (differing.isEmpty()) return QString();
  return QStringLiteral("The page colour %1 differs from the background of %2: boxes will show around them")
      .arg(colourName(page), differing.join(QStringLiteral(", ")));
}
