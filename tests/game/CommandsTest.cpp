#include <gtest/gtest.h>

#include <QAction>
#include <QDropEvent>
#include <QLabel>
#include <QMenu>
#include <QMimeData>
#include <QTest>
#include <QUrl>

#include "about/Ab.h"
#include "imageset/SetFileBuilder.h"
#include "scores/Gameover.h"
#include "scores/Hs.h"
#include "sound/WaveEngine.h"
#include "support/WindowFixture.h"
#include "wizard/Cust.h"
#include "wizard/Wizard.h"

#include <QSpinBox>

namespace {

QStringList describe(const QMenu* menu) {
  QStringList out;
  for (const QAction* a : menu->actions()) {
    QString line = a->objectName() + QLatin1Char('=') + (a->isSeparator() ? QStringLiteral("-") : a->text());
    if (a->menu()) line += QLatin1String(" {") + describe(a->menu()).join(QStringLiteral("; ")) + QLatin1Char('}');
    out << line;
  }
  return out;
}

TEST(Commands, MenuItemsStandInOrder) {
  WindowFixture f;
  EXPECT_EQ(describe(f.form->MyMenu),
            (QStringList{
                "CustomImageSets1=Custom &Image Sets {ResetPieVorbQuarntoDefaults1=Reset Pie Vorb Quarn to Defaults; "
                "N5=-; LoadseperateBMPimagesforanimation1=Load &BMP images for game...; "
                "LoadCustomImageSet1=&Load Custom Image Set...; N6=-; "
                "Aboutcurrentimageset1=&About Current Image Set...; N2=-; "
                "UseImageSetCreationWizard1=Use eXtended Image Set Creation &Wizard...}",
                "ViewHighscoreTable1=&View Local Highscore Table...", "N3=-",
                "GotoPieVorbQuarnWebsite1=&Goto Pie Vorb Quarn Website...",
                "AboutPieVorbQuarn1=&About Pie Vorb Quarn...", "N4=-", "Quit1=&Quit..."}));
}

TEST(Commands, OpeningTheMenuEndsAGameAndPressesTheButton) {
  WindowFixture f;
  f.game().Image5MouseDown(kStartHole);
  ASSERT_EQ(f.game().GameState, CountingDown);
  int buttonTopWhileOpen = 0;
  f.prompts.onMenu = [&](QMenu&) { buttonTopWhileOpen = f.form->Image17->y(); };
  QTest::mouseClick(f.form->Image17, Qt::LeftButton, {}, QPoint(20, 20));
  EXPECT_EQ(f.game().GameState, Idle);
  EXPECT_FALSE(f.form->Animate->isActive());
  EXPECT_EQ(f.form->Image18->y(), -49);
  EXPECT_EQ(buttonTopWhileOpen, -49);
  EXPECT_EQ(f.form->Image17->y(), 1);
  ASSERT_EQ(f.prompts.menuPoints.size(), 1);
  EXPECT_EQ(f.prompts.menuPoints[0], f.form->Panel5->mapToGlobal(QPoint(29, 36)));
  EXPECT_TRUE(f.prompts.messages.isEmpty());
}

TEST(Commands, QuitAsksFirst) {
  WindowFixture f;
  f.prompts.confirmAnswers = {false, true};
  f.form->menuItem("Quit1")->trigger();
  ASSERT_EQ(f.prompts.questions.size(), 1);
  EXPECT_EQ(f.prompts.questions[0].text, QStringLiteral("Quit Pie Vorb Quarn? Really?"));
  EXPECT_EQ(f.prompts.questions[0].caption, QStringLiteral("Quit?"));
  EXPECT_TRUE(f.form->isVisible());
  f.form->menuItem("Quit1")->trigger();
  EXPECT_FALSE(f.form->isVisible());
}

TEST(Commands, DialogsOpenModallyFromTheMenu) {
  WindowFixture f;
  f.form->menuItem("ViewHighscoreTable1")->trigger();
  f.form->menuItem("AboutPieVorbQuarn1")->trigger();
  f.form->menuItem("Aboutcurrentimageset1")->trigger();
  ASSERT_EQ(f.prompts.modalTitles.size(), 3);
  EXPECT_EQ(f.prompts.modalTitles[0], f.form->Scores->windowTitle());
  EXPECT_EQ(f.prompts.modalTitles[1], QStringLiteral("About Pie Vorb Quarn"));
  EXPECT_EQ(f.prompts.modalTitles[2], QStringLiteral("About Current Image Set..."));
  f.form->menuItem("GotoPieVorbQuarnWebsite1")->trigger();
  ASSERT_EQ(f.prompts.openedUrls.size(), 1);
  EXPECT_TRUE(f.prompts.openedUrls[0].startsWith(QStringLiteral("http")));
}

TEST(Commands, TheWizardOpensFreshWithTheHotSpotAtZero) {
  WindowFixture f;
  f.form->CustomSetup->X1->setValue(7);
  f.form->CustomSetup->Y1->setValue(9);
  int hotX = -1, hotY = -1;
  f.prompts.onModal = [&](QDialog&) {
    hotX = f.form->CustomSetup->X1->value();
    hotY = f.form->CustomSetup->Y1->value();
    return int(QDialog::Rejected);
  };
  f.form->menuItem("UseImageSetCreationWizard1")->trigger();
  ASSERT_EQ(f.prompts.modalTitles.size(), 1);
  EXPECT_EQ(f.prompts.modalTitles[0], QStringLiteral("Pie Vorb Quarn - Create New eXtended Image Set Wizard"));
  EXPECT_EQ(hotX, 0);
  EXPECT_EQ(hotY, 0);
  // The wizard is gone once closed: nothing of it stays among the window's children.
  EXPECT_TRUE(f.form->findChildren<TForm3*>().isEmpty());
}

TEST(Commands, SoundIconFollowsTheEngine) {
  WindowFixture::Options o;
  o.recordSound = false;
  WindowFixture f(o);
  EXPECT_EQ(f.form->Stat->y(), 0);
  EXPECT_EQ(f.form->Stat->toolTip(), QStringLiteral("Sound Enabled!"));
  EXPECT_TRUE(f.form->About->PE->isVisibleTo(f.form->About));
  QTest::mouseClick(f.form->Stat, Qt::LeftButton, {}, QPoint(5, 25));
  EXPECT_EQ(f.form->engine().soundState(), SoundState::Muted);
  EXPECT_EQ(f.form->Stat->y(), -20);
  EXPECT_EQ(f.form->Stat->toolTip(), QStringLiteral("Sound Muted"));
  QTest::mouseClick(f.form->Stat, Qt::LeftButton, {}, QPoint(5, 45));
  EXPECT_EQ(f.form->Stat->y(), 0);
  EXPECT_EQ(f.form->Stat->toolTip(), QStringLiteral("Sound Enabled!"));

  WindowFixture::Options none;
  none.recordSound = false;
  none.deviceOpens = false;
  WindowFixture g(none);
  EXPECT_EQ(g.form->Stat->y(), -40);
  EXPECT_EQ(g.form->Stat->toolTip(), QStringLiteral("Disabled (sound card in use, invalid or not found...)"));
  QTest::mouseClick(g.form->Stat, Qt::LeftButton, {}, QPoint(5, 45));
  EXPECT_EQ(g.form->engine().soundState(), SoundState::Unavailable);
  EXPECT_EQ(g.form->Stat->y(), -40);
  g.form->show();
  g.form->About->show();
  EXPECT_FALSE(g.form->About->PE->isVisible());
  EXPECT_TRUE(g.form->About->Label20->isVisible());
  g.form->About->hide();
}

TEST(Commands, AGameEndsInTheGameOverDialogWithItsTexts) {
  WindowFixture::Options o;
  o.recordSound = false;
  WindowFixture f(o);
  QString sentence, rating;
  f.prompts.onModal = [&](QDialog& d) {
    if (auto* form2 = qobject_cast<TForm2*>(&d)) {
      sentence = form2->_Sc->text();
      rating = form2->Box->text();
    }
    return int(QDialog::Accepted);
  };
  f.game().Image5MouseDown(kStartHole);
  for (int i = 0; i < 340; ++i) {
    f.now += kStepDays * 1.001;
    f.game().AnimateTimer();
  }
  EXPECT_EQ(f.game().GameState, Idle);
  EXPECT_EQ(sentence, f.game().gameOverSentence(f.game().score));
  EXPECT_TRUE(sentence.startsWith(QStringLiteral("Congratulations, in 30 seconds you managed to throw 0 pies")));
  EXPECT_EQ(rating, QStringLiteral("Hey, you're not very good at this are you..."));
  EXPECT_EQ(f.prompts.modalTitles.size(), 1);
}

TEST(Commands, ASetNamedOnTheCommandLineLoadsAndTheAboutDialogFollows) {
  QTemporaryDir sets;
  const QString path = sets.filePath(QStringLiteral("sample.xet"));
  ASSERT_TRUE(writeFile(path, sampleSet()));
  WindowFixture::Options o;
  o.arguments = {path};
  WindowFixture f(o);
  EXPECT_TRUE(f.prompts.messages.isEmpty());
  EXPECT_EQ(f.game().set.groupCount(), 2);
  EXPECT_TRUE(f.game().set.musicPresent);
  EXPECT_EQ(f.form->cursor().shape(), Qt::BitmapCursor);
  EXPECT_NE(f.form->Panel3->palette().color(QPalette::Window), QColor(Qt::white));
  EXPECT_TRUE(f.form->windowTitle().contains(QStringLiteral("  (Pie Vorb Quarn, 3.40")));
  EXPECT_TRUE(f.form->ShowAbout->isActive());
  EXPECT_TRUE(QTest::qWaitFor([&] { return !f.prompts.modalTitles.isEmpty(); }, 2000));
  EXPECT_EQ(f.prompts.modalTitles.value(0), QStringLiteral("About Current Image Set..."));
  EXPECT_FALSE(f.form->ShowAbout->isActive());
}

TEST(Commands, ADroppedFileThatIsNoSetLeavesTheBuiltInSet) {
  QTemporaryDir sets;
  const QString good = sets.filePath(QStringLiteral("sample.xet"));
  const QString text = sets.filePath(QStringLiteral("notes.txt"));
  ASSERT_TRUE(writeFile(good, sampleSet()));
  ASSERT_TRUE(writeFile(text, QByteArray("just some words, nothing more")));
  WindowFixture f;
  auto drop = [&](const QStringList& paths) {
    QMimeData data;
    QList<QUrl> urls;
    for (const QString& p : paths) urls << QUrl::fromLocalFile(p);
    data.setUrls(urls);
    // Qt hands a drop only to the widget that accepted the drag's entry.
    QDragEnterEvent enter(QPoint(100, 200), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(f.form.get(), &enter);
    EXPECT_TRUE(enter.isAccepted());
    QDropEvent event(QPointF(100, 200), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(f.form.get(), &event);
  };
  drop({good, text});  // only the first counts
  EXPECT_EQ(f.game().set.groupCount(), 2);
  EXPECT_TRUE(f.prompts.messages.isEmpty());
  drop({text, good});
  ASSERT_EQ(f.prompts.messages.size(), 1);
  EXPECT_EQ(f.prompts.messages[0].text,
            QStringLiteral("This file is NOT a Pie Vorb Quarn Image Set or eXtended Set file..."));
  EXPECT_EQ(f.game().set.groupCount(), 1);
  EXPECT_EQ(f.form->windowTitle(), QStringLiteral("Pie Vorb Quarn, 3.40, Created by \"The Zanthorp!\""));
}

}  // namespace
