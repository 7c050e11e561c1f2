// Sound engine figures, run by hand: the CPU the effects engine costs while it
// idles (six silent blocks circulating), the cost of mixing a block, and the
// delay from playWave to the sound's first sample in the device's output.
#include <QCoreApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QFile>
#include <QTemporaryDir>
#include <QTimer>
#include <algorithm>
#include <chrono>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <random>
#include <sys/resource.h>
#include <vector>

#include "sound/FluidMidiPlayer.h"
#include "sound/SdlWaveDevice.h"
#include "sound/WaveEngine.h"

namespace {

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

// Passes everything to the real device and counts the notices on their way back.
class CountingDevice : public WaveDevice {
 public:
  explicit CountingDevice(WaveDevice& inner) : inner_(inner) {}
  bool open(std::function<void()> done) override {
    return inner_.open([this, done = std::move(done)] {
      ++notices;
      done();
    });
  }
  void queue(std::span<const std::uint8_t> b) override { inner_.queue(b); }
  void reset() override { inner_.reset(); }
  void close() override { inner_.close(); }
  long notices = 0;

 private:
  WaveDevice& inner_;
};

class NullDevice : public WaveDevice {
 public:
  bool open(std::function<void()> done) override {
    done_ = std::move(done);
    return true;
  }
  void queue(std::span<const std::uint8_t> b) override { sink += b[b.size() / 2]; }
  void reset() override {}
  void close() override {}
  void finish() { done_(); }
  unsigned sink = 0;

 private:
  std::function<void()> done_;
};

void idleCpu(int seconds) {
  const int ms = seconds * 1000;
  double before = cpuSeconds();
  runLoop(ms);
  const double baseline = cpuSeconds() - before;

  SdlWaveDevice sdl;
  auto counting = std::make_unique<CountingDevice>(sdl);
  CountingDevice* counter = counting.get();
  WaveEngine engine(std::move(counting));
  engine.openWave();
  if (!engine.deviceOpen()) {
    std::printf("idle: no SDL audio device (%s)\n", qPrintable(sdl.lastError()));
    return;
  }
  runLoop(200);  // past start-up
  const long n0 = counter->notices;
  before = cpuSeconds();
  QElapsedTimer wall;
  wall.start();
  runLoop(ms);
  const double used = cpuSeconds() - before;
  const double elapsed = wall.elapsed() / 1000.0;
  const long notices = counter->notices - n0;
  engine.closeWave();

  std::printf("idle engine over %.1f s on SDL driver '%s':\n", elapsed, qgetenv("SDL_AUDIODRIVER").constData());
  std::printf("  notices              %ld (%.1f/s; 11025/400 = 27.6/s expected)\n", notices, notices / elapsed);
  std::printf("  CPU, empty loop      %.2f%% of one core (baseline)\n", 100.0 * baseline / elapsed);
  std::printf("  CPU, engine idling   %.2f%% of one core (%.1f us per notice, all threads)\n", 100.0 * used / elapsed,
              notices ? 1e6 * used / notices : 0.0);
  std::printf("  engine - baseline    %.2f ms of CPU per second\n", 1000.0 * (used - baseline * elapsed / (ms / 1000.0)) / elapsed);
  std::printf("  underrun frames      %llu\n", static_cast<unsigned long long>(sdl.underrunFrames()));
}

void mixCost() {
  auto null = std::make_unique<NullDevice>();
  NullDevice* device = null.get();
  WaveEngine engine(std::move(null));
  engine.openWave();
  SoundBuffer a, b;
  a.data.assign(1 << 20, 200);
  b.data.assign(1 << 20, 30);
  const int blocks = 20000;
  engine.playWave(a, WaveChannel::Main);
  engine.playWave(b, WaveChannel::Splat);
  const auto t0 = std::chrono::steady_clock::now();
  for (int i = 0; i < blocks; ++i) {
    if (a.position + 400 > a.data.size()) {
      engine.playWave(a, WaveChannel::Main);
      engine.playWave(b, WaveChannel::Splat);
    }
    device->finish();
  }
  const double ns = std::chrono::duration<double, std::nano>(std::chrono::steady_clock::now() - t0).count() / blocks;
  std::printf("mixing, two channels: %.0f ns per 400-sample block = %.4f%% of the block's 36.3 ms (sink %u)\n", ns,
              100.0 * ns / 36.28e6, device->sink);
}

void latency(int trials) {
  QTemporaryDir dir;
  const QString out = dir.filePath(QStringLiteral("latency.raw"));
  const QByteArray oldDriver = qgetenv("SDL_AUDIODRIVER");
  qputenv("SDL_AUDIODRIVER", "disk");
  qputenv("SDL_DISKAUDIOFILE", QFile::encodeName(out));
  auto owned = std::make_unique<SdlWaveDevice>();
  SdlWaveDevice* device = owned.get();
  WaveEngine engine(std::move(owned));
  engine.openWave();
  if (!engine.deviceOpen()) {
    std::printf("latency: no SDL disk device (%s)\n", qPrintable(device->lastError()));
    return;
  }
  SoundBuffer click;
  click.data.assign(50, 0);
  std::mt19937 rng(7);
  std::uniform_int_distribution<int> jitter(0, 60);
  std::vector<std::uint64_t> startFrame;
  std::vector<double> mixMs;
  runLoop(300);
  for (int t = 0; t < trials; ++t) {
    runLoop(jitter(rng));
    QElapsedTimer wall;
    wall.start();
    startFrame.push_back(device->framesOut());
    engine.playWave(click, WaveChannel::Main);
    while (click.position == 0) QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents, 5);
    mixMs.push_back(wall.nsecsElapsed() / 1e6);
    runLoop(400);
  }
  engine.closeWave();
  if (oldDriver.isNull()) qunsetenv("SDL_AUDIODRIVER"); else qputenv("SDL_AUDIODRIVER", oldDriver);

  QFile f(out);
  f.open(QIODevice::ReadOnly);
  const QByteArray bytes = f.readAll();
  std::vector<double> outMs;
  qsizetype from = 0;
  for (std::uint64_t start : startFrame) {
    const qsizetype onset = bytes.indexOf(char(64), std::max<qsizetype>(from, qsizetype(start)));
    if (onset < 0) break;
    outMs.push_back(1000.0 * double(onset - qsizetype(start)) / 11025.0);
    from = onset + 50;
  }
  auto report = [](const char* what, std::vector<double> v) {
    if (v.empty()) return;
    std::sort(v.begin(), v.end());
    double sum = 0;
    for (double x : v) sum += x;
    const double bound = 2400.0 * 1000.0 / 11025.0;
    std::printf("  %-30s min %6.1f  mean %6.1f  max %6.1f ms; max / bound %.2f\n", what, v.front(), sum / v.size(),
                v.back(), v.back() / bound);
  };
  std::printf("PlayWave delay over %d trials (bound: six blocks = 217.7 ms):\n", trials);
  report("to the block being mixed", mixMs);
  report("to the sample leaving SDL", outMs);
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
  FluidMidiPlayer player(config);
  QString error;
  if (!player.open(midPath, error)) {
    std::printf("music level: %s\n", qPrintable(error));
    return;
  }
  player.play();
  runLoop(2200);
  player.close();
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
              gain == FluidConfig::kDefaultGain ? " (game)" : "       ", 20 * std::log10(std::max(peak, 1e-9)), 20 * std::log10(std::max(rms, 1e-9)));
}

}  // namespace

int main(int argc, char** argv) {
  QCoreApplication app(argc, argv);
  if (qEnvironmentVariableIsEmpty("SDL_AUDIODRIVER")) qputenv("SDL_AUDIODRIVER", "dummy");
  const int seconds = argc > 1 ? std::max(1, std::atoi(argv[1])) : 5;
  idleCpu(seconds);
  mixCost();
  latency(argc > 2 ? std::max(1, std::atoi(argv[2])) : 20);
  for (double gain : {0.1, 0.15, 0.2, 0.25}) musicLevel(gain);
  std::printf("  effects for comparison: one full-swing channel peaks at %.1f dBFS, both at %.1f dBFS\n",
              20 * std::log10(63.5 / 128.0), 20 * std::log10(127.0 / 128.0));
  return 0;
}
