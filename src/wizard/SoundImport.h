#pragma once
// A sound the set maker brings, in whatever format libsndfile reads (WAV of any
// rate, depth and channel count, FLAC, Ogg Vorbis, Opus, MP3), made into what a set
// stores: unsigned 8-bit mono samples at 11025 Hz.
//
// The channels are averaged, so a sound on both channels keeps its level; libsoxr
// resamples at high quality, which removes everything above 5.5 kHz instead of
// folding it down; TPDF dither spreads the 8-bit rounding into a faint, even hiss.
// The level changes only when the mono mix would clip: then the whole sound is
// scaled down until its peak fits.
#include <QByteArray>
#include <QString>
#include <cstdint>

inline constexpr int kSetSampleRate = 11025;

struct SoundImport {
  QByteArray samples;  // unsigned 8-bit mono at 11025 Hz; 128 is silence
  QString error;       // why there are none: "tick.flac: ..."
  double gain = 1.0;   // below 1 when the sound was scaled down to fit
  bool ok() const { return error.isEmpty() && !samples.isEmpty(); }
  double seconds() const { return double(samples.size()) / kSetSampleRate; }
};

// maxSamples bounds the converted sound: a longer one is refused without being
// read to its end. seed makes the dither, and so the bytes, repeatable.
SoundImport importSound(const QString& path, qint64 maxSamples, std::uint32_t seed = 0x5EED);

// "0.84 s": a converted length as the sound step shows it.
QString soundLengthText(const SoundImport& sound);
