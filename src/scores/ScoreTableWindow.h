#pragma once
// `ScoreTableWindow`: the local high-score table, rank, name and score, best first.
#include <QByteArray>
#include <QStandardItemModel>
#include <QStringList>

#include "scores/ScoreFile.h"
#include "ui/GameDialog.h"

class QFrame;
class QHeaderView;
class QListWidget;
class QPainter;
class QPushButton;

class ScoreTableWindow : public GameDialog {
  Q_OBJECT
 public:
  explicit ScoreTableWindow(ScoreBoard board, QWidget* parent = nullptr);

  const ScoreBoard& scores() const { return board_; }

  // The board file operations, keeping `rows` in step with the list.
  void loadBoard();
  void saveBoard();
  // Tells the player when the score could not be saved anywhere; false then.
  bool addScore(const QString& name, qint32 score);

  // The three texts row i shows with the present `header` section widths.
  QStringList rowCells(int row) const;

  void done(int result) override;

  QFrame* tablePanel;
  QHeaderView* header;
  QListWidget* rows;
  QPushButton* okButton;
  QPushButton* resetButton;

 protected:
  void aboutToShow() override;

 private:
  friend class BoardDelegate;
  void buildTable();
  void drawRow(QPainter& painter, int row, const QRect& rect, bool selected) const;
  void resetBoard();
  void headerResized();
  void refreshBoard();
  // Each cell as (left, width) in the row.
  QList<std::pair<int, int>> cellSpans(int rowWidth) const;

  ScoreBoard board_;
  QStandardItemModel headModel_;
  bool emptied_ = false;
};
