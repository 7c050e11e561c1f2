#pragma once
// The voices every sound effect is built from, and the mastering that turns a
// finished effect into the game's samples (unsigned 8-bit mono at 11025 Hz).
// Every voice is computed in floating point; the noise comes from a
// fixed-seed generator, so every run writes the same bytes.

#include <cmath>
#include <cstdint>
#include <numbers>
#include <string>
#include <vector>

namespace synth {

constexpr int kRate = 11025;
constexpr double kTwoPi = 2.0 * std::numbers::pi;

using Wave = std::vector<double>;

int samplesFor(double seconds);
double midiHz(double key);

// A small xorshift generator: unlike the standard distributions its output is
// the same with every compiler and library.
class Noise {
 public:
  explicit Noise(std::uint32_t seed) : state_(seed) {}
  double next() {
    state_ ^= state_ << 13;
    state_ ^= state_ >> 17;
    state_ ^= state_ << 5;
    return static_cast<double>(state_) / 2147483648.0 - 1.0;
  }

 private:
  std::uint32_t state_;
};

// Quick rise (half a sine), then exponential decay with time constant tau.
double strike(double t, double attack, double tau);
void mixInto(Wave& out, const Wave& voice, double at, double gain = 1.0);
// Two-operator FM: a bright strike that mellows as the modulation index decays.
Wave fmBell(double hz, double seconds, double ratio, double index, double tau);
// Band-limited sawtooth through a moving low-pass: each harmonic is weighted
// by a resonant low-pass curve at the cutoff of the moment, so opening and
// closing the cutoff gives the "wah" of a plunger mute without filter state.
template <typename Pitch, typename Cutoff>
Wave wahVoice(double seconds, Pitch pitchHz, Cutoff cutoffHz) {
  Wave w(samplesFor(seconds));
  double phase = 0.0;
  for (std::size_t i = 0; i < w.size(); ++i) {
    const double t = static_cast<double>(i) / kRate;
    const double f0 = pitchHz(t);
    const double fc = cutoffHz(t);
    double sum = 0.0;
    for (int k = 1; k * f0 < 0.45 * kRate; ++k) {
      const double r = k * f0 / fc;
      const double lowPass = 1.0 / (1.0 + r * r * r * r * r * r);
      const double resonance = 2.5 * std::exp(-8.0 * (r - 1.0) * (r - 1.0));
      sum += (lowPass + resonance) / k * std::sin(k * phase);
    }
    w[i] = sum;
    phase = std::fmod(phase + kTwoPi * f0 / kRate, kTwoPi);
  }
  return w;
}
// A voice driven by a running phase: its pitch follows `hz(t)` under a
// vibrato of relative `depth` at `vibratoHz`, and `shape(t, phase)` makes
// each sample from the phase (a sine, a sine with overtones, either under an
// envelope).
template <typename Pitch, typename Shape>
Wave tone(double seconds, Pitch hz, double vibratoHz, double depth, Shape shape) {
  Wave w(samplesFor(seconds));
  double phase = 0.0;
  for (std::size_t i = 0; i < w.size(); ++i) {
    const double t = static_cast<double>(i) / kRate;
    w[i] = shape(t, phase);
    phase += kTwoPi * hz(t) * (1.0 + depth * std::sin(kTwoPi * vibratoHz * t)) / kRate;
  }
  return w;
}
// The same without a vibrato: a depth of 0 scales the pitch by exactly 1.
template <typename Pitch, typename Shape>
Wave tone(double seconds, Pitch hz, Shape shape) {
  return tone(seconds, hz, 0.0, 0.0, shape);
}
// Noise through a one-pole low-pass whose cutoff glides from `fromHz` to `toHz`.
Wave sweptNoise(Noise& noise, double seconds, double fromHz, double toHz, double tau);
// A sine whose pitch glides exponentially between two frequencies.
Wave glide(double seconds, double fromHz, double toHz, double glideSeconds, double attack, double tau);

// Where and how high `scatter` puts its voices: `count` of them, each at a
// random moment from `from` to `from + spread` seconds, at a random pitch
// within `hzSpread` of `hz`, mixed in at `gain`.
struct Scatter {
  int count;
  double from, spread, hz, hzSpread, gain;
};
// Short voices made by `voice(hz)` and strewn at random, like bubbles
// bursting or drops landing. The noise decides each one's moment, then its
// pitch.
template <typename Voice>
void scatter(Wave& out, Noise& noise, const Scatter& s, Voice voice) {
  for (int i = 0; i < s.count; ++i) {
    const double at = s.from + s.spread * (0.5 + 0.5 * noise.next());
    const double hz = s.hz + s.hzSpread * noise.next();
    mixInto(out, voice(hz), at, s.gain);
  }
}

// Masters a finished effect into the game's unsigned 8-bit samples: freed of
// DC, faded at both ends so it starts and stops on silence, scaled to a
// -3 dBFS peak.
std::vector<std::uint8_t> masterToUnsigned8(Wave w);
bool writeWave(const std::string& path, const std::vector<std::uint8_t>& bytes);

}  // namespace synth
