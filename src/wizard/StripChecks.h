#pragma once
// What the wizard can tell from the pictures it is given before it writes a set:
// how many targets each strip holds as the game cuts it, and whether the page
// colour differs from the pictures' own background so boxes will show. These
// are warnings with the numbers in them; none stops the wizard.
#include <QImage>
#include <QList>
#include <QString>
#include <QStringList>
#include <cstdint>

#include "imageset/GameNumbers.h"

// A target takes 108 rows: 107 rows of frames and one divider.
constexpr int kRowsPerTarget = kFramePitchY;

// The targets the game finds in a strip this many rows high: one per whole 108
// rows. A strip of 107 rows still shows its one target, whose frames are complete.
int targetsInStrip(int rows);

// "Pict1.bmp: 214 rows hold 1 target; 2 targets need 216 rows"; empty when the
// height is a whole number of targets.
QString stripHeightWarning(const QString& stripName, int rows);

// Said when the target and splat strips hold different numbers of targets.
QString stripCountWarning(int figureTargets, int splatTargets);

// The colour a picture's first frame stands on: the most common one around its edge.
QRgb pictureBackground(const QImage& picture);

// The background of each target of a strip, top to bottom: each target's first
// frame, looked at like pictureBackground.
QList<QRgb> targetBackgrounds(const QImage& strip);

// The rows of target `target` (from 0) alone, for a preview of that target.
QImage targetRows(const QImage& strip, int target);

struct PictureOnPage {
  QString name;  // as the warning names it
  QRgb background;
};
// Said when the page colour differs from the background of any picture drawn on it.
QString pageColourWarning(QRgb page, const QList<PictureOnPage>& pictures);

// "#RRGGBB".
QString colourName(QRgb colour);
