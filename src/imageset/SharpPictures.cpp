#include "imageset/SharpPictures.h"

#include <QBuffer>
#include <QCryptographicHash>
#include <QFile>
#include <QFileInfo>
#include <QGuiApplication>
#include <QImageReader>
#include <cmath>
#include <future>

#include "common/Files.h"
#include "imageset/DefaultSet.h"
#include "imageset/FrameCopy.h"

namespace {

const QByteArray kMagic("PVQ@2x\r\n", 8);
constexpr int kHashBytes = 32;
// The largest companion read: the shipped ones are a few hundred kilobytes.
constexpr qint64 kLargestCompanion = 8 * 1024 * 1024;
// And the largest set file hashed to match it.
constexpr qint64 kLargestSetFile = 64 * 1024 * 1024;

void putLength(QByteArray& out, quint32 n) {
  for (int i = 0; i < 4; ++i) out.append(char((n >> (8 * i)) & 0xff));
}

std::optional<QByteArray> sha256Of(const QString& path) {
  if (!isRegularFile(path)) return std::nullopt;
  QFile file(path);
  if (!file.open(QIODevice::ReadOnly) || file.size() > kLargestSetFile) return std::nullopt;
  QCryptographicHash hash(QCryptographicHash::Sha256);
  if (!hash.addData(&file)) return std::nullopt;
  return hash.result();
}

QImage decodePng(const QByteArray& bytes) {
  QBuffer buffer;
  buffer.setData(bytes);
  QImageReader reader(&buffer, "png");
  // The largest shipped picture is 2014 x 216; nothing much bigger is decoded.
  const QSize size = reader.size();
  if (!size.isValid() || size.width() > 4096 || size.height() > 2048) return {};
  return gamePicture(reader.read());
}

// The pictures are decoded side by side: a set is put in force before the
// window's first paint, and decoding is most of what the sharp pictures cost.
// Nothing when any of them does not decode.
template <typename Decode>
std::optional<SharpPictures> decodeSideBySide(Decode decode) {
  std::array<std::future<QImage>, kSharpPictureCount> decoding;
  for (int i = 0; i < kSharpPictureCount; ++i) decoding[std::size_t(i)] = std::async(std::launch::async, decode, i);
  SharpPictures pictures;
  bool whole = true;
  for (int i = 0; i < kSharpPictureCount; ++i) {
    pictures[std::size_t(i)] = decoding[std::size_t(i)].get();
    whole = whole && !pictures[std::size_t(i)].isNull();
  }
  if (!whole) return std::nullopt;
  return pictures;
}

QImage withRatio(QImage picture, int scale) {
  picture.setDevicePixelRatio(scale);
  return picture;
}

QSize logicalSize(const QImage& picture) {
  const int r = std::max(1, int(std::lround(picture.devicePixelRatio())));
  return picture.size() / r;
}

// A blank picture of the given size in game pixels at `scale`.
QImage blankAt(QSize size, int scale) {
  QImage blank = blankPicture(size.width() * scale, size.height() * scale);
  blank.setDevicePixelRatio(scale);
  return blank;
}

// The set's pictures from its sharp ones, cut the way the set's own were; false
// when their sizes do not fit the set's pictures.
bool useSharpPictures(SetContent& set, const SharpPictures& sharp) {
  constexpr int k = 2;
  const QImage* own[] = {&set.targetStrip, &set.splatStrip, &set.countStrip, &set.digitStrip, nullptr, &set.title};
  for (int i = 0; i < kSharpPictureCount; ++i)
    if (sharp[i].isNull() || (own[i] && sharp[i].size() != logicalSize(*own[i]) * k)) return false;
  const QImage& misc = sharp[4];
  if (misc.size() != QSize(111, 124) * k) return false;
  const QImage miscAt = withRatio(misc, k);
  const QSize scoreSize = logicalSize(set.scoreWords), timeSize = logicalSize(set.timeWords);
  QImage score = blankAt(scoreSize, k), time = blankAt(timeSize, k), base = blankAt({kHoleWidth, kHoleBaseRows}, k);
  const auto rectOf = [](PictureCut cut) { return Rect{cut.left, cut.top, cut.right, cut.bottom}; };
  copyRect(score, {0, 0, scoreSize.width(), scoreSize.height()}, miscAt, rectOf(kScoreWordsCut));
  copyRect(time, {0, 0, timeSize.width(), timeSize.height()}, miscAt, rectOf(kTimeWordsCut));
  copyRect(base, {0, 0, kHoleWidth, kHoleBaseRows}, miscAt, {0, kHoleBaseTop, kHoleWidth, kBuiltinHoleBaseBottom});
  set.targetStrip = withRatio(sharp[0], k);
  set.splatStrip = withRatio(sharp[1], k);
  set.countStrip = withRatio(sharp[2], k);
  set.digitStrip = withRatio(sharp[3], k);
  set.title = withRatio(sharp[5], k);
  set.scoreWords = score;
  set.timeWords = time;
  set.holeBase = base;
  return true;
}

// The built-in set shares its pictures with the program's resources until
// something changes them.
bool isBuiltinPictures(const SetContent& set) {
  const BuiltinPictures& def = builtinPictures();
  return set.sourceFile.isEmpty() && set.targetStrip.cacheKey() == def.figure.cacheKey() &&
         set.splatStrip.cacheKey() == def.splat.cacheKey() && set.countStrip.cacheKey() == def.countdown.cacheKey() &&
         set.digitStrip.cacheKey() == def.digits.cacheKey() && set.title.cacheKey() == def.title.cacheKey();
}

}  // namespace

qreal screenDensity() { return qGuiApp ? qGuiApp->devicePixelRatio() : 1.0; }

int pictureScaleFor(qreal devicePixelRatio) {
  if (!(devicePixelRatio > 1)) return 1;
  return std::min(4, int(std::ceil(devicePixelRatio - 1e-6)));
}

QString sharpCompanionPath(const QString& setFile) { return setFile + QStringLiteral("@2x"); }

QByteArray packSharpCompanion(const QByteArray& setFileBytes, const std::array<QByteArray, kSharpPictureCount>& pngs) {
  QByteArray out = kMagic;
  out.append(QCryptographicHash::hash(setFileBytes, QCryptographicHash::Sha256));
  for (const QByteArray& png : pngs) {
    putLength(out, quint32(png.size()));
    out.append(png);
  }
  return out;
}

std::optional<SharpPictures> readSharpCompanion(const QString& setFile) {
  const QString path = sharpCompanionPath(setFile);
  // A link beside a set file is none the game made: it is not followed.
  if (setFile.isEmpty() || QFileInfo(path).isSymLink() || !isRegularFile(path)) return std::nullopt;
  QFile file(path);
  if (!file.open(QIODevice::ReadOnly) || file.size() > kLargestCompanion) return std::nullopt;
  const QByteArray bytes = file.read(kLargestCompanion);
  if (!bytes.startsWith(kMagic) || bytes.size() < kMagic.size() + kHashBytes) return std::nullopt;
  const std::optional<QByteArray> hash = sha256Of(setFile);
  if (!hash || bytes.mid(kMagic.size(), kHashBytes) != *hash) return std::nullopt;
  std::array<QByteArray, kSharpPictureCount> pngs;
  qsizetype at = kMagic.size() + kHashBytes;
  for (QByteArray& png : pngs) {
    if (bytes.size() - at < 4) return std::nullopt;
    quint32 n = 0;
    for (int i = 3; i >= 0; --i) n = (n << 8) | quint8(bytes.at(at + i));
    at += 4;
    if (n > quint32(bytes.size() - at)) return std::nullopt;
    png = bytes.mid(at, n);
    at += n;
  }
  return decodeSideBySide([&pngs](int i) { return decodePng(pngs[std::size_t(i)]); });
}

const SharpPictures& builtinSharpPictures() {
  static const SharpPictures pictures = [] {
    initGameResources();
    static const char* const names[] = {"figure", "splat", "countdown", "digits", "misc", "title"};
    return decodeSideBySide([](int i) {
             return gamePicture(QImage(QStringLiteral(":/2x/%1.png").arg(QLatin1String(names[i]))));
           }).value_or(SharpPictures{});
  }();
  return pictures;
}

QImage enlargedPicture(const QImage& picture, int scale) {
  if (scale <= 1 || picture.isNull()) return picture;
  const QSize size = logicalSize(picture);
  QImage out = blankAt(size, scale);
  copyRect(out, {0, 0, size.width(), size.height()}, picture, {0, 0, size.width(), size.height()});
  return out;
}

void sharpenSet(SetContent& set, qreal devicePixelRatio) {
  const int scale = pictureScaleFor(devicePixelRatio);
  if (scale == 1) return;
  if (isBuiltinPictures(set) && useSharpPictures(set, builtinSharpPictures())) return;
  if (const std::optional<SharpPictures> sharp = readSharpCompanion(set.sourceFile))
    if (useSharpPictures(set, *sharp)) return;
  for (QImage* picture : {&set.targetStrip, &set.splatStrip, &set.countStrip, &set.digitStrip, &set.holeBase,
                          &set.scoreWords, &set.timeWords, &set.title})
    *picture = enlargedPicture(*picture, scale);
}
