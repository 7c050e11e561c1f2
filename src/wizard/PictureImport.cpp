#include "wizard/PictureImport.h"

#include <QBuffer>
#include <QFile>
#include <QImageReader>
#include <QImageWriter>

#include "common/Files.h"
#include "imageset/SetReaders.h"

namespace {

struct Texts {
  Q_DECLARE_TR_FUNCTIONS(PictureImport)
};

// Bytes Qt may allocate for one decoded picture. The largest picture a set takes
// (a strip of 64 groups) is about 35 MB as RGB32.
constexpr int kDecodeLimitMegabytes = 64;

QString named(const QString& path, const QString& why) { return fileNamePart(path) + QStringLiteral(": ") + why; }

// Opaque pixels over the page colour, as the game would draw them over its page.
QImage flattened(const QImage& picture, QRgb background) {
  if (!picture.hasAlphaChannel()) return picture.convertToFormat(QImage::Format_RGB32);
  const QImage source = picture.convertToFormat(QImage::Format_ARGB32);
  QImage out(source.size(), QImage::Format_RGB32);
  for (int y = 0; y < source.height(); ++y) {
    const auto* in = reinterpret_cast<const QRgb*>(source.constScanLine(y));
    auto* to = reinterpret_cast<QRgb*>(out.scanLine(y));
    for (int x = 0; x < source.width(); ++x) {
      const int a = qAlpha(in[x]);
      const auto mix = [a](int front, int back) { return (front * a + back * (255 - a) + 127) / 255; };
      to[x] = qRgb(mix(qRed(in[x]), qRed(background)), mix(qGreen(in[x]), qGreen(background)),
                   mix(qBlue(in[x]), qBlue(background)));
    }
  }
  return out;
}

}  // namespace

PictureImport importPicture(const QString& path, PictureBounds bounds, QRgb background) {
  PictureImport result;
  QFile file(path);
  if (!isRegularFile(path) || !file.open(QIODevice::ReadOnly)) {
    result.error = named(path, Texts::tr("cannot be opened"));
    return result;
  }
  // A BMP the game itself reads goes into the set as it is.
  if (file.peek(2) == "BM") {
    QString why;
    QImage game = decodeBmp(file, &why, bounds);
    if (!game.isNull() && !game.hasAlphaChannel() && file.size() <= pictureByteBound(bounds)) {
      file.seek(0);
      result.bmp = file.readAll();
      result.picture = std::move(game);
      if (result.bmp.size() == file.size()) return result;
      result = {};
    }
    file.seek(0);
  }
  QImageReader reader(&file);
  reader.setDecideFormatFromContent(true);
  reader.setAllocationLimit(kDecodeLimitMegabytes);
  const QSize declared = reader.size();
  if (!reader.canRead()) {
    result.error = named(path, Texts::tr("is not a picture this program reads"));
    return result;
  }
  if (!declared.isValid()) {
    result.error = named(path, Texts::tr("does not say how large it is"));
    return result;
  }
  if (declared.width() > bounds.width || declared.height() > bounds.height) {
    result.error = named(path, Texts::tr("is %1 x %2 pixels; this picture may be at most %3 x %4")
                                   .arg(declared.width())
                                   .arg(declared.height())
                                   .arg(bounds.width)
                                   .arg(bounds.height));
    return result;
  }
  const QImage decoded = reader.read();
  if (decoded.isNull() || decoded.size() != declared) {
    result.error = named(path, Texts::tr("is damaged: %1").arg(reader.errorString()));
    return result;
  }
  result.picture = flattened(decoded, background);
  QBuffer buffer(&result.bmp);
  buffer.open(QIODevice::WriteOnly);
  QImageWriter writer(&buffer, "bmp");
  if (!writer.write(result.picture)) {
    result.error = named(path, writer.errorString());
    result.bmp.clear();
  }
  return result;
}

QString pictureFileFilter() {
  QStringList patterns;
  for (const QByteArray& format : QImageReader::supportedImageFormats())
    patterns << QStringLiteral("*.") + QString::fromLatin1(format);
  return QCoreApplication::translate("PictureImport", "Pictures (%1)|%2|All Files (*.*)|*.*")
      .arg(patterns.join(QLatin1Char(' ')), patterns.join(QLatin1Char(';')));
}
