#include "game/Pie1.h"

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

#include "about/Ab.h"
#include "about/Link.h"
#include "game/Prompts.h"
#include "imageset/DefaultSet.h"
#include "imageset/Imab.h"
#include "scores/Gameover.h"
#include "scores/Getname.h"
#include "scores/Hs.h"
#include "scores/ScoreFile.h"
#include "sound/BackgroundMusic.h"
#include "sound/FluidMidiPlayer.h"
#include "sound/MusicFile.h"
#include "sound/SdlWaveDevice.h"
#include "sound/SoundSwitch.h"
#include "sound/WaveEngine.h"
#include "wizard/Cust.h"
#include "wizard/Grped.h"
#include "wizard/Wizard.h"

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

TForm1::TForm1(const TForm1Deps& deps, QWidget* parent) : QWidget(parent), startup_(deps.startup) {
  InitGameResources();
  // The tune's file is fixed before the wave device opens.
  musicFile_ = deps.musicFile.isEmpty() ? BackgroundMusicPath() : deps.musicFile;
  engine_ = std::make_unique<WaveEngine>(deps.makeWaveDevice ? deps.makeWaveDevice()
                                                             : std::make_unique<SdlWaveDevice>());
  auto midi = deps.makeMidiPlayer ? deps.makeMidiPlayer() : std::make_unique<FluidMidiPlayer>();
  // The music asks the game for the set's tune; the game is made just below.
  music_ = std::make_unique<BackgroundMusic>(
      std::move(midi), musicFile_, [this] { return game_ && game_->set.musicPresent; },
      [this] { return engine_->soundState(); });
  music_->setMessageParent(this);
  game_ = std::make_unique<Game>(deps.wave ? *deps.wave : static_cast<WavePlayer&>(*engine_),
                                 deps.music ? *deps.music : static_cast<MusicPort&>(*music_), deps.clock,
                                 deps.random);
  game_->set.musicFile = musicFile_;
  game_->setView(this);
  commands_ = std::make_unique<ImageSetCommands>(*game_);

  setWindowTitle(QStringLiteral("Pie Vorb Quarn"));
  setWindowIcon(QIcon(QPixmap::fromImage(QImage(QStringLiteral(":/Emblem.bmp")))));
  QFont f = font();
  f.setPixelSize(13);
  setFont(f);
  setAutoFillBackground(true);
  buildComponents();
  buildMenu();
  resize(kClientWidth, kClientHeight);
  setMinimumSize(kClientWidth, kClientHeight);
  Animate = new QTimer(this);
  Animate->setInterval(1);
  Animate->setTimerType(Qt::PreciseTimer);
  connect(Animate, &QTimer::timeout, this, [this] { game_->AnimateTimer(); });
  ShowAbout = new QTimer(this);
  ShowAbout->setInterval(50);
  ShowAbout->setSingleShot(true);
  connect(ShowAbout, &QTimer::timeout, this, &TForm1::ShowAboutTimer);

  setAcceptDrops(true);
  engine_->OpenWave();
  setStatOffset(StatOffset(engine_->soundState()), engine_->statHint());
  // The dialogs live as long as the window and are reused; the game-over
  // dialog needs the name entry and the table, so those come first.
  Leader = new TLeader(this);
  ScoreBoard board = deps.scoreProgramFolder.isEmpty() && deps.scoreUserFolder.isEmpty()
                         ? ScoreBoard::forThisProgram()
                         : ScoreBoard(deps.scoreProgramFolder, deps.scoreUserFolder);
  Scores = new Tscores(std::move(board), this);
  About = new TAbout(engine_->deviceOpen(), this);
  Form2 = new TForm2(*Leader, *Scores, [this] { return game_->score; }, this);
  ImgAbout = new TImgAbout(&game_->set.header, this);
  EditGroup = new TEditGroup(this);
  CustomSetup = new TCustomSetup(*game_, this);
  // Both open only from the wizard, which stays on top; so must they, or a
  // window manager may put them behind it.
  EditGroup->setWindowFlag(Qt::WindowStaysOnTopHint);
  CustomSetup->setWindowFlag(Qt::WindowStaysOnTopHint);

}

TForm1::~TForm1() { FormDestroy(); }

void TForm1::buildComponents() {
  Panel1 = new Panel(this, Qt::black);
  Panel4 = new Panel(Panel1, Qt::red);
  TitleImg = new PictureBox(Panel4);
  TitleImg->setGeometry(0, 0, 594, 31);
  Panel5 = new Panel(Panel1, Qt::black);
  Image17 = new PictureBox(Panel5);
  Image17->setGeometry(1, 1, 50, 100);
  Image17->setToolTip(QStringLiteral("Click for a menu of commands/controls for this game"));
  Panel7 = new Panel(Panel5, Qt::black);
  Panel7->setGeometry(55, 16, 15, 20);
  Stat = new PictureBox(Panel7);
  Stat->setGeometry(0, 0, 15, 60);
  Stat->setToolTip(QStringLiteral("Sound Status (On, Off or not available)"));
  Panel6 = new Panel(Panel1, Qt::black);
  Image18 = new PictureBox(Panel6);
  Image18->setGeometry(3, -45, 105, 105);
  Panel2 = new Panel(Panel1, Qt::black);
  Panel2->setGeometry(96, 32, 441, 49);
  ScoreWords = new PictureBox(Panel2);
  ScoreWords->setGeometry(8, 0, 111, 49);
  Score = new PictureBox(Panel2);
  Score->setGeometry(119, 0, 126, 49);
  TimeWords = new PictureBox(Panel2);
  TimeWords->setGeometry(267, 0, 111, 49);
  Time = new PictureBox(Panel2);
  Time->setGeometry(381, 0, 60, 49);
  Panel3 = new Panel(this, Qt::white);
  Panel3->setGeometry(12, 83, 561, 392);
  for (int n = 1; n <= kHoles; ++n) {
    auto* hole = new PictureBox(Panel3, n);
    hole->setGeometry(kHolePlaces[n].left, kHolePlaces[n].top, kHoleWidth, kHoleHeight);
    hole->setPicture(&game_->holes[n]);
    hole->onMouseDown = [this, n](Qt::MouseButton) { game_->Image5MouseDown(n); };
    holes_[n] = hole;
  }

  image17Picture_ = gamePicture(QImage(QStringLiteral(":/Image17.bmp")));
  image18Picture_ = gamePicture(QImage(QStringLiteral(":/Image18.bmp")));
  statPicture_ = gamePicture(QImage(QStringLiteral(":/Stat.bmp")));
  Image17->setPicture(&image17Picture_);
  Image18->setPicture(&image18Picture_);
  Stat->setPicture(&statPicture_);
  TitleImg->setPicture(&game_->set.title);
  ScoreWords->setPicture(&game_->set.scoreWords);
  TimeWords->setPicture(&game_->set.timeWords);
  Score->setPicture(&game_->scorePicture);
  Time->setPicture(&game_->timePicture);

  // The banner shows the no-drop pointer; its buttons the finger.
  for (QWidget* w : {static_cast<QWidget*>(Panel1), static_cast<QWidget*>(Panel4), static_cast<QWidget*>(TitleImg),
                     static_cast<QWidget*>(Panel2), static_cast<QWidget*>(ScoreWords), static_cast<QWidget*>(Score),
                     static_cast<QWidget*>(TimeWords), static_cast<QWidget*>(Time)})
    w->setCursor(Qt::ForbiddenCursor);

  Image17->onMouseDown = [this](Qt::MouseButton) { setImage17Top(-49); };
  Image17->onMouseUp = [this] { setImage17Top(1); };
  Image17->onClick = [this] { Image17Click(); };
  Image18->onClick = [this] { game_->Image18Click(); };
  Stat->onClick = [this] { StatClick(); };
}

void TForm1::buildMenu() {
  MyMenu = new QMenu(this);
  MyMenu->setObjectName(QStringLiteral("MyMenu"));
  auto item = [this](QMenu* menu, const char* name, const char* caption, void (TForm1::*handler)()) {
    QAction* a = menu->addAction(QString::fromLatin1(caption));
    a->setObjectName(QString::fromLatin1(name));
    if (handler) connect(a, &QAction::triggered, this, handler);
    return a;
  };
  auto separator = [](QMenu* menu, const char* name) { menu->addSeparator()->setObjectName(QString::fromLatin1(name)); };
  CustomImageSets1 = MyMenu->addMenu(QStringLiteral("Custom &Image Sets"));
  CustomImageSets1->menuAction()->setObjectName(QStringLiteral("CustomImageSets1"));
  CustomImageSets1->setObjectName(QStringLiteral("CustomImageSets1Menu"));
  QMenu* sets = CustomImageSets1;
  connect(item(sets, "ResetPieVorbQuarntoDefaults1", "Reset Pie Vorb Quarn to Defaults", nullptr),
          &QAction::triggered, this, [this] { commands_->ResetPieVorbQuarntoDefaults1Click(); });
  separator(sets, "N5");
  connect(item(sets, "LoadseperateBMPimagesforanimation1", "Load &BMP images for game...", nullptr),
          &QAction::triggered, this, [this] { commands_->LoadseperateBMPimagesforanimation1Click(); });
  connect(item(sets, "LoadCustomImageSet1", "&Load Custom Image Set...", nullptr), &QAction::triggered, this,
          [this] { commands_->LoadCustomImageSet1Click(); });
  separator(sets, "N6");
  item(sets, "Aboutcurrentimageset1", "&About Current Image Set...", &TForm1::Aboutcurrentimageset1Click);
  separator(sets, "N2");
  item(sets, "UseImageSetCreationWizard1", "Use eXtended Image Set Creation &Wizard...",
       &TForm1::UseImageSetCreationWizard1Click);
  item(MyMenu, "ViewHighscoreTable1", "&View Local Highscore Table...", &TForm1::ViewHighscoreTable1Click);
  separator(MyMenu, "N3");
  item(MyMenu, "GotoPieVorbQuarnWebsite1", "&Goto Pie Vorb Quarn Website...", &TForm1::GotoPieVorbQuarnWebsite1Click);
  item(MyMenu, "AboutPieVorbQuarn1", "&About Pie Vorb Quarn...", &TForm1::AboutPieVorbQuarn1Click);
  separator(MyMenu, "N4");
  item(MyMenu, "Quit1", "&Quit...", &TForm1::Quit1Click);
}

QAction* TForm1::menuItem(const QString& componentName) const {
  return MyMenu->findChild<QAction*>(componentName);
}

void TForm1::Image17Click() {
  // Opening the menu always ends a running game.
  game_->Image18Click();
  const QPoint at = Panel5->mapToGlobal(QPoint(29, 36));
  setImage17Top(-49);
  prompts().popupMenu(*MyMenu, at);
  setImage17Top(1);
}

void TForm1::StatClick() {
  const StatView view = ::StatClick(*engine_);
  setStatOffset(view.offset, view.hint);
}

void TForm1::Quit1Click() {
  if (prompts().confirm(this, QStringLiteral("Quit Pie Vorb Quarn? Really?"), QStringLiteral("Quit?"))) close();
}

void TForm1::ViewHighscoreTable1Click() { prompts().runModal(*Scores); }

void TForm1::AboutPieVorbQuarn1Click() { prompts().runModal(*About); }

void TForm1::Aboutcurrentimageset1Click() { showCurrentSetAbout(); }

void TForm1::GotoPieVorbQuarnWebsite1Click() { About->tLink2->click(); }

void TForm1::UseImageSetCreationWizard1Click() {
  // A new wizard for every use, so each opening starts from the defaults; the
  // two dialogs it borrows live on.
  CustomSetup->X1->setValue(0);
  CustomSetup->Y1->setValue(0);
  TForm3 wizard(*game_, *EditGroup, *CustomSetup, this);
  prompts().runModal(wizard);
}

void TForm1::ShowAboutTimer() {
  ShowAbout->stop();
  showCurrentSetAbout();
}

void TForm1::showCurrentSetAbout() { ShowImgAbout(*ImgAbout, game_->set.header); }

void TForm1::dragEnterEvent(QDragEnterEvent* e) {
  if (e->mimeData()->hasUrls()) e->acceptProposedAction();
}

void TForm1::dropEvent(QDropEvent* e) {
  QStringList paths;
  for (const QUrl& url : e->mimeData()->urls())
    if (url.isLocalFile()) paths << url.toLocalFile();
  e->acceptProposedAction();
  if (!paths.isEmpty()) commands_->FormDropFiles(paths);
}

void TForm1::setImage17Top(int top) { Image17->move(1, top); }

void TForm1::placeImage18() { Image18->move(3, game_->image18Top); }

void TForm1::setStatOffset(int offset, const QString& hint) {
  Stat->move(0, offset);
  Stat->setToolTip(hint);
}

void TForm1::FormResize() {
  const int W = width(), H = height();
  // The aligned panels follow the edges.
  Panel1->setGeometry(0, 0, W, 82);
  Panel4->setGeometry(0, 0, W, 31);
  Panel5->setGeometry(0, 31, 73, 51);
  Panel6->setGeometry(W - 52, 31, 52, 51);
  TitleImg->move(W / 2 - TitleImg->width() / 2, TitleImg->y());
  Panel2->move(W / 2 - Panel2->width() / 2, Panel2->y());
  int t = (H - Panel1->height()) / 2 + Panel1->height() - Panel3->height() / 2;
  if (t < Panel1->y() + Panel1->height()) t = Panel1->y() + Panel1->height();
  Panel3->move(W / 2 - Panel3->width() / 2, t);
}

void TForm1::resizeEvent(QResizeEvent* e) {
  QWidget::resizeEvent(e);
  FormResize();
}

void TForm1::FormShow() {
  LoadBuiltinCursors(game_->cursors);
  for (QWidget* w : {static_cast<QWidget*>(Image17), static_cast<QWidget*>(Stat), static_cast<QWidget*>(Image18)})
    w->setCursor(game_->cursors.cursor(2));
  RestoreDefaultSet(*game_);
  const bool aboutFollows = commands_->LoadStartupSet(startup_ ? *startup_ : StartupPlace::ofApplication());
  FormResize();
  placeImage18();
  if (aboutFollows) ShowAbout->start();
}

void TForm1::showEvent(QShowEvent* e) {
  QWidget::showEvent(e);
  if (shown_) return;
  shown_ = true;
  // First shown in the middle of the screen.
  if (QScreen* screen = this->screen()) {
    const QRect area = screen->availableGeometry();
    move(area.center() - QPoint(width() / 2, height() / 2));
  }
  FormShow();
}

void TForm1::FormDestroy() {
  if (destroyed_) return;
  destroyed_ = true;
  Animate->stop();
  ShowAbout->stop();
  RestoreDefaultSet(*game_);
  engine_->CloseWave();
  game_->setView(nullptr);
}

void TForm1::holeChanged(int hole) { holes_[hole]->update(); }
void TForm1::scoreChanged() { Score->update(); }
void TForm1::timeChanged() { Time->update(); }

void TForm1::setPicturesChanged() {
  for (QWidget* w : {TitleImg, ScoreWords, TimeWords, Score, Time}) w->update();
}

void TForm1::playfieldColourChanged() {
  const QColor c = colourFromValue(game_->playfieldColour);
  QPalette p = palette();
  p.setColor(QPalette::Window, c);
  setPalette(p);
  Panel3->setColour(c);
}

void TForm1::titleColourChanged() { Panel4->setColour(colourFromValue(game_->titleColour)); }

void TForm1::playfieldCursorChanged() {
  const QCursor c = game_->cursors.cursor(game_->playfieldCursorSlot);
  for (int n = 1; n <= kHoles; ++n) holes_[n]->setCursor(c);
  Panel3->setCursor(c);
  setCursor(c);
}

void TForm1::captionChanged() { setWindowTitle(game_->caption); }

void TForm1::abortButtonMoved() { placeImage18(); }

void TForm1::animateChanged(bool enabled) {
  if (enabled)
    Animate->start();
  else
    Animate->stop();
}

void TForm1::showGameOver(const QString& sentence, const QString& rating) {
  Form2->Box->setText(rating);
  Form2->_Sc->setText(sentence);
  prompts().runModal(*Form2);
}

void TForm1::setBusyCursor(bool busy) {
  while (QApplication::overrideCursor()) QApplication::restoreOverrideCursor();
  if (busy) QApplication::setOverrideCursor(Qt::WaitCursor);
}

void TForm1::processPendingEvents() {
  // Input waits: a drop or click handled in the middle of a load would start another one.
  QApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
}
