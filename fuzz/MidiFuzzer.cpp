// A set's tune as the music check sees it. What must hold: the check always
// answers the same for the same bytes, and an accepted tune holds a header chunk
// and at least one track chunk.
#include "FuzzSupport.h"
#include "sound/MidiCheck.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const QByteArray tune = fuzzBytes(data, size);
  const QString verdict = checkMidiData(tune);
  fuzzCheck(checkMidiData(QByteArray(tune.constData(), tune.size())) == verdict, "the check is repeatable");
  if (verdict.isEmpty())
    fuzzCheck(tune.size() >= 14 + 8 && tune.contains("MThd") && tune.contains("MTrk"),
              "an accepted tune has a header and a track");
  return 0;
}
