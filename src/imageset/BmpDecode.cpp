#include "imageset/BmpDecode.h"

#include <QBuffer>
#include <QCoreApplication>
#include <QFile>
#include <QImageReader>
#include <algorithm>
#include <cstdint>

#include "common/Bytes.h"
#include "common/Files.h"
#include "imageset/FrameCopy.h"

namespace {

enum : std::uint32_t { kRgb = 0, kRle8 = 1, kRle4 = 2, kBitFields = 3 };

struct BmpLayout {
  std::int64_t width = 0, height = 0;  // height as stored: negative rows run top-down
  int bitCount = 0;
  std::uint32_t compression = kRgb;
  QString problem;
};


// What the file and info headers say beyond the layout itself.
struct HeaderFacts {
  std::uint32_t dataOffset = 0;
  std::int64_t headersEnd = 0;  // grows by the bit masks and the colour table
  std::uint32_t declaredDataSize = 0;
  std::uint32_t coloursUsed = 0;
  int paletteEntry = 4;
};

// Reads the info header, old core kind or Windows kind; false with l.problem set.
bool readInfoHeader(QByteArrayView head, BmpLayout& l, HeaderFacts& facts) {
  auto fail = [&l](const char* why) {
    l.problem = QCoreApplication::translate("BmpDecode", why);
    return false;
  };
  if (head.size() < 18 || head[0] != 'B' || head[1] != 'M')
    return fail(QT_TRANSLATE_NOOP("BmpDecode", "it does not start like a BMP file"));
  facts.dataOffset = readLe32(head.data() + 10);
  const std::uint32_t infoSize = readLe32(head.data() + 14);
  facts.headersEnd = 14 + std::int64_t(infoSize);
  if (infoSize == 12) {  // the old core header
    if (head.size() < 26) return fail(QT_TRANSLATE_NOOP("BmpDecode", "its header is cut short"));
    l.width = std::int16_t(readLe16(head.data() + 18));
    l.height = std::int16_t(readLe16(head.data() + 20));
    l.bitCount = readLe16(head.data() + 24);
    facts.paletteEntry = 3;
    return true;
  }
  if (infoSize < 40 || infoSize > 124) return fail(QT_TRANSLATE_NOOP("BmpDecode", "its header is of an unknown kind"));
  if (head.size() < 54) return fail(QT_TRANSLATE_NOOP("BmpDecode", "its header is cut short"));
  l.width = std::int32_t(readLe32(head.data() + 18));
  l.height = std::int32_t(readLe32(head.data() + 22));
  l.bitCount = readLe16(head.data() + 28);
  l.compression = readLe32(head.data() + 30);
  facts.declaredDataSize = readLe32(head.data() + 34);
  facts.coloursUsed = readLe32(head.data() + 46);
  if (l.compression == kBitFields && infoSize == 40) facts.headersEnd += 12;  // the three masks follow
  return true;
}

bool isRunLength(const BmpLayout& l) {
  return (l.compression == kRle8 && l.bitCount == 8) || (l.compression == kRle4 && l.bitCount == 4);
}

// The depths and compressions Qt decodes, and a picture that has pixels.
const char* formatProblem(const BmpLayout& l) {
  const int b = l.bitCount;
  if (b != 1 && b != 4 && b != 8 && b != 16 && b != 24 && b != 32)
    return QT_TRANSLATE_NOOP("BmpDecode", "its colour depth is not supported");
  const bool rows = l.compression == kRgb || (l.compression == kBitFields && (b == 16 || b == 32));
  if (!isRunLength(l) && !rows) return QT_TRANSLATE_NOOP("BmpDecode", "its compression is not supported");
  if (l.width <= 0 || l.height == 0) return QT_TRANSLATE_NOOP("BmpDecode", "it has no pixels");
  return nullptr;
}

// Whether the pixel data, from its start to its declared or computed end, lies in the file.
const char* pixelDataProblem(const BmpLayout& l, const HeaderFacts& facts, qint64 totalSize) {
  std::int64_t headersEnd = facts.headersEnd;
  if (l.bitCount <= 8) {
    const std::int64_t colours = facts.coloursUsed ? facts.coloursUsed : (1 << l.bitCount);
    if (colours > 256) return QT_TRANSLATE_NOOP("BmpDecode", "its colour table is too large");
    headersEnd += colours * facts.paletteEntry;
  }
  // Qt reads the pixels from the stated offset, but never from inside the headers.
  const std::int64_t dataStart = std::max<std::int64_t>(facts.dataOffset, headersEnd);
  const std::int64_t absHeight = l.height < 0 ? -l.height : l.height;
  std::int64_t dataSize;
  if (isRunLength(l)) {
    // A compressed stream's length is known only from its declaration.
    if (facts.declaredDataSize == 0) return QT_TRANSLATE_NOOP("BmpDecode", "its compressed data has no declared size");
    dataSize = facts.declaredDataSize;
  } else {
    // Rows are padded to whole 32-bit words. Width and height are each below 2^31,
    // so their product may not fit in 64 bits: compare by division instead.
    const std::int64_t rowBytes = ((l.width * l.bitCount + 31) / 32) * 4;
    if (dataStart > totalSize || absHeight > (totalSize - dataStart) / rowBytes)
      return QT_TRANSLATE_NOOP("BmpDecode", "its pixel data is shorter than its header says");
    dataSize = rowBytes * absHeight;
  }
  if (dataStart + dataSize > totalSize)
    return QT_TRANSLATE_NOOP("BmpDecode", "its pixel data is shorter than its header says");
  return nullptr;
}

BmpLayout readLayout(QByteArrayView head, qint64 totalSize) {
  BmpLayout l;
  HeaderFacts facts;
  if (!readInfoHeader(head, l, facts)) return l;
  const char* problem =
      facts.headersEnd > totalSize ? QT_TRANSLATE_NOOP("BmpDecode", "its header is cut short") : formatProblem(l);
  if (!problem) problem = pixelDataProblem(l, facts, totalSize);
  if (problem) l.problem = QCoreApplication::translate("BmpDecode", problem);
  return l;
}

QString decodeFailure(const QString& why) {
  return QCoreApplication::translate("BmpDecode", "Unable to read a picture of this set as a BMP file: %1.").arg(why);
}

}  // namespace

QString bmpDataProblem(QByteArrayView head, qint64 totalSize) { return readLayout(head, totalSize).problem; }

QImage decodeBmp(QIODevice& device, QString* error, PictureBounds bounds) {
  auto fail = [error](const QString& why) {
    if (error) *error = decodeFailure(why);
    return QImage();
  };
  const QString tooLarge =
      QCoreApplication::translate("BmpDecode", "it is larger than %1 x %2 pixels").arg(bounds.width).arg(bounds.height);
  auto within = [&bounds](std::int64_t width, std::int64_t height) {
    return width <= bounds.width && height <= bounds.height;
  };
  const qint64 total = device.isSequential() ? device.bytesAvailable() : device.size() - device.pos();
  const BmpLayout layout = readLayout(device.peek(kBmpHeadBytes), total);
  if (!layout.problem.isEmpty()) return fail(layout.problem);
  const std::int64_t absHeight = layout.height < 0 ? -layout.height : layout.height;
  if (!within(layout.width, absHeight)) return fail(tooLarge);

  QImage image;
  if (layout.compression == kRle8 || layout.compression == kRle4) {
    // A run-length stream may jump over pixels or end early, and Qt leaves those
    // pixels as it found them: hand it a cleared picture of the right size to
    // reuse.
    image = QImage(int(layout.width), int(absHeight), QImage::Format_Indexed8);
    if (image.isNull()) return fail(QCoreApplication::translate("BmpDecode", "the picture is too large"));
    image.fill(0);
  }
  QImageReader reader(&device, "BMP");
  reader.setDecideFormatFromContent(false);
  if (!reader.read(&image) || image.isNull()) return fail(reader.errorString());
  if (!within(image.width(), image.height())) return fail(tooLarge);
  QImage picture = gamePicture(image);
  if (picture.isNull()) return fail(QCoreApplication::translate("BmpDecode", "the picture is too large"));
  if (!within(picture.width(), picture.height())) return fail(tooLarge);
  return picture;
}

QImage decodeBmp(const QByteArray& bmp, QString* error, PictureBounds bounds) {
  QBuffer buffer;
  buffer.setData(bmp);
  buffer.open(QIODevice::ReadOnly);
  return decodeBmp(buffer, error, bounds);
}

QImage loadBmpFile(const QString& path, QString* error, PictureBounds bounds) {
  if (!isRegularFile(path)) {
    if (error) *error = decodeFailure(QCoreApplication::translate("BmpDecode", "it is not a file"));
    return QImage();
  }
  QFile file(path);
  if (!file.open(QIODevice::ReadOnly)) {
    if (error) *error = decodeFailure(file.errorString());
    return QImage();
  }
  return decodeBmp(file, error, bounds);
}
