#pragma once
// `Tscores`: the local high-score table, rank, name and score, best first.
#include <QByteArray>
#include <QDialog>
#include <QStandardItemModel>
#include <QStringList>

#include "scores/ScoreFile.h"

class QFrame;
class QHeaderView;
class QListWidget;
class QPainter;
class QPushButton;

class Tscores : public QDialog {
  Q_OBJECT
 public:
  explicit Tscores(ScoreBoard board, QWidget* parent = nullptr);

  const ScoreBoard& scores() const { return board_; }

  // The board file operations, keeping `Board` in step with the list.
  void LoadBoard();
  void SaveBoard();
  // Tells the player when the score could not be saved anywhere; false then.
  bool AddScore(const QString& name, qint32 score);

  // The three texts row i shows with the present `Head` section widths.
  QStringList rowCells(int row) const;

  void done(int result) override;

  QFrame* Panel1;
  QHeaderView* Head;
  QListWidget* Board;
  QPushButton* Button1;
  QPushButton* Button2;

 protected:
  void showEvent(QShowEvent* event) override;

 private:
  friend class BoardDelegate;
  void BoardDrawItem(QPainter& painter, int row, const QRect& rect, bool selected) const;
  void Button2Click();
  void HeadSized();
  void refreshBoard();
  // Each cell as (left, width) in the row.
  QList<std::pair<int, int>> cellSpans(int rowWidth) const;

  ScoreBoard board_;
  QStandardItemModel headModel_;
  bool emptied_ = false;
};
