#include "sound/FluidMidiPlayer.h"

#include <QFile>

#include "sound/MidiCheck.h"
#include <algorithm>
#include <array>
#include <fluidsynth.h>
#include <mutex>

namespace {

// FluidSynth has one log function per level for the whole process. While any
// player exists, errors go to the newest player (it is the one loading or
// playing) and everything else is dropped, so normal play prints nothing.
struct LogRouter {
  std::mutex mutex;
  std::vector<FluidMidiPlayer*> sinks;
  std::array<fluid_log_function_t, LAST_LOG_LEVEL> previous{};
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
  LogRouter& r = router();
  std::lock_guard lock(r.mutex);
  if (r.sinks.empty())
    for (int level = 0; level < LAST_LOG_LEVEL; ++level) r.previous[level] = fluid_set_log_function(level, routeLog, nullptr);
  r.sinks.push_back(player);
}

void detach(FluidMidiPlayer* player) {
  LogRouter& r = router();
  std::lock_guard lock(r.mutex);
  r.sinks.erase(std::remove(r.sinks.begin(), r.sinks.end(), player), r.sinks.end());
  if (r.sinks.empty())
    for (int level = 0; level < LAST_LOG_LEVEL; ++level) fluid_set_log_function(level, r.previous[level], nullptr);
}

QString withDetail(const QString& text, const QString& detail) {
  return detail.isEmpty() ? text : text + QLatin1Char('\n') + detail;
}

}  // namespace

FluidConfig FluidConfig::fromEnvironment() {
  FluidConfig config;
  const QByteArray font = qgetenv("PVQ_SOUNDFONT");
  if (!font.isEmpty()) config.soundFont = QString::fromLocal8Bit(font);
  const QByteArray driver = qgetenv("PVQ_MIDI_DRIVER");
  if (!driver.isEmpty()) config.settings.emplace_back("audio.driver", driver);
  return config;
}

FluidMidiPlayer::FluidMidiPlayer(FluidConfig config) : m_config(std::move(config)) {
  attach(this);
  m_watch.setInterval(50);
  connect(&m_watch, &QTimer::timeout, this, [this] { watch(); });
}

FluidMidiPlayer::~FluidMidiPlayer() {
  close();
  if (m_synth) delete_fluid_synth(m_synth);
  if (m_settings) delete_fluid_settings(m_settings);
  detach(this);
}

void FluidMidiPlayer::captureLog(const char* message) {
  // Called with the router's mutex held. A damaged file can log one line per
  // bad event; the first few say enough.
  if (m_log.size() < 4) m_log << QString::fromUtf8(message).trimmed();
}

QString FluidMidiPlayer::takeLog() {
  std::lock_guard lock(router().mutex);
  const QString text = m_log.join(QLatin1Char('\n'));
  m_log.clear();
  return text;
}

bool FluidMidiPlayer::ensureSynth(QString& error) {
  if (m_synth) return true;
  takeLog();
  m_settings = new_fluid_settings();
  if (!m_settings) {
    error = withDetail(QStringLiteral("The MIDI synthesizer cannot be set up."), takeLog());
    return false;
  }
  fluid_settings_setnum(m_settings, "synth.gain", m_config.gain);
  for (const auto& [name, value] : m_config.settings)
    fluid_settings_setstr(m_settings, name.constData(), value.constData());
  m_synth = new_fluid_synth(m_settings);
  if (!m_synth) {
    error = withDetail(QStringLiteral("The MIDI synthesizer cannot be set up."), takeLog());
    delete_fluid_settings(m_settings);
    m_settings = nullptr;
    return false;
  }
  if (fluid_synth_sfload(m_synth, QFile::encodeName(m_config.soundFont).constData(), 1) == FLUID_FAILED) {
    error = withDetail(QStringLiteral("The soundfont %1 cannot be loaded.").arg(m_config.soundFont), takeLog());
    delete_fluid_synth(m_synth);
    m_synth = nullptr;
    delete_fluid_settings(m_settings);
    m_settings = nullptr;
    return false;
  }
  return true;
}

bool FluidMidiPlayer::open(const QString& path, QString& error) {
  close();
  QFile file(path);
  if (!file.open(QIODevice::ReadOnly)) {
    error = QStringLiteral("The music file %1 cannot be opened: %2").arg(path, file.errorString());
    return false;
  }
  const QByteArray data = file.readAll();
  file.close();
  QString problem = CheckMidiData(data);
  if (problem.isEmpty() && !fluid_is_midifile(QFile::encodeName(path).constData()))
    problem = QStringLiteral("The file is not a MIDI file.");
  if (!problem.isEmpty()) {
    error = problem;
    return false;
  }
  if (!ensureSynth(error)) return false;

  takeLog();
  m_player = new_fluid_player(m_synth);
  if (!m_player) {
    error = withDetail(QStringLiteral("The MIDI player cannot be set up."), takeLog());
    return false;
  }
  fluid_player_set_playback_callback(m_player, &FluidMidiPlayer::playbackEvent, this);
  if (fluid_player_add_mem(m_player, data.constData(), std::size_t(data.size())) != FLUID_OK) {
    error = withDetail(QStringLiteral("The MIDI data cannot be read."), takeLog());
    close();
    return false;
  }
  m_driver = new_fluid_audio_driver(m_settings, m_synth);
  // FluidSynth's default output is ALSA's default device, which a desktop that
  // runs only a sound server may not offer; try the server, then SDL (which
  // already found an output for the effects), unless a driver was asked for.
  const bool driverChosen = std::any_of(m_config.settings.begin(), m_config.settings.end(),
                                        [](const auto& s) { return s.first == "audio.driver"; });
  for (const char* fallback : {"pulseaudio", "sdl2"}) {
    if (m_driver || driverChosen) break;
    fluid_settings_setstr(m_settings, "audio.driver", fallback);
    m_driver = new_fluid_audio_driver(m_settings, m_synth);
  }
  if (!m_driver) {
    error = withDetail(QStringLiteral("No audio output is available for the music."), takeLog());
    close();
    return false;
  }
  return true;
}

int FluidMidiPlayer::playbackEvent(void* data, fluid_midi_event_t* event) {
  auto* self = static_cast<FluidMidiPlayer*>(data);
  self->m_events.fetch_add(1, std::memory_order_relaxed);
  return fluid_synth_handle_midi_event(self->m_synth, event);
}

void FluidMidiPlayer::play() {
  if (!m_player) return;
  takeLog();
  m_events.store(0);
  fluid_player_play(m_player);
  m_playing = true;
  m_watch.start();
}

void FluidMidiPlayer::stop() {
  m_watch.stop();
  m_playing = false;
  if (!m_player) return;
  fluid_player_stop(m_player);
  // The player leaves held notes ringing; the music must end when the game does.
  fluid_synth_all_sounds_off(m_synth, -1);
}

void FluidMidiPlayer::close() {
  stop();
  // The driver's thread runs the player, so it goes first.
  if (m_driver) delete_fluid_audio_driver(m_driver);
  m_driver = nullptr;
  if (m_player) delete_fluid_player(m_player);
  m_player = nullptr;
  if (m_synth) fluid_synth_system_reset(m_synth);
}

void FluidMidiPlayer::watch() {
  if (!m_player || !m_playing) return;
  if (fluid_player_get_status(m_player) != FLUID_PLAYER_DONE) return;
  m_watch.stop();
  m_playing = false;
  if (eventsPlayed() > 0) return;  // a tune shorter than the game: it simply ended
  // FluidSynth loads the file when playback starts and gives up on damaged data
  // with only a log line; a file it rejects without a word still ends at once.
  const QString log = takeLog();
  close();
  reportFailure(withDetail(QStringLiteral("The background music cannot be played."),
                           log.isEmpty() ? QStringLiteral("The tune ended at once without playing a note.") : log));
}
