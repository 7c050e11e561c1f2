#pragma once
// The chooser's list: one row a set file, with its summary once the loader has it.
#include <QAbstractListModel>
#include <QList>
#include <optional>

#include "chooser/SetCatalog.h"
#include "chooser/SetSummary.h"

class SetListModel : public QAbstractListModel {
  Q_OBJECT
 public:
  enum Role {
    SummaryReadyRole = Qt::UserRole + 1,  // bool: the summary has come
    AuthorRole,
    CommentRole,
    SizeRole,        // qint64 bytes
    SoundsRole,      // int
    TuneRole,        // bool
    ErrorRole,       // "cannot be read: ..." or empty
    OriginRole,      // int, SetOrigin
    PathRole,
    InUseRole,       // bool: the set in force was read from this file
  };

  using QAbstractListModel::QAbstractListModel;

  void setEntries(const QList<SetEntry>& entries);
  // The summary of the file at path; rows of other files are untouched.
  void setSummary(const QString& path, const SetSummary& summary);
  // The file the set in force was read from; empty for none.
  void setInUse(const QString& path);

  const SetEntry& entry(int row) const { return rows_[row].entry; }
  int rowOf(const QString& path) const;
  bool allSummarized() const;

  int rowCount(const QModelIndex& parent = {}) const override;
  QVariant data(const QModelIndex& index, int role) const override;

 private:
  struct Row {
    SetEntry entry;
    std::optional<SetSummary> summary;
  };
  QList<Row> rows_;
  QString inUse_;  // canonical path
};

// "Shipped with the game", "In your sets folder", "Loaded lately".
QString originText(SetOrigin origin);
