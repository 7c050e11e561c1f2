// Writes the game's own default set, default.xet, with the same writer the set
// creation wizard uses: the built-in pictures, the synthesised sound effects, the
// background tune, and the built-in texts.
//   pvq_makeset OUTPUT PICTURE-FOLDER SOUND-FOLDER
#include <QCoreApplication>
#include <QDir>
#include <cstdio>

#include "imageset/DefaultSet.h"
#include "imageset/SoundEffects.h"
#include "ui/AppInfo.h"
#include "wizard/SetWriter.h"

namespace {

// The count-down ticks, then one tick a game second: the tick is short and dry.
constexpr std::uint8_t kTickEverySecond = 0;

class SilentProgress : public WriterProgress {
 public:
  void setStatus(const QString&) override {}
  void showProgress(qint64, qint64) override {}
};

SetInputs defaultSetInputs(const QString& output, const QDir& pictures, const QDir& sounds) {
  SetInputs in;
  in.outFile = output;
  in.pict1 = pictures.filePath(QStringLiteral("figure.bmp"));
  in.pict2 = pictures.filePath(QStringLiteral("splat.bmp"));
  in.titleBmp = pictures.filePath(QStringLiteral("title.bmp"));
  in.numbersBmp = pictures.filePath(QStringLiteral("digits.bmp"));
  in.countBmp = pictures.filePath(QStringLiteral("countdown.bmp"));
  in.miscBmp = pictures.filePath(QStringLiteral("misc.bmp"));
  for (const SoundEffectInfo& sound : kSoundEffects)
    in.waves[static_cast<std::size_t>(indexOf(sound.effect))] = sounds.filePath(QString::fromLatin1(sound.fileName));
  in.music = sounds.filePath(QStringLiteral("tune.mid"));
  in.name = QString::fromLatin1(kAppName);
  in.author = QString::fromLatin1(kAuthorName);
  in.email = QString::fromLatin1(kAuthorEmail);
  in.url = QString::fromLatin1(kAuthorWebPage);
  in.comment = QStringLiteral("The game's own set: Vorb Quarn, his cream pies, a jingle, a ticking clock, "
                              "a wet splat and a little tune for every round.");
  in.prefix = QString::fromLatin1(kDefaultCongratulationPrefix);
  in.suffix = QString::fromLatin1(kDefaultCongratulationSuffix);
  for (std::size_t i = 0; i < in.ratings.size(); ++i) in.ratings[i] = QString::fromLatin1(kDefaultRatingMessages[i]);
  in.titleColour = colourValue(QColor(255, 0, 0));
  in.pageColour = colourValue(QColor(255, 255, 255));
  in.cursorChoice = 1;
  in.tickMode = kTickEverySecond;
  return in;
}

}  // namespace

int main(int argc, char** argv) {
  QCoreApplication app(argc, argv);
  const QStringList args = app.arguments();
  if (args.size() != 4) {
    std::fprintf(stderr, "usage: pvq_makeset OUTPUT PICTURE-FOLDER SOUND-FOLDER\n");
    return 2;
  }
  const SetInputs in = defaultSetInputs(args[1], QDir(args[2]), QDir(args[3]));
  const QString soundProblem = soundStepMessage(in.waves, in.music);
  if (!soundProblem.isEmpty()) {
    std::fprintf(stderr, "pvq_makeset: %s\n", qPrintable(soundProblem));
    return 1;
  }
  SetHeader header{};
  SilentProgress progress;
  const WriteOutcome outcome = writeExtendedSet(in, header, progress, {});
  if (!outcome.valid()) {
    std::fprintf(stderr, "pvq_makeset: %s\n", qPrintable(writeOutcomeText(outcome)));
    return 1;
  }
  return 0;
}
