#include "game/MainWindow.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QFont>
#include <QMenu>
#include <QMimeData>
#include <QResizeEvent>
#include <QScreen>
#include <QSpinBox>
#include <QWindow>
#include <chrono>
#include <thread>
#include <utility>

#include "about/AboutDialog.h"
#include "ui/AppInfo.h"
#include "ui/AppStyle.h"
#include "ui/DialogLook.h"
#include "ui/LinkLabel.h"
#include "ui/Prompts.h"
#include "imageset/DefaultSet.h"
#include "imageset/SetInfoDialog.h"
#include "scores/GameOverDialog.h"
#include "scores/PlayerNameDialog.h"
#include "scores/ScoreTableWindow.h"
#include "scores/ScoreFile.h"
#include "sound/BackgroundMusic.h"
#include "sound/MusicFile.h"
#include "sound/SoundBackend.h"
#include "sound/SoundSwitch.h"
#include "sound/WaveEngine.h"
#include "wizard/CursorSetupDialog.h"
#include "wizard/ImageGroupDialog.h"
#include "wizard/SetCreationWizard.h"
#include "game/SetInstaller.h"

namespace {
struct HolePlace {
  int left, top;
};
// Hole n (its tag) and where it stands inside the playfield.
constexpr std::array<HolePlace, kHoles + 1> kHolePlaces = {{{0, 0},
                                                             {56, 0},
                                                             {168, 0},
                                                             {280, 0},
                                                             {392, 0},
                                                             {0, 130},
                                                             {112, 130},
                                                             {224, 130},
                                                             {336, 130},
                                                             {448, 130},
                                                             {48, 260},
                                                             {160, 260},
                                                             {272, 260},
                                                             {384, 260}}};
}  // namespace

QColor colourFromValue(std::uint32_t v) { return QColor(v & 0xFF, (v >> 8) & 0xFF, (v >> 16) & 0xFF); }

MainWindow::MainWindow(const MainWindowDeps& deps, QWidget* parent) : QWidget(parent), startup_(deps.startup) {
  initGameResources();
  makeSound(deps);
  makeGame(deps);

  setWindowTitle(QLatin1String(kAppName));
  setWindowIcon(QIcon(QPixmap::fromImage(QImage(QStringLiteral(":/Emblem.bmp")))));
  QFont f = font();
  f.setPixelSize(13);
  setFont(f);
  setAutoFillBackground(true);
  buildComponents();
  buildMenu();
  resize(kClientWidth, kClientHeight);
  setMinimumSize(kClientWidth, kClientHeight);
  makeTimers();

  setAcceptDrops(true);
  // Until the wave device is open the icon has nothing true to say.
  soundIcon->hide();
  fixScoreBoard(deps);
}

// The device opens once the window is on the screen, so neither its start nor a
// missing sound card's failure holds up the first picture.
void MainWindow::openSound() {
  if (soundOpened_) return;
  soundOpened_ = true;
  engine_->openWave();
  setSoundIconOffset(soundIconOffset(engine_->soundState()), engine_->soundIconHint());
  soundIcon->show();
}

void MainWindow::makeSound(const MainWindowDeps& deps) {
  // The tune's file is fixed before the wave device opens.
  musicFile_ = deps.musicFile.isEmpty() ? backgroundMusicPath() : deps.musicFile;
  engine_ = std::make_unique<WaveEngine>(deps.makeWaveDevice ? deps.makeWaveDevice() : makeLateWaveDevice());
  auto midi = deps.makeMidiPlayer ? deps.makeMidiPlayer() : makeLateMidiPlayer();
  // The music asks the game for the set's tune; the game is made next.
  music_ = std::make_unique<BackgroundMusic>(
      std::move(midi), musicFile_, [this] { return game_ && game_->set.musicPresent; },
      [this] { return engine_->soundState(); });
  music_->setMessageParent(this);
}

void MainWindow::makeGame(const MainWindowDeps& deps) {
  game_ = std::make_unique<Game>(deps.wave ? *deps.wave : static_cast<WavePlayer&>(*engine_),
                                 deps.music ? *deps.music : static_cast<MusicPort&>(*music_), deps.clock,
                                 deps.random, deps.stepClock);
  game_->set.musicFile = musicFile_;
  game_->setView(this);
  commands_ = std::make_unique<ImageSetCommands>(*game_);
}

void MainWindow::makeTimers() {
  // One wake per step, set for the moment the step is due.
  stepTimer = new QTimer(this);
  stepTimer->setSingleShot(true);
  stepTimer->setTimerType(Qt::PreciseTimer);
  connect(stepTimer, &QTimer::timeout, this, &MainWindow::stepTimerFired);
  setInfoTimer = new QTimer(this);
  setInfoTimer->setInterval(50);
  setInfoTimer->setSingleShot(true);
  connect(setInfoTimer, &QTimer::timeout, this, &MainWindow::setInfoTimerFired);
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
  if (!setInfoDialog_) setInfoDialog_ = new SetInfoDialog(&game_->set.header, this);
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
    cursorSetupDialog_ = new CursorSetupDialog(game_->cursors, game_->set, this);
    cursorSetupDialog_->setWindowFlag(Qt::WindowStaysOnTopHint);
  }
  return cursorSetupDialog_;
}

MainWindow::~MainWindow() { shutDown(); }

void MainWindow::buildComponents() {
  buildBanner();
  buildPlayfield();
  showPictures();
  connectButtons();
}

void MainWindow::buildBanner() {
  banner = new Panel(this, Qt::black);
  titlePanel = new Panel(banner, Qt::red);
  titleImage = new PictureBox(titlePanel);
  titleImage->setGeometry(0, 0, 594, 31);
  menuPanel = new Panel(banner, Qt::black);
  menuButton = new PictureBox(menuPanel);
  menuButton->setGeometry(1, 1, 50, 100);
  menuButton->setToolTip(QStringLiteral("Click for a menu of commands/controls for this game"));
  soundIconPanel = new Panel(menuPanel, Qt::black);
  soundIconPanel->setGeometry(55, 16, 15, 20);
  soundIcon = new PictureBox(soundIconPanel);
  soundIcon->setGeometry(0, 0, 15, 60);
  soundIcon->setToolTip(QStringLiteral("Sound Status (On, Off or not available)"));
  // Tooltips wear the dialogs' style sheet, which the first one brings.
  menuButton->installEventFilter(this);
  soundIcon->installEventFilter(this);
  abortPanel = new Panel(banner, Qt::black);
  abortButton = new PictureBox(abortPanel);
  abortButton->setGeometry(3, -49, 105, 105);
  scorePanel = new Panel(banner, Qt::black);
  scorePanel->setGeometry(96, 32, 441, 49);
  scoreWords = new PictureBox(scorePanel);
  scoreWords->setGeometry(8, 0, 111, 49);
  scoreDigits = new PictureBox(scorePanel);
  scoreDigits->setGeometry(119, 0, 126, 49);
  timeWords = new PictureBox(scorePanel);
  timeWords->setGeometry(267, 0, 111, 49);
  timeDigits = new PictureBox(scorePanel);
  timeDigits->setGeometry(381, 0, 60, 49);
  // The banner shows the no-drop pointer; its buttons the finger.
  for (QWidget* w : {static_cast<QWidget*>(banner), static_cast<QWidget*>(titlePanel), static_cast<QWidget*>(titleImage),
                     static_cast<QWidget*>(scorePanel), static_cast<QWidget*>(scoreWords), static_cast<QWidget*>(scoreDigits),
                     static_cast<QWidget*>(timeWords), static_cast<QWidget*>(timeDigits)})
    w->setCursor(Qt::ForbiddenCursor);
}

void MainWindow::buildPlayfield() {
  playfield = new Panel(this, Qt::white);
  playfield->setGeometry(12, 83, 561, 392);
  for (int n = 1; n <= kHoles; ++n) {
    auto* hole = new PictureBox(playfield, n);
    hole->setGeometry(kHolePlaces[n].left, kHolePlaces[n].top, kHoleWidth, kHoleHeight);
    // The game keeps each hole's picture at the hole's size, so the playfield
    // under it need not be painted first at every step.
    hole->setAttribute(Qt::WA_OpaquePaintEvent);
    hole->setPicture(&game_->holes[n]);
    hole->onMouseDown = [this, n](Qt::MouseButton) { game_->holePressed(n); };
    holes_[n] = hole;
  }
}

// The widgets show the game's own pictures, which it keeps drawing into.
void MainWindow::showPictures() {
  menuButtonPicture_ = gamePicture(QImage(QStringLiteral(":/MenuButton.bmp")));
  abortButtonPicture_ = gamePicture(QImage(QStringLiteral(":/AbortButton.bmp")));
  soundIconPicture_ = gamePicture(QImage(QStringLiteral(":/SoundIcon.bmp")));
  menuButton->setPicture(&menuButtonPicture_);
  abortButton->setPicture(&abortButtonPicture_);
  soundIcon->setPicture(&soundIconPicture_);
  titleImage->setPicture(&game_->set.title);
  scoreWords->setPicture(&game_->set.scoreWords);
  timeWords->setPicture(&game_->set.timeWords);
  scoreDigits->setPicture(&game_->scorePicture);
  timeDigits->setPicture(&game_->timePicture);
}

void MainWindow::connectButtons() {
  menuButton->onMouseDown = [this](Qt::MouseButton) { setMenuButtonTop(-49); };
  menuButton->onMouseUp = [this] { setMenuButtonTop(1); };
  menuButton->onClick = [this] { openCommandMenu(); };
  abortButton->onClick = [this] { game_->abortGame(); };
  soundIcon->onClick = [this] { toggleSound(); };
}

void MainWindow::buildMenu() {
  commandMenu = new QMenu(this);
  commandMenu->setObjectName(QStringLiteral("commandMenu"));
  auto item = [this](QMenu* menu, const char* name, const char* caption, std::function<void()> command) {
    QAction* a = menu->addAction(QString::fromLatin1(caption));
    a->setObjectName(QString::fromLatin1(name));
    connect(a, &QAction::triggered, this, [this, command] { runCommand(command); });
    return a;
  };
  auto separator = [](QMenu* menu, const char* name) { menu->addSeparator()->setObjectName(QString::fromLatin1(name)); };
  imageSetsMenu = commandMenu->addMenu(QStringLiteral("Custom &Image Sets"));
  imageSetsMenu->menuAction()->setObjectName(QStringLiteral("imageSetsMenu"));
  imageSetsMenu->setObjectName(QStringLiteral("imageSetsSubmenu"));
  QMenu* sets = imageSetsMenu;
  item(sets, "chooseSet", "Choose Image &Set...", [this] { commands_->chooseSet(); });
  separator(sets, "afterChooseSeparator");
  item(sets, "resetToDefaults", "Reset Pie Vorb Quarn to Defaults", [this] { commands_->resetToDefaults(); });
  separator(sets, "afterResetSeparator");
  item(sets, "loadBitmapPair", "Load &BMP images for game...", [this] { commands_->loadBitmapPair(); });
  item(sets, "loadSetFile", "&Load Custom Image Set...", [this] { commands_->loadSetFile(); });
  separator(sets, "beforeSetInfoSeparator");
  item(sets, "aboutCurrentSet", "&About Current Image Set...", [this] { showSetInfo(); });
  separator(sets, "beforeWizardSeparator");
  item(sets, "runWizard", "Use eXtended Image Set Creation &Wizard...", [this] { runSetCreationWizard(); });
  item(commandMenu, "viewScoreTable", "&View Local Highscore Table...", [this] { viewScoreTable(); });
  separator(commandMenu, "beforeLinksSeparator");
  item(commandMenu, "openWebSite", "&Goto Pie Vorb Quarn Website...", [this] { openWebSite(); });
  item(commandMenu, "aboutGame", "&About Pie Vorb Quarn...", [this] { showAboutBox(); });
  separator(commandMenu, "beforeQuitSeparator");
  item(commandMenu, "quit", "&Quit...", [this] { quit(); });
}

QAction* MainWindow::menuItem(const QString& componentName) const {
  return commandMenu->findChild<QAction*>(componentName);
}

void MainWindow::openCommandMenu() {
  // Opening the menu always ends a running game.
  game_->abortGame();
  const QPoint at = menuPanel->mapToGlobal(QPoint(29, 36));
  setMenuButtonTop(-49);
  // A menu triggers its item before its own loop ends; the command waits until the
  // menu has gone and the button is up again, and runs outside the menu.
  menuOpen_ = true;
  prompts().popupMenu(*commandMenu, at);
  menuOpen_ = false;
  setMenuButtonTop(1);
  if (const std::function<void()> chosen = std::exchange(chosenCommand_, {})) chosen();
}

void MainWindow::runCommand(const std::function<void()>& command) {
  if (menuOpen_)
    chosenCommand_ = command;
  else
    command();
}

void MainWindow::toggleSound() {
  const SoundIconView view = ::toggleSound(*engine_);
  setSoundIconOffset(view.offset, view.hint);
}

void MainWindow::quit() {
  if (prompts().confirm(this, QStringLiteral("Quit Pie Vorb Quarn? Really?"), QStringLiteral("Quit?"))) close();
}

void MainWindow::viewScoreTable() { prompts().runModal(*scoreTable()); }

void MainWindow::showAboutBox() { prompts().runModal(*aboutDialog()); }

void MainWindow::showSetInfo() { showCurrentSetAbout(); }

void MainWindow::openWebSite() { aboutDialog()->webSiteLink->click(); }

void MainWindow::runSetCreationWizard() {
  // A new wizard for every use, so each opening starts from the defaults; the
  // two dialogs it borrows live on.
  cursorSetupDialog()->hotSpotX->setValue(0);
  cursorSetupDialog()->hotSpotY->setValue(0);
  SetCreationWizard wizard(game_->cursors, builtinPictures(), *imageGroupDialog(), *cursorSetupDialog(), this);
  prompts().runModal(wizard);
}

void MainWindow::setInfoTimerFired() {
  setInfoTimer->stop();
  showCurrentSetAbout();
}

void MainWindow::showCurrentSetAbout() { runSetInfoDialog(*setInfoDialog(), game_->set.header); }

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

void MainWindow::setMenuButtonTop(int top) { menuButton->move(1, top); }

// Before the first game the game keeps the button at -45 (so the first abort runs once);
// the panel shows the dark half there as at -49, never the lit half's last rows.
void MainWindow::placeAbortButton() { abortButton->move(3, game_->abortButtonTop == 1 ? 1 : -49); }

void MainWindow::setSoundIconOffset(int offset, const QString& hint) {
  soundIcon->move(0, offset);
  soundIcon->setToolTip(hint);
}

void MainWindow::layOut() {
  const int w = width(), h = height();
  // The aligned panels follow the edges.
  banner->setGeometry(0, 0, w, 82);
  titlePanel->setGeometry(0, 0, w, 31);
  menuPanel->setGeometry(0, 31, 73, 51);
  abortPanel->setGeometry(w - 52, 31, 52, 51);
  titleImage->move(w / 2 - titleImage->width() / 2, titleImage->y());
  scorePanel->move(w / 2 - scorePanel->width() / 2, scorePanel->y());
  int t = (h - banner->height()) / 2 + banner->height() - playfield->height() / 2;
  if (t < banner->y() + banner->height()) t = banner->y() + banner->height();
  playfield->move(w / 2 - playfield->width() / 2, t);
}

void MainWindow::resizeEvent(QResizeEvent* e) {
  QWidget::resizeEvent(e);
  layOut();
}

void MainWindow::startUp() {
  loadBuiltinCursors(game_->cursors);
  for (QWidget* w : {static_cast<QWidget*>(menuButton), static_cast<QWidget*>(soundIcon), static_cast<QWidget*>(abortButton)})
    w->setCursor(game_->cursors.cursor(2));
  restoreDefaultSet(*game_);
  layOut();
  placeAbortButton();
}

void MainWindow::loadStartupSet() {
  if (startedUp_ || destroyed_) return;
  startedUp_ = true;
  if (windowHandle()) windowHandle()->removeEventFilter(this);
  openSound();
  const bool aboutFollows = commands_->loadStartupSet(startup_ ? *startup_ : StartupPlace::ofApplication());
  layOut();
  placeAbortButton();
  if (aboutFollows) setInfoTimer->start();
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
  if (e->type() == QEvent::ToolTip) appstyle::useStyleSheet();
  if (watched == windowHandle() && e->type() == QEvent::Expose && !startedUp_) loadStartupSetSoon();
  return QWidget::eventFilter(watched, e);
}

void MainWindow::shutDown() {
  if (destroyed_) return;
  destroyed_ = true;
  stepTimer->stop();
  setInfoTimer->stop();
  restoreDefaultSet(*game_);
  engine_->closeWave();
  game_->setView(nullptr);
}

void MainWindow::holeChanged(int hole) { holes_[hole]->update(); }
void MainWindow::scoreChanged() { scoreDigits->update(); }
void MainWindow::timeChanged() { timeDigits->update(); }

void MainWindow::setPicturesChanged() {
  for (QWidget* w : {titleImage, scoreWords, timeWords, scoreDigits, timeDigits}) w->update();
}

void MainWindow::playfieldColourChanged() {
  const QColor c = colourFromValue(game_->playfieldColour);
  QPalette p = palette();
  p.setColor(QPalette::Window, c);
  setPalette(p);
  playfield->setColour(c);
}

void MainWindow::titleColourChanged() { titlePanel->setColour(colourFromValue(game_->titleColour)); }

void MainWindow::playfieldCursorChanged() {
  const QCursor c = game_->cursors.cursor(game_->playfieldCursorSlot);
  for (int n = 1; n <= kHoles; ++n) holes_[n]->setCursor(c);
  playfield->setCursor(c);
  setCursor(c);
}

void MainWindow::captionChanged() { setWindowTitle(game_->caption); }

void MainWindow::abortButtonMoved() { placeAbortButton(); }

void MainWindow::animateChanged(bool enabled) {
  if (enabled)
    armStepTimer();
  else
    stepTimer->stop();
}

void MainWindow::stepTimerFired() {
  // The timer counts whole milliseconds and is set for the last whole one
  // before the step is due; the rest is slept off here, so steps do not each
  // run up to a millisecond late.
  const std::int64_t due = game_->microsToNextStep();
  if (due > 0 && due < 1000) std::this_thread::sleep_for(std::chrono::microseconds(due));
  game_->stepTimerFired();
  // The step may have ended the game (and run the game-over dialog).
  if (game_->animateEnabled) armStepTimer();
}

void MainWindow::armStepTimer() { stepTimer->start(static_cast<int>(game_->microsToNextStep() / 1000)); }

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
