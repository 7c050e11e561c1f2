#include "scores/GameOverDialog.h"

#include <QFrame>
#include <algorithm>
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
  label->adjustSize();
  // Centred on the dialog, the shadow one pixel right and down of the title.
  label->move((parent->width() - label->width()) / 2 + left, top);
  return label;
}

QLabel* textLabel(QWidget* parent, const QString& text = {}) {
  auto* label = new QLabel(text, parent);
  // The game-over texts come from set files: no markup, shown as written.
  label->setTextFormat(Qt::PlainText);
  label->setWordWrap(true);
  label->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
  return label;
}

const QColor kTitleColours[4] = {Qt::red, Qt::green, Qt::yellow, Qt::blue};

// The texts' frame: its inner margin, the gap between texts and their width.
constexpr int kMargin = 8;
constexpr int kGap = 6;
constexpr int kTextWidth = 401;
constexpr int kScoreHeight = 54;
// The web link and the buttons under the texts.
constexpr int kPanelHeight = 65;

}  // namespace

GameOverDialog::GameOverDialog(PlayerNameDialog& leader, ScoreTableWindow& scores, QWidget* parent)
    : GameDialog(false, parent), leader_(leader), scores_(scores) {
  setWindowTitle(QStringLiteral("Game Over"));
  resize(432, 280);

  outerBevel = bevel(this, rect(), QFrame::Raised);
  // The title flashes on the banner's black.
  titleBevel = bevel(this, QRect(8, 8, 417, 40), QFrame::Sunken);
  titleBevel->setAutoFillBackground(true);
  titleBevel->setStyleSheet(QStringLiteral("background: black;"));
  titleShadow = makeTitle(this, 1, 10, Qt::white);
  titleLabel = makeTitle(this, 0, 9, Qt::red);
  textBevel = bevel(this, QRect(8, 54, 417, 161), QFrame::Sunken);
  sentenceLabel = textLabel(this);
  scoreLabel = new QLabel(this);
  scoreLabel->setAlignment(Qt::AlignCenter);
  // The score in the banner's colours, at the size of its digits.
  QFont digits = font();
  digits.setPixelSize(40);
  digits.setBold(true);
  scoreLabel->setFont(digits);
  scoreLabel->setStyleSheet(QStringLiteral("background: black; color: #ff9315; border: 2px solid #8a2c00;"
                                           " border-radius: 10px;"));
  ratingLabel = textLabel(this);
  QFont comment = font();
  comment.setPixelSize(font().pixelSize() + 3);
  comment.setItalic(true);
  ratingLabel->setFont(comment);
  noticeLabel = textLabel(this, QStringLiteral("The Highscore table on the internet has now been removed because I no "
                                               "longer have time to update it..."));
  QPalette grey = noticeLabel->palette();
  grey.setColor(QPalette::WindowText, QColor(85, 85, 85));
  noticeLabel->setPalette(grey);
  buildButtonPanel();
  layOutTexts();

  colourTimer = new QTimer(this);
  colourTimer->setInterval(200);
  connect(colourTimer, &QTimer::timeout, this, &GameOverDialog::colourTimerFired);
  connect(okButton, &QPushButton::clicked, this, &QDialog::accept);
  connect(addToBoardButton, &QPushButton::clicked, this, &GameOverDialog::addToBoard);
}

// The web page link and the two buttons, hidden until the title has flashed a while.
void GameOverDialog::buildButtonPanel() {
  buttonPanel = new QWidget(this);
  buttonPanel->resize(421, kPanelHeight);
  visitLabel = new QLabel(QStringLiteral("Visit my Web Site at:"), buttonPanel);
  visitLabel->move(4, 12);
  visitLabel->adjustSize();
  webSiteLink = new LinkLabel(buttonPanel);
  webSiteLink->move(visitLabel->geometry().right() + 6, 12);
  webSiteLink->setCaption(QLatin1String(kAuthorWebPage));
  webSiteLink->adjustSize();
  webSiteLink->setUrl(QLatin1String(kAuthorWebPage));
  okButton = new QPushButton(QStringLiteral("&Ok"), buttonPanel);
  okButton->setGeometry(316, 34, 101, 27);
  okButton->setDefault(true);
  addToBoardButton = new QPushButton(QStringLiteral("&Add to Local HighScore Board..."), buttonPanel);
  addToBoardButton->setGeometry(0, 34, 221, 27);
  buttonPanel->hide();
}

void GameOverDialog::setResult(const GameResult& result) {
  result_ = result;
  sentenceLabel->setText(result.sentence);
  scoreLabel->setText(QString::number(result.score));
  ratingLabel->setText(result.rating);
  layOutTexts();
}

// The texts stand one under the other as tall as their lines need, the frame and the
// dialog grow or shrink to them, and the panel follows; nothing is left empty.
void GameOverDialog::layOutTexts() {
  const int left = textBevel->x() + kMargin;
  int y = textBevel->y() + kMargin;
  auto place = [&](QLabel* label, int height) {
    label->setGeometry(left, y, kTextWidth, height);
    y += height + kGap;
  };
  place(sentenceLabel, sentenceLabel->heightForWidth(kTextWidth));
  const int scoreWidth = std::max(140, scoreLabel->sizeHint().width() + 40);
  scoreLabel->setGeometry((width() - scoreWidth) / 2, y, scoreWidth, kScoreHeight);
  y += kScoreHeight + kGap;
  if (!ratingLabel->text().isEmpty()) place(ratingLabel, ratingLabel->heightForWidth(kTextWidth));
  place(noticeLabel, noticeLabel->heightForWidth(kTextWidth));
  const int bottom = y - kGap + kMargin;
  textBevel->resize(textBevel->width(), bottom - textBevel->y());
  buttonPanel->move(8, bottom + 2);
  setFixedSize(432, buttonPanel->geometry().bottom() + 4);
  outerBevel->setGeometry(rect());
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
  // A game's score goes on the board once only; one that could not be saved stays
  // here for another try.
  if (!scores_.addScore(leader_.nameEdit->text(), result_.score)) return;
  addToBoardButton->setEnabled(false);
  prompts().runModal(scores_);
}
