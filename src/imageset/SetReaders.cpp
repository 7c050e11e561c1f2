#include "imageset/SetReaders.h"

#include <QFile>
#include <QFileInfo>
#include <QIODevice>
#include <algorithm>
#include <array>
#include <cstring>
#include <functional>

#include "game/Game.h"
#include "ui/Prompts.h"
#include "imageset/BmpDecode.h"
#include "imageset/DefaultSet.h"
#include "imageset/FrameCopy.h"

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

void showError(Game& game, const QString& text) {
  prompts().message(game.view().dialogParent(), text, QStringLiteral("Error"), BoxIcon::Error);
}

#pragma pack(push, 1)
struct PlainSetBody {
  std::int32_t pict1Size;
  std::int32_t pict2Size;
  ShortString<200> title;
  ShortString<200> congratulationPrefix;
  ShortString<200> congratulationSuffix;
  ShortString<240> ratingMessages[8];
  std::uint8_t cursorIndex;
};
#pragma pack(pop)
static_assert(sizeof(PlainSetBody) == kPlainBodySize);

constexpr qint64 kPlainFirstPicture = kMagicSize + kPlainBodySize;  // 2558

}  // namespace

void loadExtendedSet(Game& game, const QString& path, bool showAboutDialog) {
  qint64 size = -1;
  // A named pipe or a device is no file: opening it may wait for ever.
  if (QFileInfo(path).isFile()) {
    QFile probe(path);
    if (probe.open(QIODevice::ReadOnly)) size = probe.size();
  }
  if (size < kSmallestExtendedSet) {
    showError(game, QStringLiteral("File is corrupt or this is not an eXtended image set file..."));
    return;
  }
  QFile file(path);
  if (!file.open(QIODevice::ReadOnly)) {
    showError(game, QStringLiteral("Unable to open file..."));
    return;
  }

  restoreDefaultSet(game);
  ActiveSet& set = game.set;
  PieceReader in(file);

  char magic[kMagicSize] = {};
  if (in.readInto(magic, kMagicSize) != kMagicSize || std::memcmp(magic, kExtendedMagic, kMagicSize) != 0) {
    showError(game, QStringLiteral("This is NOT an eXtended Image Set file..."));
    file.close();
    return;
  }
  if (in.readInto(&set.header, kSetHeaderSize) != kSetHeaderSize) {
    file.close();
    showError(game, QStringLiteral("File is corrupt or not an eXtended image set file..."));
    restoreDefaultSet(game);
    return;
  }
  // Our own copy: the sizes we go by must not change under us should the pending
  // events below start another load.
  const SetHeader header = set.header;

  game.view().setBusyCursor(true);
  game.view().processPendingEvents();

  // A block that claims more than the file still holds means the file was cut
  // short: nothing more is read, and the trailer test below refuses the file.
  bool cutShort = false;
  auto present = [&](qint64 count) {
    if (!cutShort && !in.holds(count)) cutShort = true;
    return !cutShort;
  };

  if (header.cursorIndex == kCustomCursorSlot && present(256)) {
    std::array<std::uint8_t, 256> planes{};
    if (in.readInto(planes.data(), 256) == 256)
      installCustomCursor(game, planes.data(), header.hotSpotX, header.hotSpotY);
    else
      cutShort = true;
  }
  game.setPlayfieldCursor(header.cursorIndex);

  for (int i = 0; i < 8; ++i) set.ratingMessages[i] = header.ratingMessages[i].text();
  set.congratulationPrefix = header.congratulationPrefix.text();
  set.congratulationSuffix = header.congratulationSuffix.text();

  game.setPlayfieldColour(header.pageColour);
  game.setTitleColour(header.titleColour);

  // The misc-pictures bitmap is cut up at the end; until then the hole base holds
  // the whole of it, the built-in one unless the file brings its own.
  const QImage& xtras = builtinPictures().misc;
  set.holeBase = blankPicture(kFrameWidth, xtras.height());
  copyRect(set.holeBase, {0, 0, kFrameWidth, xtras.height()}, xtras, {0, 0, xtras.width(), xtras.height()});

  const struct {
    std::int32_t size;
    QImage* destination;
  } pictures[] = {
      {header.miscPicsSize, &set.holeBase}, {header.numbersSize, &set.digitStrip},
      {header.countSize, &set.countStrip},  {header.titleSize, &set.title},
      {header.pict1Size, &set.targetStrip}, {header.pict2Size, &set.splatStrip},
  };
  for (const auto& picture : pictures) {
    if (picture.size <= 0) continue;
    if (!present(picture.size)) break;
    QString why;
    QImage decoded = decodeBmp(in.readBlock(picture.size), &why);
    if (decoded.isNull()) {
      // What was installed so far stays; the rest of the file is not read.
      file.close();
      game.view().setPicturesChanged();
      game.view().setBusyCursor(false);
      showError(game, why);
      return;
    }
    *picture.destination = std::move(decoded);
  }
  game.view().setPicturesChanged();

  set.setTitle = header.title.text();
  game.updateMainCaption();

  // Stored start-up first, while the header lists their sizes the other way round.
  const struct {
    std::int32_t size;
    SoundBuffer* buffer;
  } sounds[] = {
      {header.startupSoundSize, &set.startupSound},
      {header.tickSoundSize, &set.tickSound},
      {header.splatSoundSize, &set.splatSound},
      {header.gameOverSoundSize, &set.gameOverSound},
  };
  for (const auto& sound : sounds) {
    if (sound.size <= 0) continue;
    if (!present(sound.size)) break;
    sound.buffer->clear();
    sound.buffer->data.reserve(static_cast<size_t>(sound.size));
    in.pass(sound.size, [&sound](const char* data, qint64 n) {
      sound.buffer->data.insert(sound.buffer->data.end(), data, data + n);
    });
    sound.buffer->position = 0;
  }

  // The tune of the previous set goes even when this one has none.
  if (!set.musicFile.isEmpty()) QFile::remove(set.musicFile);
  if (header.musicSize > 0 && present(header.musicSize)) {
    QFile tune(set.musicFile);
    qint64 copied;
    if (!set.musicFile.isEmpty() && tune.open(QIODevice::WriteOnly | QIODevice::Truncate)) {
      copied = in.pass(header.musicSize, [&tune](const char* data, qint64 n) { tune.write(data, n); });
      tune.close();
      if (copied < header.musicSize) tune.remove();
    } else {
      // Not being able to write the tune is no reason to refuse the set.
      copied = in.pass(header.musicSize, [](const char*, qint64) {});
    }
    if (copied < header.musicSize) cutShort = true;
  }
  set.musicPresent = !set.musicFile.isEmpty() && QFile::exists(set.musicFile);

  char trailer[kTrailerSize] = {};
  const bool complete = !cutShort && in.readInto(trailer, kTrailerSize) == kTrailerSize &&
                        std::memcmp(trailer, kSetTrailer, kTrailerSize) == 0;
  file.close();

  cutMiscPictures(game);
  game.drawScore();
  game.drawTime();
  game.showIdleBoard();
  game.view().setBusyCursor(false);

  if (!complete) {
    showError(game, QStringLiteral("Error loading file, either it is incomplete or corrupted..."));
    restoreDefaultSet(game);
    return;
  }
  game.wave().stopWave(1);
  game.wave().playWave(set.startupSound, 0);
  if (showAboutDialog) game.view().showCurrentSetAbout();
}

void loadPlainSet(Game& game, QIODevice& file, const QString& path) {
  restoreDefaultSet(game);
  game.view().setBusyCursor(true);
  ActiveSet& set = game.set;
  PieceReader in(file);

  PlainSetBody body;
  std::memset(static_cast<void*>(&body), 0, sizeof body);  // a short file leaves no sizes behind
  in.readInto(&body, kPlainBodySize);

  set.setTitle = body.title.text();
  set.header.clear();
  set.header.title.set(set.setTitle);
  set.header.comment.set(QStringLiteral("Loaded from ") + path);
  set.header.author.set(QStringLiteral("Unknown"));
  set.header.email.set(QStringLiteral("Unknown"));
  set.header.webPage.set(QStringLiteral("Unknown"));
  for (int i = 0; i < 8; ++i) set.ratingMessages[i] = body.ratingMessages[i].text();
  set.congratulationPrefix = body.congratulationPrefix.text();
  set.congratulationSuffix = body.congratulationSuffix.text();
  game.setPlayfieldCursor(body.cursorIndex);
  game.updateMainCaption();

  // Both pictures are required; a missing, cut short or undecodable one is
  // remembered and told once both were tried.
  bool failed = false;
  auto loadStrip = [&](std::int32_t size, QImage& strip) {
    QImage decoded;
    if (size > 0 && in.holds(size)) decoded = decodeBmp(in.readBlock(size), nullptr);
    if (decoded.isNull())
      failed = true;
    else
      strip = std::move(decoded);
  };
  loadStrip(body.pict1Size, set.targetStrip);
  file.seek(kPlainFirstPicture + std::max<std::int32_t>(body.pict1Size, 0));
  loadStrip(body.pict2Size, set.splatStrip);

  game.view().setBusyCursor(false);
  if (failed) {
    restoreDefaultSet(game);
    showError(game, QStringLiteral("Error loading images..."));
  }
}
