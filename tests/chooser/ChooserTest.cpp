// The set chooser: what it finds, what it shows of each set, its cache, and what
// its buttons do to the player's folder and the set in force.
#include <QDialogButtonBox>
#include <QDir>
#include <QFileInfo>
#include <QListView>
#include <QPushButton>
#include <QTest>

#include "imageset/SetTestSupport.h"
#include "chooser/PreviewLoader.h"
#include "chooser/RecentSets.h"
#include "chooser/SetChooserDialog.h"
#include "chooser/SetListModel.h"
#include "game/SetCommands.h"
#include "imageset/SetPlaces.h"
#include "board/SetPreview.h"

namespace {

QByteArray namedSet(const QByteArray& title, std::uint32_t pageColour = 0x00FFFFFF) {
  ExtendedSetParts p = textsOnlyParts();
  p.title = title;
  p.pageColour = pageColour;
  p.tail = QByteArray(18, '\0');
  return buildExtendedSet(p);
}

// A 64-byte picture that claims 16384 x 8192 pixels, as the target strip.
QByteArray bombSet() {
  ExtendedSetParts p;
  p.title = "Bomb";
  p.pict1Bmp = runLengthBmp(16384, 8192, QByteArray::fromHex("0001"), 2, 2);
  return buildExtendedSet(p);
}

QModelIndex rowNamed(const QListView& list, const QString& path) {
  const QAbstractItemModel& model = *list.model();
  for (int row = 0; row < model.rowCount(); ++row)
    if (model.index(row, 0).data(SetListModel::PathRole).toString() == path) return model.index(row, 0);
  return {};
}

class ChooserTest : public ::testing::Test {
 protected:
  QString put(const QString& folder, const QString& name, const QByteArray& bytes) {
    QDir().mkpath(folder);
    const QString path = folder + QLatin1Char('/') + name;
    EXPECT_TRUE(writeFile(path, bytes));
    return path;
  }
  QString shipped() const { return dir.filePath(QStringLiteral("shipped")); }
  QString player() const { return dir.filePath(QStringLiteral("player")); }
  QString cache() const { return dir.filePath(QStringLiteral("cache")); }
  SetSources sources(const QStringList& recent = {}) const { return {shipped(), player(), recent}; }

  // Summaries as the loader gives them, by file name.
  QMap<QString, SetSummary> loadAll(const QList<SetEntry>& entries) {
    QMap<QString, SetSummary> got;
    PreviewLoader loader(PreviewCache(cache()),
                         [&](const QString& path, const SetSummary& s) { got[QFileInfo(path).fileName()] = s; });
    for (const SetEntry& entry : entries) loader.request(entry);
    loader.waitForDone();
    return got;
  }

  QTemporaryDir dir;
  FakePrompts prompts;
};

}  // namespace

TEST_F(ChooserTest, ScanListsEachSetFileOnceShippedThenPlayerThenRecent) {
  put(shipped(), QStringLiteral("b.xet"), namedSet("B"));
  put(shipped(), QStringLiteral("a.SET"), namedSet("A"));
  put(shipped(), QStringLiteral("notes.txt"), "not a set");
  const QString mine = put(player(), QStringLiteral("mine.xet"), namedSet("Mine"));
  const QString elsewhere = put(dir.filePath(QStringLiteral("else")), QStringLiteral("e.xet"), namedSet("E"));
  const QString gone = dir.filePath(QStringLiteral("gone.xet"));

  const QList<SetEntry> entries = scanSets(sources({elsewhere, mine, gone}));
  QStringList seen;
  for (const SetEntry& e : entries) seen << QFileInfo(e.path).fileName() + QLatin1Char(':') + originText(e.origin);
  EXPECT_EQ(seen, (QStringList{"a.SET:Shipped with the game", "b.xet:Shipped with the game",
                               "mine.xet:In your sets folder", "e.xet:Loaded lately"}));
  EXPECT_EQ(entries[3].size, QFileInfo(elsewhere).size());
}

TEST_F(ChooserTest, SummaryCarriesTextsMarksAndAPreviewDrawnFromTheSet) {
  const QString path = put(player(), QStringLiteral("sample.xet"), sampleSet());
  const SetSummary s = summarizeSet(path);
  ASSERT_TRUE(s.readable()) << s.error.toStdString();
  EXPECT_EQ(s.title, QStringLiteral("Sample Set"));
  EXPECT_EQ(s.author, QStringLiteral("A Tester"));
  EXPECT_TRUE(s.comment.startsWith(QStringLiteral("A hand-made set")));
  EXPECT_EQ(s.soundCount, 4);
  EXPECT_TRUE(s.hasTune);
  ASSERT_EQ(s.preview.size(), kSetPreviewSize);
  // The set's own title picture in the banner, the page in its dark blue.
  EXPECT_EQ(QColor(s.preview.pixel(2, 2)), QColor(0, 90, 0));
  EXPECT_EQ(QColor(s.preview.pixel(kSetPreviewSize.width() - 2, kSetPreviewSize.height() - 2)),
            QColor(0x20, 0x40, 0x70));
  // Its black square cursor hovers over the start hole, between the figure and the splat.
  EXPECT_EQ(QColor(s.preview.pixel(98, 87)), QColor(0, 0, 0));

  const SetSummary plain = summarizeSet(put(player(), QStringLiteral("plain.set"), buildPlainSet(plainSetParts())));
  EXPECT_EQ(plain.title, QStringLiteral("Plain"));
  EXPECT_EQ(plain.soundCount, 0);
  EXPECT_FALSE(plain.hasTune);
}

TEST_F(ChooserTest, UnreadableFilesSayWhyInTheReadersOwnWords) {
  QByteArray cut = sampleSet();
  cut.chop(100);
  put(player(), QStringLiteral("cut.xet"), cut);
  put(player(), QStringLiteral("bomb.xet"), bombSet());
  put(player(), QStringLiteral("old.set"), QByteArray("PIEQUARN Image Set") + QByteArray(4000, '\0'));
  put(player(), QStringLiteral("text.xet"), QByteArray(5000, 'x'));
  const QMap<QString, SetSummary> got = loadAll(scanSets(sources()));
  ASSERT_EQ(got.size(), 4);
  EXPECT_EQ(got[QStringLiteral("cut.xet")].error,
            QStringLiteral("cannot be read: Error loading file, either it is incomplete or corrupted..."));
  EXPECT_TRUE(got[QStringLiteral("bomb.xet")].error.startsWith(
      QStringLiteral("cannot be read: Unable to read a picture of this set as a BMP file: ")))
      << got[QStringLiteral("bomb.xet")].error.toStdString();
  EXPECT_EQ(got[QStringLiteral("old.set")].error,
            QStringLiteral("cannot be read: This old image set format is no longer supported by Pie Vorb Quarn..."));
  EXPECT_EQ(got[QStringLiteral("text.xet")].error,
            QStringLiteral("cannot be read: This file is NOT a Pie Vorb Quarn Image Set or eXtended Set file..."));
  for (const SetSummary& s : got) EXPECT_TRUE(s.preview.isNull());
}

TEST_F(ChooserTest, CacheAnswersForTheSameFileAndMissesWhenItChanges) {
  const QString path = put(player(), QStringLiteral("set.xet"), namedSet("First"));
  const QDateTime written = QFileInfo(path).lastModified();
  EXPECT_EQ(loadAll(scanSets(sources())).first().title, QStringLiteral("First"));

  // Same path, size and time: the cached texts and preview come back unread.
  put(player(), QStringLiteral("set.xet"), namedSet("Other"));
  QFile file(path);
  ASSERT_TRUE(file.open(QIODevice::ReadWrite));
  ASSERT_TRUE(file.setFileTime(written, QFileDevice::FileModificationTime));
  file.close();
  const SetSummary cached = loadAll(scanSets(sources())).first();
  EXPECT_EQ(cached.title, QStringLiteral("First"));
  EXPECT_EQ(cached.preview.size(), kSetPreviewSize);

  // A new time misses, and so does another size.
  ASSERT_TRUE(file.open(QIODevice::ReadWrite));
  ASSERT_TRUE(file.setFileTime(written.addSecs(5), QFileDevice::FileModificationTime));
  file.close();
  EXPECT_EQ(loadAll(scanSets(sources())).first().title, QStringLiteral("Other"));
  put(player(), QStringLiteral("set.xet"), namedSet("Longer") + "xx");
  EXPECT_EQ(loadAll(scanSets(sources())).first().title, QStringLiteral("Longer"));

  // An unreadable file is remembered with its reason; files no longer listed lose their previews.
  put(player(), QStringLiteral("bad.xet"), QByteArray(5000, 'x'));
  loadAll(scanSets(sources()));
  const QList<SetEntry> now = scanSets(sources());
  PreviewCache store(cache());
  ASSERT_TRUE(store.find(now[0]).has_value());
  EXPECT_FALSE(store.find(now[0])->readable());
  EXPECT_EQ(QDir(cache()).entryList(QDir::Files).size(), 4);
  store.keepOnly(now);
  EXPECT_EQ(QDir(cache()).entryList(QDir::Files).size(), 2);
}

TEST_F(ChooserTest, AddCopiesOnlyCleanSetsAndRemoveAsksFirstAndSparesShippedOnes) {
  put(shipped(), QStringLiteral("own.xet"), namedSet("Shipped"));
  const QString good = put(dir.filePath(QStringLiteral("downloads")), QStringLiteral("own.xet"), namedSet("Good"));
  QByteArray cut = sampleSet();
  cut.chop(10);
  const QString bad = put(dir.filePath(QStringLiteral("downloads")), QStringLiteral("cut.xet"), cut);

  SetChooserDialog chooser(sources(), cache());
  ASSERT_TRUE(chooser.waitUntilSettled());
  auto* remove = chooser.findChild<QPushButton*>(QStringLiteral("removeButton"));
  auto* add = chooser.findChild<QPushButton*>(QStringLiteral("addButton"));
  auto* list = chooser.findChild<QListView*>(QStringLiteral("setList"));
  ASSERT_TRUE(remove && add && list);
  EXPECT_FALSE(remove->isEnabled());  // the shipped set is current

  prompts.fileAnswers = {bad, good};
  add->click();
  ASSERT_TRUE(chooser.waitUntilSettled());
  ASSERT_EQ(prompts.messages.size(), 1);
  EXPECT_EQ(prompts.messages[0].text,
            QStringLiteral("cut.xet cannot be added:\nError loading file, either it is incomplete or corrupted..."));
  EXPECT_FALSE(QDir(player()).exists(QStringLiteral("cut.xet")));
  add->click();
  ASSERT_TRUE(chooser.waitUntilSettled());
  EXPECT_EQ(prompts.fileRequests[1].filterIndex, 3);
  // The name is taken by no file of the player's yet; the copy keeps it.
  const QString copy = QDir(player()).filePath(QStringLiteral("own.xet"));
  EXPECT_TRUE(QFileInfo(copy).isFile());
  ASSERT_EQ(list->model()->rowCount(), 2);
  EXPECT_EQ(list->currentIndex().data(Qt::DisplayRole).toString(), QStringLiteral("Good"));
  EXPECT_TRUE(remove->isEnabled());

  prompts.confirmAnswers = {false, true};
  remove->click();
  EXPECT_TRUE(QFileInfo(copy).isFile());
  remove->click();
  ASSERT_TRUE(chooser.waitUntilSettled());
  ASSERT_EQ(prompts.questions.size(), 2);
  EXPECT_EQ(prompts.questions[1].text,
            QStringLiteral("Remove \"Good\" from your sets folder?  Its file own.xet is deleted."));
  EXPECT_FALSE(QFileInfo(copy).exists());
  EXPECT_EQ(list->model()->rowCount(), 1);
  EXPECT_TRUE(QFileInfo(shipped() + QStringLiteral("/own.xet")).isFile());
}

TEST_F(ChooserTest, RecentListKeepsTheLastTenNewestFirst) {
  for (int i = 0; i < 12; ++i) rememberLoadedSet(dir.filePath(QStringLiteral("s%1.xet").arg(i)));
  rememberLoadedSet(dir.filePath(QStringLiteral("s5.xet")));
  const QStringList recent = recentSetFiles();
  ASSERT_EQ(recent.size(), kRecentSetCount);
  EXPECT_EQ(QFileInfo(recent[0]).fileName(), QStringLiteral("s5.xet"));
  EXPECT_EQ(QFileInfo(recent[1]).fileName(), QStringLiteral("s11.xet"));
  EXPECT_EQ(recent.count(dir.filePath(QStringLiteral("s5.xet"))), 1);
  EXPECT_FALSE(recent.contains(dir.filePath(QStringLiteral("s1.xet"))));
}

// The command as the menu runs it: the window, then the Load command's path.
class ChooseCommandTest : public SetTest {
 protected:
  ImageSetCommands commands{game};
};

TEST_F(ChooseCommandTest, UseLoadsThroughTheLoadPathWithTheAboutDialogAndRemembersTheFile) {
  const QString path = playerSetFolder() + QStringLiteral("/chosen.xet");
  QDir().mkpath(playerSetFolder());
  ASSERT_TRUE(writeFile(path, sampleSet()));
  const QString broken = playerSetFolder() + QStringLiteral("/broken.xet");
  ASSERT_TRUE(writeFile(broken, QByteArray(5000, 'x')));

  bool useOnBroken = true;
  prompts.onModal = [&](QDialog& dialog) {
    auto& chooser = static_cast<SetChooserDialog&>(dialog);
    chooser.show();
    EXPECT_TRUE(QTest::qWaitForWindowExposed(&chooser));
    EXPECT_TRUE(chooser.waitUntilSettled());
    auto* list = chooser.findChild<QListView*>(QStringLiteral("setList"));
    auto* use = chooser.findChild<QPushButton*>(QStringLiteral("useButton"));
    list->setCurrentIndex(rowNamed(*list, QFileInfo(broken).absoluteFilePath()));
    useOnBroken = use->isEnabled();
    const QModelIndex chosen = rowNamed(*list, QFileInfo(path).absoluteFilePath());
    list->setCurrentIndex(chosen);
    // A double-click on the row uses it, as the button does.
    const QPoint at = list->visualRect(chosen).center();
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, at);
    QTest::mouseDClick(list->viewport(), Qt::LeftButton, {}, at);
    return chooser.result();
  };
  commands.chooseSet();
  EXPECT_FALSE(useOnBroken);
  EXPECT_EQ(game.set().setTitle, QStringLiteral("Sample Set"));
  EXPECT_EQ(view.aboutShown, 1);
  EXPECT_EQ(wave.log, (QStringList{"stop 1", "play 0"}));
  EXPECT_EQ(recentSetFiles().value(0), QFileInfo(path).absoluteFilePath());

  // Opened again, it starts at the set in force and says so.
  bool inUseCurrent = false;
  prompts.onModal = [&](QDialog& dialog) {
    EXPECT_TRUE(static_cast<SetChooserDialog&>(dialog).waitUntilSettled());
    const QModelIndex current = dialog.findChild<QListView*>(QStringLiteral("setList"))->currentIndex();
    inUseCurrent = current.data(SetListModel::PathRole).toString() == QFileInfo(path).absoluteFilePath() &&
                   current.data(SetListModel::InUseRole).toBool();
    return int(QDialog::Rejected);
  };
  commands.chooseSet();
  EXPECT_TRUE(inUseCurrent);

  // A load that fails is not remembered.
  loadImageSet(game, broken, false);
  EXPECT_EQ(recentSetFiles().value(0), QFileInfo(path).absoluteFilePath());
}
