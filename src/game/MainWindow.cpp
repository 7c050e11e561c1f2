#include "game/MainWindow.h"

#include <QAction>
#include <QApplication>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QFont>
#include <QMenu>
#include <QMimeData>
#include <QMouseEvent>
#include <QPainter>
#include <QTimer>
#include <QToolTip>
#include <QWindow>
#include <chrono>
#include <thread>
#include <utility>

#include "about/AboutDialog.h"
#include "imageset/DefaultSet.h"
#include "imageset/SetInfoDialog.h"
#include "scores/GameOverDialog.h"
#include "scores/PlayerNameDialog.h"
#include "scores/ScoreFile.h"
#include "scores/ScoreTableWindow.h"
#include "sound/BackgroundMusic.h"
#include "sound/MusicFile.h"
#include "sound/SoundBackend.h"
#include "sound/SoundSwitch.h"
#include "sound/WaveEngine.h"
#include "ui/AppInfo.h"
#include "ui/AppStyle.h"
#include "ui/DialogLook.h"
#include "ui/Prompts.h"
#include "wizard/CursorSetupDialog.h"
#include "wizard/ImageGroupDialog.h"
#include "wizard/SetCreationWizard.h"

namespace {
const char* const kMenuButtonHint = "Click for a menu of commands/controls for this game";
// Where the command menu's top-left corner opens, from the menu panel's.
constexpr QPoint kMenuOpensAt{29, 36};
}  // namespace

MainWindow::MainWindow(const MainWindowDeps& deps, QWidget* parent) : QWidget(parent), startup_(deps.startup) {
  initGameResources();
  makeSound(deps);
  makeGame(deps);

  setWindowTitle(QLatin1String(kAppName));
  setWindowIcon(QIcon(QPixmap::fromImage(QImage(QStringLiteral(":/Emblem.bmp")))));
  QFont f = font();
  f.setPixelSize(13);
  setFont(f);
  // The board paints every pixel itself.
  setAttribute(Qt::WA_OpaquePaintEvent);
  setMouseTracking(true);
  buildMenu();
  resize(kBoardWidth, kBoardHeight);
  setMinimumSize(kBoardWidth, kBoardHeight);
  makeTimers();

  setAcceptDrops(true);
  fixScoreBoard(deps);
}

// The device opens once the window is on the screen, so neither its start nor a
// missing sound card's failure holds up the first picture. Until then the icon
// has nothing true to say, and stays hidden.
void MainWindow::openSound() {
  if (soundOpened_) return;
  soundOpened_ = true;
  // A slow sound server answers after openWave has returned.
  engine_->setStateListener([this] {
    soundIcon_ = engine_->soundState();
    update(boardLayout().soundIconWindow());
  });
  engine_->openWave();
  soundIcon_ = engine_->soundState();
  update(boardLayout().soundIconWindow());
}

void MainWindow::makeSound(const MainWindowDeps& deps) {
  // The tune's file is fixed before the wave device opens.
  musicFile_ = deps.musicFile.isEmpty() ? backgroundMusicPath() : deps.musicFile;
  engine_ = std::make_unique<WaveEngine>(deps.makeWaveDevice ? deps.makeWaveDevice() : makeLateWaveDevice());
  auto midi = deps.makeMidiPlayer ? deps.makeMidiPlayer() : makeLateMidiPlayer();
  // The music asks the game for the set's tune; the game is made next.
  music_ = std::make_unique<BackgroundMusic>(
      std::move(midi), musicFile_, [this] { return game_ && game_->set().musicPresent; },
      [this] { return engine_->soundState(); });
  music_->setMessageParent(this);
}

void MainWindow::makeGame(const MainWindowDeps& deps) {
  game_ = std::make_unique<Game>(deps.wave ? *deps.wave : static_cast<WavePlayer&>(*engine_),
                                 deps.music ? *deps.music : static_cast<MusicPort&>(*music_), deps.clock,
                                 deps.random, deps.stepClock);
  game_->setMusicFile(musicFile_);
  game_->setView(this);
  commands_ = std::make_unique<ImageSetCommands>(*game_);
}

void MainWindow::makeTimers() {
  // One wake per step, set for the moment the step is due.
  stepTimer_ = new QTimer(this);
  stepTimer_->setObjectName(QStringLiteral("stepTimer"));
  stepTimer_->setSingleShot(true);
  stepTimer_->setTimerType(Qt::PreciseTimer);
  connect(stepTimer_, &QTimer::timeout, this, &MainWindow::stepTimerFired);
  setInfoTimer_ = new QTimer(this);
  setInfoTimer_->setObjectName(QStringLiteral("setInfoTimer"));
  setInfoTimer_->setInterval(50);
  setInfoTimer_->setSingleShot(true);
  connect(setInfoTimer_, &QTimer::timeout, this, &MainWindow::setInfoTimerFired);
}

void MainWindow::fixScoreBoard(const MainWindowDeps& deps) {
  scoreBoard_ = deps.scoreProgramFolder.isEmpty() && deps.scoreUserFolder.isEmpty()
                    ? ScoreBoard::forThisProgram()
                    : ScoreBoard(deps.scoreProgramFolder, deps.scoreUserFolder);
}

PlayerNameDialog* MainWindow::playerNameDialog() {
  if (!playerNameDialog_) playerNameDialog_ = new PlayerNameDialog(this);
  return playerNameDialog_;
}

ScoreTableWindow* MainWindow::scoreTable() {
  if (!scoreTable_) scoreTable_ = new ScoreTableWindow(std::move(*scoreBoard_), this);
  return scoreTable_;
}

AboutDialog* MainWindow::aboutDialog() {
  // Once the device has been tried its state is final.
  openSound();
  if (!aboutDialog_) aboutDialog_ = new AboutDialog(engine_->deviceOpen(), this);
  return aboutDialog_;
}

GameOverDialog* MainWindow::gameOverDialog() {
  if (!gameOverDialog_) gameOverDialog_ = new GameOverDialog(*playerNameDialog(), *scoreTable(), this);
  return gameOverDialog_;
}

SetInfoDialog* MainWindow::setInfoDialog() {
  if (!setInfoDialog_) setInfoDialog_ = new SetInfoDialog(&game_->set().header, this);
  return setInfoDialog_;
}

// Both open only from the wizard, which stays on top; so must they, or a
// window manager may put them behind it.
ImageGroupDialog* MainWindow::imageGroupDialog() {
  if (!imageGroupDialog_) {
    imageGroupDialog_ = new ImageGroupDialog(this);
    imageGroupDialog_->setWindowFlag(Qt::WindowStaysOnTopHint);
  }
  return imageGroupDialog_;
}

CursorSetupDialog* MainWindow::cursorSetupDialog() {
  if (!cursorSetupDialog_) {
    cursorSetupDialog_ = new CursorSetupDialog(game_->cursors(), this);
    cursorSetupDialog_->setWindowFlag(Qt::WindowStaysOnTopHint);
  }
  return cursorSetupDialog_;
}

MainWindow::~MainWindow() { shutDown(); }

void MainWindow::buildMenu() {
  commandMenu_ = new QMenu(this);
  commandMenu_->setObjectName(QStringLiteral("commandMenu"));
  auto item = [this](QMenu* menu, const char* name, const char* caption, std::function<void()> command) {
    QAction* a = menu->addAction(QString::fromLatin1(caption));
    a->setObjectName(QString::fromLatin1(name));
    connect(a, &QAction::triggered, this, [this, command] { runCommand(command); });
    return a;
  };
  auto separator = [](QMenu* menu, const char* name) { menu->addSeparator()->setObjectName(QString::fromLatin1(name)); };
  QMenu* sets = commandMenu_->addMenu(QStringLiteral("Custom &Image Sets"));
  sets->menuAction()->setObjectName(QStringLiteral("imageSetsMenu"));
  sets->setObjectName(QStringLiteral("imageSetsSubmenu"));
  item(sets, "chooseSet", "Choose Image &Set...", [this] { commands_->chooseSet(); });
  separator(sets, "afterChooseSeparator");
  item(sets, "resetToDefaults", "Reset Pie Vorb Quarn to Defaults", [this] { commands_->resetToDefaults(); });
  separator(sets, "afterResetSeparator");
  item(sets, "loadBitmapPair", "Load &BMP images for game...", [this] { commands_->loadBitmapPair(); });
  item(sets, "loadSetFile", "&Load Custom Image Set...", [this] { commands_->loadSetFile(); });
  separator(sets, "beforeSetInfoSeparator");
  item(sets, "aboutCurrentSet", "&About Current Image Set...", [this] { showCurrentSetAbout(); });
  separator(sets, "beforeWizardSeparator");
  item(sets, "runWizard", "Use eXtended Image Set Creation &Wizard...", [this] { runSetCreationWizard(); });
  item(commandMenu_, "viewScoreTable", "&View Local Highscore Table...", [this] { prompts().runModal(*scoreTable()); });
  separator(commandMenu_, "beforeLinksSeparator");
  item(commandMenu_, "openWebSite", "&Goto Pie Vorb Quarn Website...", [this] { aboutDialog()->openWebSite(); });
  item(commandMenu_, "aboutGame", "&About Pie Vorb Quarn...", [this] { showAboutBox(); });
  separator(commandMenu_, "beforeQuitSeparator");
  item(commandMenu_, "quit", "&Quit...", [this] { quit(); });
}

QAction* MainWindow::menuItem(const QString& componentName) const {
  return commandMenu_->findChild<QAction*>(componentName);
}

void MainWindow::openCommandMenu() {
  // Opening the menu always ends a running game.
  game_->abortGame();
  const QPoint at = mapToGlobal(boardLayout().menuPanel().topLeft() + kMenuOpensAt);
  setMenuPressed(true);
  // A menu triggers its item before its own loop ends; the command waits until the
  // menu has gone and the button is up again, and runs outside the menu.
  menuOpen_ = true;
  prompts().popupMenu(*commandMenu_, at);
  menuOpen_ = false;
  setMenuPressed(false);
  if (const std::function<void()> chosen = std::exchange(chosenCommand_, {})) chosen();
}

void MainWindow::runCommand(const std::function<void()>& command) {
  if (menuOpen_)
    chosenCommand_ = command;
  else
    command();
}

void MainWindow::toggleSound() {
  ::toggleSound(*engine_);
  soundIcon_ = engine_->soundState();
  update(boardLayout().soundIconWindow());
}

void MainWindow::quit() {
  if (prompts().confirm(this, QStringLiteral("Quit Pie Vorb Quarn? Really?"), QStringLiteral("Quit?"))) close();
}

void MainWindow::showAboutBox() { prompts().runModal(*aboutDialog()); }

void MainWindow::runSetCreationWizard() {
  // A new wizard for every use, so each opening starts from the defaults; the
  // two dialogs it borrows live on.
  cursorSetupDialog()->resetHotSpot();
  SetCreationWizard wizard(game_->cursors(), builtinPictures(), *imageGroupDialog(), *cursorSetupDialog(), this);
  prompts().runModal(wizard);
}

void MainWindow::setInfoTimerFired() {
  setInfoTimer_->stop();
  showCurrentSetAbout();
}

void MainWindow::showCurrentSetAbout() { runSetInfoDialog(*setInfoDialog(), game_->set().header); }

void MainWindow::dragEnterEvent(QDragEnterEvent* e) {
  if (e->mimeData()->hasUrls()) e->acceptProposedAction();
}

void MainWindow::dropEvent(QDropEvent* e) {
  QStringList paths;
  for (const QUrl& url : e->mimeData()->urls())
    if (url.isLocalFile()) paths << url.toLocalFile();
  e->acceptProposedAction();
  if (!paths.isEmpty()) commands_->dropFiles(paths);
}

// --- the board ---

BoardState MainWindow::boardState() const {
  BoardState board = game_->board();
  board.menuPressed = menuPressed_;
  board.soundIcon = soundIcon_;
  return board;
}

void MainWindow::paintEvent(QPaintEvent* e) {
  QPainter painter(this);
  const BoardState board = boardState();
  // Each changed part alone: two holes far apart in one frame would otherwise
  // repaint the whole playfield between them.
  for (const QRect& part : e->region()) painter_.paint(painter, size(), board, game_->set(), part);
}

QString MainWindow::hintAt(QPoint at) const {
  switch (boardLayout().hitAt(at, boardState()).area) {
    case BoardArea::MenuButton: return QString::fromLatin1(kMenuButtonHint);
    case BoardArea::SoundIcon: return engine_->soundIconHint();
    default: return {};
  }
}

bool MainWindow::event(QEvent* e) {
  if (e->type() == QEvent::ToolTip) {
    auto* help = static_cast<QHelpEvent*>(e);
    const QString hint = hintAt(help->pos());
    if (hint.isEmpty()) {
      QToolTip::hideText();
      e->ignore();
      return true;
    }
    // Tooltips wear the dialogs' style sheet, which the first one brings.
    appstyle::useStyleSheet();
    QToolTip::showText(help->globalPos(), hint, this);
    return true;
  }
  return QWidget::event(e);
}

// Holes take a press of any button at once; the buttons act when the left button
// comes up over them again. The menu button shows its pressed half while any
// button is held on it.
void MainWindow::mousePressEvent(QMouseEvent* e) {
  const BoardHit hit = boardLayout().hitAt(e->position().toPoint(), boardState());
  pressed_ = hit.area;
  leftPressed_ = e->button() == Qt::LeftButton;
  if (hit.area == BoardArea::Hole) game_->holePressed(hit.hole);
  if (hit.area == BoardArea::MenuButton) setMenuPressed(true);
}

void MainWindow::mouseReleaseEvent(QMouseEvent* e) {
  const BoardArea pressed = std::exchange(pressed_, BoardArea::Page);
  const bool click = std::exchange(leftPressed_, false) && e->button() == Qt::LeftButton &&
                     boardLayout().hitAt(e->position().toPoint(), boardState()).area == pressed;
  if (pressed == BoardArea::MenuButton) setMenuPressed(false);
  if (click) pressButton(pressed);
}

void MainWindow::pressButton(BoardArea button) {
  switch (button) {
    case BoardArea::MenuButton: openCommandMenu(); break;
    case BoardArea::AbortButton: game_->abortGame(); break;
    case BoardArea::SoundIcon: toggleSound(); break;
    default: break;
  }
}

void MainWindow::setMenuPressed(bool pressed) {
  if (menuPressed_ == pressed) return;
  menuPressed_ = pressed;
  update(boardLayout().menuPanel());
}

void MainWindow::mouseMoveEvent(QMouseEvent* e) {
  // A held button keeps the cursor of the part it went down on.
  if (e->buttons() == Qt::NoButton) showCursorFor(e->position().toPoint());
}

void MainWindow::enterEvent(QEnterEvent* e) { showCursorFor(e->position().toPoint()); }

// The banner shows the no-drop pointer, its buttons the finger, and the rest the
// set's playfield cursor.
void MainWindow::showCursorFor(QPoint at) {
  switch (boardLayout().hitAt(at, boardState()).area) {
    case BoardArea::Banner: setCursor(Qt::ForbiddenCursor); break;
    case BoardArea::MenuButton:
    case BoardArea::SoundIcon:
    case BoardArea::AbortButton: setCursor(buttonCursor_); break;
    default: setCursor(playfieldCursor_); break;
  }
}

void MainWindow::refreshCursor() { showCursorFor(mapFromGlobal(QCursor::pos())); }

// --- start-up and shut-down ---

void MainWindow::startUp() {
  loadBuiltinCursors(game_->cursors());
  buttonCursor_ = game_->cursors().cursor(kFingerCursorSlot);
  game_->install(builtinSet());
}

void MainWindow::loadStartupSet() {
  if (startedUp_ || destroyed_) return;
  startedUp_ = true;
  if (windowHandle()) windowHandle()->removeEventFilter(this);
  openSound();
  const bool aboutFollows = commands_->loadStartupSet(startup_ ? *startup_ : StartupPlace::ofApplication());
  if (aboutFollows) setInfoTimer_->start();
}

void MainWindow::showEvent(QShowEvent* e) {
  QWidget::showEvent(e);
  if (shown_) return;
  shown_ = true;
  // First shown in the middle of the screen.
  centreOnScreen(this);
  startUp();
  // The start-up set may answer with an error box, which belongs over the window on
  // the screen: the set loads once the window is up. A window that is never exposed
  // (started minimised) loads it a little later all the same.
  if (QWindow* handle = windowHandle()) handle->installEventFilter(this);
  loadStartupSetSoon();
  QTimer::singleShot(2000, this, &MainWindow::loadStartupSet);
}

// A short wait after the window's first picture is sent lets the display server
// put it on the screen before the sound library and the set are loaded, which
// would otherwise compete with it for the processor.
void MainWindow::loadStartupSetSoon() {
  QTimer::singleShot(kStartupSetDelayMs, this, [this] {
    if (windowHandle() && windowHandle()->isExposed()) loadStartupSet();
  });
}

bool MainWindow::eventFilter(QObject* watched, QEvent* e) {
  if (watched == windowHandle() && e->type() == QEvent::Expose && !startedUp_) loadStartupSetSoon();
  return QWidget::eventFilter(watched, e);
}

void MainWindow::shutDown() {
  if (destroyed_) return;
  destroyed_ = true;
  stepTimer_->stop();
  setInfoTimer_->stop();
  game_->install(builtinSet());
  engine_->closeWave();
  game_->setView(nullptr);
}

// --- what the game tells the window ---

void MainWindow::holeChanged(int hole) { update(boardLayout().hole(hole)); }
void MainWindow::scoreChanged() { update(boardLayout().scoreDigits()); }
void MainWindow::timeChanged() { update(boardLayout().timeDigits()); }
void MainWindow::boardChanged() { update(); }

void MainWindow::playfieldCursorChanged() {
  playfieldCursor_ = game_->cursors().cursor(game_->playfieldCursorSlot());
  refreshCursor();
}

void MainWindow::captionChanged() { setWindowTitle(game_->caption()); }

void MainWindow::animateChanged(bool enabled) {
  if (enabled)
    armStepTimer();
  else
    stepTimer_->stop();
}

void MainWindow::stepTimerFired() {
  // The timer counts whole milliseconds and is set for the last whole one
  // before the step is due; the rest is slept off here, so steps do not each
  // run up to a millisecond late.
  const std::int64_t due = game_->microsToNextStep();
  if (due > 0 && due < 1000) std::this_thread::sleep_for(std::chrono::microseconds(due));
  game_->stepTimerFired();
  // The step may have ended the game (and run the game-over dialog).
  if (game_->stepping()) armStepTimer();
}

void MainWindow::armStepTimer() { stepTimer_->start(static_cast<int>(game_->microsToNextStep() / 1000)); }

void MainWindow::showGameOver(const GameResult& result) {
  gameOverDialog()->setResult(result);
  prompts().runModal(*gameOverDialog());
}

void MainWindow::setBusyCursor(bool busy) {
  while (QApplication::overrideCursor()) QApplication::restoreOverrideCursor();
  if (busy) QApplication::setOverrideCursor(Qt::WaitCursor);
}

void MainWindow::processPendingEvents() {
  // Input waits: a drop or click handled in the middle of a load would start another one.
  QApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
}
