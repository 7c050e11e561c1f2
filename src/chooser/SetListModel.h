#pragma once
// The chooser's list: one row a set file, with its summary once the loader has it.
// Its previews are held within a fixed budget: the rows used least lately lose
// theirs and ask for them again (previewWanted) when they are shown.
#include <QAbstractListModel>
#include <QHash>
#include <QList>
#include <QSet>
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
    SizeRole,        // qint64 bytes, -1 before the file has been looked at
    SoundsRole,      // int
    TuneRole,        // bool
    ErrorRole,       // "cannot be read: ..." or empty
    OriginRole,      // int, SetOrigin
    PathRole,
    InUseRole,       // bool: the set in force was read from this file
    StalledRole,     // bool: the file has not answered in time
  };

  // About 256 previews at the preview's size on a 1x screen, 64 on a 2x one: bytes are
  // counted as the pictures hold them.
  static constexpr qint64 kPreviewBudget = 32 * 1024 * 1024;

  using QAbstractListModel::QAbstractListModel;

  void setEntries(const QList<SetEntry>& entries);
  // The summary of the file at path; rows of other files are untouched.
  void setSummary(const QString& path, const SetSummary& summary);
  // The file at path has not answered in time.
  void setStalled(const QString& path);
  // The file the set in force was read from, as the file itself (canonical); empty for none.
  void setInUse(const QString& canonicalPath);

  const SetEntry& entry(int row) const { return rows_[row].entry; }
  int rowOf(const QString& path) const;
  bool allSummarized() const;
  // Bytes of preview pictures held now.
  qint64 previewBytes() const { return previewBytes_; }

  int rowCount(const QModelIndex& parent = {}) const override;
  QVariant data(const QModelIndex& index, int role) const override;

 Q_SIGNALS:
  // A row whose preview went to keep within the budget is shown again.
  void previewWanted(const SetEntry& entry) const;

 private:
  struct Row {
    SetEntry entry;
    std::optional<SetSummary> summary;
    bool stalled = false;
    bool previewDropped = false;
  };
  void keepWithinBudget(int keep);
  QList<Row> rows_;
  QHash<QString, int> rowByPath_;
  QList<QString> previewOrder_;  // paths of the rows holding a preview, used least lately first
  qint64 previewBytes_ = 0;
  mutable QSet<QString> wanted_;
  QString inUse_;  // canonical path
};

// "Shipped with the game", "In your sets folder", "Loaded lately".
QString originText(SetOrigin origin);
