#include "wizard/WaveFormat.h"

#include <QFile>
#include <algorithm>
#include <cstring>

#include "common/Bytes.h"
#include "common/Files.h"
#include "imageset/SetReaders.h"

namespace {

// Reads exactly n bytes, or reports false; a short read leaves the rest zero.
bool readBytes(QFile& file, char* into, qint64 n) {
  std::memset(into, 0, static_cast<std::size_t>(n));
  return file.read(into, n) == n;
}

// Where a wave file's samples start and what its format chunk says.
struct WaveLayout {
  bool dataFound = false;
  bool formatSeen = false;
  char format[16] = {};  // tag, channels, rate, byte rate, block alignment, bits
  qint64 samplesAt = 0;
  std::int32_t statedLength = 0;  // the data chunk's length field
};

constexpr int kMostChunks = 64;
constexpr qint64 kShortestWave = 45;  // a header and at least one sample

// The chunks one after another by their declared lengths, each padded to an even
// length; the first format chunk of at least 16 bytes counts, and the walk stops
// at "data". A chunk that runs past the end of the file ends the walk.
WaveLayout walkChunks(QFile& file) {
  WaveLayout layout;
  const qint64 size = file.size();
  qint64 at = 12;
  for (int chunk = 0; chunk < kMostChunks && at + 8 <= size; ++chunk) {
    char head[8];
    if (!file.seek(at) || !readBytes(file, head, 8)) break;
    if (std::memcmp(head, "data", 4) == 0) {
      layout.dataFound = true;
      layout.statedLength = static_cast<std::int32_t>(readLe32(head + 4));
      layout.samplesAt = at + 8;
      break;
    }
    const qint64 length = readLe32(head + 4);
    if (std::memcmp(head, "fmt", 3) == 0 && length >= 16 && !layout.formatSeen)
      layout.formatSeen = readBytes(file, layout.format, 16);
    at += 8 + length + (length & 1);
  }
  return layout;
}

// Identifiers at consecutive 4-byte positions, stepping over only "loop" and the
// format record: files whose chunk lengths are wrong are still read the way they
// always were.
WaveLayout walkFixedSteps(QFile& file) {
  WaveLayout layout;
  char id[4];
  char skip[8];
  char record[20];
  if (!file.seek(12)) return layout;
  for (int walked = 0; walked < 4; ++walked) {
    std::memset(id, '?', 4);
    const qint64 got = file.read(id, 4);
    if (std::memcmp(id, "loop", 4) == 0) readBytes(file, skip, 8);
    if (std::memcmp(id, "fmt", 3) == 0) {
      readBytes(file, record, 20);
      std::memcpy(layout.format, record + 4, 16);
      layout.formatSeen = true;
    }
    if (std::memcmp(id, "data", 4) == 0 || got < 4) break;
  }
  if (std::memcmp(id, "data", 4) != 0 || !readBytes(file, skip, 4)) return layout;
  layout.dataFound = true;
  layout.statedLength = static_cast<std::int32_t>(readLe32(skip));
  layout.samplesAt = file.pos();
  return layout;
}

WaveProblem problemOf(const WaveLayout& layout) {
  if (!layout.dataFound) return WaveProblem::NotWave;
  if (!layout.formatSeen) return WaveProblem::WrongFormat;
  const char* f = layout.format;
  if (readLe16(f) != 1 || readLe16(f + 2) != 1 || readLe32(f + 4) != 11025 || readLe16(f + 12) != 1 ||
      readLe16(f + 14) != 8)
    return WaveProblem::WrongFormat;
  if (layout.statedLength < 0) return WaveProblem::NotWave;
  return WaveProblem::None;
}

bool startsAsWave(QFile& file) {
  char id[4];
  char skip[4];
  if (!readBytes(file, id, 4) || std::memcmp(id, "RIFF", 4) != 0) return false;
  readBytes(file, skip, 4);
  return readBytes(file, id, 4) && std::memcmp(id, "WAVE", 4) == 0;
}

}  // namespace

WaveCheck checkWaveFile(const QString& name) {
  WaveCheck check;
  QFile file(name);
  if (!isRegularFile(name) || !file.open(QIODevice::ReadOnly)) return check;
  check.problem = WaveProblem::NotWave;
  if (file.size() < kShortestWave || !startsAsWave(file)) return check;

  WaveLayout layout = walkChunks(file);
  check.problem = problemOf(layout);
  if (!check.ok()) {
    const WaveLayout fixed = walkFixedSteps(file);
    if (problemOf(fixed) != WaveProblem::None) return check;
    layout = fixed;
    check.problem = WaveProblem::None;
  }
  // A length beyond the end of the file would make the set's size field promise
  // bytes that never come.
  const qint64 there = std::max<qint64>(file.size() - layout.samplesAt, 0);
  check.samples = {layout.samplesAt, static_cast<std::int32_t>(std::min<qint64>(layout.statedLength, there))};
  // The game refuses a set holding a longer sound, so the wizard must not write one.
  if (check.samples.length > kLongestSound) check.problem = WaveProblem::TooLong;
  return check;
}

QString waveProblemLine(WaveProblem problem, const QString& name) {
  const char* line = nullptr;
  switch (problem) {
    case WaveProblem::None: return {};
    case WaveProblem::Missing: line = " could not be opened or was not found..."; break;
    case WaveProblem::NotWave: line = " is NOT wave file..."; break;
    case WaveProblem::WrongFormat: line = " is an invalid wave file (eg: not 8-bit Mono 11025Hz)"; break;
    case WaveProblem::TooLong: line = " is longer than a minute, the most a sound may last..."; break;
  }
  return QStringLiteral("File ") + fileNamePart(name) + QLatin1String(line);
}
