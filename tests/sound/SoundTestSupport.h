#pragma once
// Shared by the sound tests: a scratch folder, an event-loop wait, a recording
// wave device and a byte-by-byte MIDI file builder.
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

// Plays nothing: a test "finishes" a block and reads what the engine queued.
class FakeWaveDevice : public WaveDevice {
 public:
  bool openSucceeds = true;
  int opens = 0, resets = 0, closes = 0;
  std::vector<std::vector<std::uint8_t>> queued;  // every block ever queued, in order
  std::function<void()> finishOne;                // delivers one buffer-done notice

  bool open(std::function<void()> bufferDone) override {
    ++opens;
    if (openSucceeds) finishOne = std::move(bufferDone);
    return openSucceeds;
  }
  void queue(std::span<const std::uint8_t> block) override { queued.emplace_back(block.begin(), block.end()); }
  void reset() override { ++resets; }
  void close() override { ++closes; }
};

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
