#include "sound/BackgroundMusic.h"

#include <utility>

#include "game/Prompts.h"

BackgroundMusic::BackgroundMusic(std::unique_ptr<MidiPlayer> player, QString musicFile,
                                 std::function<bool()> musicPresent, std::function<SoundState()> soundState)
    : m_player(std::move(player)),
      m_file(std::move(musicFile)),
      m_present(std::move(musicPresent)),
      m_state(std::move(soundState)) {
  // The player reports late failures on the GUI thread, where this object lives.
  if (m_player)
    m_player->setFailureHandler([this](const QString& error) {
      if (m_playing) fail(error);
    });
}

BackgroundMusic::~BackgroundMusic() {
  if (m_player) {
    m_player->setFailureHandler(nullptr);
    m_player->close();
  }
}

void BackgroundMusic::StartMusic() {
  // Decided once, at the start of play: sound enabled later in the game brings
  // no music to this game.
  if (!m_player || !m_present || !m_present() || !m_state || m_state() != SoundState::Enabled) return;
  if (m_playing) m_player->close();
  m_playing = true;
  QString error;
  if (!m_player->open(m_file, error)) {
    fail(error);
    return;
  }
  m_player->play();
}

void BackgroundMusic::StopMusic() {
  if (!m_playing) return;
  m_player->stop();
  m_player->close();
  m_playing = false;
}

void BackgroundMusic::fail(const QString& error) {
  m_player->close();
  m_playing = false;
  prompts().message(m_parent, error, QStringLiteral("Error"), BoxIcon::Error);
}
