#include "game/Pie1.h"

#include <QApplication>
#include <QCloseEvent>
#include <QFont>
#include <QResizeEvent>

#include "imageset/DefaultSet.h"

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

TForm1::TForm1(const TForm1Deps& deps, QWidget* parent) : QWidget(parent) {
  InitGameResources();
  game_ = std::make_unique<Game>(*deps.wave, *deps.music, deps.clock, deps.random);
  game_->setView(this);
  setWindowTitle(QStringLiteral("Pie Vorb Quarn"));
  QFont f = font();
  f.setPixelSize(13);
  setFont(f);
  setAutoFillBackground(true);
  buildComponents();
  resize(kClientWidth, kClientHeight);
  setMinimumSize(kClientWidth, kClientHeight);
  setAcceptDrops(true);
  Animate = new QTimer(this);
  Animate->setInterval(1);
  Animate->setTimerType(Qt::PreciseTimer);
  connect(Animate, &QTimer::timeout, this, [this] { game_->AnimateTimer(); });
  ShowAbout = new QTimer(this);
  ShowAbout->setInterval(50);
  ShowAbout->setSingleShot(true);
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
  Image18->onClick = [this] { game_->Image18Click(); };
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
  for (int slot : {2}) {
    for (QWidget* w : {static_cast<QWidget*>(Image17), static_cast<QWidget*>(Stat), static_cast<QWidget*>(Image18)})
      w->setCursor(game_->cursors.cursor(slot));
  }
  RestoreDefaultSet(*game_);
  FormResize();
  placeImage18();
}

void TForm1::showEvent(QShowEvent* e) {
  QWidget::showEvent(e);
  if (shown_) return;
  shown_ = true;
  FormShow();
}

void TForm1::closeEvent(QCloseEvent* e) {
  QWidget::closeEvent(e);
}

void TForm1::FormDestroy() {
  if (destroyed_) return;
  destroyed_ = true;
  Animate->stop();
  RestoreDefaultSet(*game_);
  game_->setView(nullptr);
}

void TForm1::holeChanged(int hole) { holes_[hole]->update(); }
void TForm1::scoreChanged() { Score->update(); }
void TForm1::timeChanged() { Time->update(); }

void TForm1::setPicturesChanged() {
  TitleImg->resize(game_->set.title.size());
  FormResize();
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
  if (gameOverHandler) gameOverHandler(sentence, rating);
}

void TForm1::setBusyCursor(bool busy) {
  while (QApplication::overrideCursor()) QApplication::restoreOverrideCursor();
  if (busy) QApplication::setOverrideCursor(Qt::WaitCursor);
}

void TForm1::processPendingEvents() { QApplication::processEvents(); }
