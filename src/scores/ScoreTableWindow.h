#pragma once
// `ScoreTableWindow`: the local high-score table, rank, name and score, best first.
// It shows the entries it is given and says whether the player chose to empty
// the board; the board and its file belong to whoever shows it.
#include <QByteArrayList>
#include <QStringList>

#include "ui/GameDialog.h"

class QTableView;
class ScoreBoardModel;

class ScoreTableWindow : public GameDialog {
  Q_OBJECT
 public:
  explicit ScoreTableWindow(QWidget* parent = nullptr);

  // The entries to show at this showing, best first.
  void showEntries(const QByteArrayList& entries);
  // The player confirmed "&Reset Score-board" at this showing: the board is to be emptied.
  bool resetChosen() const { return resetChosen_; }

  // The three texts row i shows in the present column widths, cut with "..." to fit.
  QStringList rowCells(int row) const;

 private:
  QTableView* makeTable();
  void resetBoard();

  ScoreBoardModel* model_;
  QTableView* table_;
  bool resetChosen_ = false;
};
