#pragma once
// Pictures arrive as whole BMP files, inside set files or chosen by the player.
// Qt decodes them; what we add is distrust: the sizes in a BMP header come from
// whoever wrote the file, and Qt happily returns a picture whose missing rows are
// whatever memory it was handed.
#include <QByteArray>
#include <QByteArrayView>
#include <QImage>
#include <QString>

class QIODevice;

// How many leading bytes of a BMP file bmpDataProblem needs to see at most
// (file header, the largest info header, bit masks and a 256-colour table).
constexpr qint64 kBmpHeadBytes = 14 + 124 + 12 + 256 * 4;

// Why a BMP file of totalSize bytes starting with head cannot be decoded in full,
// or an empty text when its headers and pixel data hold together: the pixel data
// (uncompressed rows x height, or the declared size of compressed data) must lie
// inside the file, starting no earlier than the headers and colour table end.
QString bmpDataProblem(QByteArrayView head, qint64 totalSize);

// The largest picture a decode may give, in pixels. A run-length stream of a few
// bytes may name a picture of gigabytes, so every picture is bounded by what its
// use can take before anything is allocated for it.
struct PictureBounds {
  int width = 0;
  int height = 0;
};
// For a picture whose use sets no tighter bounds.
inline constexpr PictureBounds kAnyPictureBounds{4096, 4096};

// Decodes a whole BMP file into a game picture (RGB32, or an 8-bit palette picture
// as stored). On failure returns a null image and says why in *error.
QImage decodeBmp(QIODevice& device, QString* error, PictureBounds bounds = kAnyPictureBounds);
QImage decodeBmp(const QByteArray& bmp, QString* error, PictureBounds bounds = kAnyPictureBounds);
QImage loadBmpFile(const QString& path, QString* error, PictureBounds bounds = kAnyPictureBounds);
