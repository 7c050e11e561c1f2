#include "imageset/DefaultSet.h"

#include "imageset/CursorTable.h"
#include "imageset/FrameCopy.h"
#include "ui/AppInfo.h"

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

void initGameResources() {
  static const bool done = (initResourcesOnce(), true);
  (void)done;
}

const BuiltinPictures& builtinPictures() {
  static const BuiltinPictures pictures = [] {
    initGameResources();
    auto load = [](const char* name) { return gamePicture(QImage(QStringLiteral(":/") + QLatin1String(name))); };
    BuiltinPictures p;
    p.digits = load("DefNumbers.bmp");
    p.splat = load("DefPie.bmp");
    p.figure = load("DefVorb.bmp");
    p.countdown = load("DefCount.bmp");
    p.misc = load("DefXtras.bmp");
    p.title = load("DefTitle.bmp");
    return p;
  }();
  return pictures;
}

LoadedSet builtinSet() {
  const BuiltinPictures& def = builtinPictures();
  LoadedSet set;
  set.title = def.title;
  set.scoreWords = blankPicture(111, 49);
  copyRect(set.scoreWords, {0, 0, 111, 49}, def.misc, {0, 50, 111, 98});
  set.timeWords = blankPicture(111, 49);
  copyRect(set.timeWords, {0, 0, 111, 49}, def.misc, {0, 0, 111, 49});
  set.digitStrip = def.digits;
  set.holeBase = blankPicture(111, 24);
  copyRect(set.holeBase, {0, 0, 111, 24}, def.misc, {0, 100, 111, 123});
  set.countStrip = def.countdown;
  set.targetStrip = def.figure;
  set.splatStrip = def.splat;

  set.header.clear();
  set.header.title.set(QStringLiteral("Pie Vorb Quarn (Default)"));
  set.header.author.set(QString::fromLatin1(kAuthorName));
  set.header.email.set(QString::fromLatin1(kAuthorEmail));
  set.header.webPage.set(QString::fromLatin1(kAuthorWebPage));
  set.header.comment.set(QStringLiteral("Pie Vorb Quarn Default Settings..."));

  set.congratulationPrefix = QString::fromLatin1(kDefaultCongratulationPrefix);
  set.congratulationSuffix = QString::fromLatin1(kDefaultCongratulationSuffix);
  for (int i = 0; i < 8; ++i) set.ratingMessages[i] = QString::fromLatin1(kDefaultRatingMessages[i]);

  set.playfieldColour = Qt::white;
  set.titleColour = QColor(255, 0, 0);
  set.cursorSlot = kPieCursorSlot;
  return set;
}

void cutMiscPictures(SetContent& set) {
  QImage& misc = set.holeBase;
  copyRect(set.scoreWords, {0, 0, set.scoreWords.width(), set.scoreWords.height()}, misc, {0, 50, 111, 98});
  copyRect(set.timeWords, {0, 0, set.timeWords.width(), set.timeWords.height()}, misc, {0, 0, 111, 49});
  const int w = misc.width(), h = misc.height();
  QImage base = blankPicture(w, 24);
  // Copy within the same picture first, then keep the top 24 rows.
  QImage moved = misc.convertToFormat(QImage::Format_RGB32);
  copyRect(moved, {0, 0, w, 24}, misc, {0, 100, w, h});
  copyRect(base, {0, 0, w, 24}, moved, {0, 0, w, 24});
  misc = base;
}
