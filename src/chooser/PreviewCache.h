#pragma once
// The chooser's previews and texts kept on disk, one PNG a set file. The folder
// and its files are the player's to tamper with: nothing in it is followed
// through a link or opened unless it is a regular file, and a stored preview is
// used only when it carries, inside the file, the exact key of the set it is
// asked for (path, size, modification time, drawing version, pixel ratio), has
// the preview's exact size and texts within a set's own limits. Anything else is
// passed over and drawn again.
#include <QString>
#include <QStringList>
#include <optional>

#include "chooser/SetCatalog.h"
#include "chooser/SetSummary.h"

class PreviewCache {
 public:
  // The longest text a set's header holds; a stored text longer than that is no set's.
  static constexpr int kLongestText = 200;
  // A stored preview file larger than this is not one of ours.
  static constexpr qint64 kLargestFile = 2 * 1024 * 1024;

  explicit PreviewCache(QString folder, qreal dpr = 1) : folder_(std::move(folder)), dpr_(dpr) {}

  std::optional<SetSummary> find(const SetEntry& entry) const;
  void store(const SetEntry& entry, const SetSummary& summary) const;
  // Deletes the cached previews of every file not among entries: only regular files
  // of the cache's own names, inside the cache folder itself.
  void keepOnly(const QList<SetEntry>& entries) const;

  // What a stored preview must carry to stand for entry.
  QByteArray keyOf(const SetEntry& entry) const;
  QString fileOf(const SetEntry& entry) const;
  QString folder() const { return folder_; }
  // The pixel ratio its previews are drawn at.
  qreal dpr() const { return dpr_; }

 private:
  QString nameOf(const SetEntry& entry) const;
  QString folder_;
  qreal dpr_;
};
