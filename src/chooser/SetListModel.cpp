#include "chooser/SetListModel.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QSet>
#include <algorithm>

#include "common/Files.h"

namespace {
qint64 bytesOf(const QImage& image) { return image.isNull() ? 0 : qint64(image.sizeInBytes()); }
}  // namespace

void SetListModel::setEntries(const QList<SetEntry>& entries) {
  // A file listed before and unchanged since keeps its summary.
  QList<Row> rows;
  for (const SetEntry& entry : entries) {
    const int old = rowOf(entry.path);
    const bool same = old >= 0 && entry.size >= 0 && rows_[old].entry.size == entry.size &&
                      rows_[old].entry.modifiedMs == entry.modifiedMs;
    Row row{entry, same ? rows_[old].summary : std::nullopt};
    if (same) row.previewDropped = rows_[old].previewDropped;
    if (!same && old >= 0 && entry.size < 0) row.stalled = rows_[old].stalled;
    rows.append(row);
  }
  beginResetModel();
  rows_ = std::move(rows);
  rowByPath_.clear();
  for (int row = 0; row < rows_.size(); ++row) rowByPath_.insert(rows_[row].entry.path, row);
  previewBytes_ = 0;
  QList<QString> order;
  for (const QString& path : previewOrder_) {
    const int row = rowOf(path);
    if (row < 0 || !rows_[row].summary) continue;
    order.append(path);
    previewBytes_ += bytesOf(rows_[row].summary->preview);
  }
  previewOrder_ = order;
  wanted_.clear();
  endResetModel();
}

int SetListModel::rowOf(const QString& path) const { return rowByPath_.value(path, -1); }

void SetListModel::setSummary(const QString& path, const SetSummary& summary) {
  const int row = rowOf(path);
  if (row < 0) return;
  Row& r = rows_[row];
  if (r.summary) previewBytes_ -= bytesOf(r.summary->preview);
  previewOrder_.removeAll(path);
  r.summary = summary;
  r.stalled = false;
  r.previewDropped = false;
  wanted_.remove(path);
  if (!summary.preview.isNull()) {
    previewOrder_.append(path);
    previewBytes_ += bytesOf(summary.preview);
    keepWithinBudget(row);
  }
  Q_EMIT dataChanged(index(row), index(row));
}

void SetListModel::keepWithinBudget(int keep) {
  while (previewBytes_ > kPreviewBudget && previewOrder_.size() > 1) {
    const QString path = previewOrder_.takeFirst();
    const int row = rowOf(path);
    if (row < 0 || row == keep || !rows_[row].summary) continue;
    previewBytes_ -= bytesOf(rows_[row].summary->preview);
    rows_[row].summary->preview = QImage();
    rows_[row].previewDropped = true;
  }
}

void SetListModel::setStalled(const QString& path) {
  const int row = rowOf(path);
  if (row < 0 || rows_[row].summary) return;
  rows_[row].stalled = true;
  Q_EMIT dataChanged(index(row), index(row));
}

void SetListModel::setInUse(const QString& canonicalPath) {
  inUse_ = canonicalPath;
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
      return s && s->readable() && !s->title.isEmpty() ? s->title : shownFileName(QFileInfo(row.entry.path).fileName());
    case Qt::DecorationRole:
      if (s && row.previewDropped && !wanted_.contains(row.entry.path)) {
        wanted_.insert(row.entry.path);
        Q_EMIT previewWanted(row.entry);
      }
      return s ? s->preview : QImage();
    case Qt::ToolTipRole: return shownFileName(row.entry.path);
    case SummaryReadyRole: return s != nullptr;
    case AuthorRole: return s ? s->author : QString();
    case CommentRole: return s ? s->comment : QString();
    case SizeRole: return row.entry.size;
    case SoundsRole: return s ? s->soundCount : 0;
    case TuneRole: return s && s->hasTune;
    case ErrorRole: return s ? s->error : QString();
    case OriginRole: return int(row.entry.origin);
    case PathRole: return row.entry.path;
    // The same file may be named by another path (a link, ".."): both are the file itself.
    case InUseRole: return !inUse_.isEmpty() && row.entry.canonical == inUse_;
    case StalledRole: return row.stalled;
    default: return {};
  }
}

QString originText(SetOrigin origin) {
  switch (origin) {
    case SetOrigin::Shipped: return QCoreApplication::translate("SetListModel", "Shipped with the game");
    case SetOrigin::Player: return QCoreApplication::translate("SetListModel", "In your sets folder");
    case SetOrigin::Recent: break;
  }
  return QCoreApplication::translate("SetListModel", "Loaded lately");
}
