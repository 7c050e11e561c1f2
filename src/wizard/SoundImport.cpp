#include "wizard/SoundImport.h"

#include <QCoreApplication>
#include <QFile>
#include <QRegularExpression>
#include <algorithm>
#include <array>
#include <cmath>
#include <fcntl.h>
#include <memory>
#include <random>
#include <type_traits>
#include <sndfile.h>
#include <soxr.h>
#include <sys/stat.h>
#include <unistd.h>
#include <vector>

#include "common/Files.h"

namespace {

struct Texts {
  Q_DECLARE_TR_FUNCTIONS(SoundImport)
};

// Rates and channel counts past these are no sound anyone records; refusing them
// keeps every buffer below small and fixed.
constexpr int kHighestRate = 768000;
constexpr int kLowestRate = 1000;
constexpr int kMostChannels = 64;
constexpr sf_count_t kChunkFrames = 4096;

QString named(const QString& path, const QString& why) { return fileNamePart(path) + QStringLiteral(": ") + why; }

struct SndFileCloser {
  void operator()(SNDFILE* file) const { sf_close(file); }
};
struct SoxrDeleter {
  void operator()(soxr_t resampler) const { soxr_delete(resampler); }
};

// Opens a regular file without following a link at its last step; -1 otherwise.
int openRegular(const QString& path) {
  const int fd = ::open(QFile::encodeName(path).constData(), O_RDONLY | O_NOFOLLOW | O_CLOEXEC | O_NONBLOCK);
  if (fd < 0) return -1;
  struct stat info {};
  if (::fstat(fd, &info) != 0 || !S_ISREG(info.st_mode)) {
    ::close(fd);
    return -1;
  }
  return fd;
}

// A wave whose samples end before the length its data chunk declares was cut short
// (a download or copy that stopped). A length near 2 GiB is what writers that
// stream put before they know the length; such a file is read to its end.
bool cutShort(SNDFILE* file) {
  std::array<char, 8192> log{};
  sf_command(file, SFC_GET_LOG_INFO, log.data(), int(log.size()) - 1);
  static const QRegularExpression dataLine(QStringLiteral("^data : (\\d+) \\(should be (\\d+)\\)"),
                                           QRegularExpression::MultilineOption);
  const QRegularExpressionMatch match = dataLine.match(QString::fromLatin1(log.data()));
  if (!match.hasMatch()) return false;
  const qint64 declared = match.captured(1).toLongLong(), there = match.captured(2).toLongLong();
  constexpr qint64 kStreamingLength = 0x7FFF0000;
  return declared > there && declared < kStreamingLength;
}

bool isStoredFormat(const SF_INFO& info) {
  const int sub = info.format & SF_FORMAT_SUBMASK;
  return info.samplerate == kSetSampleRate && info.channels == 1 && (sub == SF_FORMAT_PCM_U8 || sub == SF_FORMAT_PCM_S8);
}

// Mono float samples at 11025 Hz, or an error.
struct Converted {
  std::vector<float> mono;
  QString error;
};

Converted convert(SNDFILE* file, const SF_INFO& info, qint64 maxSamples, const QString& path) {
  Converted out;
  const bool resample = info.samplerate != kSetSampleRate;
  std::unique_ptr<std::remove_pointer_t<soxr_t>, SoxrDeleter> resampler;
  if (resample) {
    soxr_error_t error = nullptr;
    const soxr_quality_spec_t quality = soxr_quality_spec(SOXR_VHQ, 0);
    resampler.reset(soxr_create(info.samplerate, kSetSampleRate, 1, &error, nullptr, &quality, nullptr));
    if (error || !resampler) {
      out.error = named(path, Texts::tr("cannot be resampled: %1").arg(QString::fromUtf8(error ? error : "")));
      return out;
    }
  }
  const auto channels = static_cast<std::size_t>(info.channels);
  std::vector<float> frames(kChunkFrames * channels), mono(kChunkFrames), resampled(kChunkFrames + 64);
  const auto tooLong = [&] { return qint64(out.mono.size()) > maxSamples; };
  const auto take = [&](const float* in, std::size_t count) {
    if (!resample) {
      out.mono.insert(out.mono.end(), in, in + count);
      return;
    }
    std::size_t used = 0;
    do {
      std::size_t done = 0, made = 0;
      soxr_process(resampler.get(), in ? in + used : nullptr, in ? count - used : 0, &done, resampled.data(),
                   resampled.size(), &made);
      used += done;
      out.mono.insert(out.mono.end(), resampled.begin(), resampled.begin() + static_cast<std::ptrdiff_t>(made));
      if (!in && made == 0) break;
    } while ((in ? used < count : true) && !tooLong());
  };
  for (;;) {
    const sf_count_t got = sf_readf_float(file, frames.data(), kChunkFrames);
    if (got <= 0) break;
    for (sf_count_t i = 0; i < got; ++i) {
      float sum = 0;
      for (std::size_t c = 0; c < channels; ++c) sum += frames[static_cast<std::size_t>(i) * channels + c];
      mono[static_cast<std::size_t>(i)] = sum / static_cast<float>(channels);
    }
    take(mono.data(), static_cast<std::size_t>(got));
    if (tooLong()) break;
  }
  if (sf_error(file) != SF_ERR_NO_ERROR) {
    out.error = named(path, Texts::tr("is damaged: %1").arg(QString::fromUtf8(sf_strerror(file))));
    return out;
  }
  if (resample && !tooLong()) take(nullptr, 0);
  if (tooLong()) out.error = named(path, Texts::tr("lasts longer than a minute, the most a sound may take"));
  return out;
}

}  // namespace

SoundImport importSound(const QString& path, qint64 maxSamples, std::uint32_t seed) {
  SoundImport result;
  const int fd = openRegular(path);
  if (fd < 0) {
    result.error = named(path, Texts::tr("cannot be opened"));
    return result;
  }
  SF_INFO info{};
  std::unique_ptr<SNDFILE, SndFileCloser> file(sf_open_fd(fd, SFM_READ, &info, SF_TRUE));
  if (!file) {
    result.error = named(path, Texts::tr("is not a sound this program reads (%1)").arg(QString::fromUtf8(sf_strerror(nullptr))));
    return result;
  }
  if (info.samplerate < kLowestRate || info.samplerate > kHighestRate || info.channels < 1 ||
      info.channels > kMostChannels) {
    result.error = named(path, Texts::tr("has %1 channels at %2 Hz, which is no sound this program takes")
                                   .arg(info.channels)
                                   .arg(info.samplerate));
    return result;
  }

  if (cutShort(file.get())) {
    result.error = named(path, Texts::tr("is cut short: its samples end before the length it declares"));
    return result;
  }

  // Already what a set stores: the samples go in untouched.
  if (isStoredFormat(info)) {
    std::vector<short> raw(kChunkFrames);
    for (;;) {
      const sf_count_t got = sf_read_short(file.get(), raw.data(), kChunkFrames);
      if (got <= 0) break;
      for (sf_count_t i = 0; i < got; ++i) result.samples.append(char((raw[std::size_t(i)] >> 8) + 128));
      if (result.samples.size() > maxSamples) break;
    }
    if (sf_error(file.get()) != SF_ERR_NO_ERROR)
      result.error = named(path, Texts::tr("is damaged: %1").arg(QString::fromUtf8(sf_strerror(file.get()))));
    else if (result.samples.size() > maxSamples)
      result.error = named(path, Texts::tr("lasts longer than a minute, the most a sound may take"));
    else if (result.samples.isEmpty())
      result.error = named(path, Texts::tr("holds no sound"));
    if (!result.error.isEmpty()) result.samples.clear();
    return result;
  }

  Converted converted = convert(file.get(), info, maxSamples, path);
  if (!converted.error.isEmpty()) {
    result.error = converted.error;
    return result;
  }
  if (converted.mono.empty()) {
    result.error = named(path, Texts::tr("holds no sound"));
    return result;
  }
  float peak = 0;
  for (float s : converted.mono) peak = std::max(peak, std::abs(s));
  // Full scale is 1; only a mix beyond it would clip.
  if (peak > 1.0f) result.gain = 1.0 / peak;

  std::mt19937 random(seed);
  std::uniform_real_distribution<float> half(-0.5f, 0.5f);
  result.samples.resize(static_cast<qsizetype>(converted.mono.size()));
  char* to = result.samples.data();
  const auto gain = static_cast<float>(result.gain);
  for (float s : converted.mono) {
    const float level = s * gain * 128.0f + 128.0f + half(random) + half(random);
    *to++ = static_cast<char>(std::clamp(static_cast<int>(std::lround(level)), 0, 255));
  }
  return result;
}

QString soundLengthText(const SoundImport& sound) {
  return QCoreApplication::translate("SoundImport", "%1 s").arg(sound.seconds(), 0, 'f', 2);
}
