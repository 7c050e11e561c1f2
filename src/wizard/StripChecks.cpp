#include "wizard/StripChecks.h"

#include <QColor>
#include <QCoreApplication>
#include <QHash>
#include <algorithm>

#include "imageset/GameNumbers.h"

namespace {

struct Texts {
  Q_DECLARE_TR_FUNCTIONS(StripChecks)
};

}  // namespace

int targetsInStrip(int rows) {
  if (rows < kFrameHeight) return 0;
  // The game plays row 0 of a strip with no complete band.
  return std::max(1, stripTargets(rows));
}

// Whole sentences for each case of one or many, so a translator sees each as it is shown.
QString stripHeightWarning(const QString& stripName, int rows) {
  if (rows > 0 && rows % kRowsPerTarget == 0) return QString();
  const int held = targetsInStrip(rows);
  const int next = held + 1;
  QString text;
  if (rows == 1)
    text = held == 0   ? Texts::tr("%1: %2 row holds %3 targets; %4 target needs %5 rows")
           : held == 1 ? Texts::tr("%1: %2 row holds %3 target; %4 targets need %5 rows")
                       : Texts::tr("%1: %2 row holds %3 targets; %4 targets need %5 rows");
  else
    text = held == 0   ? Texts::tr("%1: %2 rows hold %3 targets; %4 target needs %5 rows")
           : held == 1 ? Texts::tr("%1: %2 rows hold %3 target; %4 targets need %5 rows")
                       : Texts::tr("%1: %2 rows hold %3 targets; %4 targets need %5 rows");
  return text.arg(stripName).arg(rows).arg(held).arg(next).arg(next * kRowsPerTarget);
}

QString stripCountWarning(int figureTargets, int splatTargets) {
  if (figureTargets == splatTargets) return QString();
  QString text;
  if (figureTargets == 1)
    text = Texts::tr("Pict1.bmp holds %1 target but Pict2.bmp holds %2 targets: a hit target splats with the row of "
                     "the same number, so both need as many");
  else if (splatTargets == 1)
    text = Texts::tr("Pict1.bmp holds %1 targets but Pict2.bmp holds %2 target: a hit target splats with the row of "
                     "the same number, so both need as many");
  else
    text = Texts::tr("Pict1.bmp holds %1 targets but Pict2.bmp holds %2 targets: a hit target splats with the row of "
                     "the same number, so both need as many");
  return text.arg(figureTargets).arg(splatTargets);
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
  return Texts::tr("The page colour %1 differs from the background of %2: boxes will show around them")
      .arg(colourName(page), differing.join(QStringLiteral(", ")));
}
