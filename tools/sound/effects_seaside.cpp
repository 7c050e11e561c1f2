// The seaside set's effects: steel drums, a shaker and a slide whistle, bright
// and jolly like a day at the beach.

#include <algorithm>
#include <cmath>

#include "effects.h"

using namespace synth;

namespace {

// A steel-pan note: a near-harmonic FM strike with a quick, bright decay.
Wave pan(double key, double seconds, double tau) { return fmBell(midiHz(key), seconds, 2.0, 2.4, tau); }

Wave calypsoCall() {
  // A syncopated pan phrase that lands on a bright major chord.
  struct Hit { double key, at, gain; };
  const Hit hits[] = {{65, 0.0, 0.6}, {69, 0.12, 0.55}, {72, 0.24, 0.6}, {69, 0.42, 0.5}, {72, 0.54, 0.6}};
  Wave w;
  for (const Hit& h : hits) mixInto(w, pan(h.key, 0.4, 0.12), h.at, h.gain);
  for (double key : {72.0, 77.0, 81.0}) mixInto(w, pan(key, 1.1, 0.3), 0.72, 0.5);
  mixInto(w, pan(53, 1.1, 0.35), 0.72, 0.55);
  return w;
}

Wave shakerTick() {
  // A bright "tss": seeds in a shaker, high and dry.
  Noise noise(0x5EA5);
  Wave w = sweptNoise(noise, 0.06, 9000.0, 6000.0, 0.012);
  // Noise low-passed this high is nearly white; take away its low part so
  // it hisses instead of thuds.
  Wave low = sweptNoise(noise, 0.06, 900.0, 900.0, 0.012);
  for (std::size_t i = 0; i < w.size(); ++i) w[i] -= 0.8 * low[i];
  return w;
}

Wave meringueSplat() {
  Noise noise(0x1E40);
  // A light, fluffy "poof": the meringue is mostly air.
  Wave w = sweptNoise(noise, 0.16, 7000.0, 1400.0, 0.035);
  mixInto(w, sweptNoise(noise, 0.1, 4000.0, 900.0, 0.025), 0.03, 0.5);
  // The pie bounces off with a springy boing, the spring shaking its pitch as
  // it settles.
  const Wave boing = tone(
      0.32, [](double t) { return 180.0 + 140.0 * std::exp(-t / 0.08) * (1.0 + 0.4 * std::sin(kTwoPi * 17.0 * t)); },
      [](double t, double phase) { return strike(t, 0.004, 0.1) * std::sin(phase); });
  mixInto(w, boing, 0.02, 0.9);
  // Lemon drops pattering down.
  scatter(w, noise, {.count = 5, .from = 0.12, .spread = 0.3, .hz = 1300.0, .hzSpread = 400.0, .gain = 0.3},
          [](double hz) { return glide(0.025, hz, 1.4 * hz, 0.01, 0.001, 0.005); });
  return w;
}

Wave slideWhistleDown() {
  // A slide whistle sinks from high to low, then two low pans shrug.
  const Wave whistle = tone(
      1.3, [](double t) { return 1500.0 * std::pow(320.0 / 1500.0, std::min(t / 1.15, 1.0)); }, 7.0, 0.01,
      [](double t, double phase) {
        const double fade = std::min({t / 0.03, 1.0, (1.3 - t) / 0.25});
        return fade * (std::sin(phase) + 0.08 * std::sin(3.0 * phase));
      });
  Wave w;
  mixInto(w, whistle, 0.0, 0.8);
  mixInto(w, pan(50, 0.6, 0.14), 1.35, 0.7);
  mixInto(w, pan(45, 0.8, 0.26), 1.55, 0.8);
  return w;
}

}  // namespace

EffectSet seasideEffects() { return {calypsoCall(), shakerTick(), meringueSplat(), slideWhistleDown()}; }
