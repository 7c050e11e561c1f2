#pragma once
// Fetches set summaries off the GUI thread: from the cache when it holds the
// file as it is now, otherwise by reading the set and drawing its preview, which
// then goes into the cache. Results come back on the loader's own thread.
#include <QObject>
#include <QThreadPool>
#include <functional>

#include "chooser/PreviewCache.h"

class PreviewLoader : public QObject {
  Q_OBJECT
 public:
  using Done = std::function<void(const QString& path, const SetSummary& summary)>;

  // At most two sets are read at once: each takes up to the readers' bounds.
  static constexpr int kWorkers = 2;

  PreviewLoader(PreviewCache cache, Done done, QObject* parent = nullptr);
  // Drops what has not started and waits for what has.
  ~PreviewLoader() override;

  void request(const SetEntry& entry);
  // Blocks until every request has been answered (tests and the benchmark).
  void waitForDone();

 private:
  PreviewCache cache_;
  Done done_;
  QThreadPool pool_;
};
