// Writes a set shipped with the game with the same writer the set creation
// wizard uses, from the pictures drawn by the art tool, the synthesised sound
// effects and background tune, and the set's own texts and colours: the
// game's own default.xet, or one of the other shipped sets.
//   pvq_makeset [--set moonlight | --set seaside] OUTPUT PICTURE-FOLDER SOUND-FOLDER
#include <QCoreApplication>
#include <QDir>
#include <array>
#include <cstdio>

#include "imageset/CursorTable.h"
#include "imageset/DefaultSet.h"
#include "imageset/SoundEffects.h"
#include "imageset/TickModes.h"
#include "ui/AppInfo.h"
#include "wizard/SetDraft.h"
#include "wizard/SetWriter.h"

namespace {

class SilentProgress : public WriterProgress {
 public:
  void setStatus(const QString&) override {}
  void showProgress(qint64, qint64) override {}
};

// What sets a shipped set apart from the others: its texts, colours, cursor
// and tick. `set` is the name pvq_makeset knows it by.
struct SetDescription {
  const char* set;
  const char* name;
  const char* comment;
  const char* prefix;
  const char* suffix;
  std::array<const char*, 8> ratings;
  QColor title, page;
  int cursorSlot, tickMode;
};

// The game's own set first, under no name. The other sets' colours match the
// pictures' page and title panel (tools/art/Themes.cpp), so no box shows
// round a hole or the banner.
const SetDescription* findSet(const QString& set) {
  static const SetDescription kSets[] = {
      {.set = "",
       .name = kAppName,
       .comment = "The game's own set: Vorb Quarn, his cream pies, a jingle, a ticking clock, "
                  "a wet splat and a little tune for every round.",
       .prefix = kDefaultCongratulationPrefix,
       .suffix = kDefaultCongratulationSuffix,
       .ratings = kDefaultRatingMessages,
       .title = QColor(255, 0, 0),
       .page = QColor(255, 255, 255),
       .cursorSlot = kPieCursorSlot,
       .tickMode = kTickEachSecondMode},
      {.set = "moonlight",
       .name = "Pies by Moonlight",
       .comment = "Vorb's lilac cousin Zib Quarn pops up on the moon at midnight: blueberry pies, "
                  "a sonar ping for every second and a slow waltz under the stars.",
       .prefix = "Under the moon, in 30 seconds you launched",
       .suffix = "blueberry pies at Zib Quarn.  Sweet dreams!  Your Score Is:",
       .ratings = {"Were you asleep? The moon saw everything...", "A few pies drifted off into space...",
                   "Zib Quarn yawns. Throw a little faster!", "Now the stars are watching you!",
                   "Blueberries everywhere, what a night!", "A score to howl at the moon about!",
                   "Out of this world! But is it high score table material?", "A night to remember, keep going!"},
       .title = QColor(0x4b, 0x2a, 0x78),
       .page = QColor(0x1e, 0x24, 0x46),
       .cursorSlot = kCrossHairCursorSlot,
       .tickMode = kTickEachGameSecondMode},
      {.set = "seaside",
       .name = "Pies by the Seaside",
       .comment = "Vorb's coral cousin Zoop Quarn pops up on the beach: lemon meringue pies, "
                  "a shaker for every second and a calypso on steel drums.",
       .prefix = "Sun, sand and in 30 seconds you splatted",
       .suffix = "lemon pies on Zoop Quarn.  Fancy a swim?  Your Score Is:",
       .ratings = {"Did the seagulls eat all your pies?", "More paddling than throwing, that...",
                   "Warming up nicely, keep the pies coming!", "Now you're making waves!",
                   "Lemon meringue from here to the pier!", "Surf's up! What a score!",
                   "A splash of a score, but will it beat the high score table?", "King of the beach! Keep going!"},
       .title = QColor(0x15, 0x77, 0xa8),
       .page = QColor(0xcd, 0xee, 0xfa),
       .cursorSlot = kDartBoardCursorSlot,
       .tickMode = kTickEachSecondMode},
  };
  for (const SetDescription& d : kSets)
    if (set == QLatin1String(d.set)) return &d;
  return nullptr;
}

// The pictures and sounds every shipped set takes from its folders.
void addFiles(SetInputs& in, const QDir& pictures, const QDir& sounds) {
  in.pict1 = pictures.filePath(QStringLiteral("figure.bmp"));
  in.pict2 = pictures.filePath(QStringLiteral("splat.bmp"));
  in.titleBmp = pictures.filePath(QStringLiteral("title.bmp"));
  in.numbersBmp = pictures.filePath(QStringLiteral("digits.bmp"));
  in.countBmp = pictures.filePath(QStringLiteral("countdown.bmp"));
  in.miscBmp = pictures.filePath(QStringLiteral("misc.bmp"));
  for (const SoundEffectInfo& sound : kSoundEffects)
    in.waves[static_cast<std::size_t>(indexOf(sound.effect))] = sounds.filePath(QString::fromLatin1(sound.fileName));
  in.music = sounds.filePath(QStringLiteral("tune.mid"));
  in.author = QString::fromLatin1(kAuthorName);
  in.email = QString::fromLatin1(kAuthorEmail);
  in.url = QString::fromLatin1(kAuthorWebPage);
}

void describe(SetInputs& in, const SetDescription& d) {
  in.name = QString::fromLatin1(d.name);
  in.comment = QString::fromLatin1(d.comment);
  in.prefix = QString::fromLatin1(d.prefix);
  in.suffix = QString::fromLatin1(d.suffix);
  for (std::size_t i = 0; i < in.ratings.size(); ++i) in.ratings[i] = QString::fromLatin1(d.ratings[i]);
  in.titleColour = colourValue(d.title);
  in.pageColour = colourValue(d.page);
  in.cursorChoice = static_cast<std::uint8_t>(d.cursorSlot);
  in.tickMode = static_cast<std::uint8_t>(d.tickMode);
}

}  // namespace

int main(int argc, char** argv) {
  QCoreApplication app(argc, argv);
  QStringList args = app.arguments();
  QString set;
  if (args.size() == 6 && args[1] == QStringLiteral("--set")) {
    set = args[2];
    args.remove(1, 2);
  }
  const SetDescription* description = findSet(set);
  if (args.size() != 4 || !description) {
    std::fprintf(stderr, "usage: pvq_makeset [--set moonlight | --set seaside] OUTPUT PICTURE-FOLDER SOUND-FOLDER\n");
    return 2;
  }
  // Through the same draft, checks and conversions as the wizard and --make-set.
  SetDraft draft;
  SetInputs& in = draft.inputs;
  in.outFile = args[1];
  addFiles(in, QDir(args[2]), QDir(args[3]));
  describe(in, *description);
  for (int step = kStripsStep; step < kOutputStep; ++step) {
    const QString problem = draft.checkStep(step);
    if (!problem.isEmpty()) {
      std::fprintf(stderr, "pvq_makeset: %s\n", qPrintable(problem));
      return 1;
    }
  }
  const Preparation prepared = draft.prepare();
  if (!prepared.ok()) {
    std::fprintf(stderr, "pvq_makeset: %s\n", qPrintable(prepared.problems.join(QLatin1Char('\n'))));
    return 1;
  }
  SetHeader header{};
  SilentProgress progress;
  const WriteOutcome outcome = writeExtendedSet(prepared.set, header, progress);
  if (!outcome.valid()) {
    std::fprintf(stderr, "pvq_makeset: %s\n", qPrintable(writeOutcomeText(outcome)));
    return 1;
  }
  return 0;
}
