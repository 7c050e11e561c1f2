#pragma once
// `ScoreTableWindow`: the local high-score table, rank, name and score, best first.
#include <QStringList>

#include "scores/ScoreFile.h"
#include "ui/GameDialog.h"

class QTableView;
class ScoreBoardModel;

class ScoreTableWindow : public GameDialog {
  Q_OBJECT
 public:
  explicit ScoreTableWindow(ScoreBoard board, QWidget* parent = nullptr);

  const ScoreBoard& scores() const { return board_; }

  // The board file operations, keeping the table in step with the board.
  void loadBoard();
  void saveBoard();
  // Tells the player when the score could not be saved anywhere; false then.
  bool addScore(const QString& name, qint32 score);

  // The three texts row i shows in the present column widths, cut with "..." to fit.
  QStringList rowCells(int row) const;

  void done(int result) override;

 protected:
  void aboutToShow() override;

 private:
  QTableView* makeTable();
  void resetBoard();

  ScoreBoard board_;
  ScoreBoardModel* model_;
  QTableView* table_;
  bool emptied_ = false;
};
