#include "soundmodule/FluidMidiPlayer.h"

#include <fluidsynth.h>

#include <QCoreApplication>
#include <QFile>
#include <algorithm>
#include <array>
#include <mutex>

#include "sound/MidiCheck.h"

namespace {

// Errors go to the newest player (it is the one loading or playing) and
// everything else is dropped, so normal play prints nothing.
struct LogRouter {
  std::mutex mutex;
  std::vector<FluidMidiPlayer*> sinks;
};

LogRouter& router() {
  static LogRouter r;
  return r;
}

void routeLog(int level, const char* message, void*) {
  if (level > FLUID_ERR || !message) return;
  LogRouter& r = router();
  std::lock_guard lock(r.mutex);
  if (!r.sinks.empty()) r.sinks.back()->captureLog(message);
}

void attach(FluidMidiPlayer* player) {
  // FluidSynth has one log function per level for the whole process; from the
  // first player on every message goes through the router.
  static const bool routed = [] {
    for (int level = 0; level < LAST_LOG_LEVEL; ++level) fluid_set_log_function(level, routeLog, nullptr);
    return true;
  }();
  (void)routed;
  LogRouter& r = router();
  std::lock_guard lock(r.mutex);
  r.sinks.push_back(player);
}

void detach(FluidMidiPlayer* player) {
  LogRouter& r = router();
  std::lock_guard lock(r.mutex);
  r.sinks.erase(std::remove(r.sinks.begin(), r.sinks.end(), player), r.sinks.end());
}

QString withDetail(const QString& text, const QString& detail) {
  return detail.isEmpty() ? text : text + QLatin1Char('\n') + detail;
}

}  // namespace

FluidMidiPlayer::FluidMidiPlayer(FluidConfig config) : config_(std::move(config)) {
  attach(this);
  watch_.setInterval(50);
  connect(&watch_, &QTimer::timeout, this, [this] { watch(); });
  // The last notes ring on for a moment after the tune's last event.
  ringOut_.setSingleShot(true);
  ringOut_.setInterval(kRingOutMs);
  connect(&ringOut_, &QTimer::timeout, this, [this] { stopOutput(); });
}

FluidMidiPlayer::~FluidMidiPlayer() {
  close();
  if (synth_) delete_fluid_synth(synth_);
  if (settings_) delete_fluid_settings(settings_);
  detach(this);
}

void FluidMidiPlayer::captureLog(const char* message) {
  // Called with the router's mutex held. A damaged file can log one line per
  // bad event; the first few say enough.
  if (log_.size() < 4) log_ << QString::fromUtf8(message).trimmed();
}

QString FluidMidiPlayer::takeLog() {
  std::lock_guard lock(router().mutex);
  const QString text = log_.join(QLatin1Char('\n'));
  log_.clear();
  return text;
}

bool FluidMidiPlayer::ensureSynth(QString& error) {
  if (synth_) return true;
  takeLog();
  settings_ = new_fluid_settings();
  if (!settings_) {
    error =
        withDetail(QCoreApplication::translate("FluidMidiPlayer", "The MIDI synthesizer cannot be set up."), takeLog());
    return false;
  }
  fluid_settings_setnum(settings_, "synth.gain", config_.gain);
  for (const auto& [name, value] : config_.settings)
    fluid_settings_setstr(settings_, name.constData(), value.constData());
  synth_ = new_fluid_synth(settings_);
  if (!synth_) {
    error =
        withDetail(QCoreApplication::translate("FluidMidiPlayer", "The MIDI synthesizer cannot be set up."), takeLog());
    delete_fluid_settings(settings_);
    settings_ = nullptr;
    return false;
  }
  if (fluid_synth_sfload(synth_, QFile::encodeName(config_.soundFont).constData(), 1) == FLUID_FAILED) {
    error = withDetail(
        QCoreApplication::translate("FluidMidiPlayer", "The soundfont %1 cannot be loaded.").arg(config_.soundFont),
        takeLog());
    delete_fluid_synth(synth_);
    synth_ = nullptr;
    delete_fluid_settings(settings_);
    settings_ = nullptr;
    return false;
  }
  return true;
}

bool FluidMidiPlayer::open(const QString& path, QString& error) {
  close();
  QFile file(path);
  if (!file.open(QIODevice::ReadOnly)) {
    error = QCoreApplication::translate("FluidMidiPlayer", "The music file %1 cannot be opened: %2")
                .arg(path, file.errorString());
    return false;
  }
  const QByteArray data = file.readAll();
  file.close();
  QString problem = checkMidiData(data);
  if (problem.isEmpty() && !fluid_is_midifile(QFile::encodeName(path).constData()))
    problem = QCoreApplication::translate("FluidMidiPlayer", "The file is not a MIDI file.");
  if (!problem.isEmpty()) {
    error = problem;
    return false;
  }
  if (!ensureSynth(error)) return false;

  takeLog();
  player_ = new_fluid_player(synth_);
  if (!player_) {
    error = withDetail(QCoreApplication::translate("FluidMidiPlayer", "The MIDI player cannot be set up."), takeLog());
    return false;
  }
  fluid_player_set_playback_callback(player_, &FluidMidiPlayer::playbackEvent, this);
  if (fluid_player_add_mem(player_, data.constData(), std::size_t(data.size())) != FLUID_OK) {
    error = withDetail(QCoreApplication::translate("FluidMidiPlayer", "The MIDI data cannot be read."), takeLog());
    close();
    return false;
  }
  driver_ = new_fluid_audio_driver(settings_, synth_);
  // FluidSynth's default output is ALSA's default device, which a desktop that
  // runs only a sound server may not offer; try the server, then SDL (which
  // already found an output for the effects), unless a driver was asked for.
  const bool driverChosen = std::any_of(config_.settings.begin(), config_.settings.end(),
                                        [](const auto& s) { return s.first == "audio.driver"; });
  for (const char* fallback : {"pulseaudio", "sdl2"}) {
    if (driver_ || driverChosen) break;
    fluid_settings_setstr(settings_, "audio.driver", fallback);
    driver_ = new_fluid_audio_driver(settings_, synth_);
  }
  if (!driver_) {
    error = withDetail(QCoreApplication::translate("FluidMidiPlayer", "No audio output is available for the music."),
                       takeLog());
    close();
    return false;
  }
  return true;
}

int FluidMidiPlayer::playbackEvent(void* data, fluid_midi_event_t* event) {
  auto* self = static_cast<FluidMidiPlayer*>(data);
  self->events_.fetch_add(1, std::memory_order_relaxed);
  return fluid_synth_handle_midi_event(self->synth_, event);
}

void FluidMidiPlayer::play() {
  if (!player_) return;
  takeLog();
  events_.store(0);
  fluid_player_play(player_);
  playing_ = true;
  watch_.start();
}

void FluidMidiPlayer::stop() {
  watch_.stop();
  playing_ = false;
  if (!player_) return;
  fluid_player_stop(player_);
  // The player leaves held notes ringing; the music must end when the game does.
  fluid_synth_all_sounds_off(synth_, -1);
}

void FluidMidiPlayer::stopOutput() {
  ringOut_.stop();
  if (driver_) delete_fluid_audio_driver(driver_);  // joins its thread
  driver_ = nullptr;
}

void FluidMidiPlayer::close() {
  stop();
  // The driver's thread runs the player, so it goes first.
  stopOutput();
  if (player_) delete_fluid_player(player_);
  player_ = nullptr;
  if (synth_) fluid_synth_system_reset(synth_);
}

void FluidMidiPlayer::watch() {
  if (!player_ || !playing_) return;
  if (fluid_player_get_status(player_) != FLUID_PLAYER_DONE) return;
  watch_.stop();
  playing_ = false;
  if (eventsPlayed() > 0) {
    // A tune shorter than the game simply ended; its output, a thread that
    // wakes for every period, goes once the last notes have died away.
    ringOut_.start();
    return;
  }
  // FluidSynth loads the file when playback starts and gives up on damaged data
  // with only a log line; a file it rejects without a word still ends at once.
  const QString log = takeLog();
  close();
  reportFailure(withDetail(
      QCoreApplication::translate("FluidMidiPlayer", "The background music cannot be played."),
      log.isEmpty() ? QCoreApplication::translate("FluidMidiPlayer", "The tune ended at once without playing a note.")
                    : log));
}
