#pragma once
// `ScoreBoardModel`: the board as the player reads it, a table of rank, name and
// score, best first. A zero score shows as an empty cell.
#include <QAbstractTableModel>
#include <QByteArrayList>

class ScoreBoardModel : public QAbstractTableModel {
  Q_OBJECT
 public:
  explicit ScoreBoardModel(QObject* parent = nullptr);

  int rowCount(const QModelIndex& parent = {}) const override;
  int columnCount(const QModelIndex& parent = {}) const override;
  QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
  QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;

  // The board's entries as the score file holds them, best first.
  void setEntries(const QByteArrayList& entries);

 private:
  QByteArrayList entries_;
};
