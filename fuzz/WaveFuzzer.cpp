// A wave file as the wizard checks and copies it into a new set. What must hold:
// the copy is exactly what the device received and never more than the length
// the check states; the check answers the same with and without a copy, and the
// size table's length agrees with it.
#include <QBuffer>

#include "FuzzSupport.h"
#include "wizard/SetWriter.h"

extern "C" int LLVMFuzzerInitialize(int*, char***) {
  startFuzzApplication();
  return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  static const QString path = scratchPath(QStringLiteral("fuzzed.wav"));
  writeScratch(path, fuzzBytes(data, size));

  const std::int32_t plain = checkWaveFile(path);
  QBuffer output;
  output.open(QIODevice::WriteOnly);
  qint64 copied = -1;
  int pumps = 0;
  const std::int32_t code = checkWaveFile(path, &output, &copied, [&pumps] { ++pumps; });
  fuzzCheck(code == plain, "checking with a copy answers as checking alone");
  fuzzCheck(code <= 0 || (code >= 1 && code <= 3), "the check answers with a known code");
  fuzzCheck(copied == output.data().size(), "the count is what the device received");
  if (code > 0) {
    fuzzCheck(copied == 0, "a refused wave is not copied");
    return 0;
  }
  const qint64 stated = -qint64(code);
  fuzzCheck(copied == stated, "an accepted wave is copied whole, never more than stated");
  fuzzCheck(stated <= qint64(size), "the stated length lies inside the file");
  fuzzCheck(pumps == (stated + 1023) / 1024, "one pump before each piece");
  fuzzCheck(waveDataLength(path) == stated, "the size table uses the checked length");
  return 0;
}
