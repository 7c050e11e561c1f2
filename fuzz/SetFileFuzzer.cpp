// A set file as the loading commands open it. Built twice: with the extended and
// with the plain magic, which is put in front of any input that lacks it so the
// mutations are spent on what follows.
//
// What must hold after every load, starting from the built-in set:
// - at most one message, and it is an error box;
// - a refused file leaves the built-in set whole: title, caption, tune, every
//   picture, sound, colour and text;
// - every picture in force is a game picture and within the bounds of FuzzSupport.h;
// - no sound holds more samples, and no tune more bytes, than the file had.
#include <QFile>
#include <cstring>

#include "FuzzSupport.h"
#include "imageset/ActiveSet.h"
#include "imageset/DefaultSet.h"
#include "imageset/SetReaders.h"
#include "game/SetCommands.h"

#ifndef PVQ_FUZZ_MAGIC
#error "PVQ_FUZZ_MAGIC names the set kind"
#endif

namespace {

constexpr char kMagic[] = PVQ_FUZZ_MAGIC;
constexpr qsizetype kMagicLength = sizeof kMagic - 1;

bool samePictures(const ActiveSet& a, const ActiveSet& b) {
  return a.targetStrip == b.targetStrip && a.splatStrip == b.splatStrip && a.countStrip == b.countStrip &&
         a.digitStrip == b.digitStrip && a.holeBase == b.holeBase && a.scoreWords == b.scoreWords &&
         a.timeWords == b.timeWords && a.title == b.title;
}

void checkPictures(const ActiveSet& s) {
  checkGamePicture(s.targetStrip, "the target strip", kStripBounds);
  checkGamePicture(s.splatStrip, "the splat strip", kStripBounds);
  checkGamePicture(s.countStrip, "the count strip", kCountStripBounds);
  checkGamePicture(s.digitStrip, "the digit strip", kDigitStripBounds);
  checkGamePicture(s.holeBase, "the hole base", kMiscPicturesBounds);
  checkGamePicture(s.scoreWords, "the score words", kMiscPicturesBounds);
  checkGamePicture(s.timeWords, "the time words", kMiscPicturesBounds);
  checkGamePicture(s.title, "the title picture", kTitleBounds);
}

}  // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
  startFuzzApplication();
  return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  static QuietGame subject(QStringLiteral("~tune.mid"));
  static const QuietGame builtin(QStringLiteral("~unused.mid"));
  static const QString path = scratchPath(QStringLiteral("fuzzed.set"));

  QByteArray file = fuzzBytes(data, size);
  if (!file.startsWith(QByteArrayView(kMagic, kMagicLength))) file.prepend(kMagic, kMagicLength);
  writeScratch(path, file);

  Game& game = subject.game;
  game.install(builtinSet());
  AnsweringPrompts prompts;
  loadImageSet(game, subject.window, path, false);

  const ActiveSet& s = game.set();
  const ActiveSet& b = builtin.game.set();
  fuzzCheck(prompts.messages.size() <= 1, "a load tells at most one thing");
  checkPictures(s);
  const std::size_t fileSize = std::size_t(file.size());
  for (const SoundBuffer& sound : s.sounds)
    fuzzCheck(sound.data.size() <= fileSize, "a sound is no longer than the file");
  fuzzCheck(!s.musicPresent || QFile(s.musicFile).size() <= file.size(), "the tune is no longer than the file");
  fuzzCheck(s.musicPresent == QFile::exists(s.musicFile), "the tune is present exactly when its file exists");

  if (prompts.messages.isEmpty()) return 0;
  const AnsweringPrompts::Shown& shown = prompts.messages.front();
  fuzzCheck(shown.icon == BoxIcon::Error, "a refusal shows the error icon");
  fuzzCheck(s.setTitle == b.setTitle, "a refused set leaves the built-in title");
  fuzzCheck(game.caption() == builtin.game.caption(), "a refused set leaves the built-in caption");
  fuzzCheck(!s.musicPresent && !QFile::exists(s.musicFile), "a refused set leaves no tune behind");
  fuzzCheck(samePictures(s, b), "a refused set leaves the built-in pictures");
  for (const SoundBuffer& sound : s.sounds) fuzzCheck(sound.empty(), "a refused set leaves no sounds");
  fuzzCheck(game.playfieldCursorSlot() == builtin.game.playfieldCursorSlot(), "a refused set leaves the built-in cursor");
  fuzzCheck(game.board().pageColour == builtin.game.board().pageColour && game.board().titleColour == builtin.game.board().titleColour,
            "a refused set leaves the built-in colours");
  fuzzCheck(s.ratingMessages == b.ratingMessages && s.congratulationPrefix == b.congratulationPrefix &&
                s.congratulationSuffix == b.congratulationSuffix,
            "a refused set leaves the built-in texts");
  fuzzCheck(std::memcmp(&s.header, &b.header, sizeof s.header) == 0, "a refused set leaves the built-in header");
  return 0;
}
