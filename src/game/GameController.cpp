#include "game/GameController.h"

#include <QAction>
#include <QApplication>
#include <QMenu>
#include <QTimer>
#include <utility>

#include "about/AboutDialog.h"
#include "board/BoardLayout.h"
#include "game/MainWindow.h"
#include "imageset/DefaultSet.h"
#include "imageset/SetInfoDialog.h"
#include "imageset/SharpPictures.h"
#include "scores/GameOverDialog.h"
#include "scores/PlayerNameDialog.h"
#include "scores/ScoreTableWindow.h"
#include "sound/BackgroundMusic.h"
#include "sound/MusicFile.h"
#include "sound/SoundBackend.h"
#include "sound/SoundSwitch.h"
#include "sound/WaveEngine.h"
#include "ui/AppInfo.h"
#include "ui/Prompts.h"
#include "common/Places.h"
#include "wizard/CursorSetupDialog.h"
#include "wizard/ImageGroupDialog.h"
#include "wizard/SetCreationWizard.h"

namespace {
// Where the command menu's top-left corner opens, from the menu panel's.
constexpr QPoint kMenuOpensAt{29, 36};

ScoreBoard scoreBoardOf(const GameDeps& deps) {
  return deps.scoreProgramFolder.isEmpty() && deps.scoreUserFolder.isEmpty()
             ? ScoreBoard::forThisProgram()
             : ScoreBoard(deps.scoreProgramFolder, deps.scoreUserFolder);
}
}  // namespace

GameController::GameController(const GameDeps& deps) : startup_(deps.startup), scoreBoard_(scoreBoardOf(deps)) {
  initGameResources();
  makeSound(deps);
  makeGame(deps);
  window_ = std::make_unique<MainWindow>(*this);
  music_->setMessageParent(window_.get());
  buildMenu();
  makeTimers();
}

GameController::~GameController() { shutDown(); }

void GameController::makeSound(const GameDeps& deps) {
  // The tune's file is fixed before the wave device opens.
  musicFile_ = deps.musicFile.isEmpty() ? backgroundMusicPath() : deps.musicFile;
  engine_ = std::make_unique<WaveEngine>(deps.makeWaveDevice ? deps.makeWaveDevice() : makeLateWaveDevice());
  auto midi = deps.makeMidiPlayer ? deps.makeMidiPlayer() : makeLateMidiPlayer();
  // The music asks the game for the set's tune; the game is made next.
  music_ = std::make_unique<BackgroundMusic>(
      std::move(midi), musicFile_, [this] { return game_ && game_->set().musicPresent; },
      [this] { return engine_->soundState(); });
}

void GameController::makeGame(const GameDeps& deps) {
  game_ = std::make_unique<Game>(deps.wave ? *deps.wave : static_cast<WavePlayer&>(*engine_),
                                 deps.music ? *deps.music : static_cast<MusicPort&>(*music_), deps.clock,
                                 deps.random, deps.stepClock);
  game_->setMusicFile(musicFile_);
  game_->setPictureDensity(screenDensity());
  game_->setView(this);
  SetCommandsPort& port = *this;
  commands_ = std::make_unique<ImageSetCommands>(*game_, port);
}

void GameController::makeTimers() {
  // One wake per step, set for the moment the step is due; none at rest.
  stepTimer_ = new QTimer(this);
  stepTimer_->setObjectName(QStringLiteral("stepTimer"));
  stepTimer_->setSingleShot(true);
  stepTimer_->setTimerType(Qt::PreciseTimer);
  connect(stepTimer_, &QTimer::timeout, this, &GameController::stepTimerFired);
  setInfoTimer_ = new QTimer(this);
  setInfoTimer_->setObjectName(QStringLiteral("setInfoTimer"));
  setInfoTimer_->setInterval(50);
  setInfoTimer_->setSingleShot(true);
  connect(setInfoTimer_, &QTimer::timeout, this, &GameController::showCurrentSetAbout);
}

// --- the dialogs ---

PlayerNameDialog* GameController::playerNameDialog() {
  if (!playerNameDialog_) playerNameDialog_ = new PlayerNameDialog(window_.get());
  return playerNameDialog_;
}

ScoreTableWindow* GameController::scoreTable() {
  if (!scoreTable_) scoreTable_ = new ScoreTableWindow(window_.get());
  return scoreTable_;
}

AboutDialog* GameController::aboutDialog() {
  // Once the device has been tried its state is final.
  openSound();
  if (!aboutDialog_) aboutDialog_ = new AboutDialog(engine_->deviceOpen(), window_.get());
  return aboutDialog_;
}

GameOverDialog* GameController::gameOverDialog() {
  if (!gameOverDialog_) {
    gameOverDialog_ = new GameOverDialog(window_.get());
    connect(gameOverDialog_, &GameOverDialog::addToBoardChosen, this, &GameController::addScoreToBoard);
  }
  return gameOverDialog_;
}

SetInfoDialog* GameController::setInfoDialog() {
  if (!setInfoDialog_) setInfoDialog_ = new SetInfoDialog(&game_->set().header, window_.get());
  return setInfoDialog_;
}

// Both open only from the wizard, which stays on top; so must they, or a
// window manager may put them behind it.
ImageGroupDialog* GameController::imageGroupDialog() {
  if (!imageGroupDialog_) {
    imageGroupDialog_ = new ImageGroupDialog(window_.get());
    imageGroupDialog_->setWindowFlag(Qt::WindowStaysOnTopHint);
  }
  return imageGroupDialog_;
}

CursorSetupDialog* GameController::cursorSetupDialog() {
  if (!cursorSetupDialog_) {
    cursorSetupDialog_ = new CursorSetupDialog(window_.get());
    cursorSetupDialog_->setWindowFlag(Qt::WindowStaysOnTopHint);
  }
  return cursorSetupDialog_;
}

// --- the score flow: the board is read, added to and emptied here alone ---

void GameController::showGameOver(const GameResult& result) {
  gameOverDialog()->setResult(result);
  prompts().runModal(*gameOverDialog());
}

void GameController::addScoreToBoard() {
  if (prompts().runModal(*playerNameDialog()) != QDialog::Accepted) return;
  // A score that could not be saved stays offered for another try.
  if (!scoreBoard_.add(playerNameDialog()->playerName(), gameOverDialog()->gameResult().score)) {
    prompts().message(window_.get(), tr("Your score could not be saved:\n%1").arg(scoreBoard_.lastError()), tr("Error"),
                      BoxIcon::Error);
    return;
  }
  gameOverDialog()->scoreAdded();
  showScoreTable();
}

void GameController::showScoreTable() {
  if (!scoreBoard_.load()) prompts().message(window_.get(), scoreBoard_.lastError(), tr("Error"), BoxIcon::Error);
  scoreTable()->showEntries(scoreBoard_.entries());
  prompts().runModal(*scoreTable());
  // Only a reset changes the board from the table; viewing it leaves the file alone.
  if (!scoreTable()->resetChosen()) return;
  scoreBoard_.clear();
  if (!scoreBoard_.save())
    prompts().message(window_.get(), tr("The score board could not be emptied:\n%1").arg(scoreBoard_.lastError()),
                      tr("Error"), BoxIcon::Error);
}

// --- the command menu ---

void GameController::buildMenu() {
  commandMenu_ = new QMenu(window_.get());
  commandMenu_->setObjectName(QStringLiteral("commandMenu"));
  auto item = [this](QMenu* menu, const char* name, const char* caption, std::function<void()> command) {
    // A caption may name the game (%1).
    QAction* a = menu->addAction(tr(caption).replace(QLatin1String("%1"), QLatin1String(kAppName)));
    a->setObjectName(QString::fromLatin1(name));
    connect(a, &QAction::triggered, this, [this, command] { runCommand(command); });
    return a;
  };
  auto separator = [](QMenu* menu, const char* name) { menu->addSeparator()->setObjectName(QString::fromLatin1(name)); };
  QMenu* sets = commandMenu_->addMenu(tr("Custom &Image Sets"));
  sets->menuAction()->setObjectName(QStringLiteral("imageSetsMenu"));
  sets->setObjectName(QStringLiteral("imageSetsSubmenu"));
  item(sets, "chooseSet", QT_TR_NOOP("Choose Image &Set..."), [this] { commands_->chooseSet(); });
  separator(sets, "afterChooseSeparator");
  item(sets, "resetToDefaults", QT_TR_NOOP("Reset %1 to Defaults"), [this] { commands_->resetToDefaults(); });
  separator(sets, "afterResetSeparator");
  item(sets, "loadBitmapPair", QT_TR_NOOP("Load &BMP images for game..."), [this] { commands_->loadBitmapPair(); });
  item(sets, "loadSetFile", QT_TR_NOOP("&Load Custom Image Set..."), [this] { commands_->loadSetFile(); });
  separator(sets, "beforeSetInfoSeparator");
  item(sets, "aboutCurrentSet", QT_TR_NOOP("&About Current Image Set..."), [this] { showCurrentSetAbout(); });
  separator(sets, "beforeWizardSeparator");
  item(sets, "runWizard", QT_TR_NOOP("Use eXtended Image Set Creation &Wizard..."), [this] { runSetCreationWizard(); });
  item(commandMenu_, "viewScoreTable", QT_TR_NOOP("&View Local Highscore Table..."), [this] { showScoreTable(); });
  separator(commandMenu_, "beforeLinksSeparator");
  item(commandMenu_, "openWebSite", QT_TR_NOOP("&Goto %1 Website..."), [this] { aboutDialog()->openWebSite(); });
  item(commandMenu_, "aboutGame", QT_TR_NOOP("&About %1..."), [this] { showAboutBox(); });
  separator(commandMenu_, "beforeQuitSeparator");
  item(commandMenu_, "quit", QT_TR_NOOP("&Quit..."), [this] { quit(); });
}

QAction* GameController::menuItem(const QString& componentName) const {
  return commandMenu_->findChild<QAction*>(componentName);
}

void GameController::openCommandMenu() {
  // Opening the menu always ends a running game.
  game_->abortGame();
  const QPoint at = window_->mapToGlobal(window_->boardLayout().menuPanel().topLeft() + kMenuOpensAt);
  window_->setMenuPressed(true);
  // A menu triggers its item before its own loop ends; the command waits until the
  // menu has gone and the button is up again, and runs outside the menu.
  menuOpen_ = true;
  prompts().popupMenu(*commandMenu_, at);
  menuOpen_ = false;
  window_->setMenuPressed(false);
  if (const std::function<void()> chosen = std::exchange(chosenCommand_, {})) chosen();
}

void GameController::runCommand(const std::function<void()>& command) {
  if (menuOpen_)
    chosenCommand_ = command;
  else
    command();
}

void GameController::quit() {
  if (prompts().confirm(window_.get(), tr("Quit %1? Really?").arg(QLatin1String(kAppName)), tr("Quit?")))
    window_->close();
}

void GameController::showAboutBox() { prompts().runModal(*aboutDialog()); }

void GameController::runSetCreationWizard() {
  // A new wizard for every use, so each opening starts from the defaults; the
  // two dialogs it borrows live on.
  cursorSetupDialog()->resetHotSpot();
  const WizardPorts ports{
      .sound = engine_.get(),
      .useSet = [this](const QString& set) { commands_->dropFiles({set}); },
      .draftPath = places::wizardDraftFile(),
      .setsFolder = places::playerSetFolder(),
      .playTune = [this](const QByteArray& midi, QString& error) { return music_->previewTune(midi, error); },
      .stopTune = [this] { music_->stopMusic(); },
  };
  SetCreationWizard wizard(game_->cursors(), builtinPictures(), *imageGroupDialog(), *cursorSetupDialog(),
                           window_.get(), ports);
  prompts().runModal(wizard);
}

// --- what the player did on the board ---

void GameController::holePressed(int hole) { game_->holePressed(hole); }
void GameController::abortPressed() { game_->abortGame(); }
void GameController::filesDropped(const QStringList& paths) { commands_->dropFiles(paths); }

void GameController::soundIconPressed() {
  ::toggleSound(*engine_);
  soundIcon_ = engine_->soundState();
  window_->soundIconChanged();
}

QString GameController::soundIconHint() const { return engine_->soundIconHint(); }

// The device opens once the board is on the screen, so neither its start nor a
// missing sound card's failure holds up the first picture. Until then the icon
// has nothing true to say, and stays hidden.
void GameController::openSound() {
  if (soundOpened_) return;
  soundOpened_ = true;
  // A slow sound server answers after openWave has returned.
  engine_->setStateListener([this] {
    soundIcon_ = engine_->soundState();
    window_->soundIconChanged();
  });
  engine_->openWave();
  soundIcon_ = engine_->soundState();
  window_->soundIconChanged();
}

// --- start-up and shut-down ---

void GameController::boardShown() {
  if (shown_) return;
  shown_ = true;
  loadBuiltinCursors(game_->cursors());
  window_->setButtonCursor(game_->cursors().cursor(kFingerCursorSlot));
  game_->install(builtinSet());
  // The hourglass of the start shows until the built-in set is in place.
  setBusyCursor(false);
  // A board that is never painted (started minimised) loads the start-up set all the same.
  QTimer::singleShot(kStartupSetLatestMs, this, &GameController::loadStartupSet);
}

// The start-up set may answer with an error box, which belongs over the board on
// the screen; and a short wait after the first picture lets the display server
// put it there before the sound library and the set compete with it for the processor.
void GameController::boardPainted() {
  if (painted_ || !shown_) return;
  painted_ = true;
  QTimer::singleShot(kStartupSetDelayMs, this, &GameController::loadStartupSet);
}

void GameController::loadStartupSet() {
  if (startedUp_ || shutDown_) return;
  startedUp_ = true;
  openSound();
  if (commands_->loadStartupSet(startup_ ? *startup_ : StartupPlace::ofApplication())) setInfoTimer_->start();
}

void GameController::shutDown() {
  if (shutDown_) return;
  shutDown_ = true;
  stepTimer_->stop();
  setInfoTimer_->stop();
  game_->install(builtinSet());
  engine_->closeWave();
  game_->setView(nullptr);
}

// --- what the game tells the program ---

void GameController::holeChanged(int hole) { window_->partChanged(window_->boardLayout().hole(hole)); }
void GameController::scoreChanged() { window_->valueChanged(window_->boardLayout().scoreDigits()); }
void GameController::timeChanged() { window_->valueChanged(window_->boardLayout().timeDigits()); }
void GameController::boardChanged() { window_->valueChanged(window_->rect()); }
void GameController::captionChanged() { window_->setWindowTitle(game_->caption()); }

void GameController::playfieldCursorChanged() {
  window_->setPlayfieldCursor(game_->cursors().cursor(game_->playfieldCursorSlot()));
}

void GameController::animateChanged(bool enabled) {
  if (enabled)
    armStepTimer();
  else
    stepTimer_->stop();
}

void GameController::stepTimerFired() {
  game_->stepTimerFired();
  // The step may have ended the game (and run the game-over dialog).
  if (game_->stepping()) armStepTimer();
}

// The timer counts whole milliseconds: rounded up, the wake never comes before the
// step is due, and the game counts each step from when it was due, so the part of a
// millisecond a wake comes late is not added to the round.
void GameController::armStepTimer() {
  stepTimer_->start(static_cast<int>((game_->microsToNextStep() + 999) / 1000));
}

// --- what the set commands ask for ---

QWidget* GameController::dialogParent() { return window_.get(); }

void GameController::setBusyCursor(bool busy) {
  while (QApplication::overrideCursor()) QApplication::restoreOverrideCursor();
  if (busy) QApplication::setOverrideCursor(Qt::WaitCursor);
}

void GameController::processPendingEvents() {
  // Input waits: a drop or click handled in the middle of a load would start another one.
  QApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
}

void GameController::showCurrentSetAbout() {
  setInfoTimer_->stop();
  runSetInfoDialog(*setInfoDialog(), game_->set().header);
}
