// A BMP file as a set or the bitmap-pair command hands it to the decoder.
// What must hold: a file whose headers the check refuses is never decoded; a
// decoded picture is a game picture (RGB32 or 8-bit palette) and within the
// decoder's bounds; a refusal always says why; decoding from a device and from
// bytes agree.
#include <QBuffer>

#include "FuzzSupport.h"
#include "imageset/BmpDecode.h"

extern "C" int LLVMFuzzerInitialize(int*, char***) {
  startFuzzApplication();
  return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const QByteArray bmp = fuzzBytes(data, size);
  const QString problem = bmpDataProblem(QByteArrayView(bmp).first(std::min<qsizetype>(bmp.size(), kBmpHeadBytes)),
                                         bmp.size());
  QString why;
  const QImage picture = decodeBmp(bmp, &why);
  if (!problem.isEmpty()) fuzzCheck(picture.isNull(), "a BMP whose headers are refused is not decoded");
  if (picture.isNull()) {
    fuzzCheck(!why.isEmpty(), "a refused BMP says why");
    return 0;
  }
  checkGamePicture(picture, "a decoded BMP", kAnyPictureBounds);

  // The same bytes behind a device opened part-way in: only what follows counts.
  QBuffer device;
  device.setData(QByteArray("xyz") + bmp);
  device.open(QIODevice::ReadOnly);
  device.seek(3);
  QString deviceWhy;
  // Compared as the game shows them: QImage's own comparison of palette pictures
  // indexes the palette unchecked, and a pixel may point past a short one.
  const QImage fromDevice = decodeBmp(device, &deviceWhy);
  fuzzCheck(fromDevice.format() == picture.format() &&
                fromDevice.convertToFormat(QImage::Format_RGB32) == picture.convertToFormat(QImage::Format_RGB32),
            "a device and bytes decode alike");
  return 0;
}
