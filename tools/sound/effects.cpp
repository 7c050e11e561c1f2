// effects: synthesises the four sound effects of a shipped set and writes
// them as WAV files (unsigned 8-bit mono PCM at 11025 Hz, the game's own
// sample format) into the folder named on the command line:
// startup.wav, tick.wav, splat.wav and gameover.wav.
//   pvq_effects OUTPUT-FOLDER [moonlight | seaside]
// Without a set name it writes the game's own set's sounds.

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <iterator>
#include <numbers>
#include <string>

#include "effects.h"
#include "synth.h"

using namespace synth;

namespace {

Wave startupJingle() {
  // A quick rising arpeggio that lands on a ringing major chord.
  Wave w;
  const double arpeggio[] = {72, 76, 79};
  for (int i = 0; i < 3; ++i)
    mixInto(w, fmBell(midiHz(arpeggio[i]), 0.35, 3.5, 1.6, 0.09), 0.1 * i, 0.7);
  for (double key : {79.0, 84.0, 88.0})
    mixInto(w, fmBell(midiHz(key), 1.35, 2.0, 0.8, 0.28), 0.32, 0.55);
  mixInto(w, fmBell(midiHz(60), 1.35, 1.0, 0.8, 0.3), 0.32, 0.6);
  return w;
}

Wave clockTick() {
  // A hard-wood "tk": a brief bright click over two damped resonances.
  Noise noise(0x71C4);
  Wave w = sweptNoise(noise, 0.012, 5000.0, 2500.0, 0.0015);
  mixInto(w, glide(0.08, 2450.0, 2400.0, 0.08, 0.0006, 0.010), 0.0, 0.8);
  mixInto(w, glide(0.08, 1180.0, 1100.0, 0.08, 0.0008, 0.018), 0.0, 0.6);
  return w;
}

Wave splat() {
  Noise noise(0x5EA7);
  // The wet smack: a broad burst that darkens at once, then a smaller slap.
  Wave w = sweptNoise(noise, 0.22, 4200.0, 500.0, 0.05);
  mixInto(w, sweptNoise(noise, 0.12, 2500.0, 400.0, 0.03), 0.035, 0.6);
  // The squelch: a wobbling tone that sinks as the pie gives way.
  const Wave squelch = tone(
      0.3, [](double t) { return 320.0 * std::exp(-t / 0.11) + 100.0; }, 23.0, 0.18,
      [](double t, double phase) { return strike(t, 0.006, 0.09) * std::sin(phase + 0.9 * std::sin(2.0 * phase)); });
  mixInto(w, squelch, 0.01, 1.1);
  // Bubbles bursting in the cream.
  scatter(w, noise, {.count = 7, .from = 0.06, .spread = 0.2, .hz = 450.0, .hzSpread = 350.0, .gain = 0.4},
          [](double hz) { return glide(0.03, hz, 1.8 * hz, 0.012, 0.001, 0.006); });
  // Cream dripping off: three rising plips, each quieter.
  const double drips[][2] = {{0.31, 0.45}, {0.42, 0.3}, {0.5, 0.2}};
  for (const auto& [at, gain] : drips)
    mixInto(w, glide(0.05, 650.0, 1500.0, 0.025, 0.001, 0.012), at, gain);
  return w;
}

Wave gameOverPhrase() {
  // Four descending muted-brass notes, the last one sagging and wobbling.
  struct Note { double key, at, seconds; };
  const Note notes[] = {{67, 0.0, 0.34}, {65, 0.36, 0.34}, {63, 0.72, 0.34}, {62, 1.08, 1.15}};
  Wave w;
  for (std::size_t n = 0; n < std::size(notes); ++n) {
    const Note note = notes[n];
    const bool last = n + 1 == std::size(notes);
    const double hz = midiHz(note.key);
    auto pitch = [=](double t) {
      if (!last) return hz;
      const double sag = std::pow(2.0, -1.0 / 12.0 * std::max(0.0, t - 0.6) / 0.55);
      return hz * sag * (1.0 + 0.012 * std::sin(kTwoPi * 5.5 * t));
    };
    auto cutoff = [=](double t) {
      if (last) return 350.0 + 1200.0 * (0.5 - 0.5 * std::cos(kTwoPi * 3.0 * t));
      return 250.0 + 1700.0 * std::sin(std::numbers::pi * t / note.seconds);
    };
    Wave voice = wahVoice(note.seconds, pitch, cutoff);
    for (std::size_t i = 0; i < voice.size(); ++i) {
      const double t = static_cast<double>(i) / kRate;
      const double release = std::clamp((note.seconds - t) / (last ? 0.35 : 0.04), 0.0, 1.0);
      voice[i] *= std::min(t / 0.02, 1.0) * release;
    }
    mixInto(w, voice, note.at);
  }
  return w;
}

}  // namespace

EffectSet defaultEffects() { return {startupJingle(), clockTick(), splat(), gameOverPhrase()}; }

int main(int argc, char** argv) {
  const std::string set = argc == 3 ? argv[2] : "";
  if ((argc != 2 && argc != 3) || (argc == 3 && set != "moonlight" && set != "seaside")) {
    std::fprintf(stderr, "usage: %s OUTPUT-FOLDER [moonlight | seaside]\n", argv[0]);
    return 2;
  }
  const EffectSet effects = set == "moonlight" ? moonlightEffects()
                            : set == "seaside" ? seasideEffects()
                                               : defaultEffects();
  const std::string folder = argv[1];
  const bool ok = writeWave(folder + "/startup.wav", masterToUnsigned8(effects.startup)) &&
                  writeWave(folder + "/tick.wav", masterToUnsigned8(effects.tick)) &&
                  writeWave(folder + "/splat.wav", masterToUnsigned8(effects.splat)) &&
                  writeWave(folder + "/gameover.wav", masterToUnsigned8(effects.gameOver));
  return ok ? 0 : 1;
}
