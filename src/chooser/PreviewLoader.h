#pragma once
// Does the chooser's file work off the GUI thread: listing folders, looking at
// files, reading sets and their cached previews. Each job runs on a worker and
// hands a step back to the GUI thread. A job that has not answered within
// kDeadlineMs is reported stalled (a dead mount, a named pipe); while workers
// sit stalled, fresh ones take the queue. The workers are never waited for:
// closing the chooser drops what has not started and abandons what has, which
// then ends with its read or with the process.
#include <QObject>
#include <QString>
#include <QTimer>
#include <functional>
#include <memory>

#include "chooser/PreviewCache.h"

class PreviewLoader : public QObject {
  Q_OBJECT
 public:
  using Done = std::function<void(const QString& path, const SetSummary& summary)>;
  // Work for a worker; what it returns then runs on the GUI thread.
  using Job = std::function<std::function<void()>()>;

  // At most two sets are read at once: each takes up to the readers' bounds.
  static constexpr int kWorkers = 2;
  // Workers stalled for good are replaced, up to this many in all.
  static constexpr int kMostWorkers = 10;
  // A job that takes longer is "Not answering".
  static constexpr int kDeadlineMs = 2000;

  PreviewLoader(PreviewCache cache, Done done, QObject* parent = nullptr);
  ~PreviewLoader() override;

  // Reads entry's summary (from the cache when it holds the file as it is now).
  void request(const SetEntry& entry);
  // Runs any file work; tag names it in stalled().
  void run(const QString& tag, Job job);
  // Waits, letting events through, until every job has answered or ms have passed
  // (tests and the benchmark); false when some have not.
  bool waitForDone(int ms = 30000);

 Q_SIGNALS:
  // The job tagged tag has not answered within the deadline.
  void stalled(const QString& tag);

 private:
  struct Shared;
  void checkDeadlines();
  void addWorker();

  PreviewCache cache_;
  Done done_;
  std::shared_ptr<Shared> shared_;
  QTimer* watch_;
};
