#include "imageset/DefaultSet.h"

#include <QFile>

#include "about/Ab.h"
#include "game/Game.h"
#include "imageset/FrameCopy.h"

// The same addresses the about box links to.
const char* const kDefaultEmail = "zanthorp@zanthorp.example";
const char* const kDefaultWebPage = AuthorWebPage;
const char* const kDefaultCongratulationPrefix = "Congratulations, in 30 seconds you managed to throw";
const char* const kDefaultCongratulationSuffix = "pies at Vorb Quarn.  Did you enjoy it?  Your Score Is:";
const std::array<const char*, 8> kDefaultRatingMessages = {
    "Hey, you're not very good at this are you...",
    "Not very good, you could do much better...",
    "COOL! but a really bad score still!",
    "I bet you're having fun!",
    "I bet you've played thousands of times to get this score!",
    "Hey, that rules! cool score!",
    "Cool Score, but good enough for the high score table? NO!",
    "A VERY good score, keep going!",
};

static void initResourcesOnce() { Q_INIT_RESOURCE(resources); }

void InitGameResources() {
  static const bool done = (initResourcesOnce(), true);
  (void)done;
}

const BuiltinPictures& builtinPictures() {
  static const BuiltinPictures pictures = [] {
    InitGameResources();
    auto load = [](const char* name) { return gamePicture(QImage(QStringLiteral(":/") + QLatin1String(name))); };
    BuiltinPictures p;
    p.DefNumbers = load("DefNumbers.bmp");
    p.DefPie = load("DefPie.bmp");
    p.DefVorb = load("DefVorb.bmp");
    p.DefCount = load("DefCount.bmp");
    p.DefXtras = load("DefXtras.bmp");
    p.DefTitle = load("DefTitle.bmp");
    return p;
  }();
  return pictures;
}

void RestoreDefaultSet(Game& game) {
  const BuiltinPictures& def = builtinPictures();
  ActiveSet& set = game.set;

  game.GameState = Idle;
  game.setAnimate(false);
  set.StartupSound.clear();
  set.TickSound.clear();
  set.SplatSound.clear();
  set.GameOverSound.clear();
  game.SetPlayfieldColour(colourValue(255, 255, 255));

  set.title = def.DefTitle;
  set.scoreWords = blankPicture(111, 49);
  CopyRect(set.scoreWords, {0, 0, 111, 49}, def.DefXtras, {0, 50, 111, 98});
  set.timeWords = blankPicture(111, 49);
  CopyRect(set.timeWords, {0, 0, 111, 49}, def.DefXtras, {0, 0, 111, 49});
  set.digitStrip = def.DefNumbers;
  set.holeBase = blankPicture(111, 24);
  CopyRect(set.holeBase, {0, 0, 111, 24}, def.DefXtras, {0, 100, 111, 123});
  set.countStrip = def.DefCount;

  set.header.clear();
  set.header.Title.set(QStringLiteral("Pie Vorb Quarn (Default)"));
  set.header.Author.set(QStringLiteral("The Zanthorp"));
  set.header.Email.set(QString::fromLatin1(kDefaultEmail));
  set.header.WebPage.set(QString::fromLatin1(kDefaultWebPage));
  set.header.Comment.set(QStringLiteral("Pie Vorb Quarn Default Settings..."));

  if (set.musicPresent) {
    // A set dropped during a game replaces the tune under the player: stop it
    // first, or it would play on from a deleted file until the round ends.
    if (game.music().musicPlaying()) game.music().StopMusic();
    QFile::remove(set.musicFile);  // may fail; the flag goes all the same
    set.musicPresent = false;
  }

  set.targetStrip = def.DefVorb;
  set.splatStrip = def.DefPie;

  set.setTitle.clear();
  set.congratulationPrefix = QString::fromLatin1(kDefaultCongratulationPrefix);
  set.congratulationSuffix = QString::fromLatin1(kDefaultCongratulationSuffix);
  for (int i = 0; i < 8; ++i) set.ratingMessages[i] = QString::fromLatin1(kDefaultRatingMessages[i]);

  game.SetPlayfieldCursor(1);
  game.SetTitleColour(colourValue(255, 0, 0));
  if (set.customCursor) {
    if (game.cursors.get(kCustomCursorSlot) == set.customCursor) game.cursors.clear(kCustomCursorSlot);
    set.customCursor = nullptr;
  }

  game.GameState = Idle;
  game.score = 0;
  game.timeLeft = 30;
  game.scorePicture = blankPicture(126, 49, 0xFF000000);
  game.timePicture = blankPicture(60, 49, 0xFF000000);
  game.view().setPicturesChanged();

  game.DrawScore();
  game.DrawTime();
  game.ShowIdleBoard();
  game.UpdateMainCaption();
  game.view().setBusyCursor(false);
}

void CutMiscPictures(Game& game) {
  ActiveSet& set = game.set;
  QImage& misc = set.holeBase;
  CopyRect(set.scoreWords, {0, 0, set.scoreWords.width(), set.scoreWords.height()}, misc, {0, 50, 111, 98});
  CopyRect(set.timeWords, {0, 0, set.timeWords.width(), set.timeWords.height()}, misc, {0, 0, 111, 49});
  const int w = misc.width(), h = misc.height();
  QImage base = blankPicture(w, 24);
  // Copy within the same picture first, then keep the top 24 rows.
  QImage moved = misc.copy();
  CopyRect(moved, {0, 0, w, 24}, misc, {0, 100, w, h});
  CopyRect(base, {0, 0, w, 24}, moved, {0, 0, w, 24});
  misc = base;
  game.view().setPicturesChanged();
}

void InstallCustomCursor(Game& game, const std::uint8_t* planes, std::uint8_t hotX, std::uint8_t hotY) {
  game.cursors.set(kCustomCursorSlot, CursorFromPlanes(planes, hotX, hotY));
  game.set.customCursor = game.cursors.get(kCustomCursorSlot);
}
