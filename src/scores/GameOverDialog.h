#pragma once
// `GameOverDialog`: shown when a game ends, with the game's result; from here the
// score goes on the local board.
#include "scores/GameResult.h"
#include "ui/GameDialog.h"

class QFrame;
class QLabel;
class QPushButton;
class QTimer;
class QWidget;
class PlayerNameDialog;
class LinkLabel;
class ScoreTableWindow;

class GameOverDialog : public GameDialog {
  Q_OBJECT
 public:
  // leader and scores are the dialogs created once at start-up.
  GameOverDialog(PlayerNameDialog& leader, ScoreTableWindow& scores, QWidget* parent = nullptr);

  // The game just ended: its texts fill the labels and its score is the one offered to the board.
  void setResult(const GameResult& result);
  const GameResult& gameResult() const { return result_; }

  // One beat of `colourTimer`: the next title colour, and the panel shows from the fifth beat.
  void colourTimerFired();
  int colourStep() const { return colourStep_; }

  QFrame* outerBevel;
  QFrame* titleBevel;
  QLabel* titleShadow;
  QLabel* titleLabel;
  QFrame* textBevel;
  QLabel* sentenceLabel;
  QLabel* scoreLabel;  // the score again, large
  QLabel* ratingLabel;
  QLabel* noticeLabel;
  QWidget* buttonPanel;
  QLabel* visitLabel;
  LinkLabel* webSiteLink;
  QPushButton* okButton;
  QPushButton* addToBoardButton;
  QTimer* colourTimer;

  void done(int result) override;

 protected:
  void aboutToShow() override;
  void keyPressEvent(QKeyEvent* event) override;

 private:
  void buildButtonPanel();
  void layOutTexts();
  void addToBoard();

  PlayerNameDialog& leader_;
  ScoreTableWindow& scores_;
  GameResult result_;
  int colourStep_ = 0;   // carries on from one game to the next
  int revealCount_ = 0;  // starts again at every showing
};
