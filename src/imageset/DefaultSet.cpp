#include "imageset/DefaultSet.h"

#include "imageset/CursorTable.h"
#include "imageset/FrameCopy.h"
#include "ui/AppInfo.h"

const char* const kDefaultCongratulationPrefix = "Congratulations, in 30 seconds you managed to throw";
const char* const kDefaultCongratulationSuffix = "pies at Vorb Quarn.  Did you enjoy it?  Your Score Is:";
const std::array<const char*, kRatingMessages> kDefaultRatingMessages = {
    "Hey, you're not very good at this are you...",
    "Not very good, you could do much better...",
    "COOL! but a really bad score still!",
    "I bet you're having fun!",
    "I bet you've played thousands of times to get this score!",
    "Hey, that rules! cool score!",
    "Cool Score, but good enough for the high score table? NO!",
    "A VERY good score, keep going!",
};

namespace {
Rect rectOf(PictureCut cut) { return {cut.left, cut.top, cut.right, cut.bottom}; }
constexpr Rect kWordsPicture{0, 0, kWordsWidth, kWordsHeight};

// The two word pictures from the leftmost columns of a misc-pictures bitmap,
// over the words in place (where a small bitmap feeds no pixel, they stay).
void cutWords(SetContent& set, const QImage& misc) {
  copyRect(set.scoreWords, kWordsPicture, misc, rectOf(kScoreWordsCut));
  copyRect(set.timeWords, kWordsPicture, misc, rectOf(kTimeWordsCut));
}
}  // namespace

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
  set.scoreWords = blankPicture(kWordsWidth, kWordsHeight);
  set.timeWords = blankPicture(kWordsWidth, kWordsHeight);
  cutWords(set, def.misc);
  set.digitStrip = def.digits;
  set.holeBase = blankPicture(kFrameWidth, kHoleBaseRows);
  copyRect(set.holeBase, {0, 0, kFrameWidth, kHoleBaseRows}, def.misc,
           {0, kHoleBaseTop, kFrameWidth, kBuiltinHoleBaseBottom});
  set.countStrip = def.countdown;
  set.targetStrip = def.figure;
  set.splatStrip = def.splat;

  set.header.clear();
  set.header.title.set(QStringLiteral("%1 (Default)").arg(QLatin1String(kAppName)));
  set.header.author.set(QString::fromLatin1(kAuthorName));
  set.header.email.set(QString::fromLatin1(kAuthorEmail));
  set.header.webPage.set(QString::fromLatin1(kAuthorWebPage));
  set.header.comment.set(QStringLiteral("%1 Default Settings...").arg(QLatin1String(kAppName)));

  set.congratulationPrefix = QString::fromLatin1(kDefaultCongratulationPrefix);
  set.congratulationSuffix = QString::fromLatin1(kDefaultCongratulationSuffix);
  for (int i = 0; i < kRatingMessages; ++i) set.ratingMessages[i] = QString::fromLatin1(kDefaultRatingMessages[i]);

  set.playfieldColour = Qt::white;
  set.titleColour = QColor(255, 0, 0);
  set.cursorSlot = kPieCursorSlot;
  return set;
}

void cutMiscPictures(SetContent& set) {
  QImage& misc = set.holeBase;
  cutWords(set, misc);
  const int w = misc.width(), h = misc.height();
  QImage base = blankPicture(w, kHoleBaseRows);
  // Copy within the same picture first, then keep the top rows.
  QImage moved = misc.convertToFormat(QImage::Format_RGB32);
  copyRect(moved, {0, 0, w, kHoleBaseRows}, misc, {0, kHoleBaseTop, w, h});
  copyRect(base, {0, 0, w, kHoleBaseRows}, moved, {0, 0, w, kHoleBaseRows});
  misc = base;
}
