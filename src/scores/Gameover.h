#pragma once
// `TForm2`: the game-over dialog. The play loop fills `_Sc` and `Box`, then shows it
// modally; from here a score goes on the local board.
#include <QDialog>
#include <functional>

class QFrame;
class QLabel;
class QPushButton;
class QTimer;
class QWidget;
class TLeader;
class TLink;
class Tscores;

class TForm2 : public QDialog {
  Q_OBJECT
 public:
  // finalScore reads the score of the game just ended from the main window; leader and
  // scores are the dialogs created once at start-up.
  TForm2(TLeader& leader, Tscores& scores, std::function<int()> finalScore, QWidget* parent = nullptr);

  // One beat of `CChange`: the next title colour, and the panel shows from the fifth beat.
  void CChangeTimer();
  int colourStep() const { return colourStep_; }

  QFrame* Bevel1;
  QFrame* Bevel3;
  QLabel* Label2;
  QLabel* Label1;
  QFrame* Bevel2;
  QLabel* _Sc;
  QLabel* Box;
  QLabel* Label6;
  QWidget* Pan2;
  QLabel* Label4;
  TLink* tLink2;
  QPushButton* Button1;
  QPushButton* Button2;
  QTimer* CChange;

  void done(int result) override;

 protected:
  void showEvent(QShowEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;

 private:
  void FormShow();
  void Button2Click();

  TLeader& leader_;
  Tscores& scores_;
  std::function<int()> finalScore_;
  int colourStep_ = 0;   // carries on from one game to the next
  int revealCount_ = 0;  // starts again at every showing
};
