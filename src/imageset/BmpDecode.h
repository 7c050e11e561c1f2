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

// Decodes a whole BMP file into a game picture (Format_RGB32). On failure returns
// a null image and says why in *error.
QImage decodeBmp(QIODevice& device, QString* error);
QImage decodeBmp(const QByteArray& bmp, QString* error);
QImage loadBmpFile(const QString& path, QString* error);
