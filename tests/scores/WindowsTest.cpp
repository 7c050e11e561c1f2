#include <gtest/gtest.h>

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFontMetrics>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <sys/stat.h>
#include <unistd.h>

#include "ui/LinkLabel.h"
#include "scores/GameOverDialog.h"
#include "scores/PlayerNameDialog.h"
#include "support/LayoutChecks.h"
#include "scores/ScoreTableWindow.h"
#include "support/FakePrompts.h"

namespace {

QByteArray readAll(const QString& path) {
  QFile f(path);
  return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("<missing>");
}

QByteArray fileLine(qint32 score, const QByteArray& name) {
  const QByteArray e = scoreEntry(score, name);
  return e + lineCheck(e) + "\r\n";
}

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
  ScoreTableWindow table(board());
  table.show();
  ASSERT_EQ(table.rows->count(), 4);
  EXPECT_EQ(table.rowCells(0), (QStringList{"1st", "Bob", "50"}));
  EXPECT_EQ(table.rowCells(2), (QStringList{"3rd", "Two", "2"}));
  EXPECT_EQ(table.rowCells(3), (QStringList{"4th", "Zero", ""}));

  const QString cut = table.rowCells(1)[1];
  EXPECT_TRUE(cut.endsWith("...")) << cut.toStdString();
  EXPECT_TRUE(QString(longName).startsWith(cut.chopped(3)));
  EXPECT_LE(QFontMetrics(table.rows->font()).horizontalAdvance(cut), table.header->sectionSize(1) - 4);
  // The header spans the table: its columns end at the list's right edge.
  EXPECT_EQ(table.header->length(), table.rows->viewport()->width());
}

TEST_F(ScoreWindows, NarrowingTheNameSectionRefitsAtOnce) {
  seed(fileLine(8, "Bartholomew Featherstonehaugh"));
  ScoreTableWindow table(board());
  table.show();
  QCoreApplication::processEvents();
  ASSERT_EQ(table.rowCells(0)[1], "Bartholomew Featherstonehaugh");

  PaintCounter counter;
  table.rows->viewport()->installEventFilter(&counter);
  table.header->resizeSection(1, 60);
  QCoreApplication::processEvents();
  EXPECT_GT(counter.paints, 0) << "the list repaints while the border moves";
  const QString cut = table.rowCells(0)[1];
  EXPECT_TRUE(cut.endsWith("...")) << cut.toStdString();
  EXPECT_LE(QFontMetrics(table.rows->font()).horizontalAdvance(cut), 56);
  // The score column starts where the name column now ends, and still shows the score.
  EXPECT_EQ(table.rowCells(0)[2], "8");
}

TEST_F(ScoreWindows, ResetAsksAndTheCloseWritesAnEmptyFile) {
  seed(fileLine(50, "Bob"));
  ScoreTableWindow table(board());
  table.show();
  fake.confirmAnswers = {false};
  table.resetButton->click();
  ASSERT_EQ(fake.questions.size(), 1);
  EXPECT_EQ(fake.questions[0].text, "Remove all entires from score board? really?");
  EXPECT_EQ(fake.questions[0].caption, "Really delete score board?");
  EXPECT_EQ(table.rows->count(), 1);

  fake.confirmAnswers = {true};
  table.resetButton->click();
  EXPECT_EQ(table.rows->count(), 0);
  EXPECT_EQ(readAll(file), fileLine(50, "Bob")) << "nothing is written before the window closes";
  table.okButton->click();
  EXPECT_EQ(table.result(), QDialog::Accepted);
  EXPECT_EQ(readAll(file), QByteArray());
  EXPECT_TRUE(fake.messages.isEmpty());
}

TEST_F(ScoreWindows, ViewingTheTableNeverWritesTheBoard) {
  // A damaged line among good ones, and another copy adding while the table is open.
  const QByteArray text = fileLine(50, "Bob") + QByteArray("0000000000000009\xD1" "C\0yKV\r\n", 24) + fileLine(4, "Di");
  seed(text);
  ScoreTableWindow table(board());
  table.show();
  EXPECT_EQ(table.rows->count(), 2);
  table.okButton->click();
  table.show();
  table.close();
  EXPECT_EQ(readAll(file), text);
  EXPECT_TRUE(fake.messages.isEmpty());

  // Without a file: an empty list, and no file afterwards.
  ASSERT_TRUE(QFile::remove(file));
  table.show();
  EXPECT_EQ(table.rows->count(), 0);
  table.close();
  EXPECT_FALSE(QFile::exists(file));
}

TEST_F(ScoreWindows, ClosingAfterAResetWritesAnEmptyBoard) {
  seed(fileLine(50, "Bob"));
  ScoreTableWindow table(board());
  table.show();
  fake.confirmAnswers = {true};
  table.resetButton->click();
  table.close();
  EXPECT_EQ(readAll(file), QByteArray());
}

TEST_F(ScoreWindows, ScoresThatCannotBeKeptAreReported) {
  QFile plain(tmp.filePath("plain"));
  ASSERT_TRUE(plain.open(QIODevice::WriteOnly));
  plain.close();
  ScoreTableWindow table(ScoreBoard(tmp.filePath("missing"), tmp.filePath("plain/sub")));
  EXPECT_FALSE(table.addScore("Ann", 24));
  ASSERT_EQ(fake.messages.size(), 1);
  EXPECT_EQ(fake.messages[0].caption, "Error");
  EXPECT_EQ(fake.messages[0].icon, BoxIcon::Error);
  EXPECT_TRUE(fake.messages[0].text.contains(tmp.filePath("plain/sub") + ": Not a directory"))
      << fake.messages[0].text.toStdString();

  // Merely viewing the table stays quiet; a reset that cannot be kept does not.
  table.show();
  table.close();
  EXPECT_EQ(fake.messages.size(), 1);
  table.show();
  fake.confirmAnswers = {true};
  table.resetButton->click();
  table.close();
  EXPECT_EQ(fake.messages.size(), 2);
}

TEST(PlayerNameDialog, RefusesAnEmptyNameAndKeepsTheLastOne) {
  FakePrompts fake;
  PlayerNameDialog leader;
  leader.show();
  leader.okButton->click();
  ASSERT_EQ(fake.messages.size(), 1);
  EXPECT_EQ(fake.messages[0].text, "You must enter a name to be added to the high score table...");
  EXPECT_EQ(fake.messages[0].caption, "Error");
  EXPECT_EQ(fake.messages[0].icon, BoxIcon::Exclamation);
  EXPECT_TRUE(leader.isVisible());

  leader.nameEdit->setText("   ");
  leader.okButton->click();
  EXPECT_EQ(leader.result(), QDialog::Accepted);
  EXPECT_FALSE(leader.isVisible());

  leader.nameEdit->setText("Ann");
  leader.show();
  EXPECT_EQ(leader.nameEdit->selectedText(), "Ann") << "offered again, ready to be typed over";
  QTest::keyClicks(leader.nameEdit, "Bo");
  EXPECT_EQ(leader.nameEdit->text(), "Bo");
  leader.cancelButton->click();
  EXPECT_EQ(leader.result(), QDialog::Rejected);
  EXPECT_EQ(leader.nameEdit->text(), "Bo");
  EXPECT_EQ(leader.nameEdit->maxLength(), 200);
  layoutchecks::expectTextsFitAndNothingOverlaps(leader);
}

// With the desktop's own modal loop: the key that closes the name entry acts when it
// comes up, so a tool that releases it in whichever window has the focus by then finds
// the name entry still there and the key does not stay held down.
TEST(PlayerNameDialog, ReturnActsWhenItComesUp) {
  PlayerNameDialog leader;
  leader.nameEdit->setText("Ann");
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
  PlayerNameDialog leader;
  ScoreTableWindow table{board()};
  GameOverDialog dialog{leader, table};
  void SetUp() override { dialog.setResult({24, QStringLiteral("You threw pies."), QStringLiteral("Not bad.")}); }

  QColor titleColour() const { return dialog.titleLabel->palette().color(QPalette::WindowText); }
  void pressEnter() { QTest::keyClick(&dialog, Qt::Key_Return); }
};

TEST_F(GameOver, PanelAppearsOnTheFifthTickAndNotBefore) {
  dialog.show();
  ASSERT_TRUE(dialog.colourTimer->isActive());
  EXPECT_EQ(dialog.colourTimer->interval(), 200);
  for (int tick = 1; tick <= 4; ++tick) {
    dialog.colourTimerFired();
    EXPECT_FALSE(dialog.buttonPanel->isVisible()) << tick;
    pressEnter();
    // A click where the buttons will be reaches nothing yet.
    QTest::mouseClick(dialog.windowHandle(), Qt::LeftButton, {},
                      dialog.addToBoardButton->mapTo(&dialog, dialog.addToBoardButton->rect().center()));
    QTest::keyClick(&dialog, Qt::Key_Escape);
    EXPECT_TRUE(dialog.isVisible()) << tick;
  }
  EXPECT_TRUE(fake.modalTitles.isEmpty());
  dialog.colourTimerFired();
  EXPECT_TRUE(dialog.buttonPanel->isVisible());
  for (int tick = 6; tick <= 9; ++tick) dialog.colourTimerFired();
  EXPECT_TRUE(dialog.buttonPanel->isVisible());
  pressEnter();
  EXPECT_FALSE(dialog.isVisible());
  EXPECT_EQ(dialog.result(), QDialog::Accepted);
  EXPECT_FALSE(dialog.colourTimer->isActive());
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
  dialog.okButton->click();
  // Seven ticks so far: the next showing goes on from blue to red, with the panel hidden again.
  dialog.show();
  EXPECT_FALSE(dialog.buttonPanel->isVisible());
  dialog.colourTimerFired();
  EXPECT_EQ(titleColour(), QColor(Qt::red));
  dialog.colourTimerFired();
  EXPECT_EQ(titleColour(), QColor(Qt::green));
}

// The texts stand one under another with no empty band, the score among them in large
// digits, and the frame and the dialog end where the texts and the panel do.
TEST_F(GameOver, TextsScoreAndPanelStackWithoutGaps) {
  const QString longRating(240, QLatin1Char('x'));
  for (const QString& rating : {QStringLiteral("Not bad."), longRating.left(60) + QLatin1Char(' ') + longRating.mid(60)}) {
    dialog.setResult({138, QStringLiteral("Congratulations, in 30 seconds you managed to throw 69 pies at Vorb Quarn.  "
                                          "Did you enjoy it?  Your Score Is:138"), rating});
    dialog.show();
    dialog.buttonPanel->show();
    EXPECT_EQ(dialog.scoreLabel->text(), "138");
    EXPECT_GE(dialog.scoreLabel->font().pixelSize(), 2 * dialog.sentenceLabel->font().pixelSize());
    const QList<QWidget*> column{dialog.sentenceLabel, dialog.scoreLabel, dialog.ratingLabel, dialog.noticeLabel};
    for (int i = 1; i < column.size(); ++i) {
      const int gap = column[i]->y() - (column[i - 1]->geometry().bottom() + 1);
      EXPECT_GE(gap, 0) << i;
      EXPECT_LE(gap, 8) << i;
    }
    EXPECT_LE(dialog.textBevel->geometry().bottom() - dialog.noticeLabel->geometry().bottom(), 10);
    EXPECT_LE(dialog.height() - dialog.buttonPanel->geometry().bottom(), 8);
    EXPECT_EQ(dialog.minimumSize(), dialog.maximumSize());
    layoutchecks::expectTextsFitAndNothingOverlaps(dialog, {{dialog.titleLabel, dialog.titleShadow}});
    dialog.okButton->click();
  }
}

TEST_F(GameOver, TheRealTimerRevealsThePanelAfterASecond) {
  dialog.show();
  QTest::qWait(700);
  EXPECT_FALSE(dialog.buttonPanel->isVisible());
  for (int i = 0; i < 30 && !dialog.buttonPanel->isVisible(); ++i) QTest::qWait(50);
  EXPECT_TRUE(dialog.buttonPanel->isVisible());
}

TEST_F(GameOver, AddingGoesThroughNameEntryToTheTable) {
  seed(fileLine(50, "Bob") + fileLine(10, "Cy"));
  QStringList shownRows;
  int stepsWhileTableOpen = 0;
  fake.onModal = [&](QDialog& d) {
    if (&d == &leader) {
      leader.nameEdit->setText(QString::fromUtf8("Zoë"));
      return int(QDialog::Accepted);
    }
    EXPECT_EQ(&d, &table);
    table.show();
    for (int row = 0; row < table.rows->count(); ++row) shownRows << table.rowCells(row).join('|');
    const int before = dialog.colourStep();
    QTest::qWait(450);
    stepsWhileTableOpen = (dialog.colourStep() - before + 4) % 4;
    table.okButton->click();
    return table.result();
  };
  dialog.show();
  for (int tick = 0; tick < 5; ++tick) dialog.colourTimerFired();
  QTest::mouseClick(dialog.addToBoardButton, Qt::LeftButton);

  EXPECT_EQ(fake.modalTitles, (QStringList{"Local HighScore Board", "Local Highscore Table..."}));
  EXPECT_EQ(shownRows, (QStringList{"1st|Bob|50", QString::fromUtf8("2nd|Zoë|24"), "3rd|Cy|10"}));
  EXPECT_NE(stepsWhileTableOpen, 0) << "the title keeps cycling behind the table";
  EXPECT_FALSE(dialog.addToBoardButton->isEnabled());
  EXPECT_TRUE(dialog.isVisible());
  // The add wrote the board (the new entry last); showing the table wrote nothing.
  EXPECT_EQ(readAll(file), fileLine(50, "Bob") + fileLine(10, "Cy") + fileLine(24, "Zo\xEB"));

  // The next game's showing offers the button again.
  dialog.okButton->click();
  dialog.show();
  EXPECT_TRUE(dialog.addToBoardButton->isEnabled());
}

TEST_F(GameOver, CancelledNameEntryLeavesTheButtonEnabled) {
  dialog.show();
  for (int tick = 0; tick < 5; ++tick) dialog.colourTimerFired();
  dialog.addToBoardButton->click();
  EXPECT_EQ(fake.modalTitles, QStringList{"Local HighScore Board"});
  EXPECT_TRUE(dialog.addToBoardButton->isEnabled());
  EXPECT_FALSE(QFile::exists(file));

  fake.onModal = [&](QDialog& d) { return int(&d == &leader ? QDialog::Accepted : QDialog::Rejected); };
  leader.nameEdit->setText("Ann");
  dialog.setResult({0, QString(), QString()});
  dialog.addToBoardButton->click();
  EXPECT_FALSE(dialog.addToBoardButton->isEnabled());
  EXPECT_EQ(readAll(file), fileLine(0, "Ann"));
}

TEST_F(GameOver, AScoreThatCannotBeSavedStaysForAnotherTry) {
  // A pipe where the lock goes: nothing may wait on it, and the player hears why.
  const QString lock = file + ".lock";
  ASSERT_EQ(mkfifo(QFile::encodeName(lock).constData(), 0600), 0);
  fake.onModal = [&](QDialog& d) { return int(&d == &leader ? QDialog::Accepted : QDialog::Rejected); };
  leader.nameEdit->setText("Ann");
  dialog.setResult({24, QString(), QString()});
  dialog.show();
  for (int tick = 0; tick < 5; ++tick) dialog.colourTimerFired();
  QElapsedTimer clock;
  clock.start();
  dialog.addToBoardButton->click();
  EXPECT_LT(clock.elapsed(), 2000);
  ASSERT_EQ(fake.messages.size(), 1);
  EXPECT_TRUE(fake.messages[0].text.contains(lock + ": it is not a regular file")) << fake.messages[0].text.toStdString();
  EXPECT_EQ(fake.modalTitles, QStringList{"Local HighScore Board"}) << "no table after a failure";
  EXPECT_TRUE(dialog.addToBoardButton->isEnabled());
  EXPECT_FALSE(QFile::exists(file));

  ASSERT_TRUE(QFile::remove(lock));
  dialog.addToBoardButton->click();
  EXPECT_FALSE(dialog.addToBoardButton->isEnabled());
  EXPECT_EQ(readAll(file), fileLine(24, "Ann"));
}
