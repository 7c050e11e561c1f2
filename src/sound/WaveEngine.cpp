#include "sound/WaveEngine.h"

#include <QMetaObject>
#include <algorithm>
#include <utility>

namespace {
// How long `bytes` samples sound at the device's rate.
std::chrono::microseconds soundLength(std::size_t bytes) {
  return std::chrono::microseconds(static_cast<std::int64_t>(bytes) * 1'000'000 / WaveDevice::kSampleRate);
}
}  // namespace

WaveEngine::WaveEngine(std::unique_ptr<WaveDevice> device, std::chrono::milliseconds closeDelay)
    : device_(std::move(device)), closeDelay_(closeDelay) {}

WaveEngine::~WaveEngine() { closeWave(); }

void WaveEngine::openWave() {
  closeWave();
  if (!device_) {
    firstOpenAnswered(false);
    return;
  }
  std::unique_lock lock(mutex_);
  probing_ = true;
  waiting_ = true;
  wantOpen_ = true;
  // The start-up sound usually follows at once: the output stays open for it.
  wantSpan_ = closeDelay_;
  thread_ = std::thread([this] { keeper(); });
  const bool answered = answered_.wait_for(lock, kFirstOpenWait, [this] { return !probing_; });
  waiting_ = false;
  const bool opened = probeOk_;
  lock.unlock();
  // Until a slow device answers, sound counts as on: nothing is lost by that,
  // as a sound played meanwhile waits for the open.
  firstOpenAnswered(answered ? opened : true);
}

void WaveEngine::firstOpenAnswered(bool opened) {
  deviceFound_ = opened;
  if (opened) {
    if (state_ == SoundState::Unavailable) state_ = SoundState::Enabled;
    if (state_ == SoundState::Enabled) statHint_ = QCoreApplication::translate("WaveEngine", kHintEnabled);
  } else {
    state_ = SoundState::Unavailable;
    statHint_ = QCoreApplication::translate("WaveEngine", kHintUnavailable);
  }
}

void WaveEngine::closeWave() {
  if (thread_.joinable()) {
    {
      std::lock_guard lock(mutex_);
      quit_ = true;
    }
    wake_.notify_all();
    thread_.join();
  }
  if (open_) {
    gate_.store(false);
    device_->close();
  }
  open_ = wantOpen_ = hold_ = probing_ = quit_ = false;
  wantSpan_ = {};
  mixer_.reset();
}

bool WaveEngine::outputOpen() const {
  std::lock_guard lock(mutex_);
  return open_;
}

void WaveEngine::playWave(const SoundBuffer& sound, WaveChannel channel) {
  if (state_ != SoundState::Enabled) return;
  mixer_.play(channel, sound.data.shared());
  if (!sound.empty()) wantOutputFor(soundLength(sound.data.size()) + closeDelay_);
}

void WaveEngine::stopWave(WaveChannel channel) {
  mixer_.stop(channel);
  std::lock_guard lock(mutex_);
  mixer_.dropReturned();
}

void WaveEngine::keepOutputOpen(bool on) {
  if (!thread_.joinable()) return;
  {
    std::lock_guard lock(mutex_);
    hold_ = on;
    if (on && state_ == SoundState::Enabled && !open_) wantOpen_ = true;
    if (on && !open_) wantSpan_ = std::max<Clock::duration>(wantSpan_, closeDelay_);
    if (!on) keepUntil_ = std::max(keepUntil_, Clock::now() + closeDelay_);
  }
  wake_.notify_all();
}

void WaveEngine::wantOutputFor(Clock::duration span) {
  if (!thread_.joinable()) return;  // not opened yet, or for good
  bool wake = false;
  {
    std::lock_guard lock(mutex_);
    mixer_.dropReturned();
    // An open output needs no word: the keeper finds the later time when it
    // wakes for the earlier one. A shut one counts the span from its open, as
    // the sound starts then.
    if (open_) {
      keepUntil_ = std::max(keepUntil_, Clock::now() + span);
    } else {
      wantSpan_ = std::max(wantSpan_, span);
      wake = wantOpen_ = true;
    }
  }
  if (wake) wake_.notify_all();
}

void WaveEngine::setSoundState(SoundState state) {
  if (state_ == SoundState::Unavailable || state == SoundState::Unavailable) return;
  state_ = state;
}

void WaveEngine::render(std::span<std::uint8_t> out) noexcept {
  // With the keeper's two stores this is Dekker's handshake: either this call
  // sees the gate shut, or the keeper waits for it to end.
  rendering_.store(true);
  if (gate_.load())
    mixer_.mix(out);
  else
    std::fill(out.begin(), out.end(), WaveDevice::kSilence);
  rendering_.store(false);
}

void WaveEngine::keeper() {
  std::unique_lock lock(mutex_);
  while (!quit_) {
    if (wantOpen_ && !open_) {
      wantOpen_ = false;
      gate_.store(true);
      lock.unlock();
      const bool opened = device_->open(*this);
      lock.lock();
      open_ = opened;
      if (!opened) gate_.store(false);
      keepUntil_ = std::max(keepUntil_, Clock::now() + wantSpan_);
      wantSpan_ = {};
      if (probing_) {
        probing_ = false;
        probeOk_ = opened;
        answered_.notify_all();
        if (!waiting_)
          QMetaObject::invokeMethod(&guiSide_, [this, opened] {
            firstOpenAnswered(opened);
            if (listener_) listener_();
          }, Qt::QueuedConnection);
        // No device at start-up means none for the run: a sound played before
        // the game heard the answer must not try again (and say so again).
        if (!opened) return;
      }
      continue;
    }
    if (open_ && !hold_ && Clock::now() >= keepUntil_) {
      shutOutput(lock);
      continue;
    }
    if (open_ && !hold_)
      wake_.wait_until(lock, keepUntil_);
    else
      wake_.wait(lock);
  }
}

// Called with the lock held; returns with it held. A sound played from here on
// finds the output shut and asks for a new open, which the keeper makes as
// soon as this close returns.
void WaveEngine::shutOutput(std::unique_lock<std::mutex>& lock) {
  gate_.store(false);
  while (rendering_.load()) std::this_thread::yield();  // at most one period's mix
  open_ = false;
  lock.unlock();
  device_->close();
  lock.lock();
  // No render runs now: what the mixer handed back is dropped here.
  mixer_.dropReturned();
}
