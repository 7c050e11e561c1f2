// The moonlight set's effects: glassy, soft and spacey, to go with the night.

#include <algorithm>
#include <cmath>

#include "effects.h"

using namespace synth;

namespace {

// A sine with a slow vibrato whose pitch follows `hz(t)`: the singing-saw
// sound of an old science-fiction film.
template <typename Pitch>
Wave wobblySine(double seconds, Pitch hz, double vibratoHz, double depth) {
  return tone(seconds, hz, vibratoHz, depth,
              [](double, double phase) { return std::sin(phase) + 0.25 * std::sin(2.0 * phase); });
}

void envelope(Wave& w, double attack, double release) {
  const double seconds = static_cast<double>(w.size()) / kRate;
  for (std::size_t i = 0; i < w.size(); ++i) {
    const double t = static_cast<double>(i) / kRate;
    w[i] *= std::min({t / attack, 1.0, (seconds - t) / release});
  }
}

Wave startupTwinkle() {
  // Falling stars: a glassy run down a suspended chord, then the chord rings
  // over a soft low hum.
  Wave w;
  const double run[] = {93, 88, 86, 81, 76, 74};
  for (int i = 0; i < 6; ++i)
    mixInto(w, fmBell(midiHz(run[i]), 0.6, 1.414, 1.1, 0.16), 0.07 * i, 0.45);
  for (double key : {69.0, 74.0, 76.0, 81.0})
    mixInto(w, fmBell(midiHz(key), 1.3, 3.01, 0.5, 0.4), 0.45, 0.4);
  Wave hum = wobblySine(1.5, [](double) { return midiHz(45); }, 4.5, 0.004);
  envelope(hum, 0.3, 0.6);
  mixInto(w, hum, 0.3, 0.35);
  return w;
}

Wave sonarPing() {
  // A short, pure blip with a faint echo.
  Wave w = glide(0.07, 1760.0, 1700.0, 0.07, 0.002, 0.014);
  mixInto(w, glide(0.05, 3520.0, 3400.0, 0.05, 0.001, 0.006), 0.0, 0.25);
  mixInto(w, glide(0.07, 1760.0, 1700.0, 0.07, 0.002, 0.012), 0.085, 0.2);
  return w;
}

Wave blueberrySplat() {
  Noise noise(0xB1E5);
  // A heavier, darker smack than a cream pie: the filling is thick.
  Wave w = sweptNoise(noise, 0.2, 2600.0, 300.0, 0.045);
  // The gloop: a low tone that wobbles slowly as it sinks.
  const Wave gloop = tone(
      0.36, [](double t) { return 210.0 * std::exp(-t / 0.18) + 70.0; }, 13.0, 0.25,
      [](double t, double phase) { return strike(t, 0.01, 0.12) * std::sin(phase + 1.4 * std::sin(phase)); });
  mixInto(w, gloop, 0.005, 1.2);
  // Big slow bubbles, lower than cream's.
  scatter(w, noise, {.count = 5, .from = 0.08, .spread = 0.25, .hz = 260.0, .hzSpread = 120.0, .gain = 0.45},
          [](double hz) { return glide(0.05, hz, 2.2 * hz, 0.03, 0.002, 0.012); });
  return w;
}

Wave fallingSaw() {
  // A singing saw falls an octave and a half and fades into the night.
  Wave w = wobblySine(
      2.1, [](double t) { return midiHz(81.0 - 18.0 * std::min(t / 1.7, 1.0)); }, 6.0, 0.012);
  envelope(w, 0.08, 0.7);
  mixInto(w, fmBell(midiHz(57), 1.2, 1.414, 0.6, 0.35), 0.9, 0.5);
  return w;
}

}  // namespace

EffectSet moonlightEffects() { return {startupTwinkle(), sonarPing(), blueberrySplat(), fallingSaw()}; }
