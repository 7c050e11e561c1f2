// The set chooser: what it finds, what it shows of each set, its cache, and what
// its buttons do to the player's folder and the set in force.
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QDialogButtonBox>
#include <QElapsedTimer>
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
#include "common/Files.h"
#include "common/Places.h"
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

// Run once as it is and once on a screen of twice the density: a preview drawn at 1x
// and scaled up is blurred beside the crisp text of its row.
TEST_F(ChooserTest, PreviewsAreDrawnAtTheScreensDensityFreshAndFromTheCache) {
  const QString path = put(player(), QStringLiteral("sample.xet"), sampleSet());
  for (const char* pass : {"drawn", "from the cache"}) {
    SetChooserDialog chooser(sources(), cache());
    ASSERT_TRUE(chooser.waitUntilSettled());
    auto* list = chooser.findChild<QListView*>(QStringLiteral("setList"));
    ASSERT_TRUE(list);
    const qreal screen = list->devicePixelRatioF();
    if (qEnvironmentVariable("QT_SCALE_FACTOR") == QLatin1String("2")) {
      EXPECT_EQ(screen, 2.0);
    }
    const QImage preview = rowNamed(*list, path).data(Qt::DecorationRole).value<QImage>();
    EXPECT_EQ(preview.devicePixelRatio(), screen) << pass;
    EXPECT_EQ(preview.size(), (QSizeF(kSetPreviewSize) * screen).toSize()) << pass;
    // The clean-up keeps what it stored at this density.
    EXPECT_EQ(QDir(cache()).entryList(QDir::Files).size(), 1) << pass;
  }
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

// A name written in another encoding (Latin-1 here): Qt's own listing and names
// drop its bytes, and the set was neither listed nor loaded by them.
TEST_F(ChooseCommandTest, ASetNamedInAnotherEncodingIsListedUsedAndLoadedFromTheCommandLine) {
  QDir().mkpath(playerSetFolder());
  const QByteArray name = QFile::encodeName(QDir(playerSetFolder()).absolutePath()) + "/caf\xe9.xet";
  const int fd = ::open(name.constData(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0644);
  ASSERT_GE(fd, 0);
  const QByteArray bytes = sampleSet();
  ASSERT_EQ(::write(fd, bytes.constData(), size_t(bytes.size())), bytes.size());
  ::close(fd);
  const QString path = decodeFileName(name);

  QString shown;
  prompts.onModal = [&](QDialog& dialog) {
    auto& chooser = static_cast<SetChooserDialog&>(dialog);
    EXPECT_TRUE(chooser.waitUntilSettled());
    auto* list = chooser.findChild<QListView*>(QStringLiteral("setList"));
    const QModelIndex row = rowNamed(*list, path);
    shown = row.data(Qt::ToolTipRole).toString();
    list->setCurrentIndex(row);
    chooser.findChild<QPushButton*>(QStringLiteral("useButton"))->click();
    return chooser.result();
  };
  commands.chooseSet();
  EXPECT_EQ(shown, QDir(playerSetFolder()).absolutePath() + QStringLiteral("/caf\uFFFD.xet"));
  EXPECT_EQ(game.set().setTitle, QStringLiteral("Sample Set"));
  EXPECT_EQ(encodeFileName(recentSetFiles().value(0)), name);

  commands.resetToDefaults();
  ASSERT_NE(game.set().setTitle, QStringLiteral("Sample Set"));
  StartupPlace place;
  place.arguments = QStringList{decodeFileName(name)};
  place.currentFolder = QDir::tempPath();
  commands.loadStartupSet(place);
  EXPECT_TRUE(prompts.messages.isEmpty());
  EXPECT_EQ(game.set().setTitle, QStringLiteral("Sample Set"));
}

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

namespace {

QByteArray contentsOf(const QString& path) {
  QFile file(path);
  return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

SetEntry lookedAt(const QString& path, SetOrigin origin = SetOrigin::Player) { return *lookAtFile(path, origin); }

// A stored preview as a tamperer would write it: any key, texts and size.
void plantPreview(const QString& file, const QByteArray& key, const QString& title, QSize size = kSetPreviewSize) {
  QImage picture(size, QImage::Format_RGB32);
  picture.fill(Qt::red);
  picture.setText(QStringLiteral("key"), QString::fromLatin1(key.toBase64()));
  picture.setText(QStringLiteral("title"), title);
  picture.setText(QStringLiteral("error"), QString());
  ASSERT_TRUE(picture.save(file, "png"));
}

}  // namespace

TEST_F(ChooserTest, CacheNeverWritesThroughLinksNorTrustsWhatItFinds) {
  const QString a = put(player(), QStringLiteral("a.xet"), namedSet("Alpha"));
  const QString b = put(dir.filePath(QStringLiteral("other")), QStringLiteral("a.xet"), namedSet("Bravo"));
  // The same size and time in two folders: each keeps its own title.
  {
    QFile f(b);
    ASSERT_TRUE(f.open(QIODevice::ReadWrite));
    ASSERT_TRUE(f.setFileTime(QFileInfo(a).lastModified(), QFileDevice::FileModificationTime));
  }
  const PreviewCache store(cache());
  const SetEntry ea = lookedAt(a), eb = lookedAt(b);
  ASSERT_EQ(ea.size, eb.size);
  QDir().mkpath(cache());

  // A link at a preview's name: its target stays byte for byte, the cache gets a file of its own.
  const QString precious = put(dir.filePath(QStringLiteral("docs")), QStringLiteral("letter.txt"), "Dear diary");
  ASSERT_TRUE(QFile::link(precious, store.fileOf(ea)));
  store.store(ea, summarizeSet(a));
  EXPECT_EQ(contentsOf(precious), QByteArray("Dear diary"));
  EXPECT_FALSE(QFileInfo(store.fileOf(ea)).isSymLink());
  store.store(eb, summarizeSet(b));
  EXPECT_EQ(store.find(ea).value_or(SetSummary{}).title, QStringLiteral("Alpha"));
  EXPECT_EQ(store.find(eb).value_or(SetSummary{}).title, QStringLiteral("Bravo"));

  // Another set's preview copied to this one's name, an earlier release's, one too long
  // in a text or of another size: each is passed over.
  QFile::remove(store.fileOf(eb));
  ASSERT_TRUE(QFile::copy(store.fileOf(ea), store.fileOf(eb)));
  EXPECT_FALSE(store.find(eb).has_value());
  QByteArray old = store.keyOf(ea);
  old.replace(0, old.indexOf('\n'), "1." + QByteArray::number(kSetPreviewVersion));
  plantPreview(store.fileOf(ea), old, QStringLiteral("Stale"));
  EXPECT_FALSE(store.find(ea).has_value());
  plantPreview(store.fileOf(ea), store.keyOf(ea), QString(201, QLatin1Char('x')));
  EXPECT_FALSE(store.find(ea).has_value());
  plantPreview(store.fileOf(ea), store.keyOf(ea), QStringLiteral("Huge"), QSize(3000, 3000));
  EXPECT_FALSE(store.find(ea).has_value());
  plantPreview(store.fileOf(ea), store.keyOf(ea), QStringLiteral("Right"));
  EXPECT_EQ(store.find(ea).value_or(SetSummary{}).title, QStringLiteral("Right"));
  // The loader draws such a set anew and shows its own title.
  QFile::remove(store.fileOf(ea));
  plantPreview(store.fileOf(ea), store.keyOf(eb), QStringLiteral("Bravo"));
  EXPECT_EQ(loadAll({ea}).value(QStringLiteral("a.xet")).title, QStringLiteral("Alpha"));

  // A named pipe at a preview's name is neither waited on nor removed as one of ours.
  QFile::remove(store.fileOf(eb));
  ASSERT_EQ(mkfifo(QFile::encodeName(store.fileOf(eb)).constData(), 0600), 0);
  QElapsedTimer took;
  took.start();
  EXPECT_FALSE(store.find(eb).has_value());
  store.store(eb, summarizeSet(b));
  EXPECT_LT(took.elapsed(), 1000);
  EXPECT_TRUE(QFileInfo(store.fileOf(eb)).isFile());

  // A cache folder that is a link to the player's pictures: nothing is stored there or taken away.
  const QString pictures = dir.filePath(QStringLiteral("Pictures"));
  const QString holiday = put(pictures, QStringLiteral("0123456789012345678901234567890123456789.png"), "beach");
  const QString linked = dir.filePath(QStringLiteral("linkedcache"));
  ASSERT_TRUE(QFile::link(pictures, linked));
  const PreviewCache hostile(linked);
  hostile.store(ea, summarizeSet(a));
  hostile.keepOnly({});
  EXPECT_EQ(QDir(pictures).entryList(QDir::Files), QStringList{QFileInfo(holiday).fileName()});
  EXPECT_EQ(contentsOf(holiday), QByteArray("beach"));
  EXPECT_FALSE(hostile.find(ea).has_value());
  // Clean-up in the real folder takes only the cache's own regular files.
  const QString stranger = put(cache(), QStringLiteral("notes.png"), "mine");
  store.keepOnly({});
  EXPECT_EQ(QDir(cache()).entryList(QDir::Files | QDir::System), QStringList{QStringLiteral("notes.png")});
  EXPECT_EQ(contentsOf(precious), QByteArray("Dear diary"));
}

TEST_F(ChooserTest, AStalledReadNeitherHoldsTheWindowNorItsClosing) {
  const QString fifo = dir.filePath(QStringLiteral("stall"));
  ASSERT_EQ(mkfifo(QFile::encodeName(fifo).constData(), 0600), 0);
  put(player(), QStringLiteral("fine.xet"), namedSet("Fine"));
  QElapsedTimer took;
  took.start();
  {
    QStringList stalled;
    PreviewLoader loader(PreviewCache(cache()), [](const QString&, const SetSummary&) {});
    QObject::connect(&loader, &PreviewLoader::stalled, [&](const QString& tag) { stalled << tag; });
    // Opening a pipe for reading waits for a writer: a read on a dead share does the same.
    loader.run(QStringLiteral("stuck"), [fifo]() -> std::function<void()> {
      QFile pipe(fifo);
      pipe.open(QIODevice::ReadOnly);
      return {};
    });
    loader.run(QStringLiteral("stuck too"), [fifo]() -> std::function<void()> {
      QFile pipe(fifo);
      pipe.open(QIODevice::ReadOnly);
      return {};
    });
    // Both workers are stuck; a fresh one still reads the good set.
    QString got;
    loader.run(QStringLiteral("good"), [p = player(), &got]() -> std::function<void()> {
      const QString title = summarizeSet(p + QStringLiteral("/fine.xet")).title;
      return [&got, title] { got = title; };
    });
    EXPECT_FALSE(loader.waitForDone(PreviewLoader::kDeadlineMs * 2));
    EXPECT_EQ(stalled, (QStringList{QStringLiteral("stuck"), QStringLiteral("stuck too")}));
    EXPECT_EQ(got, QStringLiteral("Fine"));
    took.restart();
  }
  EXPECT_LT(took.elapsed(), 1000);  // closing did not wait for the stuck workers

  // The window opens, lists and closes with its workers stuck the same way.
  took.restart();
  {
    SetChooserDialog chooser(sources({fifo}), cache());
    chooser.show();
    EXPECT_TRUE(chooser.waitUntilSettled(5000));
    auto* list = chooser.findChild<QListView*>(QStringLiteral("setList"));
    EXPECT_EQ(list->model()->rowCount(), 1);  // a pipe is no set
  }
  EXPECT_LT(took.elapsed(), 2000);
  // Let the stuck workers go: a writer opening releases every reader waiting.
  const int writer = ::open(QFile::encodeName(fifo).constData(), O_WRONLY | O_NONBLOCK);
  if (writer >= 0) ::close(writer);
}

TEST_F(ChooserTest, ListKeepsItsPreviewsWithinTheBudgetAndRefreshesARewrittenSet) {
  SetListModel model;
  QList<SetEntry> entries;
  for (int i = 0; i < 600; ++i) entries.append({QStringLiteral("/s/%1.xet").arg(i), SetOrigin::Player, 100, 1, {}});
  model.setEntries(entries);
  QStringList wanted;
  QObject::connect(&model, &SetListModel::previewWanted, [&](const SetEntry& e) { wanted << e.path; });
  SetSummary s;
  s.title = QStringLiteral("T");
  s.preview = QImage(kSetPreviewSize, QImage::Format_RGB32);
  for (const SetEntry& e : entries) model.setSummary(e.path, s);
  EXPECT_LE(model.previewBytes(), SetListModel::kPreviewBudget);
  EXPECT_GT(model.previewBytes(), SetListModel::kPreviewBudget / 2);
  // A row that lost its preview asks for it when shown, and gets it back.
  EXPECT_TRUE(model.index(0).data(Qt::DecorationRole).value<QImage>().isNull());
  EXPECT_EQ(wanted, QStringList{QStringLiteral("/s/0.xet")});
  EXPECT_FALSE(model.index(599).data(Qt::DecorationRole).value<QImage>().isNull());

  // The same file written again with only its time changed: its summary is read anew.
  entries[3].modifiedMs = 2;
  model.setEntries(entries);
  EXPECT_FALSE(model.index(3).data(SetListModel::SummaryReadyRole).toBool());
  EXPECT_TRUE(model.index(4).data(SetListModel::SummaryReadyRole).toBool());
}

TEST_F(ChooserTest, RemoveDeletesOnlyTheSetThePlayerSawAndReasonsAreTheSystems) {
  const QString mine = put(player(), QStringLiteral("mine.xet"), namedSet("Mine"));
  SetChooserDialog chooser(sources(), cache());
  ASSERT_TRUE(chooser.waitUntilSettled());
  auto* list = chooser.findChild<QListView*>(QStringLiteral("setList"));
  list->setCurrentIndex(rowNamed(*list, mine));
  // Another copy of the game puts a set of the same name there meanwhile.
  put(player(), QStringLiteral("mine.xet"), namedSet("Theirs, longer"));
  prompts.confirmAnswers = {true};
  chooser.findChild<QPushButton*>(QStringLiteral("removeButton"))->click();
  ASSERT_TRUE(chooser.waitUntilSettled());
  EXPECT_TRUE(QFileInfo(mine).isFile());
  ASSERT_EQ(prompts.messages.size(), 1);
  EXPECT_TRUE(prompts.messages[0].text.contains(QStringLiteral("has changed"))) << prompts.messages[0].text.toStdString();
  EXPECT_EQ(rowNamed(*list, mine).data(Qt::DisplayRole).toString(), QStringLiteral("Theirs, longer"));

  // A set that cannot be copied says why, in the system's words, and leaves nothing behind.
  const QString good = put(dir.filePath(QStringLiteral("downloads")), QStringLiteral("good.xet"), namedSet("Good"));
  const QString blocked = put(dir.filePath(QStringLiteral("blocked")), QStringLiteral("file"), "x");
  QString added;
  const QString why = addSetToFolder(good, blocked + QStringLiteral("/sets"), &added);
  EXPECT_TRUE(why.endsWith(QStringLiteral(": Not a directory"))) << why.toStdString();
  // A set copied in is the checked copy, under its own name, with no stray file beside it.
  EXPECT_EQ(addSetToFolder(good, player(), &added), QString());
  EXPECT_EQ(QDir(player()).entryList(QDir::Files | QDir::Hidden),
            (QStringList{QStringLiteral("good.xet"), QStringLiteral("mine.xet")}));
  EXPECT_EQ(contentsOf(added), contentsOf(good));
}

TEST_F(ChooserTest, SetInUseIsFoundByAnyPathAndRecentFilesStayAbsolute) {
  const QString path = put(player(), QStringLiteral("mine.xet"), namedSet("Mine"));
  const QString link = dir.filePath(QStringLiteral("link.xet"));
  ASSERT_TRUE(QFile::link(path, link));
  for (const QString& given : {link, QDir::current().relativeFilePath(path)}) {
    SetChooserDialog chooser(sources(), cache());
    chooser.showInUse(given);
    ASSERT_TRUE(chooser.waitUntilSettled());
    const QModelIndex current = chooser.findChild<QListView*>(QStringLiteral("setList"))->currentIndex();
    EXPECT_TRUE(current.data(SetListModel::InUseRole).toBool()) << given.toStdString();
    EXPECT_EQ(current.data(SetListModel::PathRole).toString(), path);
  }
  // Loaded by a relative path, listed from anywhere later.
  const QString before = QDir::currentPath();
  ASSERT_TRUE(QDir::setCurrent(player()));
  rememberLoadedSet(QStringLiteral("mine.xet"));
  ASSERT_TRUE(QDir::setCurrent(before));
  EXPECT_EQ(recentSetFiles().value(0), QFileInfo(path).absoluteFilePath());
}

TEST(Places, WithoutAHomeNoPlaceOfThePlayersIsTheRoot) {
  const QByteArray home = qgetenv("HOME");
  QHash<const char*, QByteArray> saved;
  for (const char* v : {"XDG_DATA_HOME", "XDG_CACHE_HOME", "XDG_CONFIG_HOME"}) saved[v] = qgetenv(v);
  const auto all = [] {
    return QStringList{places::playerSetFolder(), places::previewCacheFolder(), places::settingsFile(),
                       places::playerScoreFolder(), places::wizardDraftFile()};
  };
  for (const char* v : {"XDG_DATA_HOME", "XDG_CACHE_HOME", "XDG_CONFIG_HOME"}) qputenv(v, "relative");
  qunsetenv("HOME");
  const QStringList unset = all();
  qputenv("HOME", "/");
  const QStringList root = all();
  qputenv("HOME", "/home/ann");
  const QStringList ann = all();
  qputenv("XDG_CACHE_HOME", "/var/cache/ann");
  const QString cache = places::previewCacheFolder();
  qputenv("HOME", home);
  for (auto it = saved.begin(); it != saved.end(); ++it) qputenv(it.key(), it.value());
  for (const QString& place : unset + root) EXPECT_TRUE(place.isEmpty()) << place.toStdString();
  EXPECT_EQ(ann, (QStringList{"/home/ann/.local/share/pievorbquarn/sets", "/home/ann/.cache/pievorbquarn/previews",
                              "/home/ann/.config/pievorbquarn/pievorbquarn.conf", "/home/ann/.local/share/pievorbquarn",
                              "/home/ann/.local/share/pievorbquarn/wizard-draft.pvqdraft"}));
  EXPECT_EQ(cache, QStringLiteral("/var/cache/ann/pievorbquarn/previews"));
}

TEST_F(ChooserTest, ReaderBoundsTakeTheLargestTuneAndRefuseAHugePlainPictureAtOnce) {
  // A tune of exactly the largest size a set may carry is a tune; one byte more is refused.
  ExtendedSetParts p = textsOnlyParts();
  p.title = "Long tune";
  p.tail = QByteArray(18, '\0');
  p.music = smallTune();
  p.music.append(QByteArray(kLargestTune - p.music.size(), '\0'));
  ASSERT_EQ(p.music.size(), 4 * 1024 * 1024);
  const SetSummary largest = summarizeSet(put(player(), QStringLiteral("largest.xet"), buildExtendedSet(p)));
  EXPECT_TRUE(largest.readable()) << largest.error.toStdString();
  EXPECT_TRUE(largest.hasTune);
  p.music.append('\0');
  EXPECT_TRUE(summarizeSet(put(player(), QStringLiteral("over.xet"), buildExtendedSet(p)))
                  .error.contains(QStringLiteral("a tune may take 4194304 bytes at most")));

  // A sparse plain set whose first picture claims a gigabyte: refused without reading it.
  QByteArray plain = buildPlainSet(plainSetParts());
  putInt32(plain, kMagicSize, 1 << 30);
  const QString sparse = put(player(), QStringLiteral("sparse.set"), plain);
  ASSERT_TRUE(QFile::resize(sparse, (qint64(1) << 30) + 4096));
  QElapsedTimer took;
  took.start();
  const SetSummary huge = summarizeSet(sparse);
  EXPECT_LT(took.elapsed(), 1000);
  EXPECT_EQ(huge.error, QStringLiteral("cannot be read: Error loading images..."));
}
