#pragma once
// The chooser's previews and texts kept on disk, one PNG a set file, named by a
// hash of the file's path, size and modification time: a changed file misses.
#include <QString>
#include <QStringList>
#include <optional>

#include "chooser/SetCatalog.h"
#include "chooser/SetSummary.h"

class PreviewCache {
 public:
  explicit PreviewCache(QString folder) : folder_(std::move(folder)) {}

  std::optional<SetSummary> find(const SetEntry& entry) const;
  void store(const SetEntry& entry, const SetSummary& summary) const;
  // Deletes the cached previews of every file not among entries.
  void keepOnly(const QList<SetEntry>& entries) const;

  QString fileOf(const SetEntry& entry) const;

 private:
  QString folder_;
};
