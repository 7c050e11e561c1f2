#pragma once
// `GameOverDialog`: shown when a game ends, with the game's result; from here the
// score goes on the local board.
#include <QColor>

#include "scores/GameResult.h"
#include "ui/GameDialog.h"

class GameOverTitle;
class QLabel;
class QPushButton;
class QTimer;
class PlayerNameDialog;
class ScoreTableWindow;

class GameOverDialog : public GameDialog {
  Q_OBJECT
 public:
  // leader and scores are the dialogs created once at start-up.
  GameOverDialog(PlayerNameDialog& leader, ScoreTableWindow& scores, QWidget* parent = nullptr);

  // The game just ended: its texts fill the labels and its score is the one offered to the board.
  void setResult(const GameResult& result);
  const GameResult& gameResult() const { return result_; }

  // One beat of the colour timer: the next title colour, and the buttons show from the fifth beat.
  void colourTimerFired();
  int colourStep() const { return colourStep_; }
  QColor titleColour() const;

  void done(int result) override;

 protected:
  void aboutToShow() override;
  void keyPressEvent(QKeyEvent* event) override;

 private:
  QWidget* makeTitle();
  QWidget* makeTexts();
  QWidget* makeButtons();
  void addToBoard();

  PlayerNameDialog& leader_;
  ScoreTableWindow& scores_;
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
