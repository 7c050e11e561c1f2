#include "scores/ScoreBoardModel.h"

#include "scores/BoardText.h"

namespace {
enum Column { kRank, kName, kScore, kColumns };
}  // namespace

ScoreBoardModel::ScoreBoardModel(QObject* parent) : QAbstractTableModel(parent) {}

int ScoreBoardModel::rowCount(const QModelIndex& parent) const {
  return parent.isValid() ? 0 : int(entries_.size());
}

int ScoreBoardModel::columnCount(const QModelIndex& parent) const { return parent.isValid() ? 0 : kColumns; }

QVariant ScoreBoardModel::data(const QModelIndex& index, int role) const {
  if (role != Qt::DisplayRole || !index.isValid() || index.row() >= rowCount()) return {};
  const QByteArray& entry = entries_.at(index.row());
  switch (index.column()) {
    case kRank: return rankText(index.row());
    case kName: return entryName(entry);
    case kScore: return entryScore(entry);
    default: return {};
  }
}

QVariant ScoreBoardModel::headerData(int section, Qt::Orientation orientation, int role) const {
  if (role != Qt::DisplayRole || orientation != Qt::Horizontal) return {};
  static const char* const kTitles[kColumns] = {QT_TR_NOOP("Rank"), QT_TR_NOOP("Name"), QT_TR_NOOP("Score")};
  return section >= 0 && section < kColumns ? tr(kTitles[section]) : QVariant();
}

void ScoreBoardModel::setEntries(const QByteArrayList& entries) {
  beginResetModel();
  entries_ = entries;
  endResetModel();
}
