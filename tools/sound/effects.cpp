// effects: synthesises the four sound effects of the built-in set and writes
// them as WAV files (unsigned 8-bit mono PCM at 11025 Hz, the game's own
// sample format) into the folder named on the command line:
// startup.wav, tick.wav, splat.wav and gameover.wav.
//
// Every voice is computed in floating point, then each effect is freed of DC,
// faded at both ends so it starts and stops on silence, scaled to a -3 dBFS
// peak and rounded to 8 bits. The noise comes from a fixed-seed generator, so
// every run writes the same bytes.

#include <sndfile.h>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <numbers>
#include <string>
#include <vector>

namespace {

constexpr int kRate = 11025;
constexpr double kTwoPi = 2.0 * std::numbers::pi;
constexpr double kPeak = 0.7079;  // -3 dBFS

using Wave = std::vector<double>;

int samplesFor(double seconds) { return static_cast<int>(std::lround(seconds * kRate)); }

double midiHz(double key) { return 440.0 * std::pow(2.0, (key - 69.0) / 12.0); }

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
double strike(double t, double attack, double tau) {
  if (t < 0.0) return 0.0;
  if (t < attack) return std::sin(0.5 * std::numbers::pi * t / attack);
  return std::exp(-(t - attack) / tau);
}

void mixInto(Wave& out, const Wave& voice, double at, double gain = 1.0) {
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
  Wave w(samplesFor(seconds));
  double phase = 0.0;
  for (std::size_t i = 0; i < w.size(); ++i) {
    const double t = static_cast<double>(i) / kRate;
    const double hz = fromHz * std::pow(toHz / fromHz, std::min(t / glideSeconds, 1.0));
    w[i] = strike(t, attack, tau) * std::sin(phase);
    phase += kTwoPi * hz / kRate;
  }
  return w;
}

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
  Wave squelch(samplesFor(0.3));
  double phase = 0.0;
  for (std::size_t i = 0; i < squelch.size(); ++i) {
    const double t = static_cast<double>(i) / kRate;
    const double hz = 320.0 * std::exp(-t / 0.11) + 100.0;
    const double wobble = 1.0 + 0.18 * std::sin(kTwoPi * 23.0 * t);
    squelch[i] = strike(t, 0.006, 0.09) * std::sin(phase + 0.9 * std::sin(2.0 * phase));
    phase += kTwoPi * hz * wobble / kRate;
  }
  mixInto(w, squelch, 0.01, 1.1);
  // Bubbles bursting in the cream.
  for (int i = 0; i < 7; ++i) {
    const double at = 0.06 + 0.2 * (0.5 + 0.5 * noise.next());
    const double hz = 450.0 + 350.0 * noise.next();
    mixInto(w, glide(0.03, hz, 1.8 * hz, 0.012, 0.001, 0.006), at, 0.4);
  }
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

}  // namespace

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: %s OUTPUT-FOLDER\n", argv[0]);
    return 2;
  }
  const std::string folder = argv[1];
  const bool ok = writeWave(folder + "/startup.wav", masterToUnsigned8(startupJingle())) &&
                  writeWave(folder + "/tick.wav", masterToUnsigned8(clockTick())) &&
                  writeWave(folder + "/splat.wav", masterToUnsigned8(splat())) &&
                  writeWave(folder + "/gameover.wav", masterToUnsigned8(gameOverPhrase()));
  return ok ? 0 : 1;
}
