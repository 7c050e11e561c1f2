#include <gtest/gtest.h>

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFontMetrics>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QTableView>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include "ui/LinkLabel.h"
#include "scores/GameOverDialog.h"
#include "scores/PlayerNameDialog.h"
#include "scores/ScoreFile.h"
#include "support/DialogChecks.h"
#include "support/ScoreChecks.h"
#include "scores/ScoreTableWindow.h"
#include "support/FakePrompts.h"

namespace {

class PaintCounter : public QObject {
 public:
  int paints = 0;
  bool eventFilter(QObject*, QEvent* e) override {
    if (e->type() == QEvent::Paint) ++paints;
    return false;
  }
};

class ScoreWindows : public ::testing::Test {
 protected:
  QTemporaryDir tmp;
  QString program = tmp.filePath("bin");
  QString file = program + "/piescore.sdf";
  FakePrompts fake;
  // Before any board is made: the folder is chosen when the board is.
  ScoreWindows() { QDir().mkpath(program); }
  ScoreBoard board() { return ScoreBoard(program, tmp.filePath("user")); }
  // Shows the table with the board's entries as the file holds them now.
  void showBoard(ScoreTableWindow& table) {
    ScoreBoard scores = board();
    scores.load();
    table.showEntries(scores.entries());
    table.show();
  }
  void seed(const QByteArray& text) {
    QFile f(file);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(text);
  }
};

}  // namespace

TEST_F(ScoreWindows, TableShowsTheBoardRanked) {
  const QByteArray longName(200, 'W');
  seed(fileLine(0, "Zero") + fileLine(50, "Bob") + fileLine(2, "Two") + fileLine(24, longName));
  ScoreTableWindow table;
  showBoard(table);
  QCoreApplication::processEvents();
  const QTableView& view = child<QTableView>(table, "table");
  ASSERT_EQ(view.model()->rowCount(), 4);
  EXPECT_EQ(table.rowCells(0), (QStringList{"1st", "Bob", "50"}));
  EXPECT_EQ(table.rowCells(2), (QStringList{"3rd", "Two", "2"}));
  EXPECT_EQ(table.rowCells(3), (QStringList{"4th", "Zero", ""}));

  const QString cut = table.rowCells(1)[1];
  EXPECT_TRUE(cut.endsWith("...")) << cut.toStdString();
  EXPECT_TRUE(QString(longName).startsWith(cut.chopped(3)));
  EXPECT_LE(view.fontMetrics().horizontalAdvance(cut), view.columnWidth(1) - 4);
  // The header spans the table: its columns end at the table's right edge.
  EXPECT_EQ(view.horizontalHeader()->length(), view.viewport()->width());
}

TEST_F(ScoreWindows, NarrowingTheNameSectionRefitsAtOnce) {
  seed(fileLine(8, "Bartholomew Featherstonehaugh"));
  ScoreTableWindow table;
  showBoard(table);
  QCoreApplication::processEvents();
  ASSERT_EQ(table.rowCells(0)[1], "Bartholomew Featherstonehaugh");

  QTableView& view = child<QTableView>(table, "table");
  PaintCounter counter;
  view.viewport()->installEventFilter(&counter);
  view.horizontalHeader()->resizeSection(1, 60);
  EXPECT_TRUE(QTest::qWaitFor([&] { return counter.paints > 0; }, 1000)) << "the table repaints while the border moves";
  const QString cut = table.rowCells(0)[1];
  EXPECT_TRUE(cut.endsWith("...")) << cut.toStdString();
  EXPECT_LE(view.fontMetrics().horizontalAdvance(cut), 56);
  // The score column starts where the name column now ends, and still shows the score.
  EXPECT_EQ(table.rowCells(0)[2], "8");
}

// The table empties what it shows when the player confirms, and says so to
// whoever showed it; the file is theirs.
TEST_F(ScoreWindows, ResetAsksAndEmptiesTheTable) {
  seed(fileLine(50, "Bob"));
  ScoreTableWindow table;
  showBoard(table);
  fake.confirmAnswers = {false};
  button(table, "&Reset Score-board").click();
  ASSERT_EQ(fake.questions.size(), 1);
  EXPECT_EQ(fake.questions[0].text, "Remove all entires from score board? really?");
  EXPECT_EQ(fake.questions[0].caption, "Really delete score board?");
  EXPECT_EQ(rows(table), 1);
  EXPECT_FALSE(table.resetChosen());

  fake.confirmAnswers = {true};
  button(table, "&Reset Score-board").click();
  EXPECT_EQ(rows(table), 0);
  EXPECT_TRUE(table.resetChosen());
  button(table, "&Ok").click();
  EXPECT_EQ(table.result(), QDialog::Accepted);
  EXPECT_EQ(readAll(file), fileLine(50, "Bob")) << "the table writes no file";
  // The next showing starts without a reset.
  showBoard(table);
  EXPECT_FALSE(table.resetChosen());
  EXPECT_EQ(rows(table), 1);
}

TEST(PlayerNameDialog, RefusesAnEmptyNameAndKeepsTheLastOne) {
  FakePrompts fake;
  PlayerNameDialog leader;
  leader.show();
  button(leader, "&Ok").click();
  ASSERT_EQ(fake.messages.size(), 1);
  EXPECT_EQ(fake.messages[0].text, "You must enter a name to be added to the high score table...");
  EXPECT_EQ(fake.messages[0].caption, "Error");
  EXPECT_EQ(fake.messages[0].icon, BoxIcon::Exclamation);
  EXPECT_TRUE(leader.isVisible());

  child<QLineEdit>(leader, "name").setText("   ");
  button(leader, "&Ok").click();
  EXPECT_EQ(leader.result(), QDialog::Accepted);
  EXPECT_FALSE(leader.isVisible());

  child<QLineEdit>(leader, "name").setText("Ann");
  leader.show();
  EXPECT_EQ(child<QLineEdit>(leader, "name").selectedText(), "Ann") << "offered again, ready to be typed over";
  QTest::keyClicks(&child<QLineEdit>(leader, "name"), "Bo");
  EXPECT_EQ(child<QLineEdit>(leader, "name").text(), "Bo");
  button(leader, "&Cancel").click();
  EXPECT_EQ(leader.result(), QDialog::Rejected);
  EXPECT_EQ(child<QLineEdit>(leader, "name").text(), "Bo");
  EXPECT_EQ(child<QLineEdit>(leader, "name").maxLength(), 200);
}

// With the desktop's own modal loop: the key that closes the name entry acts when it
// comes up, so a tool that releases it in whichever window has the focus by then finds
// the name entry still there and the key does not stay held down.
TEST(PlayerNameDialog, ReturnActsWhenItComesUp) {
  PlayerNameDialog leader;
  child<QLineEdit>(leader, "name").setText("Ann");
  bool openWhileDown = false;
  QTimer::singleShot(0, &leader, [&] {
    QTest::keyPress(leader.windowHandle(), Qt::Key_Return);
    openWhileDown = leader.isVisible();
    QTest::keyRelease(leader.windowHandle(), Qt::Key_Return);
  });
  EXPECT_EQ(prompts().runModal(leader), QDialog::Accepted);
  EXPECT_TRUE(openWhileDown);

  // A press whose release never comes still acts, a moment later; Escape cancels alike.
  QTimer::singleShot(0, &leader, [&] { QTest::keyPress(leader.windowHandle(), Qt::Key_Escape); });
  QElapsedTimer clock;
  clock.start();
  EXPECT_EQ(prompts().runModal(leader), QDialog::Rejected);
  EXPECT_LT(clock.elapsed(), 3000);
}

class GameOver : public ScoreWindows {
 protected:
  GameOverDialog dialog;
  void SetUp() override { dialog.setResult({24, QStringLiteral("You threw pies."), QStringLiteral("Not bad.")}); }

  QColor titleColour() const { return dialog.titleColour(); }
  void pressEnter() { QTest::keyClick(&dialog, Qt::Key_Return); }
  QTimer& colourTimer = child<QTimer>(dialog, "colourTimer");
  QWidget& buttons = child<QWidget>(dialog, "buttons");
  QAbstractButton& addToBoard = button(dialog, "&Add to Local HighScore Board...");
  QAbstractButton& ok = button(dialog, "&Ok");
};

TEST_F(GameOver, PanelAppearsOnTheFifthTickAndNotBefore) {
  dialog.show();
  ASSERT_TRUE(colourTimer.isActive());
  EXPECT_EQ(colourTimer.interval(), 200);
  for (int tick = 1; tick <= 4; ++tick) {
    dialog.colourTimerFired();
    EXPECT_FALSE(buttons.isVisible()) << tick;
    pressEnter();
    // A click where the buttons will be reaches nothing yet.
    QTest::mouseClick(dialog.windowHandle(), Qt::LeftButton, {},
                      addToBoard.mapTo(&dialog, addToBoard.rect().center()));
    QTest::keyClick(&dialog, Qt::Key_Escape);
    EXPECT_TRUE(dialog.isVisible()) << tick;
  }
  EXPECT_TRUE(fake.modalTitles.isEmpty());
  dialog.colourTimerFired();
  EXPECT_TRUE(buttons.isVisible());
  for (int tick = 6; tick <= 9; ++tick) dialog.colourTimerFired();
  EXPECT_TRUE(buttons.isVisible());
  pressEnter();
  EXPECT_FALSE(dialog.isVisible());
  EXPECT_EQ(dialog.result(), QDialog::Accepted);
  EXPECT_FALSE(colourTimer.isActive());
}

TEST_F(GameOver, TitleColourCyclesOnAcrossShowings) {
  const QColor cycle[4] = {Qt::red, Qt::green, Qt::yellow, Qt::blue};
  EXPECT_EQ(titleColour(), QColor(Qt::red));
  dialog.show();
  for (int tick = 1; tick <= 6; ++tick) {
    dialog.colourTimerFired();
    EXPECT_EQ(titleColour(), cycle[tick % 4]) << tick;
  }
  dialog.colourTimerFired();
  ok.click();
  // Seven ticks so far: the next showing goes on from blue to red, with the panel hidden again.
  dialog.show();
  EXPECT_FALSE(buttons.isVisible());
  dialog.colourTimerFired();
  EXPECT_EQ(titleColour(), QColor(Qt::red));
  dialog.colourTimerFired();
  EXPECT_EQ(titleColour(), QColor(Qt::green));
}

// Every text shows whole, the score among them in large digits; a longer rating makes
// the dialog taller rather than cutting it, and showing the buttons changes nothing.
TEST_F(GameOver, TextsShowWholeAndTheDialogFitsThem) {
  const QString longRating(240, QLatin1Char('x'));
  int height = 0;
  for (const QString& rating : {QStringLiteral("Not bad."), longRating.left(60) + QLatin1Char(' ') + longRating.mid(60)}) {
    dialog.setResult({138, QStringLiteral("Congratulations, in 30 seconds you managed to throw 69 pies at Vorb Quarn.  "
                                          "Did you enjoy it?  Your Score Is:138"), rating});
    dialog.show();
    QCoreApplication::processEvents();
    const QSize hidden = dialog.size();
    buttons.show();
    QCoreApplication::processEvents();
    EXPECT_EQ(dialog.size(), hidden);
    EXPECT_GT(dialog.height(), height);
    height = dialog.height();
    const QLabel& score = child<QLabel>(dialog, "score");
    EXPECT_EQ(score.text(), "138");
    EXPECT_GE(score.font().pixelSize(), 2 * child<QLabel>(dialog, "sentence").font().pixelSize());
    EXPECT_EQ(dialog.minimumSize(), dialog.maximumSize());
    expectNothingClipped(dialog);
    ok.click();
  }
  PlayerNameDialog leader;
  ScoreTableWindow table;
  const QSize leaderSize = leader.size(), tableSize = table.size();
  LargerFace face(20);
  PlayerNameDialog largerLeader;
  ScoreTableWindow largerTable;
  GameOverDialog larger;
  larger.setResult(dialog.gameResult());
  expectGrownAndWhole(larger, dialog.size());
  expectGrownAndWhole(largerTable, tableSize);
  expectGrownAndWhole(largerLeader, leaderSize);
}

TEST_F(GameOver, TheRealTimerRevealsThePanelAfterASecond) {
  dialog.show();
  QTest::qWait(700);
  EXPECT_FALSE(buttons.isVisible());
  for (int i = 0; i < 30 && !buttons.isVisible(); ++i) QTest::qWait(50);
  EXPECT_TRUE(buttons.isVisible());
}

// The add button says what the player chose and stays enabled until told the
// score went on the board; the next showing offers it again.
TEST_F(GameOver, TheAddButtonAsksOnceTheScoreIsOnTheBoard) {
  int asked = 0;
  QObject::connect(&dialog, &GameOverDialog::addToBoardChosen, [&] { ++asked; });
  dialog.show();
  for (int tick = 0; tick < 5; ++tick) dialog.colourTimerFired();
  QTest::mouseClick(&addToBoard, Qt::LeftButton);
  EXPECT_EQ(asked, 1);
  EXPECT_TRUE(addToBoard.isEnabled());
  EXPECT_TRUE(dialog.isVisible());
  dialog.scoreAdded();
  EXPECT_FALSE(addToBoard.isEnabled());
  ok.click();
  dialog.show();
  EXPECT_TRUE(addToBoard.isEnabled());
  EXPECT_TRUE(fake.modalTitles.isEmpty()) << "the dialog opens no other window";
}
