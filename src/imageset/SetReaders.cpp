#include "imageset/SetReaders.h"

#include <QCoreApplication>
#include <QIODevice>
#include <algorithm>
#include <array>
#include <cstring>
#include <functional>

#include "imageset/BmpDecode.h"
#include "imageset/CursorTable.h"
#include "imageset/DefaultSet.h"
#include "imageset/FrameCopy.h"
#include "ui/AppInfo.h"

namespace {

// Everything a set file hands over passes through one 1024-byte piece. The
// sizes that say how much to read come from the file itself, so a block may only
// be read when the file still holds it: nothing is allocated for bytes that are
// not there, however large a damaged or hostile size field claims to be.
class PieceReader {
 public:
  explicit PieceReader(QIODevice& file) : file_(file) {}

  qint64 remaining() const { return std::max<qint64>(0, file_.size() - file_.pos()); }
  bool holds(qint64 count) const { return count <= remaining(); }

  // Hands up to count bytes to sink piece by piece; stops early when a piece
  // comes short. Returns the bytes delivered.
  qint64 pass(qint64 count, const std::function<void(const char*, qint64)>& sink) {
    qint64 done = 0;
    while (done < count) {
      const qint64 ask = std::min<qint64>(piece_.size(), count - done);
      const qint64 got = file_.read(piece_.data(), ask);
      if (got > 0) {
        sink(piece_.data(), got);
        done += got;
      }
      if (got < ask) break;
    }
    return done;
  }

  qint64 readInto(void* destination, qint64 count) {
    auto* out = static_cast<char*>(destination);
    return pass(count, [&out](const char* data, qint64 n) {
      std::memcpy(out, data, static_cast<size_t>(n));
      out += n;
    });
  }

  QByteArray readBlock(qint64 count) {
    QByteArray block;
    block.reserve(count);
    pass(count, [&block](const char* data, qint64 n) { block.append(data, n); });
    return block;
  }

 private:
  QIODevice& file_;
  std::array<char, 1024> piece_{};
};

#pragma pack(push, 1)
struct PlainSetBody {
  std::int32_t pict1Size;
  std::int32_t pict2Size;
  ShortString<200> title;
  ShortString<200> congratulationPrefix;
  ShortString<200> congratulationSuffix;
  ShortString<240> ratingMessages[kRatingMessages];
  std::uint8_t cursorIndex;
};
#pragma pack(pop)
static_assert(sizeof(PlainSetBody) == kPlainBodySize);

constexpr qint64 kPlainFirstPicture = kMagicSize + kPlainBodySize;  // 2558

SetReadResult failure(const QString& error, bool setKept = false) {
  SetReadResult result;
  result.error = error;
  result.setKept = setKept;
  return result;
}

SetReadResult success(LoadedSet&& set) {
  SetReadResult result;
  result.set = std::move(set);
  return result;
}

// The texts, colours and cursor choice an extended header carries.
void takeHeader(LoadedSet& set, const SetHeader& header) {
  set.header = header;
  set.setTitle = header.title.text();
  for (int i = 0; i < kRatingMessages; ++i) set.ratingMessages[i] = header.ratingMessages[i].text();
  set.congratulationPrefix = header.congratulationPrefix.text();
  set.congratulationSuffix = header.congratulationSuffix.text();
  set.playfieldColour = colourFromValue(header.pageColour);
  set.titleColour = colourFromValue(header.titleColour);
  set.cursorSlot = header.cursorIndex;
}

// The blocks after an extended header: cursor planes, pictures, sounds, tune and
// trailer. A block that claims more than the file still holds means the file was
// cut short: nothing more is read, and the file is refused at the trailer.
class ExtendedBody {
 public:
  ExtendedBody(QIODevice& file, const SetHeader& header, LoadedSet& set) : in_(file), header_(header), set_(set) {}

  void readCursor() {
    if (header_.cursorIndex != kCustomCursorSlot || !present(256)) return;
    CustomCursor cursor{{}, header_.hotSpotX, header_.hotSpotY};
    if (in_.readInto(cursor.planes.data(), 256) == 256)
      set_.cursor = cursor;
    else
      cutShort_ = true;
  }

  // Returns the decoder's message for a picture it rejects; the read stops there.
  QString readPictures() {
    // The misc-pictures bitmap is cut up at the end; until then the hole base
    // holds the whole of it, the built-in one unless the file brings its own.
    const QImage& xtras = builtinPictures().misc;
    set_.holeBase = blankPicture(kFrameWidth, xtras.height());
    copyRect(set_.holeBase, {0, 0, kFrameWidth, xtras.height()}, xtras, {0, 0, xtras.width(), xtras.height()});

    const struct {
      std::int32_t size;
      QImage* destination;
      PictureBounds bounds;
    } pictures[] = {
        {header_.miscPicsSize, &set_.holeBase, kMiscPicturesBounds},
        {header_.numbersSize, &set_.digitStrip, kDigitStripBounds},
        {header_.countSize, &set_.countStrip, kCountStripBounds},
        {header_.titleSize, &set_.title, kTitleBounds},
        {header_.pict1Size, &set_.targetStrip, kStripBounds},
        {header_.pict2Size, &set_.splatStrip, kStripBounds},
    };
    for (const auto& picture : pictures) {
      if (picture.size <= 0) continue;
      if (picture.size > pictureByteBound(picture.bounds))
        return QCoreApplication::translate("SetReaders",
                                           "Unable to read a picture of this set as a BMP file: it takes %1 bytes, "
                                           "more than a picture of at most %2 x %3 pixels needs.")
            .arg(picture.size)
            .arg(picture.bounds.width)
            .arg(picture.bounds.height);
      if (!present(picture.size)) break;
      QString why;
      QImage decoded = decodeBmp(in_.readBlock(picture.size), &why, picture.bounds);
      if (decoded.isNull()) return why;
      *picture.destination = std::move(decoded);
    }
    return QString();
  }

  // The sizes are checked against their bounds before anything is read or allocated.
  QString soundsAndTuneTooLarge() const {
    for (const SoundEffectInfo& info : kSoundEffects) {
      const std::int32_t size = header_.*info.sizeField;
      if (size > kLongestSound)
        return QCoreApplication::translate(
                   "SetReaders",
                   "The sound %1 of this set takes %2 bytes; a sound may last a minute (%3 bytes) at most.")
            .arg(QLatin1String(info.fileName))
            .arg(size)
            .arg(kLongestSound);
    }
    if (header_.musicSize > kLargestTune)
      return QCoreApplication::translate("SetReaders",
                                         "The tune of this set takes %1 bytes; a tune may take %2 bytes at most.")
          .arg(header_.musicSize)
          .arg(kLargestTune);
    return QString();
  }

  void readSounds() {
    for (const SoundEffectInfo& info : kSoundEffects) {
      const std::int32_t size = header_.*info.sizeField;
      if (size <= 0) continue;
      if (!present(size)) break;
      SoundBytes::Block bytes;
      bytes.reserve(static_cast<size_t>(size));
      in_.pass(size, [&bytes](const char* data, qint64 n) { bytes.insert(bytes.end(), data, data + n); });
      set_.sound(info.effect).data = std::move(bytes);
    }
  }

  void readTune() {
    if (header_.musicSize <= 0 || !present(header_.musicSize)) return;
    set_.tune = in_.readBlock(header_.musicSize);
    if (set_.tune.size() < header_.musicSize) cutShort_ = true;
  }

  bool trailerFollows() {
    char trailer[kTrailerSize] = {};
    return !cutShort_ && in_.readInto(trailer, kTrailerSize) == kTrailerSize &&
           std::memcmp(trailer, kSetTrailer, kTrailerSize) == 0;
  }

 private:
  bool present(qint64 count) {
    if (!cutShort_ && !in_.holds(count)) cutShort_ = true;
    return !cutShort_;
  }

  PieceReader in_;
  const SetHeader& header_;
  LoadedSet& set_;
  bool cutShort_ = false;
};

QString notASetMessage() {
  return QCoreApplication::translate("SetReaders", "This file is NOT a %1 Image Set or eXtended Set file...")
      .arg(QLatin1String(kAppName));
}

// An extended set from just past its magic.
SetReadResult readExtendedBody(QIODevice& file, const std::function<void()>& headerRead) {
  PieceReader in(file);
  SetHeader header{};
  if (in.readInto(&header, kSetHeaderSize) != kSetHeaderSize)
    return failure(QCoreApplication::translate("SetReaders", "File is corrupt or not an eXtended image set file..."));
  if (headerRead) headerRead();

  LoadedSet set = builtinSet();
  takeHeader(set, header);
  ExtendedBody body(file, header, set);
  const QString tooLarge = body.soundsAndTuneTooLarge();
  if (!tooLarge.isEmpty()) return failure(tooLarge);
  body.readCursor();
  const QString badPicture = body.readPictures();
  if (!badPicture.isEmpty()) return failure(badPicture);
  body.readSounds();
  body.readTune();
  if (!body.trailerFollows())
    return failure(
        QCoreApplication::translate("SetReaders", "Error loading file, either it is incomplete or corrupted..."));
  cutMiscPictures(set);
  return success(std::move(set));
}

// A plain set from just past its magic; path only goes into the set's comment.
SetReadResult readPlainBody(QIODevice& file, const QString& path) {
  PieceReader in(file);
  PlainSetBody body;
  std::memset(static_cast<void*>(&body), 0, sizeof body);  // a short file leaves no sizes behind
  in.readInto(&body, kPlainBodySize);

  LoadedSet set = builtinSet();
  set.setTitle = body.title.text();
  set.header.clear();
  set.header.title.set(set.setTitle);
  set.header.comment.set(QStringLiteral("Loaded from ") + path);
  set.header.author.set(QStringLiteral("Unknown"));
  set.header.email.set(QStringLiteral("Unknown"));
  set.header.webPage.set(QStringLiteral("Unknown"));
  for (int i = 0; i < kRatingMessages; ++i) set.ratingMessages[i] = body.ratingMessages[i].text();
  set.congratulationPrefix = body.congratulationPrefix.text();
  set.congratulationSuffix = body.congratulationSuffix.text();
  set.cursorSlot = body.cursorIndex;

  // Both pictures are required; a missing, cut short or undecodable one fails the set.
  auto readStrip = [&in](std::int32_t size) {
    const bool fits = size > 0 && size <= pictureByteBound(kStripBounds) && in.holds(size);
    return fits ? decodeBmp(in.readBlock(size), nullptr, kStripBounds) : QImage();
  };
  set.targetStrip = readStrip(body.pict1Size);
  file.seek(kPlainFirstPicture + std::max<std::int32_t>(body.pict1Size, 0));
  set.splatStrip = readStrip(body.pict2Size);
  if (set.targetStrip.isNull() || set.splatStrip.isNull())
    return failure(QCoreApplication::translate("SetReaders", "Error loading images..."));
  return success(std::move(set));
}

// Runs a reader; memory that cannot be had refuses the set like any other fault.
SetReadResult guarded(const std::function<SetReadResult()>& read) {
  try {
    return read();
  } catch (const std::bad_alloc&) {
    return failure(QCoreApplication::translate("SetReaders", "There is not enough memory to load this set."));
  }
}

QByteArray readMagic(QIODevice& file) {
  char magic[kMagicSize] = {};
  return PieceReader(file).readInto(magic, kMagicSize) == kMagicSize ? QByteArray(magic, kMagicSize) : QByteArray();
}

}  // namespace

SetReadResult readSetFile(QIODevice& file, const QString& path, const std::function<void()>& headerRead) {
  SetReadResult result;
  const QByteArray magic = readMagic(file);  // shorter than 18 bytes matches nothing
  if (magic == QByteArrayView(kExtendedMagic, kMagicSize)) {
    result = file.size() < kSmallestExtendedSet
                 ? failure(QCoreApplication::translate("SetReaders", kNotExtendedSetMessage), true)
                 : guarded([&] { return readExtendedBody(file, headerRead); });
    result.kind = SetKind::Extended;
  } else if (magic == QByteArrayView(kPlainMagic, kMagicSize)) {
    if (headerRead) headerRead();
    result = guarded([&] { return readPlainBody(file, path); });
    result.kind = SetKind::Plain;
  } else if (magic == QByteArrayView(kFirstGenerationMagic, kMagicSize)) {
    result =
        failure(QCoreApplication::translate("SetReaders", "This old image set format is no longer supported by %1...")
                    .arg(QLatin1String(kAppName)),
                true);
    result.caption = QCoreApplication::translate("SetReaders", "Version Control");
    result.kind = SetKind::FirstGeneration;
  } else {
    result = failure(notASetMessage(), true);
  }
  return result;
}

SetReadResult readExtendedSet(QIODevice& file, const std::function<void()>& headerRead) {
  if (file.size() < kSmallestExtendedSet)
    return failure(QCoreApplication::translate("SetReaders", kNotExtendedSetMessage), true);
  if (readMagic(file) != QByteArrayView(kExtendedMagic, kMagicSize))
    return failure(QCoreApplication::translate("SetReaders", "This is NOT an eXtended Image Set file..."));
  SetReadResult result = guarded([&] { return readExtendedBody(file, headerRead); });
  result.kind = SetKind::Extended;
  return result;
}
