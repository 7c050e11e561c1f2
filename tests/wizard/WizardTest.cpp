#include <QApplication>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QStackedWidget>

#include "imageset/BmpDecode.h"
#include "imageset/SetReaders.h"
#include "imageset/SetTestSupport.h"
#include "wizard/Cp.h"
#include "wizard/Cust.h"
#include "wizard/Grped.h"
#include "wizard/Wizard.h"

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
    wizard.TheFName1->setText(pict1);
    wizard.TheFName2->setText(pict2);
    wizard.Name->setText(QStringLiteral("Wizard Set"));
  }
  void goTo(int page) {
    while (wizard.Notebook1->currentIndex() < page) {
      const int before = wizard.Notebook1->currentIndex();
      wizard.Button2->click();
      ASSERT_EQ(wizard.Notebook1->currentIndex(), before + 1) << messageTexts().join('|').toStdString();
    }
  }
  // Next on the page shown, expecting to stay there with this message.
  void expectBlocked(const QString& text) {
    prompts.messages.clear();
    const int page = wizard.Notebook1->currentIndex();
    wizard.Button2->click();
    EXPECT_EQ(wizard.Notebook1->currentIndex(), page);
    expectOneError(text);
    prompts.messages.clear();
  }
  void expectPasses() {
    prompts.messages.clear();
    const int page = wizard.Notebook1->currentIndex();
    wizard.Button2->click();
    EXPECT_EQ(wizard.Notebook1->currentIndex(), page + 1) << messageTexts().join('|').toStdString();
    wizard.Button3->click();
  }

  // The main window has its cursors before any wizard is made.
  bool cursorsLoaded = (LoadBuiltinCursors(game.cursors), true);
  TEditGroup editGroup;
  TCustomSetup customSetup{game};
  TForm3 wizard{game, editGroup, customSetup};
  QString pict1, pict2;
};

}  // namespace

TEST_F(WizardTest, OpensOnStepOneWithTheBuiltInTexts) {
  EXPECT_EQ(wizard.windowTitle(), QStringLiteral("Pie Vorb Quarn - Create New eXtended Image Set Wizard"));
  EXPECT_EQ(wizard.size(), QSize(592, 413));
  EXPECT_TRUE(wizard.windowFlags() & Qt::WindowStaysOnTopHint);
  EXPECT_TRUE(wizard.isModal());
  EXPECT_EQ(wizard.Notebook1->count(), 6);
  EXPECT_EQ(wizard.PagePanel->text(), QStringLiteral("Step 1 of 6"));
  EXPECT_FALSE(wizard.Button3->isEnabled());
  EXPECT_TRUE(wizard.Button2->isEnabled());
  EXPECT_EQ(wizard.Button1->text(), QStringLiteral("&Cancel"));
  EXPECT_EQ(wizard.M1->text(), QStringLiteral("Congratulations, in 30 seconds you managed to throw"));
  EXPECT_EQ(wizard.M2->text(), QStringLiteral("pies at Vorb Quarn.  Did you enjoy it?  Your Score Is:"));
  EXPECT_EQ(wizard.C[7]->text(), QStringLiteral("A VERY good score, keep going!"));
  EXPECT_EQ(wizard.C[7]->maxLength(), 240);
  EXPECT_EQ(wizard.Name->maxLength(), 200);
  EXPECT_EQ(wizard.URL->text(), QStringLiteral("http://"));
  ASSERT_EQ(wizard.PlayMode->count(), 6);
  EXPECT_EQ(wizard.PlayMode->itemText(4), QStringLiteral("Play Once (CountDown)"));
  EXPECT_EQ(wizard.PlayMode->currentIndex(), 0);
  EXPECT_EQ(wizard.CursorChoice, 1);
  EXPECT_TRUE(wizard.B[0]->selected());
  EXPECT_TRUE(wizard.GB1->isHidden());
  for (TCursorTile* tile : wizard.B) {
    EXPECT_FALSE(tile->picture.isNull()) << tile->Tag;
    EXPECT_EQ(tile->cursor().shape(), Qt::BitmapCursor) << tile->Tag;
  }
  EXPECT_EQ(wizard.B[7]->cursor().bitmap().toImage(), game.cursors.get(9)->bitmap().toImage());
  EXPECT_EQ(SwatchColour(wizard.Examp), 0x000000FFu);
  EXPECT_EQ(SwatchColour(wizard.Bg2), 0x00FFFFFFu);

  // Showing it again puts the texts and the tile back.
  wizard.M1->setText(QStringLiteral("changed"));
  wizard.C[0]->setText(QStringLiteral("changed"));
  wizard.PlayMode->setCurrentIndex(3);
  wizard.B7Click(8);
  wizard.FormShow();
  EXPECT_EQ(wizard.M1->text(), QStringLiteral("Congratulations, in 30 seconds you managed to throw"));
  EXPECT_EQ(wizard.C[0]->text(), QStringLiteral("Hey, you're not very good at this are you..."));
  EXPECT_EQ(wizard.PlayMode->currentIndex(), 0);
  EXPECT_EQ(wizard.CursorChoice, 1);
  EXPECT_FALSE(wizard.B[7]->selected());
}

TEST_F(WizardTest, EachStepChecksItsOwnInputsOnNext) {
  expectBlocked(QStringLiteral("Cannot find the specified images..."));
  wizard.TheFName1->setText(pict1);
  wizard.TheFName2->setText(dir.path());  // a folder is no file
  expectBlocked(QStringLiteral("Cannot find the specified images..."));
  fillValid();
  goTo(1);
  EXPECT_EQ(wizard.PagePanel->text(), QStringLiteral("Step 2 of 6"));

  wizard.F1->setText(pict1);
  wizard.F3->setText(dir.filePath("gone.bmp"));
  expectBlocked(QStringLiteral("One of the above specified files cound not be found..."));
  wizard.F3->clear();
  goTo(2);

  wizard.FName3->setText(write("bad.wav", QByteArray(80, 'x')));
  expectBlocked(QStringLiteral("\n\r\n\rFile bad.wav is NOT wave file...\n\r"));
  wizard.FName3->setText(write("splat.wav", goodWave(300)));
  wizard.FName5->setText(write("tune.mid", smallTune()));
  goTo(3);

  wizard.Name->clear();
  expectBlocked(QStringLiteral("This image set has no name..."));
  wizard.Name->setText(QStringLiteral("   "));
  goTo(4);

  wizard.B7Click(8);
  EXPECT_FALSE(wizard.GB1->isHidden());
  EXPECT_TRUE(wizard.B[7]->selected());
  EXPECT_FALSE(wizard.B[0]->selected());
  expectBlocked(QStringLiteral("Cursor BMP file was not found..."));
  wizard.B7Click(3);
  EXPECT_TRUE(wizard.GB1->isHidden());
  goTo(5);

  EXPECT_EQ(wizard.PagePanel->text(), QStringLiteral("Step 6 of 6"));
  EXPECT_FALSE(wizard.Button2->isEnabled());
  EXPECT_EQ(wizard.Button1->text(), QStringLiteral("&Quit"));
  const qint64 expected = QFile(pict1).size() + QFile(pict2).size() + QFile(pict1).size() + 300 + smallTune().size() + 3423;
  EXPECT_EQ(wizard.EstFilesize->text(), QStringLiteral("%1 bytes   (%2k)").arg(expected).arg(expected / 1024));
  wizard.Button2->click();
  EXPECT_EQ(wizard.Notebook1->currentIndex(), 5);

  wizard.Button3->click();
  EXPECT_EQ(wizard.Button1->text(), QStringLiteral("&Cancel"));
  EXPECT_TRUE(wizard.Button2->isEnabled());
}

TEST_F(WizardTest, ImageFilesComeOnlyFromTheGroupEditor) {
  prompts.onModal = [&](QDialog& dialog) {
    auto& editor = dynamic_cast<TEditGroup&>(dialog);
    EXPECT_EQ(editor.P1->text(), QString());
    editor.P1->setText(pict1);
    editor.P2->setText(pict2);
    return int(QDialog::Accepted);
  };
  wizard.Button4->click();
  EXPECT_EQ(wizard.TheFName1->text(), pict1);
  EXPECT_EQ(wizard.TheFName2->text(), pict2);

  prompts.onModal = [&](QDialog& dialog) {
    dynamic_cast<TEditGroup&>(dialog).P1->setText(QStringLiteral("other"));
    return int(QDialog::Rejected);
  };
  wizard.Button4->click();
  EXPECT_EQ(wizard.TheFName1->text(), pict1);
}

TEST_F(WizardTest, BrowseDialogsStartOnTheFieldsFileOrTheLastOne) {
  prompts.fileAnswers = {pict1, QString(), pict2};
  wizard.Button11->click();  // title
  EXPECT_EQ(wizard.F1->text(), pict1);
  ASSERT_EQ(prompts.fileRequests.size(), 1);
  EXPECT_EQ(prompts.fileRequests[0].title, QStringLiteral("Select Title File"));
  EXPECT_EQ(prompts.fileRequests[0].filter, QStringLiteral("Windows Bitmap (*.BMP)|*.bmp|All Files (*.*)|*.*"));
  EXPECT_EQ(prompts.fileRequests[0].defaultExt, QStringLiteral("BMP"));
  EXPECT_EQ(prompts.fileRequests[0].initialPath, QString());

  wizard.Button11->click();  // cancelled: unchanged, but started on the field's file
  EXPECT_EQ(wizard.F1->text(), pict1);
  EXPECT_EQ(prompts.fileRequests[1].initialPath, pict1);

  wizard.Button13->click();  // misc: the bitmap dialog last held pict1
  EXPECT_EQ(prompts.fileRequests[2].initialPath, pict1);
  EXPECT_EQ(wizard.F4->text(), pict2);

  wizard.Button19->click();
  EXPECT_EQ(prompts.fileRequests[3].title, QStringLiteral("Select MIDI sequence for in-game music"));
  EXPECT_EQ(prompts.fileRequests[3].filter, QStringLiteral("MIDI Files (*.MID,*.RMI)|*.mid;*.rmi|All Files (*.*)|*.*"));
  EXPECT_EQ(prompts.fileRequests[3].initialPath, QString());  // its own dialog, nothing held yet
  wizard.Button8->click();
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
  wizard.Button21->click();
  EXPECT_EQ(offered, QColor(255, 0, 0));
  EXPECT_EQ(SwatchColour(wizard.Examp), 0x00030201u);
  wizard.chooseColour = [](const QColor&, QWidget*) { return QColor(); };
  wizard.Button22->click();
  EXPECT_EQ(SwatchColour(wizard.Bg2), 0x00FFFFFFu);
}

TEST_F(WizardTest, OutputNameShowsSizesOnlyForXetFiles) {
  wizard.EstFilesize->setText(QStringLiteral("5000 bytes   (4k)"));
  for (const QString& name : {dir.filePath("a.xet"), dir.filePath("b.XeT")}) {
    wizard.OutFile->setText(name);
    EXPECT_FALSE(wizard.Panel12->isHidden()) << name.toStdString();
  }
  const qint64 free = TForm3::FreeSpaceFor(dir.filePath("a.xet"));
  ASSERT_GT(free, 5000);
  EXPECT_EQ(wizard.AvailSpace->text(), QStringLiteral("%1 bytes  (%2k)").arg(free).arg(free / 1024));
  EXPECT_TRUE(wizard.Warning->isHidden());

  // More than the disk holds warns but does not block.
  wizard.EstFilesize->setText(QStringLiteral("%1 bytes").arg(free + 1));
  wizard.Button9->click();
  EXPECT_FALSE(wizard.Warning->isHidden());
  EXPECT_TRUE(wizard.Button10->isEnabled());

  for (const QString& name : {dir.filePath("a.XET.BAK"), dir.filePath("set.xet/"), dir.filePath("noext"), QString()}) {
    wizard.OutFile->setText(name);
    EXPECT_TRUE(wizard.Panel12->isHidden()) << name.toStdString();
  }
}

TEST_F(WizardTest, CreateWritesTheSetTheReaderLoads) {
  fillValid();
  wizard.Author->setText(QStringLiteral("Tester"));
  wizard.PlayMode->setCurrentIndex(4);
  wizard.FName2->setText(write("tick.wav", goodWave(700)));
  const QImage cursorPicture = indexedPicture(32, 32, qRgb(0, 0, 0));
  wizard.CursorFilename->setText(write("cursor.bmp", bmpBytes(cursorPicture)));
  wizard.B7Click(8);
  customSetup.X1->setValue(12);
  goTo(5);
  wizard.OutFile->setText(dir.filePath("made.xet"));

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
      if (auto* p = qobject_cast<TCreateProgress*>(w); p && p->isVisible()) {
        ++progressSeen;
        statusWhileMessage = p->Status->text();
      }
    EXPECT_FALSE(wizard.isEnabled());
    // Leaving while the file is written waits for the writer.
    wizard.Button1Click();
    EXPECT_EQ(wizard.result(), 42);
  };
  wizard.setResult(42);
  wizard.Button10->click();
  EXPECT_EQ(wizard.result(), QDialog::Rejected);
  QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);

  ASSERT_EQ(spy.messages.size(), 1);
  EXPECT_EQ(spy.messages[0].text, QStringLiteral("eXtended Image Set File Created Sucessfully..."));
  EXPECT_EQ(spy.messages[0].caption, QStringLiteral("Sucess!"));
  EXPECT_EQ(spy.messages[0].icon, BoxIcon::Information);
  EXPECT_EQ(progressSeen, 1);
  EXPECT_EQ(statusWhileMessage, QStringLiteral("Finished!"));
  for (QWidget* w : QApplication::topLevelWidgets()) EXPECT_EQ(qobject_cast<TCreateProgress*>(w), nullptr);
  EXPECT_TRUE(wizard.isEnabled());
  EXPECT_EQ(wizard.Notebook1->currentIndex(), 5);

  QFile made(dir.filePath("made.xet"));
  ASSERT_TRUE(made.open(QIODevice::ReadOnly));
  const QByteArray file = made.readAll();
  const CursorPlanes planes = MakeCursorPlanes(cursorPicture);
  EXPECT_EQ(file.mid(xet::HeaderEnd, 256), QByteArray(reinterpret_cast<const char*>(planes.data()), 256));
  EXPECT_EQ(file.size(), wizard.EstFilesize->text().section(' ', 0, 0).toLongLong());

  LoadExtendedSet(game, dir.filePath("made.xet"), false);
  EXPECT_EQ(spy.messages.size(), 1);  // the reader found nothing to complain about
  EXPECT_EQ(game.set.setTitle, QStringLiteral("Wizard Set"));
  EXPECT_EQ(game.set.header.Author.text(), QStringLiteral("Tester"));
  EXPECT_EQ(game.set.header.TickSoundMode, 4);
  EXPECT_EQ(game.set.header.HotSpotX, 12);
  EXPECT_EQ(game.set.header.CursorIndex, 8);
  EXPECT_EQ(game.set.TickSound.data.size(), 700u);
}

TEST_F(WizardTest, CreateRefusesToOverwriteAnInputAndReportsOpenFailures) {
  fillValid();
  goTo(5);
  const QByteArray before = bmpBytes(indexedPicture(224, 108, qRgb(200, 0, 0)));
  wizard.OutFile->setText(pict1);
  wizard.Button10->click();
  ASSERT_EQ(prompts.messages.size(), 1);
  EXPECT_EQ(prompts.messages[0].caption, QStringLiteral("Error"));
  QFile input(pict1);
  ASSERT_TRUE(input.open(QIODevice::ReadOnly));
  EXPECT_EQ(input.readAll(), before);

  prompts.messages.clear();
  wizard.OutFile->setText(dir.filePath("missing/folder/x.xet"));
  wizard.Button10->click();
  expectOneError(QStringLiteral("Unable to open the output file for writing..."));
}

TEST_F(WizardTest, CustomCursorSetUpNeedsAnExistingBitmap) {
  wizard.B7Click(8);
  wizard.Button20->click();
  expectOneError(QStringLiteral("Error, bitmap file not found..."));
  EXPECT_TRUE(prompts.modalTitles.isEmpty());

  prompts.messages.clear();
  wizard.CursorFilename->setText(write("cursor.bmp", bmpBytes(indexedPicture(32, 32, qRgb(255, 0, 0)))));
  wizard.Button20->click();
  EXPECT_TRUE(prompts.messages.isEmpty());
  EXPECT_EQ(prompts.modalTitles.size(), 1);
}

TEST_F(WizardTest, PagesRender) {
  fillValid();
  wizard.B7Click(8);
  wizard.OutFile->setText(dir.filePath("look.xet"));
  wizard.EstFilesize->setText(QStringLiteral("123456 bytes   (120k)"));
  wizard.OutFileChange();
  for (int page = 0; page < 6; ++page) {
    wizard.Notebook1->setCurrentIndex(page);
    const QImage shot = wizard.grab().toImage();
    EXPECT_EQ(shot.size(), QSize(592, 413));
    // PVQ_WIZARD_PNG names a folder to keep the pages in, for a look by eye.
    const QString keep = qEnvironmentVariable("PVQ_WIZARD_PNG");
    if (!keep.isEmpty()) shot.save(keep + QStringLiteral("/page%1.png").arg(page + 1));
  }
}
