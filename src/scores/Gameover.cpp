#include "scores/Gameover.h"

#include <QFrame>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QShowEvent>
#include <QTimer>

#include "about/Ab.h"
#include "about/DialogLook.h"
#include "about/Link.h"
#include "game/Prompts.h"
#include "scores/Getname.h"
#include "scores/Hs.h"

namespace {

QFrame* bevel(QWidget* parent, const QRect& place, QFrame::Shadow shadow) {
  auto* frame = new QFrame(parent);
  frame->setFrameStyle(QFrame::Panel | shadow);
  frame->setLineWidth(1);
  frame->setGeometry(place);
  frame->setAttribute(Qt::WA_TransparentForMouseEvents);
  return frame;
}

QLabel* titleLabel(QWidget* parent, int left, int top, const QColor& color) {
  auto* label = new QLabel(QStringLiteral("Game Over"), parent);
  QFont font = parent->font();
  font.setPixelSize(32);
  font.setBold(true);
  label->setFont(font);
  QPalette pal = label->palette();
  pal.setColor(QPalette::WindowText, color);
  label->setPalette(pal);
  label->move(left, top);
  label->adjustSize();
  return label;
}

QLabel* textLabel(QWidget* parent, const QRect& place, const QString& text = {}) {
  auto* label = new QLabel(text, parent);
  // The game-over texts come from set files: no markup, shown as written.
  label->setTextFormat(Qt::PlainText);
  label->setGeometry(place);
  label->setWordWrap(true);
  label->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
  return label;
}

const QColor TitleColours[4] = {Qt::red, Qt::green, Qt::yellow, Qt::blue};

}  // namespace

TForm2::TForm2(TLeader& leader, Tscores& scores, std::function<int()> finalScore, QWidget* parent)
    : QDialog(parent, dialogFlags(false)), leader_(leader), scores_(scores), finalScore_(std::move(finalScore)) {
  setWindowTitle(QStringLiteral("Game Over"));
  setFont(dialogFont());
  setFixedSize(432, 280);

  Bevel1 = bevel(this, rect(), QFrame::Raised);
  Bevel3 = bevel(this, QRect(8, 8, 417, 33), QFrame::Sunken);
  Label2 = titleLabel(this, 132, 7, Qt::white);
  Label1 = titleLabel(this, 131, 6, Qt::red);
  Bevel2 = bevel(this, QRect(8, 48, 417, 161), QFrame::Sunken);
  _Sc = textLabel(this, QRect(16, 56, 401, 57));
  Box = textLabel(this, QRect(16, 112, 405, 61));
  Label6 = textLabel(this, QRect(88, 180, 252, 26),
                     QStringLiteral("The Highscore table on the internet has now been removed because I no "
                                    "longer have time to update it..."));
  fitHeight(Label6);

  Pan2 = new QWidget(this);
  Pan2->setGeometry(8, 212, 421, 65);
  Label4 = new QLabel(QStringLiteral("Visit my Web Site at:"), Pan2);
  Label4->move(4, 20);
  Label4->adjustSize();
  tLink2 = new TLink(Pan2);
  tLink2->move(108, 20);
  tLink2->setURL_Caption(QLatin1String(AuthorWebPage));
  tLink2->adjustSize();
  tLink2->setURL(QLatin1String(AuthorWebPage));
  Button1 = new QPushButton(QStringLiteral("&Ok"), Pan2);
  Button1->setGeometry(316, 36, 101, 25);
  Button1->setDefault(true);
  Button2 = new QPushButton(QStringLiteral("&Add to Local HighScore Board..."), Pan2);
  Button2->setGeometry(0, 36, 201, 25);
  Pan2->hide();

  CChange = new QTimer(this);
  CChange->setInterval(200);
  connect(CChange, &QTimer::timeout, this, &TForm2::CChangeTimer);
  connect(Button1, &QPushButton::clicked, this, &QDialog::accept);
  connect(Button2, &QPushButton::clicked, this, &TForm2::Button2Click);
}

void TForm2::showEvent(QShowEvent* event) {
  QDialog::showEvent(event);
  if (event->spontaneous()) return;
  centreOnScreen(this);
  FormShow();
}

void TForm2::FormShow() {
  revealCount_ = 0;
  Pan2->hide();
  CChange->start();
  Button2->setEnabled(true);
}

void TForm2::done(int result) {
  CChange->stop();
  QDialog::done(result);
}

void TForm2::keyPressEvent(QKeyEvent* event) {
  // Only "&Ok" ends the dialog; Escape would otherwise close it before the panel shows.
  if (event->key() == Qt::Key_Escape && event->modifiers() == Qt::NoModifier) return;
  QDialog::keyPressEvent(event);
}

void TForm2::CChangeTimer() {
  colourStep_ = (colourStep_ + 1) % 4;
  QPalette pal = Label1->palette();
  pal.setColor(QPalette::WindowText, TitleColours[colourStep_]);
  Label1->setPalette(pal);
  if (revealCount_ < 6) {
    ++revealCount_;
    if (revealCount_ == 5) Pan2->show();
  }
}

void TForm2::Button2Click() {
  if (prompts().runModal(leader_) != QDialog::Accepted) return;
  // A game's score goes on the board once only.
  Button2->setEnabled(false);
  scores_.AddScore(leader_.Name->text(), finalScore_());
  prompts().runModal(scores_);
}
