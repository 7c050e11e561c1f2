#include <gtest/gtest.h>

#include <QAction>
#include <QDropEvent>
#include <QLabel>
#include <QMenu>
#include <QMimeData>
#include <QTest>
#include <QUrl>

#include "about/AboutDialog.h"
#include "support/DialogChecks.h"
#include "imageset/SetFileBuilder.h"
#include "scores/GameOverDialog.h"
#include "scores/ScoreTableWindow.h"
#include "sound/WaveEngine.h"
#include "support/WindowFixture.h"
#include "wizard/CursorSetupDialog.h"
#include "wizard/SetCreationWizard.h"

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
  EXPECT_EQ(describe(f.window->findChild<QMenu*>(QStringLiteral("commandMenu"))),
            (QStringList{
                "imageSetsMenu=Custom &Image Sets {chooseSet=Choose Image &Set...; afterChooseSeparator=-; resetToDefaults=Reset Pie Vorb Quarn to Defaults; "
                "afterResetSeparator=-; loadBitmapPair=Load &BMP images for game...; "
                "loadSetFile=&Load Custom Image Set...; beforeSetInfoSeparator=-; "
                "aboutCurrentSet=&About Current Image Set...; beforeWizardSeparator=-; "
                "runWizard=Use eXtended Image Set Creation &Wizard...}",
                "viewScoreTable=&View Local Highscore Table...", "beforeLinksSeparator=-",
                "openWebSite=&Goto Pie Vorb Quarn Website...",
                "aboutGame=&About Pie Vorb Quarn...", "beforeQuitSeparator=-", "quit=&Quit..."}));
}

TEST(Commands, OpeningTheMenuEndsAGameAndPressesTheButton) {
  WindowFixture f;
  f.clickHole(kStartHole);
  ASSERT_EQ(f.game().state(), GameState::CountingDown);
  bool pressedWhileOpen = false;
  f.prompts.onMenu = [&](QMenu&) { pressedWhileOpen = f.window->boardState().menuPressed; };
  QTest::mouseClick(f.window, Qt::LeftButton, {}, QPoint(20, 51));
  EXPECT_EQ(f.game().state(), GameState::Idle);
  EXPECT_FALSE(f.timer("stepTimer")->isActive());
  EXPECT_FALSE(f.window->boardState().roundRunning);
  EXPECT_TRUE(pressedWhileOpen);
  EXPECT_FALSE(f.window->boardState().menuPressed);
  ASSERT_EQ(f.prompts.menuPoints.size(), 1);
  // Under the menu button's middle, from the top of the banner's menu part.
  EXPECT_EQ(f.prompts.menuPoints[0], f.window->mapToGlobal(QPoint(29, 31 + 36)));
  EXPECT_TRUE(f.prompts.messages.isEmpty());
}

TEST(Commands, TheChosenCommandRunsOnceTheMenuHasClosed) {
  WindowFixture f;
  bool pressedWhileOpen = false, pressedWhileRunning = true;
  f.prompts.onMenu = [&](QMenu& menu) {
    pressedWhileOpen = f.window->boardState().menuPressed;
    menu.findChild<QAction*>(QStringLiteral("viewScoreTable"))->trigger();
    EXPECT_TRUE(f.prompts.modalTitles.isEmpty()) << "nothing runs inside the menu";
  };
  f.prompts.onModal = [&](QDialog&) {
    pressedWhileRunning = f.window->boardState().menuPressed;
    return int(QDialog::Accepted);
  };
  f.controller->openCommandMenu();
  EXPECT_TRUE(pressedWhileOpen);
  EXPECT_EQ(f.prompts.modalTitles, QStringList{QStringLiteral("Local Highscore Table...")});
  EXPECT_FALSE(pressedWhileRunning);

  // Chosen once, run once: the next opening without a choice runs nothing.
  f.prompts.onMenu = nullptr;
  f.controller->openCommandMenu();
  EXPECT_EQ(f.prompts.modalTitles.size(), 1);
}

// The keyboard reaches what the mouse does: F10 and the Menu key open the menu
// where a click opens it, and Ctrl+Q asks as the quit item does.
TEST(Commands, QuitAsksFirstAndTheKeysReachTheMenu) {
  WindowFixture f;
  for (Qt::Key key : {Qt::Key_F10, Qt::Key_Menu}) QTest::keyClick(f.window, key);
  ASSERT_EQ(f.prompts.menuPoints.size(), 2);
  for (const QPoint& at : f.prompts.menuPoints) EXPECT_EQ(at, f.window->mapToGlobal(QPoint(29, 31 + 36)));

  f.prompts.confirmAnswers = {false, false, true};
  f.controller->menuItem("quit")->trigger();
  QTest::keyClick(f.window, Qt::Key_Q, Qt::ControlModifier);
  ASSERT_EQ(f.prompts.questions.size(), 2);
  for (const auto& question : f.prompts.questions) {
    EXPECT_EQ(question.text, QStringLiteral("Quit Pie Vorb Quarn? Really?"));
    EXPECT_EQ(question.caption, QStringLiteral("Quit?"));
  }
  EXPECT_TRUE(f.window->isVisible());
  f.controller->menuItem("quit")->trigger();
  EXPECT_FALSE(f.window->isVisible());
}

TEST(Commands, DialogsOpenModallyFromTheMenu) {
  WindowFixture f;
  f.controller->menuItem("viewScoreTable")->trigger();
  f.controller->menuItem("aboutGame")->trigger();
  f.controller->menuItem("aboutCurrentSet")->trigger();
  ASSERT_EQ(f.prompts.modalTitles.size(), 3);
  EXPECT_EQ(f.prompts.modalTitles[0], QStringLiteral("Local Highscore Table..."));
  EXPECT_EQ(f.prompts.modalTitles[1], QStringLiteral("About Pie Vorb Quarn"));
  EXPECT_EQ(f.prompts.modalTitles[2], QStringLiteral("About Current Image Set..."));
  f.controller->menuItem("openWebSite")->trigger();
  ASSERT_EQ(f.prompts.openedUrls.size(), 1);
  EXPECT_TRUE(f.prompts.openedUrls[0].startsWith(QStringLiteral("http")));
}

TEST(Commands, TheWizardOpensFreshWithTheHotSpotAtZero) {
  WindowFixture f;
  // A first use leaves a hot spot set in the cursor set-up dialog; the next opens at zero.
  f.prompts.onModal = [&](QDialog&) {
    auto* cursorSetup = f.dialog<CursorSetupDialog>();
    child<QSpinBox>(*cursorSetup, "hotSpotX").setValue(7);
    child<QSpinBox>(*cursorSetup, "hotSpotY").setValue(9);
    return int(QDialog::Rejected);
  };
  f.controller->menuItem("runWizard")->trigger();
  QPoint hotSpot(-1, -1);
  f.prompts.onModal = [&](QDialog&) {
    hotSpot = f.dialog<CursorSetupDialog>()->hotSpot();
    return int(QDialog::Rejected);
  };
  f.controller->menuItem("runWizard")->trigger();
  ASSERT_EQ(f.prompts.modalTitles.size(), 2);
  EXPECT_EQ(f.prompts.modalTitles[1], QStringLiteral("Pie Vorb Quarn - Create New eXtended Image Set Wizard"));
  EXPECT_EQ(hotSpot, QPoint(0, 0));
  // The wizard is gone once closed: nothing of it stays among the window's children.
  EXPECT_TRUE(f.window->findChildren<SetCreationWizard*>().isEmpty());
}

TEST(Commands, SoundIconFollowsTheEngine) {
  WindowFixture::Options o;
  o.recordSound = false;
  WindowFixture f(o);
  const QPoint icon(62, 57);
  EXPECT_EQ(f.window->boardState().soundIcon, SoundState::Enabled);
  EXPECT_EQ(f.window->hintAt(icon), QStringLiteral("Sound Enabled!"));
  f.controller->menuItem("aboutGame")->trigger();
  AboutDialog* about = f.dialog<AboutDialog>();
  ASSERT_NE(about, nullptr);
  EXPECT_TRUE(child<QLabel>(*about, "audioEnabled").isVisibleTo(about));
  QTest::mouseClick(f.window, Qt::LeftButton, {}, icon);
  EXPECT_EQ(f.window->boardState().soundIcon, SoundState::Muted);
  EXPECT_EQ(f.window->hintAt(icon), QStringLiteral("Sound Muted"));
  QTest::mouseClick(f.window, Qt::LeftButton, {}, icon);
  EXPECT_EQ(f.window->boardState().soundIcon, SoundState::Enabled);
  EXPECT_EQ(f.window->hintAt(icon), QStringLiteral("Sound Enabled!"));

  WindowFixture::Options none;
  none.recordSound = false;
  none.deviceOpens = false;
  WindowFixture g(none);
  EXPECT_EQ(g.window->boardState().soundIcon, SoundState::Unavailable);
  EXPECT_EQ(g.window->hintAt(icon), QStringLiteral("Disabled (sound card in use, invalid or not found...)"));
  QTest::mouseClick(g.window, Qt::LeftButton, {}, icon);
  EXPECT_EQ(g.window->boardState().soundIcon, SoundState::Unavailable);
  g.window->show();
  g.controller->menuItem("aboutGame")->trigger();
  AboutDialog* failed = g.dialog<AboutDialog>();
  ASSERT_NE(failed, nullptr);
  failed->show();
  EXPECT_FALSE(child<QLabel>(*failed, "audioEnabled").isVisible());
  EXPECT_TRUE(child<QLabel>(*failed, "audioFailed").isVisible());
  failed->hide();
}

TEST(Commands, AGameEndsInTheGameOverDialogWithItsTexts) {
  WindowFixture::Options o;
  o.recordSound = false;
  WindowFixture f(o);
  QString sentence, rating;
  int score = -1;
  f.prompts.onModal = [&](QDialog& d) {
    if (auto* gameOver = qobject_cast<GameOverDialog*>(&d)) {
      sentence = child<QLabel>(*gameOver, "sentence").text();
      rating = child<QLabel>(*gameOver, "rating").text();
      score = gameOver->gameResult().score;
    }
    return int(QDialog::Accepted);
  };
  f.clickHole(kStartHole);
  f.steps(340);
  EXPECT_EQ(f.game().state(), GameState::Idle);
  EXPECT_EQ(sentence, f.game().gameOverSentence(f.game().score()));
  EXPECT_EQ(score, f.game().score());
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
  EXPECT_EQ(f.game().set().groupCount(), 2);
  EXPECT_TRUE(f.game().set().musicPresent);
  EXPECT_EQ(f.window->grab().toImage().pixel(5, 300), QColor(0x20, 0x40, 0x70).rgb()) << "the set's page colour";
  EXPECT_TRUE(f.window->windowTitle().contains(QStringLiteral("  (Pie Vorb Quarn, 3.40")));
  EXPECT_TRUE(f.timer("setInfoTimer")->isActive());
  EXPECT_TRUE(QTest::qWaitFor([&] { return !f.prompts.modalTitles.isEmpty(); }, 2000));
  EXPECT_EQ(f.prompts.modalTitles.value(0), QStringLiteral("About Current Image Set..."));
  EXPECT_FALSE(f.timer("setInfoTimer")->isActive());
}

TEST(Commands, AStartUpSetErrorComesUpOverTheShownWindow) {
  // A file that is no set, and one that is not there: each refusal names its file.
  QTemporaryDir sets;
  const QString text = sets.filePath(QStringLiteral("notes.txt"));
  ASSERT_TRUE(writeFile(text, QByteArray("just some words, nothing more")));
  const QString gone = sets.filePath(QStringLiteral("gone.xet"));
  const struct {
    QString path, text;
  } cases[] = {{text, QStringLiteral("This file is NOT a Pie Vorb Quarn Image Set or eXtended Set file...")},
               {gone, QStringLiteral("Error, unable to open file...")}};
  for (const auto& c : cases) {
    WindowFixture::Options o;
    o.arguments = {c.path};
    WindowFixture f(o);
    ASSERT_EQ(f.prompts.messages.size(), 1);
    EXPECT_EQ(f.prompts.messages[0].text, c.text + QStringLiteral("\n\n") + c.path);
    EXPECT_EQ(f.prompts.messages[0].parent, f.window);
    EXPECT_TRUE(f.prompts.messages[0].parentOnScreen);
    EXPECT_EQ(f.game().set().groupCount(), 1);
  }
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
    QCoreApplication::sendEvent(f.window, &enter);
    EXPECT_TRUE(enter.isAccepted());
    QDropEvent event(QPointF(100, 200), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(f.window, &event);
  };
  drop({good, text});  // only the first counts
  EXPECT_EQ(f.game().set().groupCount(), 2);
  EXPECT_TRUE(f.prompts.messages.isEmpty());
  drop({text, good});
  ASSERT_EQ(f.prompts.messages.size(), 1);
  EXPECT_EQ(f.prompts.messages[0].text,
            QStringLiteral("This file is NOT a Pie Vorb Quarn Image Set or eXtended Set file...\n\n") + text);
  EXPECT_EQ(f.game().set().groupCount(), 1);
  EXPECT_EQ(f.window->windowTitle(), QStringLiteral("Pie Vorb Quarn, 3.40, Created by \"The Zanthorp!\""));
}

}  // namespace
