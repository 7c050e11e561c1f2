#include <QDir>
#include <sys/stat.h>

#include "SetTestSupport.h"
#include "imageset/FrameCopy.h"
#include "game/SetCommands.h"
#include "imageset/SetReaders.h"

namespace {

const QString kNotASet = QStringLiteral("This file is NOT a Pie Vorb Quarn Image Set or eXtended Set file...");
const QString kUnableToOpen = QStringLiteral("Error, unable to open file...");

QByteArray namedSet(const QByteArray& title) {
  ExtendedSetParts p;
  p.title = title;
  p.pageColour = 0x00ABCDEF;
  p.cursorIndex = 2;
  p.tail = QByteArray(18, '\0');
  return buildExtendedSet(p);
}

}  // namespace

class SetCommandsTest : public SetTest {
 protected:
  ImageSetCommands commands{game};
  StartupPlace place(const QStringList& arguments = {}) {
    return {arguments, dir.filePath(QStringLiteral("pievorbquarn")), QStringLiteral("/nowhere")};
  }
};

TEST_F(SetCommandsTest, FirstEighteenBytesChooseTheReader) {
  loadImageSet(game, write("a.bin", namedSet("Extended")), true);
  EXPECT_TRUE(prompts.messages.isEmpty());
  EXPECT_EQ(game.set().setTitle, QStringLiteral("Extended"));
  EXPECT_EQ(view.aboutShown, 1);

  const struct {
    const char* name;
    QByteArray bytes;
    QString text;
    QString caption;
  } refusals[] = {
      {"old.set", QByteArray("PIEQUARN Image Set") + QByteArray(3000, '\1'),
       QStringLiteral("This old image set format is no longer supported by Pie Vorb Quarn..."),
       QStringLiteral("Version Control")},
      {"notes.txt", QByteArray("Just some text, nothing to see here.\n").repeated(100), kNotASet, "Error"},
      {"stub.xet", QByteArray("eXtended Image S"), kNotASet, "Error"},
      {"empty.set", QByteArray(), kNotASet, "Error"},
  };
  for (const auto& r : refusals) {
    SCOPED_TRACE(r.name);
    prompts.messages.clear();
    installPreviousSet();
    loadImageSet(game, write(r.name, r.bytes), true);
    expectOneRefusal(r.text, r.caption);
    expectPreviousSet();
  }

  prompts.messages.clear();
  loadImageSet(game, dir.filePath(QStringLiteral("missing.xet")), true);
  expectOneRefusal(kUnableToOpen);
  expectPreviousSet();
}

TEST_F(SetCommandsTest, PlainSetBringsStripsTitleTextsAndCursorOnly) {
  const QString path = write("plain.set", buildPlainSet(plainSetParts()));
  loadImageSet(game, path, true);
  ASSERT_TRUE(prompts.messages.isEmpty()) << messageTexts().join('|').toStdString();

  const ActiveSet& s = game.set();
  EXPECT_EQ(s.targetStrip, gamePicture(indexedPicture(559, 216, qRgb(200, 10, 10))));
  EXPECT_EQ(s.splatStrip, gamePicture(truePicture(1119, 216, qRgb(10, 200, 10))));
  EXPECT_EQ(s.groupCount(), 2);
  EXPECT_EQ(s.setTitle, QStringLiteral("Plain"));
  EXPECT_TRUE(game.caption().startsWith(QStringLiteral("Plain  (")));
  EXPECT_EQ(s.header.title.text(), QStringLiteral("Plain"));
  EXPECT_EQ(s.header.comment.text(), QStringLiteral("Loaded from ") + path);
  EXPECT_EQ(s.header.author.text(), QStringLiteral("Unknown"));
  EXPECT_EQ(s.header.email.text(), QStringLiteral("Unknown"));
  EXPECT_EQ(s.header.webPage.text(), QStringLiteral("Unknown"));
  EXPECT_EQ(s.header.tickSoundMode, 0);
  EXPECT_EQ(s.header.pageColour, 0u);
  EXPECT_EQ(s.congratulationPrefix, QStringLiteral("Plain prefix"));
  EXPECT_EQ(s.ratingMessages[5], QStringLiteral("Plain 5"));
  EXPECT_EQ(game.playfieldCursorSlot(), 6);

  // Nothing else changes.
  EXPECT_EQ(colourValue(game.board().pageColour), colourValue(reference.board().pageColour));
  EXPECT_EQ(colourValue(game.board().titleColour), colourValue(reference.board().titleColour));
  EXPECT_EQ(s.countStrip, reference.set().countStrip);
  EXPECT_EQ(s.digitStrip, reference.set().digitStrip);
  EXPECT_EQ(s.title, reference.set().title);
  EXPECT_EQ(s.holeBase, reference.set().holeBase);
  EXPECT_TRUE(s.sound(SoundEffect::Startup).empty());
  EXPECT_TRUE(wave.log.isEmpty());
  EXPECT_EQ(view.aboutShown, 0);
  EXPECT_FALSE(view.busy);
}

TEST_F(SetCommandsTest, PlainSetWithABadPictureLeavesTheBuiltinSet) {
  PlainSetParts broken = plainSetParts();
  broken.pict2 = broken.pict2.left(broken.pict2.size() / 2);  // its header promises more rows
  QByteArray huge = buildPlainSet(plainSetParts());
  putInt32(huge, 18, 0x7FFFFFFF);
  QByteArray negative = buildPlainSet(plainSetParts());
  putInt32(negative, 22, -1);
  for (const QByteArray& file : {buildPlainSet(broken), huge, negative}) {
    prompts.messages.clear();
    loadImageSet(game, write("bad.set", file), false);
    expectOneRefusal(QStringLiteral("Error loading images..."));
    expectBuiltinSet();
    EXPECT_FALSE(view.busy);
  }
}

TEST_F(SetCommandsTest, LoadCommandAsksWithTheSetterDialog) {
  const QString path = write("chosen.xet", namedSet("Chosen"));
  prompts.fileAnswers.push_back(path);
  commands.loadSetFile();
  ASSERT_EQ(prompts.fileRequests.size(), 1);
  const FileDialogRequest& r = prompts.fileRequests[0];
  EXPECT_EQ(r.title, QStringLiteral("Please select a PieVorbQuarn image set to use:"));
  EXPECT_EQ(r.filter, QStringLiteral("Image Set (*.SET)|*.set|eXtended Set (*.XET)|*.xet|"
                                     "Any Set (*.SET,*.XET)|*.xet;*.set|All Files (*.*)|*.*"));
  EXPECT_EQ(r.filterIndex, 3);
  EXPECT_EQ(r.defaultExt, QStringLiteral("SET"));
  EXPECT_TRUE(r.mustExist);
  EXPECT_FALSE(r.save);
  EXPECT_EQ(game.set().setTitle, QStringLiteral("Chosen"));
  EXPECT_EQ(view.aboutShown, 1);

  // Cancelled: nothing changes, and the dialog opens on the last choice.
  installPreviousSet();
  commands.loadSetFile();
  ASSERT_EQ(prompts.fileRequests.size(), 2);
  EXPECT_EQ(prompts.fileRequests[1].initialPath, path);
  EXPECT_TRUE(prompts.messages.isEmpty());
  expectPreviousSet();
}

TEST_F(SetCommandsTest, StartupWithoutArgumentOrDefaultSet) {
  EXPECT_FALSE(commands.loadStartupSet(place()));
  EXPECT_EQ(commands.rememberedDefaultPath(), dir.filePath(QStringLiteral("default.xet")));
  EXPECT_TRUE(prompts.messages.isEmpty());
  EXPECT_GE(view.eventRounds, 1);
  expectBuiltinSet();

  // Without the file the reset restores the built-in set, without a word.
  installPreviousSet();
  commands.resetToDefaults();
  EXPECT_TRUE(prompts.messages.isEmpty()) << messageTexts().join(QLatin1Char('|')).toStdString();
  expectBuiltinSet();

  // A program path without a folder stands in the current folder.
  ImageSetCommands bare(game);
  EXPECT_FALSE(bare.loadStartupSet({{}, QStringLiteral("pievorbquarn"), dir.path()}));
  EXPECT_EQ(bare.rememberedDefaultPath(), dir.path() + QStringLiteral("/default.xet"));
}

TEST_F(SetCommandsTest, TheDefaultSetInForceIsKeptForResetWhateverItsTitle) {
  write("default.xet", namedSet("Pie Vorb Quarn"));
  // A set named on the command line that is not there says so, then the default set loads.
  EXPECT_FALSE(commands.loadStartupSet(place({dir.filePath(QStringLiteral("no-such-file.xet"))})));
  expectOneRefusal(kUnableToOpen, QStringLiteral("Error"), dir.filePath(QStringLiteral("no-such-file.xet")));
  prompts.messages.clear();
  EXPECT_EQ(game.set().setTitle, QStringLiteral("Pie Vorb Quarn"));
  EXPECT_EQ(view.aboutShown, 0);
  EXPECT_EQ(commands.rememberedDefaultPath(), dir.filePath(QStringLiteral("default.xet")));
  installPreviousSet();
  commands.resetToDefaults();
  EXPECT_EQ(game.set().setTitle, QStringLiteral("Pie Vorb Quarn"));
  EXPECT_EQ(colourValue(game.board().pageColour), 0x00ABCDEFu);
  EXPECT_EQ(view.aboutShown, 0);

  // Deleted while the game runs: the reset still ends in the built-in set.
  ASSERT_TRUE(QFile::remove(commands.rememberedDefaultPath()));
  installPreviousSet();
  commands.resetToDefaults();
  EXPECT_TRUE(prompts.messages.isEmpty()) << messageTexts().join(QLatin1Char('|')).toStdString();
  expectBuiltinSet();

  // What the reset reloads follows from where the set came from, not from its title.
  write("default.xet", namedSet("Somebody Else's"));
  ImageSetCommands other(game);
  EXPECT_FALSE(other.loadStartupSet(place()));
  EXPECT_EQ(game.set().setTitle, QStringLiteral("Somebody Else's"));
  installPreviousSet();
  other.resetToDefaults();
  EXPECT_EQ(game.set().setTitle, QStringLiteral("Somebody Else's"));
  EXPECT_TRUE(prompts.messages.isEmpty());

  // A default set that did not load is not tried again by the reset.
  QByteArray damaged = namedSet("Pie Vorb Quarn");
  damaged.chop(30);
  write("default.xet", damaged);
  ImageSetCommands broken(game);
  broken.loadStartupSet(place());
  prompts.messages.clear();
  EXPECT_TRUE(broken.rememberedDefaultPath().isEmpty());
  installPreviousSet();
  broken.resetToDefaults();
  EXPECT_TRUE(prompts.messages.isEmpty()) << messageTexts().join(QLatin1Char('|')).toStdString();
  expectBuiltinSet();
}

TEST_F(SetCommandsTest, TheDefaultSetBesideTheProgramWinsOverTheInstalledOne) {
  // The program in bin/, an installed default set in share/pievorbquarn/ beside it.
  ASSERT_TRUE(QDir().mkpath(dir.filePath(QStringLiteral("bin"))));
  ASSERT_TRUE(QDir().mkpath(dir.filePath(QStringLiteral("share/pievorbquarn"))));
  write("share/pievorbquarn/default.xet", namedSet("Installed"));
  const StartupPlace inBin{{}, dir.filePath(QStringLiteral("bin/pievorbquarn")), QStringLiteral("/nowhere")};
  const QString beside = write("bin/default.xet", namedSet("Beside"));
  ImageSetCommands first(game);
  first.loadStartupSet(inBin);
  EXPECT_EQ(game.set().setTitle, QStringLiteral("Beside"));

  ASSERT_TRUE(QFile::remove(beside));
  ImageSetCommands second(game);
  second.loadStartupSet(inBin);
  EXPECT_EQ(game.set().setTitle, QStringLiteral("Installed"));
  EXPECT_TRUE(prompts.messages.isEmpty()) << messageTexts().join('|').toStdString();
}

TEST_F(SetCommandsTest, SetNamedOnTheCommandLineAsksForTheDialogEvenWhenItFails) {
  write("default.xet", namedSet("Pie Vorb Quarn"));
  EXPECT_TRUE(commands.loadStartupSet(place({write("mine.xet", namedSet("Mine"))})));
  EXPECT_EQ(game.set().setTitle, QStringLiteral("Mine"));
  EXPECT_EQ(view.aboutShown, 0);  // the window's 50 ms timer shows it
  EXPECT_TRUE(commands.rememberedDefaultPath().isEmpty());

  ImageSetCommands other(game);
  EXPECT_TRUE(other.loadStartupSet(place({write("readme.txt", "hello")})));
  expectOneRefusal(kNotASet);
}

TEST_F(SetCommandsTest, BitmapPairBecomesTheStripsOfAnUnnamedSet) {
  const QImage target = indexedPicture(559, 108, qRgb(1, 2, 200));
  const QImage splat = truePicture(1119, 108, qRgb(200, 2, 1));
  const QString first = write("one.bmp", bmpBytes(target));
  const QString second = write("two.bmp", bmpBytes(splat));
  prompts.fileAnswers = {first, second};
  commands.loadBitmapPair();

  ASSERT_EQ(prompts.fileRequests.size(), 2);
  EXPECT_EQ(prompts.fileRequests[0].title, QStringLiteral("Please select Bitmap file 1 (PICT1.BMP)"));
  EXPECT_EQ(prompts.fileRequests[1].title, QStringLiteral("Please select Bitmap file 2 (PICT2.BMP)"));
  EXPECT_EQ(prompts.fileRequests[1].initialPath, first);
  for (const FileDialogRequest& r : prompts.fileRequests) {
    EXPECT_EQ(r.filter, QStringLiteral("Bitmap Files (*.BMP)|*.BMP|All Files (*.*)|*.*"));
    EXPECT_EQ(r.defaultExt, QStringLiteral("BMP"));
    EXPECT_TRUE(r.mustExist);
  }
  EXPECT_TRUE(prompts.messages.isEmpty());
  EXPECT_EQ(game.set().targetStrip, gamePicture(target));
  EXPECT_EQ(game.set().splatStrip, gamePicture(splat));
  const SetHeader& h = game.set().header;
  EXPECT_EQ(h.title.text(), QStringLiteral("Unknwon"));
  EXPECT_EQ(h.author.text(), QStringLiteral("Unknown"));
  EXPECT_EQ(h.email.text(), QStringLiteral("Unknown"));
  EXPECT_EQ(h.webPage.text(), QStringLiteral("Unknown"));
  EXPECT_EQ(h.comment.text(), (QStringLiteral("Images from ") + first + QStringLiteral(" and ") + second).left(200));
  EXPECT_TRUE(game.set().setTitle.isEmpty());
  EXPECT_EQ(game.caption(), reference.caption());
  EXPECT_EQ(colourValue(game.board().pageColour), colourValue(reference.board().pageColour));
}

TEST_F(SetCommandsTest, BitmapPairCancelledOrBrokenLeavesNoTrace) {
  const QString good = write("good.bmp", bmpBytes(truePicture(30, 30, qRgb(9, 9, 9))));
  const QByteArray whole = bmpBytes(truePicture(30, 30, qRgb(9, 9, 9)));
  const QString cut = write("cut.bmp", whole.left(whole.size() - 30));

  installPreviousSet();
  commands.loadBitmapPair();  // cancelled at once
  prompts.fileAnswers = {good};                         // cancelled at the second
  commands.loadBitmapPair();
  EXPECT_EQ(prompts.fileRequests.size(), 3);
  expectPreviousSet();

  // A bad second file leaves the built-in set and names itself.
  const QString longName = write(QString(120, QLatin1Char('n')) + QStringLiteral(".bmp"), whole);
  prompts.fileAnswers = {longName, cut};
  commands.loadBitmapPair();
  expectOneRefusal(QStringLiteral("Unable to read a picture of this set as a BMP file: its pixel data is shorter than "
                                "its header says."),
                 QStringLiteral("Error"), cut);
  expectBuiltinSet();
}

TEST_F(SetCommandsTest, DroppedFilesLoadOnlyTheFirstAfterTheBuiltinSet) {
  const QString first = write("first.xet", namedSet("First"));
  const QString second = write("second.xet", namedSet("Second"));
  commands.dropFiles({first, second});
  EXPECT_EQ(game.set().setTitle, QStringLiteral("First"));
  EXPECT_EQ(view.aboutShown, 1);
  EXPECT_FALSE(view.busy);
  EXPECT_GE(view.busyShown, 1);

  installPreviousSet();
  commands.dropFiles({dir.filePath(QStringLiteral("gone.xet"))});
  expectOneRefusal(kUnableToOpen);
  expectBuiltinSet();

  installPreviousSet();
  prompts.messages.clear();
  commands.dropFiles({});
  EXPECT_TRUE(prompts.messages.isEmpty());
  expectBuiltinSet();
}

TEST_F(SetCommandsTest, DroppedPathsAreCutTo1023Characters) {
  // A real file whose path is exactly 1023 characters long.
  QString folder = dir.path();
  while (folder.size() < 1023 - 200 - 20) {
    folder += QLatin1Char('/') + QString(180, QLatin1Char('d'));
    ASSERT_TRUE(QDir().mkpath(folder));
  }
  const QString path = folder + QLatin1Char('/') + QString(1023 - folder.size() - 1, QLatin1Char('f'));
  ASSERT_EQ(path.size(), 1023);
  ASSERT_TRUE(writeFile(path, namedSet("Deep")));
  commands.dropFiles({path + QStringLiteral("-and-then-some")});
  EXPECT_TRUE(prompts.messages.isEmpty()) << messageTexts().join('|').toStdString();
  EXPECT_EQ(game.set().setTitle, QStringLiteral("Deep"));
}

TEST_F(SetCommandsTest, ASetReplacedDuringARoundPutsTheAbortButtonOut) {
  write("default.xet", namedSet("Pie Vorb Quarn"));
  commands.loadStartupSet(place());
  EXPECT_FALSE(game.roundRunning());

  const QString set = write("set.xet", namedSet("Other"));
  const QString bmp = write("strip.bmp", bmpBytes(truePicture(559, 108, qRgb(9, 9, 9))));
  const std::function<void()> replacements[] = {
      [&] { commands.dropFiles({set}); },
      [&] { loadImageSet(game, set, false); },
      [&] { commands.resetToDefaults(); },
      [&] {
        prompts.fileAnswers = {bmp, bmp};
        commands.loadBitmapPair();
      },
      [&] { game.install(builtinSet()); },
  };
  for (const auto& replace : replacements) {
    for (const int steps : {0, 40}) {  // counting down, then playing
      game.holePressed(kStartHole);
      for (int i = 0; i < steps; ++i) {
        micros += kStepMicros;
        game.stepTimerFired();
      }
      ASSERT_TRUE(game.roundRunning());
      replace();
      EXPECT_EQ(game.state(), GameState::Idle);
      EXPECT_FALSE(game.stepping());
      EXPECT_FALSE(game.roundRunning()) << steps;
    }
  }
  EXPECT_TRUE(prompts.messages.isEmpty()) << messageTexts().join('|').toStdString();
}

TEST_F(SetCommandsTest, NamedPipesAreRefusedWithoutWaitingForAWriter) {
  // Nothing ever writes to this pipe: a load that opened it would wait for ever.
  const QString pipe = dir.filePath(QStringLiteral("pipe.xet"));
  ASSERT_EQ(mkfifo(QFile::encodeName(pipe).constData(), 0600), 0);

  installPreviousSet();
  loadImageSet(game, pipe, true);
  expectOneRefusal(kUnableToOpen);
  expectPreviousSet();

  prompts.messages.clear();
  loadExtendedSet(game, pipe, true);
  expectOneRefusal(kTooSmall);
  expectPreviousSet();

  prompts.messages.clear();
  commands.dropFiles({pipe});
  expectOneRefusal(kUnableToOpen);
  expectBuiltinSet();

  prompts.messages.clear();
  installPreviousSet();
  prompts.fileAnswers = {pipe, pipe};
  commands.loadBitmapPair();
  expectOneRefusal(QStringLiteral("Unable to read a picture of this set as a BMP file: it is not a file."),
                 QStringLiteral("Error"), pipe);
  expectBuiltinSet();
  EXPECT_EQ(view.aboutShown, 0);
}

TEST_F(SetCommandsTest, ASetOnTheCommandLineThatCannotBeReadSaysSoAndTheDefaultFollows) {
  write("default.xet", namedSet("Pie Vorb Quarn"));
  const QString pipe = dir.filePath(QStringLiteral("pipe.xet"));
  ASSERT_EQ(mkfifo(QFile::encodeName(pipe).constData(), 0600), 0);
  const QString folder = dir.filePath(QStringLiteral("folder.xet"));
  ASSERT_TRUE(QDir().mkpath(folder));
  for (const QString& named : {dir.filePath(QStringLiteral("gone.xet")), pipe, QStringLiteral("/dev/zero"), folder}) {
    SCOPED_TRACE(named.toStdString());
    prompts.messages.clear();
    ImageSetCommands startup(game);
    EXPECT_FALSE(startup.loadStartupSet(place({named})));
    expectOneRefusal(kUnableToOpen, QStringLiteral("Error"), named);
    EXPECT_EQ(game.set().setTitle, QStringLiteral("Pie Vorb Quarn"));
  }

  // A damaged default set names itself too.
  QByteArray damaged = namedSet("Pie Vorb Quarn");
  damaged.chop(30);
  const QString defaultSet = write("default.xet", damaged);
  prompts.messages.clear();
  ImageSetCommands startup(game);
  startup.loadStartupSet(place());
  expectOneRefusal(kTooSmall, QStringLiteral("Error"), defaultSet);
}
