#pragma once
// `GameOverDialog`: the game-over dialog. The play loop fills `sentenceLabel` and `ratingLabel`, then shows it
// modally; from here a score goes on the local board.
#include <QDialog>
#include <functional>

class QFrame;
class QLabel;
class QPushButton;
class QTimer;
class QWidget;
class PlayerNameDialog;
class LinkLabel;
class ScoreTableWindow;

class GameOverDialog : public QDialog {
  Q_OBJECT
 public:
  // finalScore reads the score of the game just ended from the main window; leader and
  // scores are the dialogs created once at start-up.
  GameOverDialog(PlayerNameDialog& leader, ScoreTableWindow& scores, std::function<int()> finalScore, QWidget* parent = nullptr);

  // One beat of `colourTimer`: the next title colour, and the panel shows from the fifth beat.
  void colourTimerFired();
  int colourStep() const { return colourStep_; }

  QFrame* outerBevel;
  QFrame* titleBevel;
  QLabel* titleShadow;
  QLabel* titleLabel;
  QFrame* textBevel;
  QLabel* sentenceLabel;
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
  void showEvent(QShowEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;

 private:
  void prepareReveal();
  void addToBoard();

  PlayerNameDialog& leader_;
  ScoreTableWindow& scores_;
  std::function<int()> finalScore_;
  int colourStep_ = 0;   // carries on from one game to the next
  int revealCount_ = 0;  // starts again at every showing
};
