#include "sound/SoundBackend.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QLibrary>
#include <cerrno>  // program_invocation_short_name
#include <cstdio>

#include "common/Places.h"

namespace {

QString modulePath(const QString& file) { return places::soundModulePath(QStringLiteral(PVQ_SOUND_MODULE_DIR), file); }

template <class Backend>
LoadedModule<Backend> loadModule(const QString& path, const char* entryName) {
  // QLibrary's own text for a missing file names variants it tried instead.
  if (!QFileInfo::exists(path))
    return {nullptr, QCoreApplication::translate("SoundBackend", "%1 is missing").arg(path)};
  QLibrary library(path);
  if (!library.load()) return {nullptr, library.errorString()};
  auto entry = reinterpret_cast<Backend* (*)()>(library.resolve(entryName));
  if (!entry) return {nullptr, library.errorString()};
  return {entry(), {}};  // the module stays loaded for the rest of the run
}

class LateWaveDevice : public WaveDevice {
 public:
  bool open(SampleSource& source) override {
    if (!device_) {
      QString why;
      SoundBackend* backend = soundBackend(&why);
      if (!backend) {
        // The one line a player without the sound libraries sees; the game carries on.
        std::fprintf(stderr, "%s: no sound device (%s); playing silently\n", program_invocation_short_name,
                     qPrintable(why));
        return false;
      }
      device_ = backend->makeWaveDevice();
    }
    return device_->open(source);
  }
  void close() override {
    if (device_) device_->close();
  }

 private:
  std::unique_ptr<WaveDevice> device_;
};

class LateMidiPlayer : public MidiPlayer {
 public:
  explicit LateMidiPlayer(FluidConfig config) : config_(std::move(config)) {}
  bool open(const QString& path, QString& error) override {
    if (!player_) {
      QString why;
      MidiBackend* backend = midiBackend(&why);
      if (!backend) {
        error = QCoreApplication::translate("SoundBackend", "The MIDI synthesizer cannot be set up.\n%1").arg(why);
        return false;
      }
      player_ = backend->makeMidiPlayer(config_);
      player_->setFailureHandler([this](const QString& failure) { reportFailure(failure); });
    }
    return player_->open(path, error);
  }
  void play() override {
    if (player_) player_->play();
  }
  void stop() override {
    if (player_) player_->stop();
  }
  void close() override {
    if (player_) player_->close();
  }

 private:
  FluidConfig config_;
  std::unique_ptr<MidiPlayer> player_;
};

}  // namespace

FluidConfig FluidConfig::fromEnvironment() {
  FluidConfig config;
  const QByteArray font = qgetenv("PVQ_SOUNDFONT");
  if (!font.isEmpty()) config.soundFont = QString::fromLocal8Bit(font);
  const QByteArray driver = qgetenv("PVQ_MIDI_DRIVER");
  if (!driver.isEmpty()) config.settings.emplace_back("audio.driver", driver);
  return config;
}

SoundModule loadSoundModule(const QString& path) { return loadModule<SoundBackend>(path, kSoundBackendEntry); }
MidiModule loadMidiModule(const QString& path) { return loadModule<MidiBackend>(path, kMidiBackendEntry); }

SoundBackend* soundBackend(QString* why) {
  static const SoundModule loaded = loadSoundModule(modulePath(QStringLiteral(PVQ_SOUND_MODULE_FILE)));
  if (why) *why = loaded.why;
  return loaded.backend;
}

MidiBackend* midiBackend(QString* why) {
  static const MidiModule loaded = loadMidiModule(modulePath(QStringLiteral(PVQ_MIDI_MODULE_FILE)));
  if (why) *why = loaded.why;
  return loaded.backend;
}

std::unique_ptr<WaveDevice> makeLateWaveDevice() { return std::make_unique<LateWaveDevice>(); }

std::unique_ptr<MidiPlayer> makeLateMidiPlayer(FluidConfig config) {
  return std::make_unique<LateMidiPlayer>(std::move(config));
}
