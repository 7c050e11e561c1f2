#pragma once
// The program around the board: it owns the game, the sound engine, the set
// commands, the dialogs and the score board, runs start-up and shut-down and the
// command menu, and paces the steps. It is no widget: the board widget
// (`MainWindow`) paints what the game shows and tells it what the player did.
#include <QObject>
#include <QStringList>
#include <functional>
#include <memory>
#include <optional>

#include "game/Game.h"
#include "game/SetCommands.h"
#include "scores/ScoreFile.h"

class QAction;
class QMenu;
class QTimer;
class WaveDevice;
class WaveEngine;
class MidiPlayer;
class BackgroundMusic;
class MainWindow;
class GameOverDialog;
class AboutDialog;
class SetInfoDialog;
class ScoreTableWindow;
class PlayerNameDialog;
class ImageGroupDialog;
class CursorSetupDialog;

// From the board's first picture to the wave device and the start-up set.
constexpr int kStartupSetDelayMs = 40;
// A board that is never painted (started minimised) loads the start-up set after this.
constexpr int kStartupSetLatestMs = 2000;

// What the program is built from; every default is the real desktop's, and tests
// replace what they must observe or must not touch.
struct GameDeps {
  std::function<std::unique_ptr<WaveDevice>()> makeWaveDevice;  // SDL audio
  std::function<std::unique_ptr<MidiPlayer>()> makeMidiPlayer;  // FluidSynth
  WavePlayer* wave = nullptr;  // when set, the game plays through this instead of the engine
  MusicPort* music = nullptr;  // likewise for the tune
  Clock clock = localNowDays;
  StepClock stepClock = monotonicMicros;
  RandomSource* random = nullptr;
  std::optional<StartupPlace> startup;  // the command line and program folder
  QString musicFile;                    // where a set's tune is written
  QString scoreProgramFolder;           // where "piescore.sdf" is kept ...
  QString scoreUserFolder;              // ... and where it goes when that folder is read-only
};

class GameController final : public QObject, private GameView, private SetCommandsPort {
  Q_OBJECT
 public:
  explicit GameController(const GameDeps& deps);
  ~GameController() override;

  MainWindow& window() { return *window_; }
  // What the board shows and where it comes from.
  const Game& game() const { return *game_; }
  std::optional<SoundState> soundIcon() const { return soundIcon_; }  // none until the device was tried
  QString soundIconHint() const;
  bool startedUp() const { return startedUp_; }

  // --- what the player did on the board ---
  void holePressed(int hole);
  void abortPressed();
  void soundIconPressed();
  void filesDropped(const QStringList& paths);
  // Ends any round and runs the command menu at the menu button; the chosen
  // command runs once the menu has closed.
  void openCommandMenu();
  void quit();
  QAction* menuItem(const QString& componentName) const;

  // --- the board's life ---
  void boardShown();    // its first showing: cursors and the built-in set
  void boardPainted();  // its first picture: the wave device and the start-up set follow
  // The step timer's wake: takes the step that is due and sets the next wake.
  void stepTimerFired();

 private:
  // GameView
  void holeChanged(int hole) override;
  void scoreChanged() override;
  void timeChanged() override;
  void boardChanged() override;
  void playfieldCursorChanged() override;
  void captionChanged() override;
  void animateChanged(bool enabled) override;
  void showGameOver(const GameResult& result) override;
  // SetCommandsPort
  QWidget* dialogParent() override;
  void setBusyCursor(bool busy) override;
  void processPendingEvents() override;
  void showCurrentSetAbout() override;

  void makeSound(const GameDeps& deps);
  void makeGame(const GameDeps& deps);
  void makeTimers();
  void buildMenu();
  void runCommand(const std::function<void()>& command);
  void openSound();
  void loadStartupSet();
  void shutDown();
  void armStepTimer();
  void showAboutBox();
  void runSetCreationWizard();
  void showScoreTable();
  void addScoreToBoard();

  // The dialogs made once and reused, each at its first use (so the board paints
  // without building them); they live as long as the board.
  GameOverDialog* gameOverDialog();
  AboutDialog* aboutDialog();
  SetInfoDialog* setInfoDialog();
  ScoreTableWindow* scoreTable();
  PlayerNameDialog* playerNameDialog();
  ImageGroupDialog* imageGroupDialog();
  CursorSetupDialog* cursorSetupDialog();

  // Declared before the game so they outlive it.
  std::unique_ptr<WaveEngine> engine_;
  std::unique_ptr<BackgroundMusic> music_;
  std::unique_ptr<Game> game_;
  std::unique_ptr<ImageSetCommands> commands_;
  std::optional<StartupPlace> startup_;
  QString musicFile_;
  ScoreBoard scoreBoard_;
  // Declared after the game: the board and its dialogs go first.
  std::unique_ptr<MainWindow> window_;
  QTimer* stepTimer_ = nullptr;
  QTimer* setInfoTimer_ = nullptr;
  QMenu* commandMenu_ = nullptr;

  std::optional<SoundState> soundIcon_;
  bool menuOpen_ = false;
  std::function<void()> chosenCommand_;
  bool shown_ = false;
  bool painted_ = false;
  bool startedUp_ = false;
  bool soundOpened_ = false;
  bool shutDown_ = false;

  GameOverDialog* gameOverDialog_ = nullptr;
  AboutDialog* aboutDialog_ = nullptr;
  SetInfoDialog* setInfoDialog_ = nullptr;
  ScoreTableWindow* scoreTable_ = nullptr;
  PlayerNameDialog* playerNameDialog_ = nullptr;
  ImageGroupDialog* imageGroupDialog_ = nullptr;
  CursorSetupDialog* cursorSetupDialog_ = nullptr;
};
