#include "synth.h"

#include <sndfile.h>

#include <algorithm>
#include <cstdio>

namespace synth {

namespace {

constexpr double kPeak = 0.7079;  // -3 dBFS

}  // namespace

int samplesFor(double seconds) { return static_cast<int>(std::lround(seconds * kRate)); }

double midiHz(double key) { return 440.0 * std::pow(2.0, (key - 69.0) / 12.0); }

// Quick rise (half a sine), then exponential decay with time constant tau.
double strike(double t, double attack, double tau) {
  if (t < 0.0) return 0.0;
  if (t < attack) return std::sin(0.5 * std::numbers::pi * t / attack);
  return std::exp(-(t - attack) / tau);
}

void mixInto(Wave& out, const Wave& voice, double at, double gain) {
  const int start = samplesFor(at);
  if (out.size() < start + voice.size()) out.resize(start + voice.size(), 0.0);
  for (std::size_t i = 0; i < voice.size(); ++i) out[start + i] += gain * voice[i];
}

// Two-operator FM: a bright strike that mellows as the modulation index decays.
Wave fmBell(double hz, double seconds, double ratio, double index, double tau) {
  Wave w(samplesFor(seconds));
  for (std::size_t i = 0; i < w.size(); ++i) {
    const double t = static_cast<double>(i) / kRate;
    const double mod = index * std::exp(-t / 0.08) * std::sin(kTwoPi * ratio * hz * t);
    w[i] = strike(t, 0.004, tau) * std::sin(kTwoPi * hz * t + mod);
  }
  return w;
}

// Noise through a one-pole low-pass whose cutoff glides from `fromHz` to `toHz`.
Wave sweptNoise(Noise& noise, double seconds, double fromHz, double toHz, double tau) {
  Wave w(samplesFor(seconds));
  double state = 0.0;
  for (std::size_t i = 0; i < w.size(); ++i) {
    const double t = static_cast<double>(i) / kRate;
    const double fc = fromHz * std::pow(toHz / fromHz, t / seconds);
    state += (1.0 - std::exp(-kTwoPi * fc / kRate)) * (noise.next() - state);
    w[i] = state * strike(t, 0.002, tau);
  }
  return w;
}

// A sine whose pitch glides exponentially between two frequencies.
Wave glide(double seconds, double fromHz, double toHz, double glideSeconds, double attack,
           double tau) {
  return tone(
      seconds, [=](double t) { return fromHz * std::pow(toHz / fromHz, std::min(t / glideSeconds, 1.0)); },
      [=](double t, double phase) { return strike(t, attack, tau) * std::sin(phase); });
}

namespace {

void removeDc(Wave& w) {
  double previousIn = 0.0;
  double previousOut = 0.0;
  for (double& x : w) {
    const double out = x - previousIn + 0.995 * previousOut;
    previousIn = x;
    previousOut = out;
    x = out;
  }
}

void fadeEdges(Wave& w, double inSeconds, double outSeconds) {
  const int in = samplesFor(inSeconds);
  const int out = samplesFor(outSeconds);
  const int n = static_cast<int>(w.size());
  for (int i = 0; i < std::min(in, n); ++i) w[i] *= static_cast<double>(i) / in;
  for (int i = 0; i < std::min(out, n); ++i) w[n - 1 - i] *= static_cast<double>(i) / out;
}

}  // namespace

// Masters a finished effect into the game's unsigned 8-bit samples.
std::vector<std::uint8_t> masterToUnsigned8(Wave w) {
  removeDc(w);
  fadeEdges(w, 0.001, 0.01);
  // An even length keeps the data chunk free of a RIFF pad byte.
  if (w.size() % 2) w.push_back(0.0);
  double peak = 0.0;
  for (double x : w) peak = std::max(peak, std::abs(x));
  std::vector<std::uint8_t> bytes(w.size());
  for (std::size_t i = 0; i < w.size(); ++i) {
    const long level = std::lround(128.0 + 127.0 * kPeak * w[i] / peak);
    bytes[i] = static_cast<std::uint8_t>(std::clamp(level, 0L, 255L));
  }
  return bytes;
}

bool writeWave(const std::string& path, const std::vector<std::uint8_t>& bytes) {
  SF_INFO info{};
  info.samplerate = kRate;
  info.channels = 1;
  info.format = SF_FORMAT_WAV | SF_FORMAT_PCM_U8;
  SNDFILE* file = sf_open(path.c_str(), SFM_WRITE, &info);
  if (!file) {
    std::fprintf(stderr, "effects: cannot write %s: %s\n", path.c_str(), sf_strerror(nullptr));
    return false;
  }
  const auto written = sf_write_raw(file, bytes.data(), static_cast<sf_count_t>(bytes.size()));
  sf_close(file);
  return written == static_cast<sf_count_t>(bytes.size());
}

}  // namespace synth
