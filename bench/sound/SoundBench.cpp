// Sound engine figures, run by hand: the delay from playWave to the sound's
// first sample in the device's output, what a GUI thread blocked for two seconds
// does to a sound that is playing, the wakes of the device's thread (a real
// card runs dry when one comes later than the output's buffering), the CPU the
// engine costs while sounds play, the cost of mixing, and the music's level.
#include <QCoreApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QFile>
#include <QTemporaryDir>
#include <QTimer>
#include <algorithm>
#include <array>
#include <atomic>
#include <chrono>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <optional>
#include <random>
#include <sys/resource.h>
#include <thread>
#include <vector>

#include "sound/SoundBackend.h"
#include "sound/WaveEngine.h"
#include "WatchedWaveDevice.h"

namespace {

using Bytes = std::vector<std::uint8_t>;

double cpuSeconds() {
  rusage u{};
  getrusage(RUSAGE_SELF, &u);
  return double(u.ru_utime.tv_sec + u.ru_stime.tv_sec) + double(u.ru_utime.tv_usec + u.ru_stime.tv_usec) / 1e6;
}

void runLoop(int ms) {
  QEventLoop loop;
  QTimer::singleShot(ms, &loop, &QEventLoop::quit);
  loop.exec();
}

int periodSamples() {
  const int asked = qEnvironmentVariableIntValue("PVQ_SOUND_PERIOD");
  return asked > 0 ? asked : 256;
}
double periodMs() { return 1000.0 * periodSamples() / WaveDevice::kSampleRate; }

long residentKb() {
  QFile status(QStringLiteral("/proc/self/status"));
  status.open(QIODevice::ReadOnly);
  for (const QByteArray& line : status.readAll().split('\n'))
    if (line.startsWith("VmRSS:")) return line.mid(6).trimmed().split(' ').front().toLong();
  return 0;
}

// What each late load costs: SDL once the window is up, FluidSynth at the first
// tune, each with the libraries it brings.
template <class Load>
void timeModuleLoad(const char* name, Load load) {
  const long before = residentKb();
  QElapsedTimer t;
  t.start();
  QString why;
  const bool loaded = load(&why) != nullptr;
  const double ms = t.nsecsElapsed() / 1e6;
  std::printf("loading the %s module: %.1f ms, resident memory +%.1f MiB%s\n", name, ms,
              (residentKb() - before) / 1024.0, loaded ? "" : qPrintable(QStringLiteral(" (failed: %1)").arg(why)));
}

void moduleLoad() {
  timeModuleLoad("sound", [](QString* why) { return soundBackend(why); });
  timeModuleLoad("MIDI", [](QString* why) { return midiBackend(why); });
}

struct Stats {
  double min, median, p90, max;
};
Stats stats(std::vector<double> v) {
  if (v.empty()) return {0, 0, 0, 0};
  std::sort(v.begin(), v.end());
  auto at = [&](double q) { return v[std::min(v.size() - 1, std::size_t(q * double(v.size() - 1) + 0.5))]; };
  return {v.front(), at(0.5), at(0.9), v.back()};
}

// The engine on SDL's disk driver, writing to a file in `dir`.
struct DiskRig {
  QTemporaryDir dir;
  QString file = dir.filePath(QStringLiteral("out.raw"));
  WatchedWaveDevice* device = nullptr;
  std::unique_ptr<WaveEngine> engine;

  bool open() {
    qputenv("SDL_AUDIODRIVER", "disk");
    qputenv("SDL_DISKAUDIOFILE", QFile::encodeName(file));
    auto watched = std::make_unique<WatchedWaveDevice>(sdlWaveDevice());
    device = watched.get();
    engine = std::make_unique<WaveEngine>(std::move(watched));
    engine->openWave();
    return engine->deviceOpen();
  }
  // The output from the first sample handed out, which is index 0 of the count.
  QByteArray close() {
    engine->closeWave();
    QFile f(file);
    f.open(QIODevice::ReadOnly);
    return fromFirstRequest(f.readAll());
  }
  // Runs the event loop until the device has handed out `frames` samples.
  void runUntil(std::uint64_t frames) {
    while (device->framesOut() < frames) runLoop(20);
  }
};

// The disk driver writes each period to its file as soon as the device thread
// has it, so the moment the period holding a sound's first sample is asked for
// is the moment that sample leaves SDL.
void latency(int trials) {
  DiskRig rig;
  if (!rig.open()) return;
  SoundBuffer click{Bytes(50, 0)};
  std::mt19937 rng(7);
  std::uniform_int_distribution<int> jitter(0, 60);
  std::vector<std::uint64_t> startFrame;
  std::vector<std::chrono::steady_clock::time_point> playedAt;
  runLoop(300);
  for (int t = 0; t < trials; ++t) {
    runLoop(jitter(rng));
    startFrame.push_back(rig.device->framesOut());
    playedAt.push_back(std::chrono::steady_clock::now());
    rig.engine->playWave(click, WaveChannel::Main);
    runLoop(150);
  }
  const QByteArray bytes = rig.close();
  std::vector<double> outMs;
  qsizetype from = 0;
  for (std::size_t t = 0; t < startFrame.size(); ++t) {
    const qsizetype onset = bytes.indexOf(char(64), std::max<qsizetype>(from, qsizetype(startFrame[t])));
    if (onset < 0) break;
    outMs.push_back(std::chrono::duration<double, std::milli>(rig.device->timeOfFrame(onset) - playedAt[t]).count());
    from = onset + 50;
  }
  const Stats s = stats(outMs);
  std::printf("playWave to the first sample out of SDL (disk driver), %zu trials, one period %d samples = %.1f ms:\n",
              outMs.size(), periodSamples(), periodMs());
  std::printf("  min %.1f  median %.1f  p90 %.1f  max %.1f ms (floor: one period; max / period %.2f)\n", s.min,
              s.median, s.p90, s.max, s.max / periodMs());
}

void blockedGui() {
  DiskRig rig;
  if (!rig.open()) return;
  Bytes bytes(WaveDevice::kSampleRate * 3);
  for (std::size_t i = 0; i < bytes.size(); ++i) bytes[i] = std::uint8_t(i % 120);  // never halves to 128
  SoundBuffer sound{bytes};
  runLoop(300);
  const std::uint64_t at = rig.device->framesOut();
  rig.engine->playWave(sound, WaveChannel::Main);
  std::this_thread::sleep_for(std::chrono::seconds(2));  // a stalled GUI thread
  rig.runUntil(at + bytes.size() + 1000);
  const QByteArray out = rig.close();
  qsizetype start = qsizetype(at);
  while (start < out.size() && std::uint8_t(out[start]) == 128) ++start;
  long silent = 0, wrong = 0;
  for (std::size_t i = 0; i < bytes.size(); ++i) {
    const qsizetype k = start + qsizetype(i);
    if (k >= out.size() || std::uint8_t(out[k]) == 128) ++silent;
    else if (std::uint8_t(out[k]) != bytes[i] / 2 + 64) ++wrong;
  }
  std::printf("a 3 s sound with the GUI thread blocked for 2 s: started %.1f ms after playWave,\n",
              1000.0 * double(start - qsizetype(at)) / WaveDevice::kSampleRate);
  std::printf("  underrun (silent) samples inside it %ld, samples out of place %ld\n", silent, wrong);
}

// Passes the real device's requests through and notes when the first sample
// that is not silence was handed out (the request's time plus the sample's
// place in its period), which on the disk driver is when it leaves SDL.
class OnsetDevice : public WaveDevice, private SampleSource {
 public:
  explicit OnsetDevice(std::unique_ptr<WaveDevice> inner) : inner_(std::move(inner)) {}
  bool open(SampleSource& source) override {
    source_ = &source;
    return inner_ && inner_->open(*this);
  }
  void close() override {
    if (inner_) inner_->close();
  }
  void arm() { heard_.store(false); }
  bool heard() const { return heard_.load(); }
  std::chrono::steady_clock::time_point onset() const { return onset_; }  // once heard()

 private:
  void render(std::span<std::uint8_t> out) noexcept override {
    const auto now = std::chrono::steady_clock::now();
    source_->render(out);
    if (heard_.load()) return;
    for (std::size_t i = 0; i < out.size(); ++i)
      if (out[i] != WaveDevice::kSilence) {
        onset_ = now + std::chrono::microseconds(std::int64_t(i) * 1'000'000 / WaveDevice::kSampleRate);
        heard_.store(true);
        return;
      }
  }
  std::unique_ptr<WaveDevice> inner_;
  SampleSource* source_ = nullptr;
  std::atomic<bool> heard_{true};
  std::chrono::steady_clock::time_point onset_;
};

// The first sound after a rest: the output has closed, and playWave has to
// open it again (on the engine's own thread) before the sound is heard.
void firstAfterRest(int trials) {
  QTemporaryDir dir;
  qputenv("SDL_AUDIODRIVER", "disk");
  qputenv("SDL_DISKAUDIOFILE", QFile::encodeName(dir.filePath(QStringLiteral("rest.raw"))));
  auto watched = std::make_unique<OnsetDevice>(sdlWaveDevice());
  OnsetDevice* device = watched.get();
  WaveEngine engine(std::move(watched), std::chrono::milliseconds(100));
  engine.openWave();
  if (!engine.deviceOpen()) return;
  SoundBuffer click{Bytes(50, 0)};
  std::mt19937 rng(11);
  std::uniform_int_distribution<int> jitter(0, 60);
  std::vector<double> ms, blocked;
  for (int t = 0; t < trials; ++t) {
    while (engine.outputOpen()) runLoop(10);
    runLoop(jitter(rng));
    device->arm();
    const auto at = std::chrono::steady_clock::now();
    engine.playWave(click, WaveChannel::Main);
    blocked.push_back(std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - at).count());
    while (!device->heard()) runLoop(2);
    ms.push_back(std::chrono::duration<double, std::milli>(device->onset() - at).count());
  }
  engine.closeWave();
  const Stats s = stats(ms), b = stats(blocked);
  std::printf("first sound after rest (output closed, disk driver), %zu trials:\n", ms.size());
  std::printf("  min %.1f  median %.1f  p90 %.1f  max %.1f ms; playWave itself at most %.2f ms\n", s.min, s.median,
              s.p90, s.max, b.max);
}

// A game's worth of sounds: a tick every second and a splat every 0.45 s.
void playing(int seconds, const char* driver) {
  double before = cpuSeconds();
  runLoop(seconds * 1000);
  const double baseline = (cpuSeconds() - before) / seconds;

  qputenv("SDL_AUDIODRIVER", driver);
  auto watched = std::make_unique<WatchedWaveDevice>(sdlWaveDevice());
  WatchedWaveDevice* device = watched.get();
  WaveEngine engine(std::move(watched));
  engine.openWave();
  if (!engine.deviceOpen()) return;
  SoundBuffer tick{Bytes(2000, 200)}, splat{Bytes(4000, 30)};
  QTimer ticks, splats;
  QObject::connect(&ticks, &QTimer::timeout, [&] { engine.playWave(tick, WaveChannel::Main); });
  QObject::connect(&splats, &QTimer::timeout, [&] { engine.playWave(splat, WaveChannel::Splat); });
  ticks.start(1000);
  splats.start(450);
  runLoop(200);
  before = cpuSeconds();
  QElapsedTimer wall;
  wall.start();
  runLoop(seconds * 1000);
  const double elapsed = wall.elapsed() / 1000.0;
  const double used = (cpuSeconds() - before) / elapsed;
  engine.closeWave();
  const Stats g = stats(device->gaps());
  long late = 0;
  for (double gap : device->gaps()) late += gap > 2 * periodMs();
  std::printf("playing over %.1f s on SDL driver '%s' (period %.1f ms):\n", elapsed, driver, periodMs());
  std::printf("  CPU, all threads     %.2f%% of one core (empty loop %.2f%%)\n", 100 * used, 100 * baseline);
  std::printf("  device requests      %zu, gap median %.1f  p90 %.1f  max %.1f ms\n", device->gaps().size() + 1,
              g.median, g.p90, g.max);
  std::printf("  gaps over two periods (a real card, two periods deep, would run dry): %ld\n", late);
}

void mixCost() {
  struct Null : WaveDevice {
    SampleSource* source = nullptr;
    bool open(SampleSource& s) override { return source = &s, true; }
    void close() override {}
  };
  auto owned = std::make_unique<Null>();
  Null* device = owned.get();
  WaveEngine engine(std::move(owned));
  engine.openWave();
  SoundBuffer a{Bytes(1 << 20, 200)}, b{Bytes(1 << 20, 30)};
  std::array<std::uint8_t, 256> period{};
  unsigned sink = 0;
  const int periods = 40000;
  const auto t0 = std::chrono::steady_clock::now();
  for (int i = 0; i < periods; ++i) {
    if (i % 4000 == 0) {
      engine.playWave(a, WaveChannel::Main);
      engine.playWave(b, WaveChannel::Splat);
    }
    device->source->render(period);
    sink += period[i % 256];
  }
  const double ns = std::chrono::duration<double, std::nano>(std::chrono::steady_clock::now() - t0).count() / periods;
  std::printf("mixing, two channels: %.0f ns per 256-sample period = %.4f%% of its 23.2 ms (sink %u)\n", ns,
              100.0 * ns / 23.22e6, sink);
}

QByteArray be32(std::uint32_t v) {
  QByteArray b;
  for (int s = 24; s >= 0; s -= 8) b.append(char((v >> s) & 0xFF));
  return b;
}

// A busy General MIDI bar: piano, strings and bass chords plus drums, all loud,
// rendered through FluidSynth's file driver at the game's gain.
void musicLevel(double gain) {
  QByteArray ev;
  auto add = [&](std::initializer_list<int> bytes) {
    for (int v : bytes) ev.append(char(v));
  };
  add({0x00, 0xC0, 0, 0x00, 0xC1, 48, 0x00, 0xC2, 33});
  for (int ch = 0; ch < 3; ++ch)
    for (int note : {48, 55, 60, 64, 67}) add({0x00, 0x90 | ch, note - (ch == 2 ? 24 : 0), 120});
  for (int beat = 0; beat < 8; ++beat) add({0x00, 0x99, beat % 2 ? 38 : 36, 127, 0x00, 0x99, 42, 120, 0x81, 0x70, 0x89, 42, 0});
  add({0x00, 0xB0, 123, 0, 0x00, 0xB1, 123, 0, 0x00, 0xB2, 123, 0, 0x00, 0xFF, 0x2F, 0x00});
  const QByteArray tune = QByteArray("MThd") + be32(6) + QByteArray("\0\0\0\1\x01\xE0", 6) + QByteArray("MTrk") +
                          be32(std::uint32_t(ev.size())) + ev;
  QTemporaryDir dir;
  const QString midPath = dir.filePath(QStringLiteral("busy.mid"));
  const QString rawPath = dir.filePath(QStringLiteral("busy.raw"));
  QFile mid(midPath);
  mid.open(QIODevice::WriteOnly);
  mid.write(tune);
  mid.close();
  FluidConfig config = FluidConfig::fromEnvironment();
  config.settings = {{"audio.driver", "file"}, {"audio.file.name", QFile::encodeName(rawPath)},
                     {"audio.file.type", "raw"}, {"audio.file.format", "s16"}, {"audio.file.endian", "little"}};
  config.gain = gain;
  std::unique_ptr<MidiPlayer> player = makeLateMidiPlayer(config);
  QString error;
  if (!player->open(midPath, error)) {
    std::printf("music level: %s\n", qPrintable(error));
    return;
  }
  player->play();
  runLoop(2200);
  player->close();
  QFile raw(rawPath);
  raw.open(QIODevice::ReadOnly);
  const QByteArray pcm = raw.readAll();
  double peak = 0, sumSquares = 0;
  const auto* s = reinterpret_cast<const std::int16_t*>(pcm.constData());
  const qsizetype n = pcm.size() / 2;
  for (qsizetype i = 0; i < n; ++i) {
    peak = std::max(peak, std::abs(double(s[i])) / 32768.0);
    sumSquares += (s[i] / 32768.0) * (s[i] / 32768.0);
  }
  const double rms = n ? std::sqrt(sumSquares / double(n)) : 0;
  std::printf("music level at gain %.2f%s (busy bar, 3 chords + drums): peak %5.1f dBFS, RMS %5.1f dBFS\n", gain,
              gain == FluidConfig::kDefaultGain ? " (game)" : "       ", 20 * std::log10(std::max(peak, 1e-9)),
              20 * std::log10(std::max(rms, 1e-9)));
}

}  // namespace

int main(int argc, char** argv) {
  QCoreApplication app(argc, argv);
  if (qEnvironmentVariableIsEmpty("PVQ_SOUND_MODULE")) qputenv("PVQ_SOUND_MODULE", PVQ_SOUND_MODULE_PATH);
  const int seconds = argc > 1 ? std::max(1, std::atoi(argv[1])) : 5;
  const int trials = argc > 2 ? std::max(1, std::atoi(argv[2])) : 40;
  moduleLoad();
  latency(trials);
  firstAfterRest(trials);
  blockedGui();
  playing(seconds, "dummy");
  mixCost();
  for (double gain : {0.1, 0.15, 0.2, 0.25}) musicLevel(gain);
  return 0;
}
