#include "chooser/SetListModel.h"

#include <QFileInfo>
#include <algorithm>

void SetListModel::setEntries(const QList<SetEntry>& entries) {
  // A file listed before and unchanged since keeps its summary.
  QList<Row> rows;
  for (const SetEntry& entry : entries) {
    const int old = rowOf(entry.path);
    const bool same = old >= 0 && rows_[old].entry.size == entry.size && rows_[old].entry.modifiedMs == entry.modifiedMs;
    rows.append({entry, same ? rows_[old].summary : std::nullopt});
  }
  beginResetModel();
  rows_ = std::move(rows);
  endResetModel();
}

int SetListModel::rowOf(const QString& path) const {
  for (int row = 0; row < rows_.size(); ++row)
    if (rows_[row].entry.path == path) return row;
  return -1;
}

void SetListModel::setSummary(const QString& path, const SetSummary& summary) {
  const int row = rowOf(path);
  if (row < 0) return;
  rows_[row].summary = summary;
  Q_EMIT dataChanged(index(row), index(row));
}

void SetListModel::setInUse(const QString& path) {
  inUse_ = path.isEmpty() ? QString() : QFileInfo(path).canonicalFilePath();
  if (!rows_.isEmpty()) Q_EMIT dataChanged(index(0), index(int(rows_.size()) - 1), {InUseRole});
}

bool SetListModel::allSummarized() const {
  return std::all_of(rows_.begin(), rows_.end(), [](const Row& row) { return row.summary.has_value(); });
}

int SetListModel::rowCount(const QModelIndex& parent) const { return parent.isValid() ? 0 : int(rows_.size()); }

QVariant SetListModel::data(const QModelIndex& index, int role) const {
  if (!index.isValid() || index.row() >= rows_.size()) return {};
  const Row& row = rows_[index.row()];
  const SetSummary* s = row.summary ? &*row.summary : nullptr;
  switch (role) {
    case Qt::DisplayRole:
      // Until the set has been read, and when it cannot be, its file name stands in.
      return s && s->readable() && !s->title.isEmpty() ? s->title : QFileInfo(row.entry.path).fileName();
    case Qt::DecorationRole: return s ? s->preview : QImage();
    case Qt::ToolTipRole: return row.entry.path;
    case SummaryReadyRole: return s != nullptr;
    case AuthorRole: return s ? s->author : QString();
    case CommentRole: return s ? s->comment : QString();
    case SizeRole: return row.entry.size;
    case SoundsRole: return s ? s->soundCount : 0;
    case TuneRole: return s && s->hasTune;
    case ErrorRole: return s ? s->error : QString();
    case OriginRole: return int(row.entry.origin);
    case PathRole: return row.entry.path;
    // The same file may be named by another path (a link, "..").
    case InUseRole: return !inUse_.isEmpty() && QFileInfo(row.entry.path).canonicalFilePath() == inUse_;
    default: return {};
  }
}

QString originText(SetOrigin origin) {
  switch (origin) {
    case SetOrigin::Shipped: return QStringLiteral("Shipped with the game");
    case SetOrigin::Player: return QStringLiteral("In your sets folder");
    case SetOrigin::Recent: break;
  }
  return QStringLiteral("Loaded lately");
}
