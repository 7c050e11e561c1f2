#pragma once
// A picture the set maker brings, in whatever format Qt's image readers open, made
// into the BMP block a set stores. The size a file declares is checked before its
// pixels are decoded, so a few bytes naming a huge picture allocate nothing.
#include <QByteArray>
#include <QCoreApplication>
#include <QImage>
#include <QString>

#include "imageset/BmpDecode.h"

struct PictureImport {
  QByteArray bmp;  // a whole BMP file the game's reader accepts; empty on failure
  QImage picture;  // what the game will show
  QString error;   // why there is no block: "title.png: ..."
  bool ok() const { return !bmp.isEmpty(); }
};

// Reads path (a regular file) and stores it as a BMP: a BMP the game reads already
// is kept byte for byte; anything else becomes a 24-bit BMP with the same pixels,
// transparency flattened onto background. A picture larger than bounds is refused.
PictureImport importPicture(const QString& path, PictureBounds bounds, QRgb background);

// The file dialog filter of the picture formats this build reads.
QString pictureFileFilter();
