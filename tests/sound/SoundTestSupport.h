#pragma once
// Shared by the sound tests: a scratch folder, an event-loop wait, a wave device
// the test pulls samples from, and a byte-by-byte MIDI file builder.
#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QTemporaryDir>
#include <functional>
#include <memory>
#include <vector>

#include "sound/WaveDevice.h"

// A fresh folder under PVQ_TEST_TMP (set by ctest), else under the system's.
inline std::unique_ptr<QTemporaryDir> makeScratchDir() {
  const QString root = qEnvironmentVariable("PVQ_TEST_TMP");
  if (root.isEmpty()) return std::make_unique<QTemporaryDir>();
  QDir().mkpath(root);
  return std::make_unique<QTemporaryDir>(root + QStringLiteral("/sound-XXXXXX"));
}

inline bool waitUntil(const std::function<bool()>& done, int timeoutMs = 5000) {
  QElapsedTimer t;
  t.start();
  while (!done() && t.elapsed() < timeoutMs) QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
  return done();
}

// Plays nothing: a test pulls the samples the engine mixes, as the device's
// thread would.
class FakeWaveDevice : public WaveDevice {
 public:
  bool openSucceeds = true;
  int opens = 0, closes = 0;
  SampleSource* source = nullptr;  // while open

  bool open(SampleSource& s) override {
    ++opens;
    if (openSucceeds) source = &s;
    return openSucceeds;
  }
  void close() override {
    ++closes;
    source = nullptr;
  }
  // The next `count` samples, rendered in one call; empty while closed.
  std::vector<std::uint8_t> pull(std::size_t count) {
    if (!source) return {};
    std::vector<std::uint8_t> out(count, 0);
    source->render(out);
    return out;
  }
};

// Every device the sound tests open through the module is the one just built.
#ifdef PVQ_SOUND_MODULE_PATH
inline const bool kUseBuiltSoundModule = qputenv("PVQ_SOUND_MODULE", PVQ_SOUND_MODULE_PATH);
#endif

namespace midi {
inline QByteArray bytes(std::initializer_list<int> list) {
  QByteArray b;
  for (int v : list) b.append(char(v));
  return b;
}
inline QByteArray be32(std::uint32_t v) { return bytes({int(v >> 24), int(v >> 16 & 255), int(v >> 8 & 255), int(v & 255)}); }
inline QByteArray header(int format, int tracks, int division) {
  return "MThd" + be32(6) + bytes({0, format, 0, tracks, division >> 8, division & 255});
}
inline QByteArray track(const QByteArray& events) { return "MTrk" + be32(std::uint32_t(events.size())) + events; }
inline QByteArray endOfTrack() { return bytes({0x00, 0xFF, 0x2F, 0x00}); }
// Piano, a C major chord (the E by running status) held 576 ticks, then note-offs.
inline QByteArray chordEvents() {
  return bytes({0x00, 0xC0, 0x00, 0x00, 0x90, 60, 110, 0x00, 64, 110, 0x00, 67, 110, 0x84, 0x40, 0x80, 60, 0, 0x00,
                64, 0, 0x00, 67, 0}) +
         endOfTrack();
}
inline QByteArray chordTune() { return header(0, 1, 480) + track(chordEvents()); }
}  // namespace midi
