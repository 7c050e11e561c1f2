#include <QAbstractSpinBox>
#include <QApplication>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QRegularExpression>
#include <QSpinBox>
#include <QStackedWidget>
#include <QTest>
#include <cmath>
#include <memory>
#include "sound/BackgroundMusic.h"
#include "sound/SoundPorts.h"

#include "imageset/BmpDecode.h"
#include "game/SetCommands.h"
#include "imageset/DefaultSet.h"
#include "imageset/SetReaders.h"
#include "imageset/SetTestSupport.h"
#include "support/DialogChecks.h"
#include "wizard/CreationProgressDialog.h"
#include "wizard/CursorSetupDialog.h"
#include "wizard/CursorTile.h"
#include "wizard/ImageGroupDialog.h"
#include "wizard/SetCreationWizard.h"

namespace {

QByteArray goodWave(int n) {
  QByteArray w = QByteArray("RIFF") + QByteArray(4, '\0') + "WAVEfmt " + QByteArray::fromHex("10000000" "0100" "0100" "112B0000" "112B0000" "0100" "0800") + "data";
  w += char(n & 0xFF), w += char((n >> 8) & 0xFF), w += char(0), w += char(0);
  return w + squareWave(n, 6);
}

class WizardTest : public SetTest {
 protected:
  void SetUp() override {
    SetTest::SetUp();
    pict1 = write("pict1.bmp", bmpBytes(indexedPicture(224, 108, qRgb(200, 0, 0))));
    pict2 = write("pict2.bmp", bmpBytes(indexedPicture(224, 108, qRgb(0, 0, 200))));
  }

  // Steps 1 to 5 filled so that every check passes.
  void fillValid() {
    label("pict1.bmp").setText(pict1);
    label("pict2.bmp").setText(pict2);
    field("name").setText(QStringLiteral("Wizard Set"));
  }
  void goTo(int page) {
    while (pages.currentIndex() < page) {
      const int before = pages.currentIndex();
      next.click();
      ASSERT_EQ(pages.currentIndex(), before + 1) << messageTexts().join('|').toStdString();
    }
  }
  // Next on the page shown, expecting to stay there with this message.
  void expectBlocked(const QString& text) {
    prompts.messages.clear();
    const int page = pages.currentIndex();
    next.click();
    EXPECT_EQ(pages.currentIndex(), page);
    expectOneError(text);
    prompts.messages.clear();
  }
  void expectPasses() {
    prompts.messages.clear();
    const int page = pages.currentIndex();
    next.click();
    EXPECT_EQ(pages.currentIndex(), page + 1) << messageTexts().join('|').toStdString();
    back.click();
  }

  // The main window has its cursors before any wizard is made.
  bool cursorsLoaded = (loadBuiltinCursors(game.cursors()), true);
  ImageGroupDialog editGroup;
  CursorSetupDialog customSetup;
  SetCreationWizard wizard{game.cursors(), builtinPictures(), editGroup, customSetup};
  QString pict1, pict2;

  QStackedWidget& pages = *wizard.findChild<QStackedWidget*>();
  QAbstractButton& next = press("next");
  QAbstractButton& back = press("back");
  QAbstractButton& cancel = press("cancel");
  QComboBox& tickMode = child<QComboBox>(wizard, "tickMode");
  QLineEdit& field(const char* name) { return child<QLineEdit>(wizard, name); }
  QLabel& label(const char* name) { return child<QLabel>(wizard, name); }
  QAbstractButton& press(const char* name) { return child<QAbstractButton>(wizard, name); }
  QLineEdit& wave(SoundEffect effect) { return field(kSoundEffects[indexOf(effect)].fileName); }
  QList<QLineEdit*> waves() {
    QList<QLineEdit*> all;
    for (const SoundEffectInfo& sound : kSoundEffects) all << &field(sound.fileName);
    return all;
  }
  QList<QLineEdit*> pictureFields() {
    return {&field("title.bmp"), &field("numbers.bmp"), &field("count.bmp"), &field("miscpics.bmp")};
  }
  QList<CursorTile*> tiles() { return wizard.findChildren<CursorTile*>(); }
};

}  // namespace

TEST_F(WizardTest, OpensOnStepOneWithTheBuiltInTexts) {
  EXPECT_EQ(wizard.windowTitle(), QStringLiteral("Pie Vorb Quarn - Create New eXtended Image Set Wizard"));
  // Its width unless the face in use needs more; each step its own height, within the screen.
  EXPECT_GE(wizard.width(), 592);
  wizard.show();
  const QRect room = wizard.screen()->availableGeometry();
  int shortest = room.height(), tallest = 0;
  for (int page = 0; page < pages.count(); ++page) {
    pages.setCurrentIndex(page);
    // The window settles on its size and place after the step shows, in two
    // posted steps: let them through however busy the machine is.
    for (int i = 0; i < 4; ++i) QCoreApplication::processEvents();
    EXPECT_LE(wizard.frameGeometry().bottom(), room.bottom()) << "step " << page + 1;
    EXPECT_LE(wizard.height(), room.height()) << "step " << page + 1;
    shortest = std::min(shortest, wizard.height()), tallest = std::max(tallest, wizard.height());
  }
  EXPECT_LT(shortest * 2, tallest) << "a short step leaves no blank window";
  pages.setCurrentIndex(0);
  wizard.hide();
  EXPECT_EQ(wizard.minimumSize(), wizard.maximumSize());
  EXPECT_TRUE(wizard.windowFlags() & Qt::WindowStaysOnTopHint);
  EXPECT_TRUE(wizard.isModal());
  EXPECT_EQ(pages.count(), 6);
  // Enter goes to the next step.
  EXPECT_TRUE(static_cast<QPushButton&>(next).isDefault());
  EXPECT_EQ(label("pageTitle").text(), QStringLiteral("Step 1 of 6"));
  EXPECT_FALSE(back.isEnabled());
  EXPECT_TRUE(next.isEnabled());
  EXPECT_EQ(cancel.text(), QStringLiteral("&Cancel"));
  EXPECT_EQ(field("prefix").text(), QStringLiteral("Congratulations, in 30 seconds you managed to throw"));
  EXPECT_EQ(field("suffix").text(), QStringLiteral("pies at Vorb Quarn.  Did you enjoy it?  Your Score Is:"));
  EXPECT_EQ(field("rating8").text(), QStringLiteral("A VERY good score, keep going!"));
  EXPECT_EQ(field("rating8").maxLength(), 240);
  EXPECT_EQ(field("name").maxLength(), 200);
  EXPECT_EQ(field("url").text(), QStringLiteral("http://"));
  ASSERT_EQ(tickMode.count(), 6);
  EXPECT_EQ(tickMode.itemText(4), QStringLiteral("Play Once (CountDown)"));
  EXPECT_EQ(tickMode.currentIndex(), 0);
  EXPECT_EQ(wizard.cursorChoice(), 1);
  EXPECT_TRUE(tiles()[0]->selected());
  EXPECT_TRUE(child<QWidget>(wizard, "customCursor").isHidden());
  ASSERT_EQ(tiles().size(), 8);
  for (CursorTile* tile : tiles()) {
    EXPECT_FALSE(tile->picture().isNull()) << tile->tag();
    EXPECT_EQ(tile->cursor().shape(), Qt::BitmapCursor) << tile->tag();
  }
  EXPECT_EQ(tiles()[7]->cursor().pixmap().toImage(), game.cursors().get(9)->pixmap().toImage());
  EXPECT_FALSE(tiles()[7]->cursor().pixmap().isNull());
  EXPECT_EQ(wizard.inputs().titleColour, 0x000000FFu);
  EXPECT_EQ(wizard.inputs().pageColour, 0x00FFFFFFu);

  // Showing it again puts the texts and the tile back.
  field("prefix").setText(QStringLiteral("changed"));
  field("rating1").setText(QStringLiteral("changed"));
  tickMode.setCurrentIndex(3);
  wizard.chooseCursor(8);
  wizard.show();
  EXPECT_EQ(field("prefix").text(), QStringLiteral("Congratulations, in 30 seconds you managed to throw"));
  EXPECT_EQ(field("rating1").text(), QStringLiteral("Hey, you're not very good at this are you..."));
  EXPECT_EQ(tickMode.currentIndex(), 0);
  EXPECT_EQ(wizard.cursorChoice(), 1);
  EXPECT_FALSE(tiles()[7]->selected());
}

TEST_F(WizardTest, EachStepChecksItsOwnInputsOnNext) {
  expectBlocked(QStringLiteral("Cannot find the specified images..."));
  label("pict1.bmp").setText(pict1);
  label("pict2.bmp").setText(dir.path());  // a folder is no file
  expectBlocked(QStringLiteral("Cannot find the specified images..."));
  fillValid();
  goTo(1);
  EXPECT_EQ(label("pageTitle").text(), QStringLiteral("Step 2 of 6"));

  // Any one of the four pictures missing blocks, whatever the others hold.
  for (QLineEdit* missing : pictureFields()) {
    for (QLineEdit* field : pictureFields())
      field->setText(field == missing ? dir.filePath("gone.bmp") : pict1);
    expectBlocked(QStringLiteral("One of the above specified files cound not be found..."));
  }
  for (QLineEdit* field : pictureFields().mid(1)) field->clear();
  goTo(2);

  // Any one of the four waves bad blocks, on its own line.
  const QString bad = write("bad.wav", QByteArray(80, 'x'));
  const QString good = write("good.wav", goodWave(300));
  for (QLineEdit* wrong : waves()) {
    QStringList lines;
    for (QLineEdit* field : waves()) {
      field->setText(field == wrong ? bad : good);
      if (field == wrong) lines << QStringLiteral("bad.wav: is not a sound this program reads (Format not recognised.)");
    }
    expectBlocked(lines.join(QStringLiteral("\n")));
  }
  for (QLineEdit* field : waves()) field->clear();
  wave(SoundEffect::Splat).setText(write("splat.wav", goodWave(300)));
  field("music").setText(write("tune.mid", smallTune()));
  goTo(3);

  field("name").clear();
  expectBlocked(QStringLiteral("This image set has no name..."));
  field("name").setText(QStringLiteral("   "));
  goTo(4);

  wizard.chooseCursor(8);
  EXPECT_FALSE(child<QWidget>(wizard, "customCursor").isHidden());
  EXPECT_TRUE(tiles()[7]->selected());
  EXPECT_FALSE(tiles()[0]->selected());
  expectBlocked(QStringLiteral("Cursor BMP file was not found..."));
  // A file that is there but is no picture would give an invisible cursor.
  field("cursor.bmp").setText(write("cursor.bmp", QByteArray(200, 'x')));
  expectBlocked(QStringLiteral("Cursor BMP file could not be loaded..."));
  field("cursor.bmp").setText(write("cursor.bmp", bmpBytes(indexedPicture(32, 32, qRgb(255, 255, 255)))));
  expectPasses();
  wizard.chooseCursor(3);
  EXPECT_TRUE(child<QWidget>(wizard, "customCursor").isHidden());
  goTo(5);

  EXPECT_EQ(label("pageTitle").text(), QStringLiteral("Step 6 of 6"));
  EXPECT_FALSE(next.isEnabled());
  EXPECT_EQ(cancel.text(), QStringLiteral("&Quit"));
  const qint64 expected = QFile(pict1).size() + QFile(pict2).size() + QFile(pict1).size() + 300 + smallTune().size() + 3423;
  EXPECT_EQ(wizard.estimatedSize(), expected);
  EXPECT_EQ(label("estimate").text(), QStringLiteral("%1 bytes   (%2k)").arg(expected).arg(expected / 1024));
  next.click();
  EXPECT_EQ(pages.currentIndex(), 5);

  back.click();
  EXPECT_EQ(cancel.text(), QStringLiteral("&Cancel"));
  EXPECT_TRUE(next.isEnabled());
}

TEST_F(WizardTest, ImageFilesComeOnlyFromTheGroupEditor) {
  prompts.onModal = [&](QDialog& dialog) {
    auto& editor = dynamic_cast<ImageGroupDialog&>(dialog);
    EXPECT_EQ(child<QLineEdit>(editor, "pict1.bmp").text(), QString());
    child<QLineEdit>(editor, "pict1.bmp").setText(pict1);
    child<QLineEdit>(editor, "pict2.bmp").setText(pict2);
    return int(QDialog::Accepted);
  };
  press("changeImageFiles").click();
  EXPECT_EQ(label("pict1.bmp").text(), pict1);
  EXPECT_EQ(label("pict2.bmp").text(), pict2);

  prompts.onModal = [&](QDialog& dialog) {
    child<QLineEdit>(dialog, "pict1.bmp").setText(QStringLiteral("other"));
    return int(QDialog::Rejected);
  };
  press("changeImageFiles").click();
  EXPECT_EQ(label("pict1.bmp").text(), pict1);
}

TEST_F(WizardTest, BrowseDialogsStartOnTheFieldsFileOrTheLastOne) {
  prompts.fileAnswers = {pict1, QString(), pict2};
  press("browse:title.bmp").click();  // title
  EXPECT_EQ(field("title.bmp").text(), pict1);
  ASSERT_EQ(prompts.fileRequests.size(), 1);
  EXPECT_EQ(prompts.fileRequests[0].title, QStringLiteral("Select Title File"));
  // Every picture format this build reads is offered, today's first among them.
  const QString filter = prompts.fileRequests[0].filter;
  EXPECT_TRUE(filter.startsWith(QStringLiteral("Pictures ("))) << filter.toStdString();
  for (const char* pattern : {"*.png", "*.jpg", "*.bmp", "*.gif"}) EXPECT_TRUE(filter.contains(QLatin1String(pattern))) << pattern;
  EXPECT_EQ(prompts.fileRequests[0].defaultExt, QStringLiteral("png"));
  EXPECT_EQ(prompts.fileRequests[0].initialPath, QString());

  press("browse:title.bmp").click();  // cancelled: unchanged, but started on the field's file
  EXPECT_EQ(field("title.bmp").text(), pict1);
  EXPECT_EQ(prompts.fileRequests[1].initialPath, pict1);

  press("browse:miscpics.bmp").click();  // misc: the bitmap dialog last held pict1
  EXPECT_EQ(prompts.fileRequests[2].initialPath, pict1);
  EXPECT_EQ(field("miscpics.bmp").text(), pict2);

  press("browse:music").click();
  EXPECT_EQ(prompts.fileRequests[3].title, QStringLiteral("Select MIDI sequence for in-game music"));
  EXPECT_EQ(prompts.fileRequests[3].filter, QStringLiteral("MIDI Files (*.MID,*.RMI)|*.mid;*.rmi|All Files (*.*)|*.*"));
  EXPECT_EQ(prompts.fileRequests[3].initialPath, QString());  // its own dialog, nothing held yet
  press("browse:outFile").click();
  EXPECT_TRUE(prompts.fileRequests[4].save);
  EXPECT_EQ(prompts.fileRequests[4].title, QStringLiteral("Enter new .XET filename:"));
  EXPECT_EQ(prompts.fileRequests[4].defaultExt, QStringLiteral("xet"));
}

TEST_F(WizardTest, ColourButtonsSetTheirSwatchUnlessCancelled) {
  prompts.colourAnswers = {QColor(1, 2, 3)};
  press("titleColourButton").click();
  press("pageColourButton").click();  // cancelled
  EXPECT_EQ(prompts.offeredColours, (QList<QColor>{QColor(255, 0, 0), QColor(255, 255, 255)}));
  EXPECT_EQ(wizard.inputs().titleColour, 0x00030201u);
  EXPECT_EQ(wizard.inputs().pageColour, 0x00FFFFFFu);
}

TEST_F(WizardTest, OutputNameShowsSizesOnlyForXetFiles) {
  wizard.showEstimatedSize(5000);
  for (const QString& name : {dir.filePath("a.xet"), dir.filePath("b.XeT")}) {
    field("outFile").setText(name);
    EXPECT_FALSE(child<QWidget>(wizard, "sizes").isHidden()) << name.toStdString();
  }
  const qint64 free = SetCreationWizard::freeSpaceFor(dir.filePath("a.xet"));
  ASSERT_GT(free, 5000);
  // The disk is shared, so its free space may move between two looks at it.
  const QRegularExpressionMatch shown =
      QRegularExpression(QStringLiteral("^(\\d+) bytes  \\((\\d+)k\\)$")).match(label("freeSpace").text());
  ASSERT_TRUE(shown.hasMatch()) << label("freeSpace").text().toStdString();
  EXPECT_NEAR(double(shown.captured(1).toLongLong()), double(free), 256.0 * 1024 * 1024);
  EXPECT_EQ(shown.captured(2).toLongLong(), shown.captured(1).toLongLong() / 1024);
  EXPECT_TRUE(label("warning").isHidden());

  // More than the disk holds warns but does not block.
  wizard.showEstimatedSize(free * 2);
  press("refreshSizes").click();
  EXPECT_FALSE(label("warning").isHidden());
  EXPECT_TRUE(press("create").isEnabled());

  for (const QString& name : {dir.filePath("a.XET.BAK"), dir.filePath("set.xet/"), dir.filePath("noext"), QString()}) {
    field("outFile").setText(name);
    EXPECT_TRUE(child<QWidget>(wizard, "sizes").isHidden()) << name.toStdString();
  }
}

TEST_F(WizardTest, CreateWritesTheSetTheReaderLoads) {
  fillValid();
  field("author").setText(QStringLiteral("Tester"));
  tickMode.setCurrentIndex(4);
  wave(SoundEffect::Tick).setText(write("tick.wav", goodWave(700)));
  const QImage cursorPicture = indexedPicture(32, 32, qRgb(0, 0, 0));
  field("cursor.bmp").setText(write("cursor.bmp", bmpBytes(cursorPicture)));
  wizard.chooseCursor(8);
  // The hot spot placed in the cursor set-up is the one the set stores.
  prompts.onModal = [&](QDialog& dialog) {
    child<QSpinBox>(dialog, "hotSpotX").setValue(12);
    return int(QDialog::Accepted);
  };
  press("setUpCursor").click();
  prompts.onModal = {};
  goTo(5);
  field("outFile").setText(dir.filePath("made.xet"));

  int progressSeen = 0;
  QString statusWhileMessage;
  struct Spy : FakePrompts {
    std::function<void()> onMessage;
    void message(QWidget* p, const QString& t, const QString& c, BoxIcon i) override {
      if (onMessage) onMessage();
      FakePrompts::message(p, t, c, i);
    }
  };
  Spy spy;
  spy.onMessage = [&] {
    for (QWidget* w : QApplication::topLevelWidgets())
      if (auto* p = qobject_cast<CreationProgressDialog*>(w); p && p->isVisible()) {
        ++progressSeen;
        statusWhileMessage = child<QLabel>(*p, "status").text();
      }
    EXPECT_FALSE(wizard.isEnabled());
    // Leaving while the file is written waits for the writer.
    wizard.close();
    EXPECT_EQ(wizard.result(), 42);
  };
  wizard.setResult(42);
  press("create").click();
  // A set written closes the wizard: nothing is left to do in it.
  EXPECT_EQ(wizard.result(), QDialog::Accepted);
  QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);

  ASSERT_EQ(spy.messages.size(), 1);
  EXPECT_EQ(spy.messages[0].text, QStringLiteral("eXtended Image Set File Created Sucessfully..."));
  EXPECT_EQ(spy.messages[0].caption, QStringLiteral("Sucess!"));
  EXPECT_EQ(spy.messages[0].icon, BoxIcon::Information);
  EXPECT_EQ(progressSeen, 1);
  EXPECT_EQ(statusWhileMessage, QStringLiteral("Finished!"));
  for (QWidget* w : QApplication::topLevelWidgets()) EXPECT_EQ(qobject_cast<CreationProgressDialog*>(w), nullptr);
  EXPECT_TRUE(wizard.isEnabled());
  EXPECT_EQ(pages.currentIndex(), 5);

  QFile made(dir.filePath("made.xet"));
  ASSERT_TRUE(made.open(QIODevice::ReadOnly));
  const QByteArray file = made.readAll();
  const CursorPlanes planes = makeCursorPlanes(cursorPicture);
  EXPECT_EQ(file.mid(xet::HeaderEnd, 256), QByteArray(reinterpret_cast<const char*>(planes.data()), 256));
  EXPECT_EQ(file.size(), wizard.estimatedSize());

  loadExtendedSet(game, dir.filePath("made.xet"), false);
  EXPECT_EQ(spy.messages.size(), 1);  // the reader found nothing to complain about
  EXPECT_EQ(game.set().setTitle, QStringLiteral("Wizard Set"));
  EXPECT_EQ(game.set().header.author.text(), QStringLiteral("Tester"));
  EXPECT_EQ(game.set().header.tickSoundMode, 4);
  EXPECT_EQ(game.set().header.hotSpotX, 12);
  EXPECT_EQ(game.set().header.cursorIndex, 8);
  EXPECT_EQ(game.set().sound(SoundEffect::Tick).data.size(), 700u);
}

TEST_F(WizardTest, CreateRefusesToOverwriteAnInputAndReportsOpenFailures) {
  fillValid();
  goTo(5);
  const QByteArray before = bmpBytes(indexedPicture(224, 108, qRgb(200, 0, 0)));
  field("outFile").setText(pict1);
  press("create").click();
  ASSERT_EQ(prompts.messages.size(), 1);
  EXPECT_EQ(prompts.messages[0].caption, QStringLiteral("Error"));
  QFile input(pict1);
  ASSERT_TRUE(input.open(QIODevice::ReadOnly));
  EXPECT_EQ(input.readAll(), before);

  prompts.messages.clear();
  field("outFile").setText(dir.filePath("missing/folder/x.xet"));
  press("create").click();
  expectOneError(QStringLiteral("Unable to open the output file for writing..."));
}

TEST_F(WizardTest, CustomCursorSetUpNeedsAnExistingBitmap) {
  wizard.chooseCursor(8);
  press("setUpCursor").click();
  expectOneError(QStringLiteral("Error, bitmap file not found..."));
  EXPECT_TRUE(prompts.modalTitles.isEmpty());

  prompts.messages.clear();
  field("cursor.bmp").setText(write("cursor.bmp", bmpBytes(indexedPicture(32, 32, qRgb(255, 0, 0)))));
  press("setUpCursor").click();
  EXPECT_TRUE(prompts.messages.isEmpty());
  EXPECT_EQ(prompts.modalTitles.size(), 1);
}

// Fields show the start of what they hold and have room for a file name.
TEST_F(WizardTest, FieldsShowTheirBeginningAndHaveRoom) {
  wizard.show();
  for (int page = 0; page < pages.count(); ++page) {
    pages.setCurrentIndex(page);
    QApplication::processEvents();
  }
  for (QLineEdit* field : wizard.findChildren<QLineEdit*>()) {
    if (!qobject_cast<QAbstractSpinBox*>(field->parent())) {
      EXPECT_EQ(field->cursorPosition(), 0) << field->text().toStdString();
    }
  }
  EXPECT_GT(field("prefix").text().size(), 30);
  for (QLineEdit* field : waves()) EXPECT_GE(field->width(), 180);
  EXPECT_GE(field("music").width(), 180);
  EXPECT_GE(field("cursor.bmp").width(), 200);
  cancel.click();
}

// A larger face makes the windows larger, every page with them, rather than cutting texts.
TEST_F(WizardTest, WindowsGrowWithALargerFace) {
  LargerFace face(20);
  ImageGroupDialog largerGroup;
  expectGrownAndWhole(largerGroup, editGroup.size());
  CursorSetupDialog largerSetup;
  expectGrownAndWhole(largerSetup, customSetup.size());
  largerSetup.hide();
  CreationProgressDialog progress;
  progress.drawStatus(QStringLiteral("Extracting sound data (Splat!)"));
  progress.drawProgress(1280, 2560);
  expectGrownAndWhole(progress, QSize(592, 57));
  progress.hide();

  SetCreationWizard larger{game.cursors(), builtinPictures(), editGroup, customSetup};
  larger.chooseCursor(8);
  child<QLineEdit>(larger, "outFile").setText(dir.filePath("look.xet"));
  larger.showEstimatedSize(123456);
  child<QLabel>(larger, "warning").show();
  expectGrownAndWhole(larger, wizard.size());
  auto& pages = *larger.findChild<QStackedWidget*>();
  for (int page = 0; page < pages.count(); ++page) {
    pages.setCurrentIndex(page);
    QApplication::processEvents();
    SCOPED_TRACE(page);
    expectNothingClipped(*pages.currentWidget());
  }
  larger.hide();
}

TEST_F(WizardTest, FirstTwoStepsShowTheBoardTargetsAndWarnings) {
  const QString tall = write("tall.bmp", bmpBytes(indexedPicture(224, 214, qRgb(200, 0, 0))));
  prompts.onModal = [&](QDialog& dialog) {
    child<QLineEdit>(dialog, "pict1.bmp").setText(tall);
    child<QLineEdit>(dialog, "pict2.bmp").setText(pict2);
    return int(QDialog::Accepted);
  };
  press("changeImageFiles").click();
  QWidget& stepOne = child<QWidget>(wizard, "animationPreview");
  EXPECT_EQ(child<QLabel>(stepOne, "previewTargets").text(), QStringLiteral("Pict1.bmp: 1 target    Pict2.bmp: 1 target"));
  EXPECT_TRUE(child<QLabel>(stepOne, "previewWarnings")
                  .text()
                  .startsWith(QStringLiteral("Pict1.bmp: 214 rows hold 1 target; 2 targets need 216 rows")));
  EXPECT_FALSE(child<QLabel>(stepOne, "previewPicture").pixmap().isNull());

  field("name").setText(QStringLiteral("Wizard Set"));
  goTo(1);
  QWidget& stepTwo = child<QWidget>(wizard, "picturesPreview");
  prompts.colourAnswers = {QColor(0, 128, 0)};
  press("pageColourButton").click();
  EXPECT_TRUE(child<QLabel>(stepTwo, "previewWarnings").text().contains(QStringLiteral("The page colour #008000")));
}

namespace {

// The game's sound engine as the wizard reaches it: records what it is asked to play.
struct HeardSound : WavePlayer {
  QList<QByteArray> played;
  void playWave(const SoundBuffer& sound, WaveChannel) override {
    played << QByteArray(reinterpret_cast<const char*>(sound.data.data()), qsizetype(sound.data.size()));
  }
  void stopWave(WaveChannel) override {}
  SoundState soundState() const override { return SoundState::Enabled; }
};

// Lets the wizard's short wait after typing run out.
void settle() {
  QTest::qWait(250);
  QApplication::processEvents();
}

}  // namespace

TEST_F(WizardTest, AsksBeforeDiscardingAndResumesTheDraftAfterAQuit) {
  const QString draftPath = dir.filePath("data/set-draft.json");
  WizardPorts ports;
  ports.draftPath = draftPath;
  ports.setsFolder = dir.filePath("sets");
  auto made = std::make_unique<SetCreationWizard>(game.cursors(), builtinPictures(), editGroup, customSetup, nullptr, ports);
  made->show();
  EXPECT_EQ(made->draft().inputs.outFile, dir.filePath("sets/new-set.xet"));
  // Nothing filled in yet: Cancel closes without a question.
  child<QAbstractButton>(*made, "cancel").click();
  EXPECT_FALSE(made->isVisible());
  EXPECT_TRUE(prompts.questions.isEmpty());

  made->show();
  child<QLineEdit>(*made, "name").setText(QStringLiteral("Half made"));
  settle();
  EXPECT_TRUE(QFileInfo::exists(draftPath));
  // Escape and the close box ask too; declining keeps the wizard and its work.
  prompts.confirmAnswers = {false, false};
  QTest::keyClick(made.get(), Qt::Key_Escape);
  made->close();
  EXPECT_TRUE(made->isVisible());
  ASSERT_EQ(prompts.questions.size(), 2);
  EXPECT_EQ(prompts.questions[0].caption, QStringLiteral("Discard the new set?"));

  // The game ends with the wizard open (or crashes): the next wizard resumes.
  made.reset();
  SetCreationWizard resumed{game.cursors(), builtinPictures(), editGroup, customSetup, nullptr, ports};
  resumed.show();
  EXPECT_EQ(child<QLineEdit>(resumed, "name").text(), QStringLiteral("Half made"));

  // Agreeing to discard forgets it for good.
  prompts.confirmAnswers = {true};
  child<QAbstractButton>(resumed, "cancel").click();
  EXPECT_FALSE(resumed.isVisible());
  EXPECT_FALSE(QFileInfo::exists(draftPath));

  // A damaged draft is set aside with a word to the player, and the wizard starts afresh.
  write("data/set-draft.json", "{ not a draft");
  prompts.messages.clear();
  resumed.show();
  ASSERT_EQ(prompts.messages.size(), 1);
  EXPECT_TRUE(prompts.messages[0].text.contains(QStringLiteral("set-draft.json.damaged")));
  EXPECT_EQ(child<QLineEdit>(resumed, "name").text(), QString());
}

TEST_F(WizardTest, PlayButtonsPlayWhatTheSetWillStoreAndShowItsLength) {
  HeardSound heard;
  WizardPorts ports;
  ports.sound = &heard;
  SetCreationWizard withSound{game.cursors(), builtinPictures(), editGroup, customSetup, nullptr, ports};
  withSound.show();
  // Half a second of 8-bit samples at 22050 Hz: half as many samples at 11025 Hz, the same length.
  QByteArray samples;
  for (int i = 0; i < 11025; ++i) samples += char(128 + int(60 * std::sin(i * 0.2)));
  QByteArray wav = QByteArray("RIFF") + QByteArray(4, '\0') + "WAVEfmt ";
  const auto put = [&wav](quint32 v, int bytes) {
    for (int i = 0; i < bytes; ++i) wav += char((v >> (8 * i)) & 0xFF);
  };
  put(16, 4), put(1, 2), put(1, 2), put(22050, 4), put(22050, 4), put(1, 2), put(8, 2);
  wav += "data";
  put(quint32(samples.size()), 4);
  wav += samples;
  child<QLineEdit>(withSound, "tick.wav").setText(write("tick22.wav", wav));
  withSound.findChild<QStackedWidget*>()->setCurrentIndex(2);
  settle();
  EXPECT_EQ(child<QLabel>(withSound, "length:tick.wav").text(), QStringLiteral("0.50 s"));
  EXPECT_EQ(child<QLabel>(withSound, "length:startup.wav").text(), QStringLiteral("built-in"));
  child<QAbstractButton>(withSound, "play:tick.wav").click();
  ASSERT_EQ(heard.played.size(), 1);
  EXPECT_NEAR(heard.played[0].size(), 5512, 2);
  EXPECT_EQ(heard.played[0], prepareSet(withSound.draft().inputs).set.waves[indexOf(SoundEffect::Tick)]);
}

// The game's tune player as the wizard reaches it: what each file it opens holds.
class OpeningPlayer : public MidiPlayer {
 public:
  QStringList paths;
  QList<QByteArray> heard;
  bool open(const QString& path, QString&) override {
    QFile file(path);
    paths << path;
    heard << (file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray());
    return true;
  }
  void play() override {}
  void stop() override {}
  void close() override {}
};

QByteArray fileBytes(const QString& path) {
  QFile file(path);
  return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

TEST_F(WizardTest, TunePlayButtonPlaysTheStoredMidiAndLeavesTheSetsTuneAlone) {
  const QByteArray ownTune = smallTune() + "own";
  const QString ownFile = write("own-tune.mid", ownTune);
  auto* player = new OpeningPlayer;
  BackgroundMusic music{std::unique_ptr<MidiPlayer>(player), ownFile, [] { return true; },
                        [] { return SoundState::Enabled; }};
  WizardPorts ports;
  ports.playTune = [&music](const QByteArray& midi, QString& error) { return music.previewTune(midi, error); };
  ports.stopTune = [&music] { music.stopMusic(); };
  auto made = std::make_unique<SetCreationWizard>(game.cursors(), builtinPictures(), editGroup, customSetup, nullptr, ports);
  made->show();
  auto& play = child<QAbstractButton>(*made, "play:music");
  EXPECT_FALSE(play.isEnabled());
  EXPECT_EQ(play.accessibleName(), QStringLiteral("Play the tune"));

  // A RIFF-wrapped tune: only the MIDI data inside goes into the set, and only it is heard.
  const QByteArray midi = smallTune();
  const auto le32 = [](qint64 v) {
    QByteArray b(4, '\0');
    for (int i = 0; i < 4; ++i) b[i] = char((v >> (8 * i)) & 0xFF);
    return b;
  };
  const QByteArray riff = "RIFF" + le32(midi.size() + 12) + "RMID" + "data" + le32(midi.size()) + midi;
  child<QLineEdit>(*made, "music").setText(write("wrapped.rmi", riff));
  ASSERT_TRUE(play.isEnabled());
  play.click();
  ASSERT_EQ(player->heard.size(), 1) << messageTexts().join('|').toStdString();
  EXPECT_NE(player->paths[0], ownFile);
  EXPECT_EQ(player->heard[0], midi);
  EXPECT_EQ(player->heard[0], prepareSet(made->draft().inputs).set.tune);
  EXPECT_TRUE(music.musicPlaying());
  EXPECT_EQ(fileBytes(ownFile), ownTune);

  // A damaged tune is refused with a message naming it, and nothing new is played.
  prompts.messages.clear();
  child<QLineEdit>(*made, "music").setText(write("broken.mid", midi.left(30)));
  play.click();
  ASSERT_EQ(prompts.messages.size(), 1);
  EXPECT_TRUE(prompts.messages[0].text.contains(QStringLiteral("broken.mid")));
  EXPECT_EQ(player->heard.size(), 1);

  // The wizard going ends the preview; the game's tune then plays from its own file.
  made.reset();
  EXPECT_FALSE(music.musicPlaying());
  EXPECT_FALSE(QFileInfo::exists(music.previewFile()));
  music.startMusic();
  EXPECT_EQ(player->paths.last(), ownFile);
  EXPECT_EQ(player->heard.last(), ownTune);
}

TEST_F(WizardTest, WritesToTheSetsFolderByDefaultAndOffersTheNewSet) {
  QStringList used;
  WizardPorts ports;
  ports.setsFolder = dir.filePath("not-yet/sets");
  ports.useSet = [&used](const QString& set) { used << set; };
  SetCreationWizard wizard2{game.cursors(), builtinPictures(), editGroup, customSetup, nullptr, ports};
  wizard2.show();
  child<QLabel>(wizard2, "pict1.bmp").setText(pict1);
  child<QLabel>(wizard2, "pict2.bmp").setText(pict2);
  child<QLineEdit>(wizard2, "name").setText(QStringLiteral("Straight in"));
  auto& steps = *wizard2.findChild<QStackedWidget*>();
  while (steps.currentIndex() < 5) child<QAbstractButton>(wizard2, "next").click();
  ASSERT_EQ(steps.currentIndex(), 5) << messageTexts().join('|').toStdString();
  prompts.confirmAnswers = {true};
  child<QAbstractButton>(wizard2, "create").click();
  const QString written = dir.filePath("not-yet/sets/new-set.xet");
  EXPECT_TRUE(QFileInfo(written).isFile()) << messageTexts().join('|').toStdString();
  EXPECT_EQ(used, QStringList{written});
  EXPECT_FALSE(wizard2.isVisible());
}
