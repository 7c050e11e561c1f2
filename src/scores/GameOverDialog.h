#pragma once
// `GameOverDialog`: shown when a game ends, with the game's result. It says when
// the player asks to put the score on the local board; the name entry, the board
// and the table are the business of whoever shows it.
#include <QColor>

#include "scores/GameResult.h"
#include "ui/GameDialog.h"

class GameOverTitle;
class QLabel;
class QPushButton;
class QTimer;

class GameOverDialog : public GameDialog {
  Q_OBJECT
 public:
  explicit GameOverDialog(QWidget* parent = nullptr);

  // The game just ended: its texts fill the labels and its score is the one offered to the board.
  void setResult(const GameResult& result);
  const GameResult& gameResult() const { return result_; }
  // The score went on the board: a game's score goes there once only.
  void scoreAdded();

  // One beat of the colour timer: the next title colour, and the buttons show from the fifth beat.
  void colourTimerFired();
  int colourStep() const { return colourStep_; }
  QColor titleColour() const;

  void done(int result) override;

 Q_SIGNALS:
  // "&Add to Local HighScore Board..." was pressed; the dialog stays open.
  void addToBoardChosen();

 protected:
  void aboutToShow() override;
  void keyPressEvent(QKeyEvent* event) override;

 private:
  QWidget* makeTitle();
  QWidget* makeTexts();
  QWidget* makeButtons();
  GameResult result_;
  int colourStep_ = 0;   // carries on from one game to the next
  int revealCount_ = 0;  // starts again at every showing
  GameOverTitle* title_;
  QLabel* sentence_;
  QLabel* score_;
  QLabel* rating_;
  QWidget* buttons_;  // the web link and the two buttons, hidden for the first second
  QPushButton* addToBoard_;
  QTimer* colourTimer_;
};
