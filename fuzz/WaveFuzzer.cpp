// A sound file as the wizard reads and converts it before a new set takes its
// samples. What must hold: the conversion answers the same every time, never
// gives more than a minute of samples, and fails with a message naming the file.
#include "FuzzSupport.h"
#include "imageset/SetReaders.h"
#include "wizard/SoundImport.h"

extern "C" int LLVMFuzzerInitialize(int*, char***) {
  startFuzzApplication();
  return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  static const QString path = scratchPath(QStringLiteral("fuzzed.wav"));
  writeScratch(path, fuzzBytes(data, size));

  const SoundImport sound = importSound(path, kLongestSound);
  const SoundImport again = importSound(path, kLongestSound);
  fuzzCheck(sound.samples == again.samples && sound.error == again.error, "the conversion is repeatable");
  fuzzCheck(sound.samples.size() <= kLongestSound, "never more than a minute");
  fuzzCheck(sound.ok() || sound.error.startsWith(QStringLiteral("fuzzed.wav: ")), "a refusal names the file");
  return 0;
}
