// The score board's one owner: the end of a round offers its score, the name
// entry and the table come up in turn, and the board file is read and written
// by the controller alone, whichever window the player used.
#include <gtest/gtest.h>

#include <QAction>
#include <QElapsedTimer>
#include <QFile>
#include <QLineEdit>
#include <QTableView>
#include <QTest>
#include <sys/stat.h>

#include "scores/GameOverDialog.h"
#include "scores/PlayerNameDialog.h"
#include "scores/ScoreFile.h"
#include "scores/ScoreTableWindow.h"
#include "support/DialogChecks.h"
#include "support/ScoreChecks.h"
#include "support/WindowFixture.h"

namespace {

struct ScoreFlow : WindowFixture {
  using WindowFixture::WindowFixture;
  QString file() const { return dir.filePath(QStringLiteral("piescore.sdf")); }
  void seed(const QByteArray& text) {
    QFile f(file());
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(text);
  }
  // What the player does in each window the controller opens; a window with no
  // answer is closed.
  std::function<int(GameOverDialog&)> atGameOver;
  std::function<int(PlayerNameDialog&)> atName;
  std::function<int(ScoreTableWindow&)> atTable;
  void answerWindows() {
    prompts.onModal = [this](QDialog& d) {
      if (auto* over = qobject_cast<GameOverDialog*>(&d); over && atGameOver) return atGameOver(*over);
      if (auto* name = qobject_cast<PlayerNameDialog*>(&d); name && atName) return atName(*name);
      if (auto* table = qobject_cast<ScoreTableWindow*>(&d); table && atTable) return atTable(*table);
      return int(QDialog::Rejected);
    };
  }
  // A whole round with no target hit, to its game-over dialog.
  void playRound() {
    clickHole(kStartHole);
    steps(340);
  }
  // Shows the buttons and presses "&Add to Local HighScore Board...", as often as asked.
  static void addFrom(GameOverDialog& over, int times = 1) {
    over.show();
    for (int tick = 0; tick < 5; ++tick) over.colourTimerFired();
    for (int i = 0; i < times; ++i) button(over, "&Add to Local HighScore Board...").click();
  }
  static int named(PlayerNameDialog& entry, const QString& name) {
    child<QLineEdit>(entry, "name").setText(name);
    return int(QDialog::Accepted);
  }
};

TEST(ScoreFlow, AddingGoesThroughNameEntryToTheTableOnce) {
  ScoreFlow f;
  f.seed(fileLine(50, "Bob") + fileLine(10, "Cy"));
  QStringList shownRows;
  bool addEnabledAfter = true, overOpenBehindTable = false;
  f.atGameOver = [&](GameOverDialog& over) {
    ScoreFlow::addFrom(over, 2);  // the second press finds the button disabled
    addEnabledAfter = button(over, "&Add to Local HighScore Board...").isEnabled();
    return int(QDialog::Accepted);
  };
  f.atName = [](PlayerNameDialog& entry) { return ScoreFlow::named(entry, QString::fromUtf8("Zoë")); };
  f.atTable = [&](ScoreTableWindow& table) {
    table.show();
    for (int row = 0; row < rows(table); ++row) shownRows << table.rowCells(row).join('|');
    overOpenBehindTable = f.dialog<GameOverDialog>()->isVisible();
    return int(QDialog::Accepted);
  };
  f.answerWindows();
  f.playRound();
  EXPECT_EQ(f.prompts.modalTitles,
            (QStringList{"Game Over", "Local HighScore Board", "Local Highscore Table..."}));
  EXPECT_EQ(shownRows, (QStringList{"1st|Bob|50", "2nd|Cy|10", QString::fromUtf8("3rd|Zoë|")}));
  EXPECT_TRUE(overOpenBehindTable);
  EXPECT_FALSE(addEnabledAfter);
  // The add wrote the board (the new entry last); showing the table wrote nothing.
  EXPECT_EQ(readAll(f.file()), fileLine(50, "Bob") + fileLine(10, "Cy") + fileLine(0, "Zo\xEB"));
}

TEST(ScoreFlow, ACancelledNameOrAScoreThatCannotBeSavedStaysOffered) {
  ScoreFlow f;
  // A pipe where the lock goes: nothing may wait on it, and the player hears why.
  const QString lock = f.file() + ".lock";
  ASSERT_EQ(mkfifo(QFile::encodeName(lock).constData(), 0600), 0);
  int nameAnswers = 0;
  bool enabledAfterCancel = false, enabledAfterFailure = false, enabledAtLast = true;
  qint64 failedAfterMs = -1;
  f.atName = [&](PlayerNameDialog& entry) {
    return ++nameAnswers == 1 ? int(QDialog::Rejected) : ScoreFlow::named(entry, QStringLiteral("Ann"));
  };
  f.atGameOver = [&](GameOverDialog& over) {
    QAbstractButton& add = button(over, "&Add to Local HighScore Board...");
    ScoreFlow::addFrom(over);
    enabledAfterCancel = add.isEnabled();
    QElapsedTimer clock;
    clock.start();
    add.click();
    failedAfterMs = clock.elapsed();
    enabledAfterFailure = add.isEnabled();
    EXPECT_TRUE(QFile::remove(lock));
    add.click();
    enabledAtLast = add.isEnabled();
    return int(QDialog::Accepted);
  };
  f.answerWindows();
  f.playRound();
  EXPECT_TRUE(enabledAfterCancel);
  EXPECT_TRUE(enabledAfterFailure);
  EXPECT_LT(failedAfterMs, 2000);
  ASSERT_EQ(f.prompts.messages.size(), 1);
  EXPECT_TRUE(f.prompts.messages[0].text.contains(lock + ": it is not a regular file"))
      << f.prompts.messages[0].text.toStdString();
  EXPECT_EQ(f.prompts.modalTitles, (QStringList{"Game Over", "Local HighScore Board", "Local HighScore Board",
                                                "Local HighScore Board", "Local Highscore Table..."}))
      << "no table after a cancel or a failure";
  EXPECT_FALSE(enabledAtLast);
  EXPECT_EQ(readAll(f.file()), fileLine(0, "Ann"));
}

TEST(ScoreFlow, ViewingTheTableNeverWritesTheBoardAndAResetEmptiesIt) {
  ScoreFlow f;
  QAction* view = f.controller->menuItem("viewScoreTable");
  // A damaged line among good ones.
  const QByteArray text = fileLine(50, "Bob") + QByteArray("0000000000000009\xD1" "C\0yKV\r\n", 24) + fileLine(4, "Di");
  f.seed(text);
  int shown = -1;
  f.atTable = [&](ScoreTableWindow& table) {
    shown = rows(table);
    return int(QDialog::Accepted);
  };
  f.answerWindows();
  view->trigger();
  EXPECT_EQ(shown, 2);
  EXPECT_EQ(readAll(f.file()), text);

  // Without a file: an empty list, and no file afterwards.
  ASSERT_TRUE(QFile::remove(f.file()));
  view->trigger();
  EXPECT_EQ(shown, 0);
  EXPECT_FALSE(QFile::exists(f.file()));
  EXPECT_TRUE(f.prompts.messages.isEmpty());

  // A confirmed reset empties the file once the table closes, by any means.
  f.seed(fileLine(50, "Bob"));
  f.atTable = [&](ScoreTableWindow& table) {
    table.show();
    f.prompts.confirmAnswers = {true};
    button(table, "&Reset Score-board").click();
    EXPECT_EQ(readAll(f.file()), fileLine(50, "Bob")) << "nothing is written before the table closes";
    table.close();
    return table.result();
  };
  view->trigger();
  EXPECT_EQ(readAll(f.file()), QByteArray());
  EXPECT_TRUE(f.prompts.messages.isEmpty());
}

TEST(ScoreFlow, ABoardThatCannotBeKeptIsReported) {
  WindowFixture::Options o;
  ScoreFlow probe;  // only for a scratch folder the board cannot use
  QFile plain(probe.dir.filePath(QStringLiteral("plain")));
  ASSERT_TRUE(plain.open(QIODevice::WriteOnly));
  plain.close();
  o.scoreProgramFolder = probe.dir.filePath(QStringLiteral("missing"));
  o.scoreUserFolder = probe.dir.filePath(QStringLiteral("plain/sub"));
  ScoreFlow f(o);
  f.atName = [](PlayerNameDialog& entry) { return ScoreFlow::named(entry, QStringLiteral("Ann")); };
  f.atGameOver = [](GameOverDialog& over) {
    ScoreFlow::addFrom(over);
    return int(QDialog::Accepted);
  };
  f.answerWindows();
  f.playRound();
  ASSERT_EQ(f.prompts.messages.size(), 1);
  EXPECT_EQ(f.prompts.messages[0].caption, "Error");
  EXPECT_EQ(f.prompts.messages[0].icon, BoxIcon::Error);
  EXPECT_TRUE(f.prompts.messages[0].text.contains(o.scoreUserFolder + ": Not a directory"))
      << f.prompts.messages[0].text.toStdString();

  // Merely viewing the table stays quiet; a reset that cannot be kept does not.
  f.atTable = [](ScoreTableWindow&) { return int(QDialog::Accepted); };
  f.controller->menuItem("viewScoreTable")->trigger();
  EXPECT_EQ(f.prompts.messages.size(), 1);
  f.atTable = [&](ScoreTableWindow& table) {
    f.prompts.confirmAnswers = {true};
    button(table, "&Reset Score-board").click();
    return int(QDialog::Accepted);
  };
  f.controller->menuItem("viewScoreTable")->trigger();
  EXPECT_EQ(f.prompts.messages.size(), 2);
}

}  // namespace
