#pragma once
// Pictures at the screen's own density. Each shipped set carries its pictures
// drawn at twice the size in a companion file beside it, "<set file>@2x",
// which names the exact set file it belongs to by the SHA-256 of its bytes: an
// edited copy of a shipped set no longer matches and keeps its own pictures.
// Any other set is enlarged by whole steps without smoothing, so its pixels
// stay crisp squares; the painter smooths only a fractional rest.
#include <QByteArray>
#include <QImage>
#include <QString>
#include <array>
#include <optional>

#include "imageset/ActiveSet.h"

// The six pictures of a set as the art tool draws them, in file order:
// figure, splat, count-down, digits, misc pictures, title.
constexpr int kSharpPictureCount = 6;
using SharpPictures = std::array<QImage, kSharpPictureCount>;

// The densest screen's device pixel ratio; 1 without a screen.
qreal screenDensity();

// How many picture pixels a game pixel gets on a screen of this density.
int pictureScaleFor(qreal devicePixelRatio);

QString sharpCompanionPath(const QString& setFile);

// The companion's bytes: the set file's SHA-256 and the six PNG files.
QByteArray packSharpCompanion(const QByteArray& setFileBytes, const std::array<QByteArray, kSharpPictureCount>& pngs);

// The companion beside a set file, if it is there, belongs to exactly this set
// file and holds six pictures; nothing otherwise.
std::optional<SharpPictures> readSharpCompanion(const QString& setFile);

// The built-in set's sharp pictures, compiled in.
const SharpPictures& builtinSharpPictures();

// Puts a set's pictures at the density of the screen: at 1 it is left as it
// is; above, every picture is replaced by one carrying that device pixel
// ratio, from the set's sharp pictures when they fit its own, or its own
// pictures enlarged by whole steps. Picture sizes in the game's pixels stay
// what they were.
void sharpenSet(SetContent& set, qreal devicePixelRatio);

// A picture enlarged `scale` times, each pixel a scale x scale square, with
// that device pixel ratio.
QImage enlargedPicture(const QImage& picture, int scale);
