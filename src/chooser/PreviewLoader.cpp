#include "chooser/PreviewLoader.h"

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QElapsedTimer>
#include <QPointer>
#include <condition_variable>
#include <deque>
#include <map>
#include <mutex>
#include <thread>

#include "imageset/DefaultSet.h"

namespace {
constexpr int kMostPosted = 8;
}  // namespace

struct PreviewLoader::Shared {
  std::mutex mutex;
  std::condition_variable wake;
  std::deque<std::pair<QString, Job>> queue;
  // Jobs under way: a number of each to the tag and when it started.
  std::map<quint64, std::pair<QString, qint64>> running;
  quint64 nextId = 0;
  int unanswered = 0;
  int posted = 0;  // answers waiting for the GUI thread; each may hold a preview  // jobs given whose answer has not yet run on the GUI thread
  int workers = 0;
  int idle = 0;
  bool closed = false;
  QPointer<PreviewLoader> owner;  // read and posted to only under the mutex
  QElapsedTimer clock;
};

PreviewLoader::PreviewLoader(PreviewCache cache, Done done, QObject* parent)
    : QObject(parent), cache_(std::move(cache)), done_(std::move(done)), shared_(std::make_shared<Shared>()) {
  builtinPictures();  // decoded once here rather than raced for by the workers
  shared_->owner = this;
  shared_->clock.start();
  watch_ = new QTimer(this);
  watch_->setInterval(kDeadlineMs / 4);
  connect(watch_, &QTimer::timeout, this, &PreviewLoader::checkDeadlines);
  for (int i = 0; i < kWorkers; ++i) addWorker();
}

PreviewLoader::~PreviewLoader() {
  // Nothing here waits: queued jobs go, running ones find no one to answer.
  std::lock_guard lock(shared_->mutex);
  shared_->closed = true;
  shared_->unanswered -= int(shared_->queue.size());
  shared_->queue.clear();
  shared_->owner = nullptr;
  shared_->wake.notify_all();
}

void PreviewLoader::addWorker() {
  {
    std::lock_guard lock(shared_->mutex);
    ++shared_->workers;
  }
  std::thread(
      [](std::shared_ptr<Shared> shared) {
        std::unique_lock lock(shared->mutex);
        for (;;) {
          ++shared->idle;
          shared->wake.wait(lock, [&] { return shared->closed || !shared->queue.empty(); });
          --shared->idle;
          if (shared->closed) break;
          auto [tag, job] = std::move(shared->queue.front());
          shared->queue.pop_front();
          const quint64 id = shared->nextId++;
          shared->running[id] = {tag, shared->clock.elapsed()};
          lock.unlock();
          std::function<void()> answer = job();
          lock.lock();
          shared->running.erase(id);
          // A GUI thread that falls behind holds the workers back, not a pile of previews.
          shared->wake.wait(lock, [&] { return shared->closed || shared->posted < kMostPosted; });
          // Posted under the mutex, so the loader cannot go between the test and the post;
          // an answer still queued when it goes is dropped with its events.
          if (shared->owner && answer) {
            ++shared->posted;
            QMetaObject::invokeMethod(
                shared->owner.data(),
                [shared, answer = std::move(answer)] {
                  answer();
                  {
                    std::lock_guard done(shared->mutex);
                    --shared->unanswered;
                    --shared->posted;
                  }
                  shared->wake.notify_all();
                },
                Qt::QueuedConnection);
          } else
            --shared->unanswered;
        }
        --shared->workers;
      },
      shared_)
      .detach();
}

void PreviewLoader::run(const QString& tag, Job job) {
  {
    std::lock_guard lock(shared_->mutex);
    shared_->queue.emplace_back(tag, std::move(job));
    ++shared_->unanswered;
  }
  shared_->wake.notify_all();
  if (!watch_->isActive()) watch_->start();
}

void PreviewLoader::request(const SetEntry& entry) {
  run(entry.path, [cache = cache_, entry, done = done_]() -> std::function<void()> {
    std::optional<SetSummary> summary = cache.find(entry);
    if (!summary) {
      summary = summarizeSet(entry.path, cache.dpr());
      cache.store(entry, *summary);
    }
    return [done, path = entry.path, result = std::move(*summary)] { done(path, result); };
  });
}

void PreviewLoader::checkDeadlines() {
  QStringList late;
  bool starved = false;
  bool busy = false;
  int workers = 0;
  {
    std::lock_guard lock(shared_->mutex);
    const qint64 now = shared_->clock.elapsed();
    for (auto& [id, job] : shared_->running)
      if (job.second >= 0 && now - job.second > kDeadlineMs) {
        late << job.first;
        job.second = -1;  // reported once
      }
    int stuck = 0;
    for (const auto& [id, job] : shared_->running) stuck += job.second < 0 ? 1 : 0;
    busy = !shared_->running.empty() || !shared_->queue.empty();
    starved = !shared_->queue.empty() && shared_->idle == 0 && stuck > 0 && stuck >= shared_->workers;
    workers = shared_->workers;
  }
  if (starved && workers < kMostWorkers) addWorker();
  if (!busy) watch_->stop();
  for (const QString& tag : late) Q_EMIT stalled(tag);
}

bool PreviewLoader::waitForDone(int ms) {
  const QDeadlineTimer deadline(ms);
  for (;;) {
    QCoreApplication::sendPostedEvents(this);
    {
      std::lock_guard lock(shared_->mutex);
      if (shared_->unanswered == 0) break;
    }
    if (deadline.hasExpired()) return false;
    checkDeadlines();
    std::this_thread::sleep_for(std::chrono::milliseconds(2));
  }
  QCoreApplication::sendPostedEvents(this);
  return true;
}
