// A wave file as the wizard checks it before a new set takes its samples. What
// must hold: the check answers the same every time, and the samples it finds lie
// inside the file, after the header.
#include "FuzzSupport.h"
#include "wizard/WaveFormat.h"

extern "C" int LLVMFuzzerInitialize(int*, char***) {
  startFuzzApplication();
  return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  static const QString path = scratchPath(QStringLiteral("fuzzed.wav"));
  writeScratch(path, fuzzBytes(data, size));

  const WaveCheck check = checkWaveFile(path);
  const WaveCheck again = checkWaveFile(path);
  fuzzCheck(check.problem == again.problem && check.samples.at == again.samples.at &&
                check.samples.length == again.samples.length,
            "the check is repeatable");
  if (!check.ok()) return 0;
  fuzzCheck(check.samples.length >= 0, "a length is never negative");
  fuzzCheck(check.samples.at >= 20 && check.samples.at + check.samples.length <= qint64(size),
            "the samples lie inside the file, after the header");
  return 0;
}
