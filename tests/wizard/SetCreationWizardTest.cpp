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

#include "imageset/BmpDecode.h"
#include "game/SetCommands.h"
#include "imageset/DefaultSet.h"
#include "imageset/SetReaders.h"
#include "imageset/SetTestSupport.h"
#include "wizard/CreationProgressDialog.h"
#include "wizard/CursorSetupDialog.h"
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
    wizard.figureFileLabel->setText(pict1);
    wizard.splatFileLabel->setText(pict2);
    wizard.setNameEdit->setText(QStringLiteral("Wizard Set"));
  }
  void goTo(int page) {
    while (wizard.pages->currentIndex() < page) {
      const int before = wizard.pages->currentIndex();
      wizard.nextButton->click();
      ASSERT_EQ(wizard.pages->currentIndex(), before + 1) << messageTexts().join('|').toStdString();
    }
  }
  // Next on the page shown, expecting to stay there with this message.
  void expectBlocked(const QString& text) {
    prompts.messages.clear();
    const int page = wizard.pages->currentIndex();
    wizard.nextButton->click();
    EXPECT_EQ(wizard.pages->currentIndex(), page);
    expectOneError(text);
    prompts.messages.clear();
  }
  void expectPasses() {
    prompts.messages.clear();
    const int page = wizard.pages->currentIndex();
    wizard.nextButton->click();
    EXPECT_EQ(wizard.pages->currentIndex(), page + 1) << messageTexts().join('|').toStdString();
    wizard.backButton->click();
  }

  // The main window has its cursors before any wizard is made.
  bool cursorsLoaded = (loadBuiltinCursors(game.cursors), true);
  ImageGroupDialog editGroup;
  CursorSetupDialog customSetup{game.cursors, game.set};
  SetCreationWizard wizard{game.cursors, builtinPictures(), editGroup, customSetup};
  QString pict1, pict2;
};

}  // namespace

TEST_F(WizardTest, OpensOnStepOneWithTheBuiltInTexts) {
  EXPECT_EQ(wizard.windowTitle(), QStringLiteral("Pie Vorb Quarn - Create New eXtended Image Set Wizard"));
  // At least its first size, and as large as its fullest page needs in the face in use.
  EXPECT_GE(wizard.width(), 592);
  EXPECT_GE(wizard.height(), 413);
  EXPECT_EQ(wizard.minimumSize(), wizard.maximumSize());
  for (int page = 0; page < wizard.pages->count(); ++page) {
    const QWidget* p = wizard.pages->widget(page);
    EXPECT_LE(p->minimumSizeHint().width(), wizard.pages->width()) << page;
    EXPECT_LE(p->layout()->totalHeightForWidth(wizard.pages->width()), wizard.pages->height()) << page;
  }
  EXPECT_TRUE(wizard.rect().contains(wizard.cancelButton->geometry()));
  EXPECT_LT(wizard.pages->geometry().bottom(), wizard.cancelButton->y());
  EXPECT_TRUE(wizard.windowFlags() & Qt::WindowStaysOnTopHint);
  EXPECT_TRUE(wizard.isModal());
  EXPECT_EQ(wizard.pages->count(), 6);
  EXPECT_EQ(wizard.pageTitle->text(), QStringLiteral("Step 1 of 6"));
  EXPECT_FALSE(wizard.backButton->isEnabled());
  EXPECT_TRUE(wizard.nextButton->isEnabled());
  EXPECT_EQ(wizard.cancelButton->text(), QStringLiteral("&Cancel"));
  EXPECT_EQ(wizard.prefixEdit->text(), QStringLiteral("Congratulations, in 30 seconds you managed to throw"));
  EXPECT_EQ(wizard.suffixEdit->text(), QStringLiteral("pies at Vorb Quarn.  Did you enjoy it?  Your Score Is:"));
  EXPECT_EQ(wizard.ratingEdits[7]->text(), QStringLiteral("A VERY good score, keep going!"));
  EXPECT_EQ(wizard.ratingEdits[7]->maxLength(), 240);
  EXPECT_EQ(wizard.setNameEdit->maxLength(), 200);
  EXPECT_EQ(wizard.urlEdit->text(), QStringLiteral("http://"));
  ASSERT_EQ(wizard.tickModeBox->count(), 6);
  EXPECT_EQ(wizard.tickModeBox->itemText(4), QStringLiteral("Play Once (CountDown)"));
  EXPECT_EQ(wizard.tickModeBox->currentIndex(), 0);
  EXPECT_EQ(wizard.cursorChoice, 1);
  EXPECT_TRUE(wizard.cursorTiles[0]->selected());
  EXPECT_TRUE(wizard.customCursorBox->isHidden());
  for (CursorTile* tile : wizard.cursorTiles) {
    EXPECT_FALSE(tile->picture.isNull()) << tile->slot;
    EXPECT_EQ(tile->cursor().shape(), Qt::BitmapCursor) << tile->slot;
  }
  EXPECT_EQ(wizard.cursorTiles[7]->cursor().pixmap().toImage(), game.cursors.get(9)->pixmap().toImage());
  EXPECT_FALSE(wizard.cursorTiles[7]->cursor().pixmap().isNull());
  EXPECT_EQ(swatchColour(wizard.titleColourSwatch), 0x000000FFu);
  EXPECT_EQ(swatchColour(wizard.pageColourSwatch), 0x00FFFFFFu);

  // Showing it again puts the texts and the tile back.
  wizard.prefixEdit->setText(QStringLiteral("changed"));
  wizard.ratingEdits[0]->setText(QStringLiteral("changed"));
  wizard.tickModeBox->setCurrentIndex(3);
  wizard.chooseCursor(8);
  wizard.resetFields();
  EXPECT_EQ(wizard.prefixEdit->text(), QStringLiteral("Congratulations, in 30 seconds you managed to throw"));
  EXPECT_EQ(wizard.ratingEdits[0]->text(), QStringLiteral("Hey, you're not very good at this are you..."));
  EXPECT_EQ(wizard.tickModeBox->currentIndex(), 0);
  EXPECT_EQ(wizard.cursorChoice, 1);
  EXPECT_FALSE(wizard.cursorTiles[7]->selected());
}

TEST_F(WizardTest, EachStepChecksItsOwnInputsOnNext) {
  expectBlocked(QStringLiteral("Cannot find the specified images..."));
  wizard.figureFileLabel->setText(pict1);
  wizard.splatFileLabel->setText(dir.path());  // a folder is no file
  expectBlocked(QStringLiteral("Cannot find the specified images..."));
  fillValid();
  goTo(1);
  EXPECT_EQ(wizard.pageTitle->text(), QStringLiteral("Step 2 of 6"));

  // Any one of the four pictures missing blocks, whatever the others hold.
  for (QLineEdit* missing : {wizard.titleFile, wizard.digitsFile, wizard.countFile, wizard.miscFile}) {
    for (QLineEdit* field : {wizard.titleFile, wizard.digitsFile, wizard.countFile, wizard.miscFile})
      field->setText(field == missing ? dir.filePath("gone.bmp") : pict1);
    expectBlocked(QStringLiteral("One of the above specified files cound not be found..."));
  }
  for (QLineEdit* field : {wizard.digitsFile, wizard.countFile, wizard.miscFile}) field->clear();
  goTo(2);

  // Any one of the four waves bad blocks, on its own line.
  const QString bad = write("bad.wav", QByteArray(80, 'x'));
  const QString good = write("good.wav", goodWave(300));
  for (QLineEdit* wrong : wizard.waveFiles) {
    QStringList lines;
    for (QLineEdit* field : wizard.waveFiles) {
      field->setText(field == wrong ? bad : good);
      lines << (field == wrong ? QStringLiteral("File bad.wav is NOT wave file...") : QString());
    }
    expectBlocked(lines.join(QStringLiteral("\n\r")));
  }
  for (QLineEdit* field : wizard.waveFiles) field->clear();
  wizard.waveFiles[indexOf(SoundEffect::Splat)]->setText(write("splat.wav", goodWave(300)));
  wizard.musicFile->setText(write("tune.mid", smallTune()));
  goTo(3);

  wizard.setNameEdit->clear();
  expectBlocked(QStringLiteral("This image set has no name..."));
  wizard.setNameEdit->setText(QStringLiteral("   "));
  goTo(4);

  wizard.chooseCursor(8);
  EXPECT_FALSE(wizard.customCursorBox->isHidden());
  EXPECT_TRUE(wizard.cursorTiles[7]->selected());
  EXPECT_FALSE(wizard.cursorTiles[0]->selected());
  expectBlocked(QStringLiteral("Cursor BMP file was not found..."));
  // A file that is there but is no picture would give an invisible cursor.
  wizard.cursorFile->setText(write("cursor.bmp", QByteArray(200, 'x')));
  expectBlocked(QStringLiteral("Cursor BMP file could not be loaded..."));
  wizard.cursorFile->setText(write("cursor.bmp", bmpBytes(indexedPicture(32, 32, qRgb(255, 255, 255)))));
  expectPasses();
  wizard.chooseCursor(3);
  EXPECT_TRUE(wizard.customCursorBox->isHidden());
  goTo(5);

  EXPECT_EQ(wizard.pageTitle->text(), QStringLiteral("Step 6 of 6"));
  EXPECT_FALSE(wizard.nextButton->isEnabled());
  EXPECT_EQ(wizard.cancelButton->text(), QStringLiteral("&Quit"));
  const qint64 expected = QFile(pict1).size() + QFile(pict2).size() + QFile(pict1).size() + 300 + smallTune().size() + 3423;
  EXPECT_EQ(wizard.estimatedSize(), expected);
  EXPECT_EQ(wizard.estimateLabel->text(), QStringLiteral("%1 bytes   (%2k)").arg(expected).arg(expected / 1024));
  wizard.nextButton->click();
  EXPECT_EQ(wizard.pages->currentIndex(), 5);

  wizard.backButton->click();
  EXPECT_EQ(wizard.cancelButton->text(), QStringLiteral("&Cancel"));
  EXPECT_TRUE(wizard.nextButton->isEnabled());
}

TEST_F(WizardTest, ImageFilesComeOnlyFromTheGroupEditor) {
  prompts.onModal = [&](QDialog& dialog) {
    auto& editor = dynamic_cast<ImageGroupDialog&>(dialog);
    EXPECT_EQ(editor.figureFile->text(), QString());
    editor.figureFile->setText(pict1);
    editor.splatFile->setText(pict2);
    return int(QDialog::Accepted);
  };
  wizard.changeGroupFilesButton->click();
  EXPECT_EQ(wizard.figureFileLabel->text(), pict1);
  EXPECT_EQ(wizard.splatFileLabel->text(), pict2);

  prompts.onModal = [&](QDialog& dialog) {
    dynamic_cast<ImageGroupDialog&>(dialog).figureFile->setText(QStringLiteral("other"));
    return int(QDialog::Rejected);
  };
  wizard.changeGroupFilesButton->click();
  EXPECT_EQ(wizard.figureFileLabel->text(), pict1);
}

TEST_F(WizardTest, BrowseDialogsStartOnTheFieldsFileOrTheLastOne) {
  prompts.fileAnswers = {pict1, QString(), pict2};
  wizard.browseTitleButton->click();  // title
  EXPECT_EQ(wizard.titleFile->text(), pict1);
  ASSERT_EQ(prompts.fileRequests.size(), 1);
  EXPECT_EQ(prompts.fileRequests[0].title, QStringLiteral("Select Title File"));
  EXPECT_EQ(prompts.fileRequests[0].filter, QStringLiteral("Windows Bitmap (*.BMP)|*.bmp|All Files (*.*)|*.*"));
  EXPECT_EQ(prompts.fileRequests[0].defaultExt, QStringLiteral("BMP"));
  EXPECT_EQ(prompts.fileRequests[0].initialPath, QString());

  wizard.browseTitleButton->click();  // cancelled: unchanged, but started on the field's file
  EXPECT_EQ(wizard.titleFile->text(), pict1);
  EXPECT_EQ(prompts.fileRequests[1].initialPath, pict1);

  wizard.browseMiscButton->click();  // misc: the bitmap dialog last held pict1
  EXPECT_EQ(prompts.fileRequests[2].initialPath, pict1);
  EXPECT_EQ(wizard.miscFile->text(), pict2);

  wizard.browseMusicButton->click();
  EXPECT_EQ(prompts.fileRequests[3].title, QStringLiteral("Select MIDI sequence for in-game music"));
  EXPECT_EQ(prompts.fileRequests[3].filter, QStringLiteral("MIDI Files (*.MID,*.RMI)|*.mid;*.rmi|All Files (*.*)|*.*"));
  EXPECT_EQ(prompts.fileRequests[3].initialPath, QString());  // its own dialog, nothing held yet
  wizard.browseOutFileButton->click();
  EXPECT_TRUE(prompts.fileRequests[4].save);
  EXPECT_EQ(prompts.fileRequests[4].title, QStringLiteral("Enter new .XET filename:"));
  EXPECT_EQ(prompts.fileRequests[4].defaultExt, QStringLiteral("xet"));
}

TEST_F(WizardTest, ColourButtonsSetTheirSwatchUnlessCancelled) {
  QColor offered;
  wizard.chooseColour = [&](const QColor& initial, QWidget*) {
    offered = initial;
    return QColor(1, 2, 3);
  };
  wizard.titleColourButton->click();
  EXPECT_EQ(offered, QColor(255, 0, 0));
  EXPECT_EQ(swatchColour(wizard.titleColourSwatch), 0x00030201u);
  wizard.chooseColour = [](const QColor&, QWidget*) { return QColor(); };
  wizard.pageColourButton->click();
  EXPECT_EQ(swatchColour(wizard.pageColourSwatch), 0x00FFFFFFu);
}

TEST_F(WizardTest, OutputNameShowsSizesOnlyForXetFiles) {
  wizard.showEstimatedSize(5000);
  for (const QString& name : {dir.filePath("a.xet"), dir.filePath("b.XeT")}) {
    wizard.outFile->setText(name);
    EXPECT_FALSE(wizard.sizePanel->isHidden()) << name.toStdString();
  }
  const qint64 free = SetCreationWizard::freeSpaceFor(dir.filePath("a.xet"));
  ASSERT_GT(free, 5000);
  // The disk is shared, so its free space may move between two looks at it.
  const QRegularExpressionMatch shown =
      QRegularExpression(QStringLiteral("^(\\d+) bytes  \\((\\d+)k\\)$")).match(wizard.freeSpaceLabel->text());
  ASSERT_TRUE(shown.hasMatch()) << wizard.freeSpaceLabel->text().toStdString();
  EXPECT_NEAR(double(shown.captured(1).toLongLong()), double(free), 256.0 * 1024 * 1024);
  EXPECT_EQ(shown.captured(2).toLongLong(), shown.captured(1).toLongLong() / 1024);
  EXPECT_TRUE(wizard.warningLabel->isHidden());

  // More than the disk holds warns but does not block.
  wizard.showEstimatedSize(free * 2);
  wizard.refreshSizesButton->click();
  EXPECT_FALSE(wizard.warningLabel->isHidden());
  EXPECT_TRUE(wizard.createButton->isEnabled());

  for (const QString& name : {dir.filePath("a.XET.BAK"), dir.filePath("set.xet/"), dir.filePath("noext"), QString()}) {
    wizard.outFile->setText(name);
    EXPECT_TRUE(wizard.sizePanel->isHidden()) << name.toStdString();
  }
}

TEST_F(WizardTest, CreateWritesTheSetTheReaderLoads) {
  fillValid();
  wizard.authorEdit->setText(QStringLiteral("Tester"));
  wizard.tickModeBox->setCurrentIndex(4);
  wizard.waveFiles[indexOf(SoundEffect::Tick)]->setText(write("tick.wav", goodWave(700)));
  const QImage cursorPicture = indexedPicture(32, 32, qRgb(0, 0, 0));
  wizard.cursorFile->setText(write("cursor.bmp", bmpBytes(cursorPicture)));
  wizard.chooseCursor(8);
  customSetup.hotSpotX->setValue(12);
  goTo(5);
  wizard.outFile->setText(dir.filePath("made.xet"));

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
        statusWhileMessage = p->statusLabel->text();
      }
    EXPECT_FALSE(wizard.isEnabled());
    // Leaving while the file is written waits for the writer.
    wizard.cancel();
    EXPECT_EQ(wizard.result(), 42);
  };
  wizard.setResult(42);
  wizard.createButton->click();
  EXPECT_EQ(wizard.result(), QDialog::Rejected);
  QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);

  ASSERT_EQ(spy.messages.size(), 1);
  EXPECT_EQ(spy.messages[0].text, QStringLiteral("eXtended Image Set File Created Sucessfully..."));
  EXPECT_EQ(spy.messages[0].caption, QStringLiteral("Sucess!"));
  EXPECT_EQ(spy.messages[0].icon, BoxIcon::Information);
  EXPECT_EQ(progressSeen, 1);
  EXPECT_EQ(statusWhileMessage, QStringLiteral("Finished!"));
  for (QWidget* w : QApplication::topLevelWidgets()) EXPECT_EQ(qobject_cast<CreationProgressDialog*>(w), nullptr);
  EXPECT_TRUE(wizard.isEnabled());
  EXPECT_EQ(wizard.pages->currentIndex(), 5);

  QFile made(dir.filePath("made.xet"));
  ASSERT_TRUE(made.open(QIODevice::ReadOnly));
  const QByteArray file = made.readAll();
  const CursorPlanes planes = makeCursorPlanes(cursorPicture);
  EXPECT_EQ(file.mid(xet::HeaderEnd, 256), QByteArray(reinterpret_cast<const char*>(planes.data()), 256));
  EXPECT_EQ(file.size(), wizard.estimatedSize());

  loadExtendedSet(game, dir.filePath("made.xet"), false);
  EXPECT_EQ(spy.messages.size(), 1);  // the reader found nothing to complain about
  EXPECT_EQ(game.set.setTitle, QStringLiteral("Wizard Set"));
  EXPECT_EQ(game.set.header.author.text(), QStringLiteral("Tester"));
  EXPECT_EQ(game.set.header.tickSoundMode, 4);
  EXPECT_EQ(game.set.header.hotSpotX, 12);
  EXPECT_EQ(game.set.header.cursorIndex, 8);
  EXPECT_EQ(game.set.sound(SoundEffect::Tick).data.size(), 700u);
}

TEST_F(WizardTest, CreateRefusesToOverwriteAnInputAndReportsOpenFailures) {
  fillValid();
  goTo(5);
  const QByteArray before = bmpBytes(indexedPicture(224, 108, qRgb(200, 0, 0)));
  wizard.outFile->setText(pict1);
  wizard.createButton->click();
  ASSERT_EQ(prompts.messages.size(), 1);
  EXPECT_EQ(prompts.messages[0].caption, QStringLiteral("Error"));
  QFile input(pict1);
  ASSERT_TRUE(input.open(QIODevice::ReadOnly));
  EXPECT_EQ(input.readAll(), before);

  prompts.messages.clear();
  wizard.outFile->setText(dir.filePath("missing/folder/x.xet"));
  wizard.createButton->click();
  expectOneError(QStringLiteral("Unable to open the output file for writing..."));
}

TEST_F(WizardTest, CustomCursorSetUpNeedsAnExistingBitmap) {
  wizard.chooseCursor(8);
  wizard.setUpCursorButton->click();
  expectOneError(QStringLiteral("Error, bitmap file not found..."));
  EXPECT_TRUE(prompts.modalTitles.isEmpty());

  prompts.messages.clear();
  wizard.cursorFile->setText(write("cursor.bmp", bmpBytes(indexedPicture(32, 32, qRgb(255, 0, 0)))));
  wizard.setUpCursorButton->click();
  EXPECT_TRUE(prompts.messages.isEmpty());
  EXPECT_EQ(prompts.modalTitles.size(), 1);
}

// Fields show the start of what they hold and have room for a file name.
TEST_F(WizardTest, FieldsShowTheirBeginningAndHaveRoom) {
  wizard.show();
  for (int page = 0; page < wizard.pages->count(); ++page) {
    wizard.pages->setCurrentIndex(page);
    QApplication::processEvents();
  }
  for (QLineEdit* field : wizard.findChildren<QLineEdit*>())
    EXPECT_EQ(field->cursorPosition(), 0) << field->text().toStdString();
  EXPECT_GT(wizard.prefixEdit->text().size(), 30);
  for (QLineEdit* field : wizard.waveFiles) EXPECT_GE(field->width(), 180);
  EXPECT_GE(wizard.musicFile->width(), 180);
  EXPECT_GE(wizard.cursorFile->width(), 200);
  wizard.cancelButton->click();
}

TEST_F(WizardTest, PagesRender) {
  fillValid();
  wizard.chooseCursor(8);
  wizard.outFile->setText(dir.filePath("look.xet"));
  wizard.showEstimatedSize(123456);
  wizard.outFileChanged();
  for (int page = 0; page < 6; ++page) {
    wizard.pages->setCurrentIndex(page);
    const QImage shot = wizard.grab().toImage();
    EXPECT_EQ(shot.size(), wizard.size());
    // PVQ_WIZARD_PNG names a folder to keep the pages in, for a look by eye.
    const QString keep = qEnvironmentVariable("PVQ_WIZARD_PNG");
    if (!keep.isEmpty()) shot.save(keep + QStringLiteral("/page%1.png").arg(page + 1));
  }
}
