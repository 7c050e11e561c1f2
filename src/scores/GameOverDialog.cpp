#include "scores/GameOverDialog.h"

#include <QFrame>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTimer>

#include "ui/AppInfo.h"
#include "ui/DialogLook.h"
#include "ui/LinkLabel.h"
#include "ui/Prompts.h"
#include "scores/PlayerNameDialog.h"
#include "scores/ScoreTableWindow.h"

namespace {

QFrame* bevel(QWidget* parent, const QRect& place, QFrame::Shadow shadow) {
  auto* frame = new QFrame(parent);
  frame->setFrameStyle(QFrame::Panel | shadow);
  frame->setLineWidth(1);
  frame->setGeometry(place);
  frame->setAttribute(Qt::WA_TransparentForMouseEvents);
  return frame;
}

QLabel* makeTitle(QWidget* parent, int left, int top, const QColor& color) {
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

const QColor kTitleColours[4] = {Qt::red, Qt::green, Qt::yellow, Qt::blue};

}  // namespace

GameOverDialog::GameOverDialog(PlayerNameDialog& leader, ScoreTableWindow& scores, QWidget* parent)
    : GameDialog(false, parent), leader_(leader), scores_(scores) {
  setWindowTitle(QStringLiteral("Game Over"));
  setFixedSize(432, 280);

  outerBevel = bevel(this, rect(), QFrame::Raised);
  titleBevel = bevel(this, QRect(8, 8, 417, 33), QFrame::Sunken);
  titleShadow = makeTitle(this, 132, 7, Qt::white);
  titleLabel = makeTitle(this, 131, 6, Qt::red);
  textBevel = bevel(this, QRect(8, 48, 417, 161), QFrame::Sunken);
  sentenceLabel = textLabel(this, QRect(16, 56, 401, 57));
  ratingLabel = textLabel(this, QRect(16, 112, 405, 61));
  noticeLabel = textLabel(this, QRect(88, 180, 252, 26),
                     QStringLiteral("The Highscore table on the internet has now been removed because I no "
                                    "longer have time to update it..."));
  fitHeight(noticeLabel);
  buildButtonPanel();

  colourTimer = new QTimer(this);
  colourTimer->setInterval(200);
  connect(colourTimer, &QTimer::timeout, this, &GameOverDialog::colourTimerFired);
  connect(okButton, &QPushButton::clicked, this, &QDialog::accept);
  connect(addToBoardButton, &QPushButton::clicked, this, &GameOverDialog::addToBoard);
}

// The web page link and the two buttons, hidden until the title has flashed a while.
void GameOverDialog::buildButtonPanel() {
  buttonPanel = new QWidget(this);
  buttonPanel->setGeometry(8, 212, 421, 65);
  visitLabel = new QLabel(QStringLiteral("Visit my Web Site at:"), buttonPanel);
  visitLabel->move(4, 20);
  visitLabel->adjustSize();
  webSiteLink = new LinkLabel(buttonPanel);
  webSiteLink->move(108, 20);
  webSiteLink->setCaption(QLatin1String(kAuthorWebPage));
  webSiteLink->adjustSize();
  webSiteLink->setUrl(QLatin1String(kAuthorWebPage));
  okButton = new QPushButton(QStringLiteral("&Ok"), buttonPanel);
  okButton->setGeometry(316, 36, 101, 25);
  okButton->setDefault(true);
  addToBoardButton = new QPushButton(QStringLiteral("&Add to Local HighScore Board..."), buttonPanel);
  addToBoardButton->setGeometry(0, 36, 201, 25);
  buttonPanel->hide();
}

void GameOverDialog::setResult(const GameResult& result) {
  result_ = result;
  sentenceLabel->setText(result.sentence);
  ratingLabel->setText(result.rating);
}

void GameOverDialog::aboutToShow() {
  revealCount_ = 0;
  buttonPanel->hide();
  colourTimer->start();
  addToBoardButton->setEnabled(true);
}

void GameOverDialog::done(int result) {
  colourTimer->stop();
  QDialog::done(result);
}

void GameOverDialog::keyPressEvent(QKeyEvent* event) {
  // Only "&Ok" ends the dialog; Escape would otherwise close it before the panel shows.
  if (event->key() == Qt::Key_Escape && event->modifiers() == Qt::NoModifier) return;
  QDialog::keyPressEvent(event);
}

void GameOverDialog::colourTimerFired() {
  colourStep_ = (colourStep_ + 1) % 4;
  QPalette pal = titleLabel->palette();
  pal.setColor(QPalette::WindowText, kTitleColours[colourStep_]);
  titleLabel->setPalette(pal);
  if (revealCount_ < 6) {
    ++revealCount_;
    if (revealCount_ == 5) buttonPanel->show();
  }
}

void GameOverDialog::addToBoard() {
  if (prompts().runModal(leader_) != QDialog::Accepted) return;
  // A game's score goes on the board once only.
  addToBoardButton->setEnabled(false);
  scores_.addScore(leader_.nameEdit->text(), result_.score);
  prompts().runModal(scores_);
}
