#include <gtest/gtest.h>

#include <QDir>
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

#include "about/Link.h"
#include "scores/Gameover.h"
#include "scores/Getname.h"
#include "scores/Hs.h"
#include "support/FakePrompts.h"

namespace {

QByteArray readAll(const QString& path) {
  QFile f(path);
  return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("<missing>");
}

QByteArray fileLine(qint32 score, const QByteArray& name) {
  const QByteArray e = ScoreEntry(score, name);
  return e + LineCheck(e) + "\r\n";
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
  Tscores table(board());
  table.show();
  ASSERT_EQ(table.Board->count(), 4);
  EXPECT_EQ(table.rowCells(0), (QStringList{"1st", "Bob", "50"}));
  EXPECT_EQ(table.rowCells(2), (QStringList{"3rd", "Two", "2"}));
  EXPECT_EQ(table.rowCells(3), (QStringList{"4th", "Zero", ""}));

  const QString cut = table.rowCells(1)[1];
  EXPECT_TRUE(cut.endsWith("...")) << cut.toStdString();
  EXPECT_TRUE(QString(longName).startsWith(cut.chopped(3)));
  EXPECT_LE(QFontMetrics(table.Board->font()).horizontalAdvance(cut), table.Head->sectionSize(1) - 4);
}

TEST_F(ScoreWindows, NarrowingTheNameSectionRefitsAtOnce) {
  seed(fileLine(8, "Bartholomew Featherstonehaugh"));
  Tscores table(board());
  table.show();
  QCoreApplication::processEvents();
  ASSERT_EQ(table.rowCells(0)[1], "Bartholomew Featherstonehaugh");

  PaintCounter counter;
  table.Board->viewport()->installEventFilter(&counter);
  table.Head->resizeSection(1, 60);
  QCoreApplication::processEvents();
  EXPECT_GT(counter.paints, 0) << "the list repaints while the border moves";
  const QString cut = table.rowCells(0)[1];
  EXPECT_TRUE(cut.endsWith("...")) << cut.toStdString();
  EXPECT_LE(QFontMetrics(table.Board->font()).horizontalAdvance(cut), 56);
  // The score column starts where the name column now ends, and still shows the score.
  EXPECT_EQ(table.rowCells(0)[2], "8");
}

TEST_F(ScoreWindows, ResetAsksAndTheCloseWritesAnEmptyFile) {
  seed(fileLine(50, "Bob"));
  Tscores table(board());
  table.show();
  fake.confirmAnswers = {false};
  table.Button2->click();
  ASSERT_EQ(fake.questions.size(), 1);
  EXPECT_EQ(fake.questions[0].text, "Remove all entires from score board? really?");
  EXPECT_EQ(fake.questions[0].caption, "Really delete score board?");
  EXPECT_EQ(table.Board->count(), 1);

  fake.confirmAnswers = {true};
  table.Button2->click();
  EXPECT_EQ(table.Board->count(), 0);
  EXPECT_EQ(readAll(file), fileLine(50, "Bob")) << "nothing is written before the window closes";
  table.Button1->click();
  EXPECT_EQ(table.result(), QDialog::Accepted);
  EXPECT_EQ(readAll(file), QByteArray());
  EXPECT_TRUE(fake.messages.isEmpty());
}

TEST_F(ScoreWindows, ClosingByTheTitleBarSavesToo) {
  seed(fileLine(50, "Bob"));
  Tscores table(board());
  table.show();
  fake.confirmAnswers = {true};
  table.Button2->click();
  table.close();
  EXPECT_EQ(readAll(file), QByteArray());

  // Without a file: an empty list, and closing leaves an empty file.
  ASSERT_TRUE(QFile::remove(file));
  table.show();
  EXPECT_EQ(table.Board->count(), 0);
  table.close();
  EXPECT_EQ(readAll(file), QByteArray());
}

TEST_F(ScoreWindows, ScoresThatCannotBeKeptAreReported) {
  QFile plain(tmp.filePath("plain"));
  ASSERT_TRUE(plain.open(QIODevice::WriteOnly));
  plain.close();
  Tscores table(ScoreBoard(tmp.filePath("missing"), tmp.filePath("plain/sub")));
  EXPECT_FALSE(table.AddScore("Ann", 24));
  ASSERT_EQ(fake.messages.size(), 1);
  EXPECT_EQ(fake.messages[0].caption, "Error");
  EXPECT_EQ(fake.messages[0].icon, BoxIcon::Error);
  EXPECT_TRUE(fake.messages[0].text.contains("piescore.sdf"));

  // Merely viewing the table stays quiet; a reset that cannot be kept does not.
  table.show();
  table.close();
  EXPECT_EQ(fake.messages.size(), 1);
  table.show();
  fake.confirmAnswers = {true};
  table.Button2->click();
  table.close();
  EXPECT_EQ(fake.messages.size(), 2);
}

TEST(TLeader, RefusesAnEmptyNameAndKeepsTheLastOne) {
  FakePrompts fake;
  TLeader leader;
  leader.show();
  leader.Button1->click();
  ASSERT_EQ(fake.messages.size(), 1);
  EXPECT_EQ(fake.messages[0].text, "You must enter a name to be added to the high score table...");
  EXPECT_EQ(fake.messages[0].caption, "Error");
  EXPECT_EQ(fake.messages[0].icon, BoxIcon::Exclamation);
  EXPECT_TRUE(leader.isVisible());

  leader.Name->setText("   ");
  leader.Button1->click();
  EXPECT_EQ(leader.result(), QDialog::Accepted);
  EXPECT_FALSE(leader.isVisible());

  leader.Name->setText("Ann");
  leader.show();
  EXPECT_EQ(leader.Name->selectedText(), "Ann") << "offered again, ready to be typed over";
  QTest::keyClicks(leader.Name, "Bo");
  EXPECT_EQ(leader.Name->text(), "Bo");
  leader.Button2->click();
  EXPECT_EQ(leader.result(), QDialog::Rejected);
  EXPECT_EQ(leader.Name->text(), "Bo");
  EXPECT_EQ(leader.Name->maxLength(), 200);
}

class GameOver : public ScoreWindows {
 protected:
  TLeader leader;
  Tscores table{board()};
  int score = 24;
  TForm2 dialog{leader, table, [this] { return score; }};

  QColor titleColour() const { return dialog.Label1->palette().color(QPalette::WindowText); }
  void pressEnter() { QTest::keyClick(&dialog, Qt::Key_Return); }
};

TEST_F(GameOver, PanelAppearsOnTheFifthTickAndNotBefore) {
  dialog.show();
  ASSERT_TRUE(dialog.CChange->isActive());
  EXPECT_EQ(dialog.CChange->interval(), 200);
  for (int tick = 1; tick <= 4; ++tick) {
    dialog.CChangeTimer();
    EXPECT_FALSE(dialog.Pan2->isVisible()) << tick;
    pressEnter();
    // A click where the buttons will be reaches nothing yet.
    QTest::mouseClick(dialog.windowHandle(), Qt::LeftButton, {},
                      dialog.Button2->mapTo(&dialog, dialog.Button2->rect().center()));
    QTest::keyClick(&dialog, Qt::Key_Escape);
    EXPECT_TRUE(dialog.isVisible()) << tick;
  }
  EXPECT_TRUE(fake.modalTitles.isEmpty());
  dialog.CChangeTimer();
  EXPECT_TRUE(dialog.Pan2->isVisible());
  for (int tick = 6; tick <= 9; ++tick) dialog.CChangeTimer();
  EXPECT_TRUE(dialog.Pan2->isVisible());
  pressEnter();
  EXPECT_FALSE(dialog.isVisible());
  EXPECT_EQ(dialog.result(), QDialog::Accepted);
  EXPECT_FALSE(dialog.CChange->isActive());
}

TEST_F(GameOver, TitleColourCyclesOnAcrossShowings) {
  const QColor cycle[4] = {Qt::red, Qt::green, Qt::yellow, Qt::blue};
  EXPECT_EQ(titleColour(), QColor(Qt::red));
  dialog.show();
  for (int tick = 1; tick <= 6; ++tick) {
    dialog.CChangeTimer();
    EXPECT_EQ(titleColour(), cycle[tick % 4]) << tick;
  }
  dialog.CChangeTimer();
  dialog.Button1->click();
  // Seven ticks so far: the next showing goes on from blue to red, with the panel hidden again.
  dialog.show();
  EXPECT_FALSE(dialog.Pan2->isVisible());
  dialog.CChangeTimer();
  EXPECT_EQ(titleColour(), QColor(Qt::red));
  dialog.CChangeTimer();
  EXPECT_EQ(titleColour(), QColor(Qt::green));
}

TEST_F(GameOver, TheRealTimerRevealsThePanelAfterASecond) {
  dialog.show();
  QTest::qWait(700);
  EXPECT_FALSE(dialog.Pan2->isVisible());
  for (int i = 0; i < 30 && !dialog.Pan2->isVisible(); ++i) QTest::qWait(50);
  EXPECT_TRUE(dialog.Pan2->isVisible());
}

TEST_F(GameOver, AddingGoesThroughNameEntryToTheTable) {
  seed(fileLine(50, "Bob") + fileLine(10, "Cy"));
  QStringList shownRows;
  int stepsWhileTableOpen = 0;
  fake.onModal = [&](QDialog& d) {
    if (&d == &leader) {
      leader.Name->setText(QString::fromUtf8("Zoë"));
      return int(QDialog::Accepted);
    }
    EXPECT_EQ(&d, &table);
    table.show();
    for (int row = 0; row < table.Board->count(); ++row) shownRows << table.rowCells(row).join('|');
    const int before = dialog.colourStep();
    QTest::qWait(450);
    stepsWhileTableOpen = (dialog.colourStep() - before + 4) % 4;
    table.Button1->click();
    return table.result();
  };
  dialog.show();
  for (int tick = 0; tick < 5; ++tick) dialog.CChangeTimer();
  QTest::mouseClick(dialog.Button2, Qt::LeftButton);

  EXPECT_EQ(fake.modalTitles, (QStringList{"Local HighScore Board", "Local Highscore Table..."}));
  EXPECT_EQ(shownRows, (QStringList{"1st|Bob|50", QString::fromUtf8("2nd|Zoë|24"), "3rd|Cy|10"}));
  EXPECT_NE(stepsWhileTableOpen, 0) << "the title keeps cycling behind the table";
  EXPECT_FALSE(dialog.Button2->isEnabled());
  EXPECT_TRUE(dialog.isVisible());
  EXPECT_EQ(readAll(file), fileLine(50, "Bob") + fileLine(24, "Zo\xEB") + fileLine(10, "Cy"));

  // The next game's showing offers the button again.
  dialog.Button1->click();
  dialog.show();
  EXPECT_TRUE(dialog.Button2->isEnabled());
}

TEST_F(GameOver, CancelledNameEntryLeavesTheButtonEnabled) {
  dialog.show();
  for (int tick = 0; tick < 5; ++tick) dialog.CChangeTimer();
  dialog.Button2->click();
  EXPECT_EQ(fake.modalTitles, QStringList{"Local HighScore Board"});
  EXPECT_TRUE(dialog.Button2->isEnabled());
  EXPECT_FALSE(QFile::exists(file));

  fake.onModal = [&](QDialog& d) { return int(&d == &leader ? QDialog::Accepted : QDialog::Rejected); };
  leader.Name->setText("Ann");
  score = 0;
  dialog.Button2->click();
  EXPECT_FALSE(dialog.Button2->isEnabled());
  EXPECT_EQ(readAll(file), fileLine(0, "Ann"));
}
