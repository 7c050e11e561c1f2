#pragma once
// A game without a window for the set loading tests: sound and music calls are
// recorded, prompts are scripted, and the tune goes to a private folder.
#include <gtest/gtest.h>

#include <QFile>
#include <QTemporaryDir>
#include <cstring>
#include <fcntl.h>
#include <functional>
#include <sys/wait.h>
#include <unistd.h>

#include "SetFileBuilder.h"
#include "game/Game.h"
#include "game/SetCommands.h"
#include "imageset/DefaultSet.h"
#include "support/FakePrompts.h"

struct RecordingWave : WavePlayer {
  void playWave(const SoundBuffer& sound, WaveChannel channel) override {
    log << QStringLiteral("play %1").arg(indexOf(channel));
    played = &sound;
    playedSamples = sound.data.size();
  }
  void stopWave(WaveChannel channel) override { log << QStringLiteral("stop %1").arg(indexOf(channel)); }
  SoundState soundState() const override { return SoundState::Enabled; }
  QStringList log;
  const SoundBuffer* played = nullptr;
  std::size_t playedSamples = 0;
};

struct QuietMusic : MusicPort {
  void startMusic() override {}
  void stopMusic() override {}
  bool musicPlaying() const override { return false; }
};

// The game's view and the set commands' port in one: what a load asked of the program.
struct RecordingView : GameView, SetCommandsPort {
  QWidget* dialogParent() override { return nullptr; }
  void showCurrentSetAbout() override { ++aboutShown; }
  void setBusyCursor(bool busy) override {
    this->busy = busy;
    if (busy) ++busyShown;
  }
  void processPendingEvents() override { ++eventRounds; }
  int aboutShown = 0;
  bool busy = false;
  int busyShown = 0;
  int eventRounds = 0;
};

class SetTest : public ::testing::Test {
 protected:
  SetTest() { commandsPort() = &view; }

  // The loads and the set commands talk to the test's view.
  bool loadImageSet(Game& g, const QString& path, bool showAbout, QString* setter = nullptr) {
    return ::loadImageSet(g, view, path, showAbout, setter);
  }
  void loadExtendedSet(Game& g, const QString& path, bool showAbout) { ::loadExtendedSet(g, view, path, showAbout); }
  class ImageSetCommands : public ::ImageSetCommands {
   public:
    explicit ImageSetCommands(Game& g) : ::ImageSetCommands(g, *commandsPort()) {}
  };
  static RecordingView*& commandsPort() {
    static RecordingView* port = nullptr;
    return port;
  }

  void SetUp() override {
    ASSERT_TRUE(dir.isValid());
    game.setView(&view);
    game.setMusicFile(dir.filePath(QStringLiteral("~piequa7.mid")));
    game.install(builtinSet());
    reference.setMusicFile(game.set().musicFile);
    reference.install(builtinSet());
  }

  QString write(const QString& name, const QByteArray& bytes) {
    const QString path = dir.filePath(name);
    EXPECT_TRUE(writeFile(path, bytes));
    return path;
  }

  // Everything a game takes from the set is what a fresh built-in set gives.
  void expectBuiltinSet() {
    const ActiveSet& s = game.set();
    const ActiveSet& r = reference.set();
    EXPECT_EQ(s.targetStrip, r.targetStrip);
    EXPECT_EQ(s.splatStrip, r.splatStrip);
    EXPECT_EQ(s.countStrip, r.countStrip);
    EXPECT_EQ(s.digitStrip, r.digitStrip);
    EXPECT_EQ(s.holeBase, r.holeBase);
    EXPECT_EQ(s.scoreWords, r.scoreWords);
    EXPECT_EQ(s.timeWords, r.timeWords);
    EXPECT_EQ(s.title, r.title);
    EXPECT_TRUE(s.sound(SoundEffect::Startup).empty() && s.sound(SoundEffect::Tick).empty() && s.sound(SoundEffect::Splat).empty() && s.sound(SoundEffect::GameOver).empty());
    EXPECT_FALSE(s.musicPresent);
    EXPECT_FALSE(QFile::exists(s.musicFile));
    EXPECT_EQ(s.setTitle, QString());
    EXPECT_EQ(s.congratulationPrefix, r.congratulationPrefix);
    EXPECT_EQ(s.ratingMessages, r.ratingMessages);
    EXPECT_EQ(std::memcmp(&s.header, &r.header, sizeof(SetHeader)), 0);
    EXPECT_EQ(game.board().pageColour, reference.board().pageColour);
    EXPECT_EQ(game.board().titleColour, reference.board().titleColour);
    EXPECT_EQ(game.playfieldCursorSlot(), 1);
    EXPECT_FALSE(game.cursors().has(kCustomCursorSlot));
    EXPECT_EQ(game.caption(), reference.caption());
  }

  // A set in force that is not the built-in one, to see that a refusal keeps it.
  void installPreviousSet() {
    LoadedSet set = builtinSet();
    set.setTitle = QStringLiteral("Previous");
    set.header.title.set(QStringLiteral("Previous"));
    set.playfieldColour = colourFromValue(0x00123456);
    set.targetStrip = truePicture(7, 7, qRgb(1, 2, 3));
    set.sound(SoundEffect::Startup).data = {1, 2, 3};
    game.install(std::move(set));
  }
  void expectPreviousSet() {
    EXPECT_EQ(game.set().setTitle, QStringLiteral("Previous"));
    EXPECT_EQ(game.set().header.title.text(), QStringLiteral("Previous"));
    EXPECT_EQ(colourValue(game.board().pageColour), 0x00123456u);
    EXPECT_EQ(game.set().targetStrip, truePicture(7, 7, qRgb(1, 2, 3)));
    EXPECT_EQ(game.set().sound(SoundEffect::Startup).data.size(), 3u);
  }

  QStringList messageTexts() const {
    QStringList texts;
    for (const ShownMessage& m : prompts.messages) texts << m.text;
    return texts;
  }
  void expectOneError(const QString& text, const QString& caption = QStringLiteral("Error")) {
    ASSERT_EQ(prompts.messages.size(), 1) << messageTexts().join(QLatin1Char('|')).toStdString();
    EXPECT_EQ(prompts.messages[0].text, text);
    EXPECT_EQ(prompts.messages[0].caption, caption);
    EXPECT_EQ(prompts.messages[0].icon, BoxIcon::Error);
  }
  // One refused set or picture: the text, then the file it is about (any absolute path
  // unless named).
  void expectOneRefusal(const QString& text, const QString& caption = QStringLiteral("Error"),
                        const QString& file = {}) {
    ASSERT_EQ(prompts.messages.size(), 1) << messageTexts().join(QLatin1Char('|')).toStdString();
    const QString shown = prompts.messages[0].text;
    EXPECT_EQ(shown.section(QStringLiteral("\n\n"), 0, 0), text);
    const QString named = shown.section(QStringLiteral("\n\n"), 1);
    EXPECT_TRUE(file.isEmpty() ? named.startsWith(QLatin1Char('/')) : named == file) << shown.toStdString();
    EXPECT_EQ(prompts.messages[0].caption, caption);
    EXPECT_EQ(prompts.messages[0].icon, BoxIcon::Error);
  }

  QTemporaryDir dir;
  FakePrompts prompts;
  RecordingWave wave;
  QuietMusic music;
  std::int64_t micros = 0;  // the step clock
  Game game{wave, music, localNowDays, nullptr, [this] { return micros; }};
  RecordingView view;
  RecordingWave referenceWave;
  Game reference{referenceWave, music};
};

inline const QString kCutShort = QStringLiteral("Error loading file, either it is incomplete or corrupted...");
inline const QString kTooSmall = QStringLiteral("File is corrupt or this is not an eXtended image set file...");

// One of the /proc/self/status sizes, in KiB.
inline long statusKb(const char* field) {
  QFile status(QStringLiteral("/proc/self/status"));
  if (!status.open(QIODevice::ReadOnly)) return -1;
  for (const QByteArray& line : status.readAll().split('\n'))
    if (line.startsWith(field)) return line.mid(int(qstrlen(field))).trimmed().split(' ').value(0).toLong();
  return -1;
}

// How far the resident memory peaks above where it stood while work runs, in
// KiB. The work runs in a child process so that a runaway allocation cannot take
// the test run down with it; -1 when the child could not tell.
inline long peakGrowthKb(const std::function<void()>& work) {
  int channel[2];
  if (pipe(channel) != 0) return -1;
  const pid_t child = fork();
  if (child == 0) {
    close(channel[0]);
    long growth = -1;
    const int clearRefs = open("/proc/self/clear_refs", O_WRONLY);
    // "5" sets the peak back to the present resident size.
    if (clearRefs >= 0 && write(clearRefs, "5", 1) == 1) {
      const long before = statusKb("VmRSS:");
      work();
      growth = statusKb("VmHWM:") - before;
    }
    if (write(channel[1], &growth, sizeof growth) != sizeof growth) _exit(1);
    _exit(0);
  }
  close(channel[1]);
  long growth = -1;
  if (child < 0 || read(channel[0], &growth, sizeof growth) != sizeof growth) growth = -1;
  close(channel[0]);
  if (child > 0) waitpid(child, nullptr, 0);
  return growth;
}
