#pragma once
// Helpers shared by the sound tests: a scratch folder, a recording wave device and
// a byte-by-byte MIDI file builder.
#include <QByteArray>
#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QTemporaryDir>
#include <cstdint>
#include <deque>
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

// Runs the event loop until `done` or the timeout; returns done().
inline bool waitUntil(const std::function<bool()>& done, int timeoutMs = 5000) {
  QElapsedTimer t;
  t.start();
  while (!done() && t.elapsed() < timeoutMs) QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
  return done();
}

// Plays nothing: the test finishes blocks one at a time and reads what was queued.
class FakeWaveDevice : public WaveDevice {
 public:
  bool openSucceeds = true;
  bool isOpen = false;
  int opens = 0, resets = 0, closes = 0;
  std::deque<std::vector<std::uint8_t>> pending;  // queued and not yet played
  std::vector<std::vector<std::uint8_t>> queued;  // every block ever queued, in order

  bool open(std::function<void()> bufferDone) override {
    ++opens;
    if (!openSucceeds) return false;
    m_done = std::move(bufferDone);
    isOpen = true;
    return true;
  }
  void queue(std::span<const std::uint8_t> block) override {
    queued.emplace_back(block.begin(), block.end());
    pending.emplace_back(block.begin(), block.end());
  }
  void reset() override {
    ++resets;
    pending.clear();
  }
  void close() override {
    ++closes;
    isOpen = false;
  }
  // The oldest queued block has played: deliver its notice.
  void finishOne() {
    if (!pending.empty()) pending.pop_front();
    if (m_done) m_done();
  }

 private:
  std::function<void()> m_done;
};

// Standard MIDI File pieces, written out byte by byte.
namespace midi {
inline QByteArray be32(std::uint32_t v) {
  QByteArray b;
  for (int s = 24; s >= 0; s -= 8) b.append(char((v >> s) & 0xFF));
  return b;
}
inline QByteArray be16(std::uint16_t v) { return QByteArray() + char(v >> 8) + char(v & 0xFF); }
inline QByteArray header(std::uint16_t format, std::uint16_t tracks, std::uint16_t division) {
  return QByteArray("MThd") + be32(6) + be16(format) + be16(tracks) + be16(division);
}
inline QByteArray track(const QByteArray& events) { return QByteArray("MTrk") + be32(std::uint32_t(events.size())) + events; }
inline QByteArray bytes(std::initializer_list<int> list) {
  QByteArray b;
  for (int v : list) b.append(char(v));
  return b;
}
inline QByteArray endOfTrack() { return bytes({0x00, 0xFF, 0x2F, 0x00}); }
// Piano, then a C major chord held for 0.6 s (480 ticks a quarter, 120 bpm), then silence.
inline QByteArray chordEvents() {
  return bytes({0x00, 0xC0, 0x00,                    // program 0
                0x00, 0x90, 60, 110, 0x00, 64, 110,  // note on C, E (running status)
                0x00, 67, 110,                       // note on G
                0x84, 0x40, 0x80, 60, 0,             // after 576 ticks: note off C
                0x00, 64, 0, 0x00, 67, 0}) +         // note off E, G
         endOfTrack();
}
inline QByteArray chordTune() { return header(0, 1, 480) + track(chordEvents()); }
}  // namespace midi
