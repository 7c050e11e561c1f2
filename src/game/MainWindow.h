#pragma once
// The main window: the black banner with the title, menu button, sound icon,
// score and time, the abort button, and the playfield with the thirteen holes.
// It shows the pictures the Game draws and forwards clicks and timer ticks.
#include <QMainWindow>
#include <QTimer>
#include <array>
#include <functional>
#include <memory>
#include <optional>

#include "game/Game.h"
#include "game/Widgets.h"
#include "game/SetCommands.h"
#include "scores/ScoreFile.h"

class QMenu;
class QAction;
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

// Client size that shows the whole playfield under the banner; also the minimum.
constexpr int kClientWidth = 580;
constexpr int kClientHeight = 474;
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
  PictureBox* hole(int n) const { return holes_[n]; }

  // The parts other code and the tests look at.
  Panel* banner;
  Panel* scorePanel;
  Panel* playfield;
  Panel* titlePanel;
  Panel* menuPanel;
  Panel* abortPanel;
  Panel* soundIconPanel;
  PictureBox* titleImage;
  PictureBox* menuButton;
  PictureBox* abortButton;
  PictureBox* soundIcon;
  PictureBox* scoreWords;
  PictureBox* scoreDigits;
  PictureBox* timeWords;
  PictureBox* timeDigits;
  QTimer* stepTimer;
  QTimer* setInfoTimer;
  QMenu* commandMenu;
  QMenu* imageSetsMenu;

  // The dialogs made once and reused. Each is made at its first use, so the
  // window paints without building them, and lives as long as the window.
  GameOverDialog* gameOverDialog();
  AboutDialog* aboutDialog();
  SetInfoDialog* setInfoDialog();
  ScoreTableWindow* scoreTable();
  PlayerNameDialog* playerNameDialog();
  ImageGroupDialog* imageGroupDialog();
  CursorSetupDialog* cursorSetupDialog();

  // Menu button and commands.
  void openCommandMenu();
  void toggleSound();
  void quit();
  void viewScoreTable();
  void showAboutBox();
  void showSetInfo();
  void openWebSite();
  void runSetCreationWizard();
  void setInfoTimerFired();
  void stepTimerFired();
  QAction* menuItem(const QString& componentName) const;

  void layOut();
  // The first showing: cursors and the built-in set at once, then the wave device
  // and the start-up set once the window is on the screen.
  void startUp();
  void loadStartupSet();
  void loadStartupSetSoon();
  // Opens the wave device the first time it is called and shows the sound icon.
  void openSound();
  bool startedUp() const { return startedUp_; }
  void shutDown();

  // Moves the abort button / menu button / sound icon inside their small panels.
  void placeAbortButton();
  void setMenuButtonTop(int top);
  void setSoundIconOffset(int offset, const QString& hint);

  // GameView
  void holeChanged(int hole) override;
  void scoreChanged() override;
  void timeChanged() override;
  void setPicturesChanged() override;
  void playfieldColourChanged() override;
  void titleColourChanged() override;
  void playfieldCursorChanged() override;
  void captionChanged() override;
  void abortButtonMoved() override;
  void animateChanged(bool enabled) override;
  void showGameOver(const GameResult& result) override;
  void showCurrentSetAbout() override;
  void setBusyCursor(bool busy) override;
  void processPendingEvents() override;
  QWidget* dialogParent() override { return this; }

 protected:
  void resizeEvent(QResizeEvent* e) override;
  void showEvent(QShowEvent* e) override;
  bool eventFilter(QObject* watched, QEvent* e) override;
  void dragEnterEvent(QDragEnterEvent* e) override;
  void dropEvent(QDropEvent* e) override;

 private:
  void armStepTimer();
  void makeSound(const MainWindowDeps& deps);
  void makeGame(const MainWindowDeps& deps);
  void makeTimers();
  void fixScoreBoard(const MainWindowDeps& deps);
  void buildComponents();
  void buildBanner();
  void buildPlayfield();
  void showPictures();
  void connectButtons();
  void buildMenu();
  // Runs a menu item's command now, or once the menu has closed when it is open.
  void runCommand(const std::function<void()>& command);

  // Declared before the game so they outlive it.
  std::unique_ptr<WaveEngine> engine_;
  std::unique_ptr<BackgroundMusic> music_;
  std::unique_ptr<Game> game_;
  std::unique_ptr<ImageSetCommands> commands_;
  std::optional<StartupPlace> startup_;
  QString musicFile_;
  std::array<PictureBox*, kHoles + 1> holes_{};
  QImage menuButtonPicture_, abortButtonPicture_, soundIconPicture_;
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

QColor colourFromValue(std::uint32_t bgr);
