#include "chooser/PreviewLoader.h"

#include <QCoreApplication>

#include "imageset/DefaultSet.h"

PreviewLoader::PreviewLoader(PreviewCache cache, Done done, QObject* parent)
    : QObject(parent), cache_(std::move(cache)), done_(std::move(done)) {
  pool_.setMaxThreadCount(kWorkers);
  builtinPictures();  // decoded once here rather than raced for by the workers
}

PreviewLoader::~PreviewLoader() {
  pool_.clear();
  pool_.waitForDone();
}

void PreviewLoader::request(const SetEntry& entry) {
  // The destructor waits for running tasks, so `this` outlives each of them; a
  // result posted after the loader has gone is dropped with its events.
  pool_.start([this, entry] {
    std::optional<SetSummary> summary = cache_.find(entry);
    if (!summary) {
      summary = summarizeSet(entry.path);
      cache_.store(entry, *summary);
    }
    QMetaObject::invokeMethod(
        this, [this, path = entry.path, result = std::move(*summary)] { done_(path, result); }, Qt::QueuedConnection);
  });
}

void PreviewLoader::waitForDone() {
  pool_.waitForDone();
  QCoreApplication::sendPostedEvents(this);
}
