#pragma once
// The main window: one widget that paints the game's board through the board
// painter and maps presses to holes and buttons by the board's geometry. It
// forwards clicks and timer ticks to the Game and runs the command menu.
#include <QWidget>
#include <functional>
#include <memory>
#include <optional>

#include "board/BoardLayout.h"
#include "board/BoardPainter.h"
#include "game/Game.h"
#include "game/SetCommands.h"
#include "scores/ScoreFile.h"

class QMenu;
class QAction;
class QTimer;
class WaveDevice;
class WaveEngine;
class MidiPlayer;
class BackgroundMusic;
class ScoreBoard;
class GameOverDialog;
class AboutDialog;
class SetInfoDialog;
class ScoreTableWindow;
class PlayerNameDialog;
class ImageGroupDialog;
class CursorSetupDialog;

// From the window's first picture to the wave device and the start-up set.
constexpr int kStartupSetDelayMs = 40;

// What the window is built from; every default is the real desktop's, and tests
// replace what they must observe or must not touch.
struct MainWindowDeps {
  std::function<std::unique_ptr<WaveDevice>()> makeWaveDevice;  // SDL audio
  std::function<std::unique_ptr<MidiPlayer>()> makeMidiPlayer;  // FluidSynth
  WavePlayer* wave = nullptr;   // when set, the game plays through this instead of the engine
  MusicPort* music = nullptr;   // likewise for the tune
  Clock clock = localNowDays;
  StepClock stepClock = monotonicMicros;
  RandomSource* random = nullptr;
  std::optional<StartupPlace> startup;  // the command line and program folder
  QString musicFile;                    // where a set's tune is written
  QString scoreProgramFolder;           // where "piescore.sdf" is kept ...
  QString scoreUserFolder;              // ... and where it goes when that folder is read-only
};

class MainWindow : public QWidget, public GameView {
  Q_OBJECT
 public:
  explicit MainWindow(const MainWindowDeps& deps, QWidget* parent = nullptr);
  ~MainWindow() override;

  Game& game() { return *game_; }
  WaveEngine& engine() { return *engine_; }
  ImageSetCommands& commands() { return *commands_; }

  // What the board shows now, the banner's controls included, and where it shows it.
  BoardState boardState() const;
  BoardLayout boardLayout() const { return BoardLayout(size()); }
  // The hint the player gets over a point of the window; empty where there is none.
  QString hintAt(QPoint at) const;

  // The dialogs made once and reused. Each is made at its first use, so the
  // window paints without building them, and lives as long as the window.
  GameOverDialog* gameOverDialog();
  AboutDialog* aboutDialog();
  SetInfoDialog* setInfoDialog();
  ScoreTableWindow* scoreTable();
  PlayerNameDialog* playerNameDialog();
  ImageGroupDialog* imageGroupDialog();
  CursorSetupDialog* cursorSetupDialog();

  // The menu button's commands.
  void openCommandMenu();
  QAction* menuItem(const QString& componentName) const;

  // Opens the wave device the first time it is called and shows the sound icon.
  void openSound();
  bool startedUp() const { return startedUp_; }
  // The step timer's wake: takes the step that is due and sets the next wake.
  void stepTimerFired();

  // GameView
  void holeChanged(int hole) override;
  void scoreChanged() override;
  void timeChanged() override;
  void boardChanged() override;
  void playfieldCursorChanged() override;
  void captionChanged() override;
  void animateChanged(bool enabled) override;
  void showGameOver(const GameResult& result) override;
  void showCurrentSetAbout() override;
  void setBusyCursor(bool busy) override;
  void processPendingEvents() override;
  QWidget* dialogParent() override { return this; }

 protected:
  bool event(QEvent* e) override;
  void paintEvent(QPaintEvent* e) override;
  void mousePressEvent(QMouseEvent* e) override;
  void mouseReleaseEvent(QMouseEvent* e) override;
  void mouseMoveEvent(QMouseEvent* e) override;
  void enterEvent(QEnterEvent* e) override;
  void showEvent(QShowEvent* e) override;
  bool eventFilter(QObject* watched, QEvent* e) override;
  void dragEnterEvent(QDragEnterEvent* e) override;
  void dropEvent(QDropEvent* e) override;

 private:
  void makeSound(const MainWindowDeps& deps);
  void makeGame(const MainWindowDeps& deps);
  void makeTimers();
  void fixScoreBoard(const MainWindowDeps& deps);
  void buildMenu();
  // The first showing: cursors and the built-in set at once, then the wave device
  // and the start-up set once the window is on the screen.
  void startUp();
  void loadStartupSet();
  void loadStartupSetSoon();
  void shutDown();
  // Runs a menu item's command now, or once the menu has closed when it is open.
  void runCommand(const std::function<void()>& command);
  void pressButton(BoardArea button);
  void toggleSound();
  void quit();
  void showAboutBox();
  void runSetCreationWizard();
  void setInfoTimerFired();
  void armStepTimer();
  void setMenuPressed(bool pressed);
  // The cursor of the part of the board under the pointer.
  void showCursorFor(QPoint at);
  void refreshCursor();

  // Declared before the game so they outlive it.
  std::unique_ptr<WaveEngine> engine_;
  std::unique_ptr<BackgroundMusic> music_;
  std::unique_ptr<Game> game_;
  std::unique_ptr<ImageSetCommands> commands_;
  std::optional<StartupPlace> startup_;
  QString musicFile_;
  BoardPainter painter_;
  QTimer* stepTimer_ = nullptr;
  QTimer* setInfoTimer_ = nullptr;
  QMenu* commandMenu_ = nullptr;

  bool menuPressed_ = false;
  std::optional<SoundState> soundIcon_;  // hidden until the device has been tried
  BoardArea pressed_ = BoardArea::Page;  // where the left button went down
  bool leftPressed_ = false;
  QCursor playfieldCursor_;
  QCursor buttonCursor_;
  bool menuOpen_ = false;
  std::function<void()> chosenCommand_;
  bool shown_ = false;
  bool startedUp_ = false;
  bool soundOpened_ = false;
  bool destroyed_ = false;

  std::optional<ScoreBoard> scoreBoard_;  // fixed at start-up, handed to the table when it is made
  GameOverDialog* gameOverDialog_ = nullptr;
  AboutDialog* aboutDialog_ = nullptr;
  SetInfoDialog* setInfoDialog_ = nullptr;
  ScoreTableWindow* scoreTable_ = nullptr;
  PlayerNameDialog* playerNameDialog_ = nullptr;
  ImageGroupDialog* imageGroupDialog_ = nullptr;
  CursorSetupDialog* cursorSetupDialog_ = nullptr;
};
