#include "scores/GameOverDialog.h"

#include <QDialogButtonBox>
#include <QFrame>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QPainter>
#include <QPushButton>
#include <QTimer>
#include <QVBoxLayout>
#include <algorithm>

#include "ui/AppInfo.h"
#include "ui/DialogLook.h"
#include "ui/LinkLabel.h"
#include "ui/PaletteColour.h"

// "Game Over" in large bold letters over a white shadow one pixel down and right.
class GameOverTitle final : public QWidget {
 public:
  GameOverTitle() {
    QFont face = font();
    face.setPixelSize(32);
    face.setBold(true);
    setFont(face);
  }
  QColor colour{Qt::red};
  QSize sizeHint() const override {
    const QFontMetrics metrics(font());
    return {metrics.horizontalAdvance(text()) + 1, metrics.height() + 1};
  }
  QSize minimumSizeHint() const override { return sizeHint(); }

 protected:
  void paintEvent(QPaintEvent*) override {
    QPainter painter(this);
    const QRect place = rect().adjusted(0, 0, -1, -1);
    painter.setPen(Qt::white);
    painter.drawText(place.translated(1, 1), Qt::AlignCenter, text());
    painter.setPen(colour);
    painter.drawText(place, Qt::AlignCenter, text());
  }

 private:
  static QString text() { return GameOverDialog::tr("Game Over"); }
};

namespace {

const QColor kTitleColours[4] = {Qt::red, Qt::green, Qt::yellow, Qt::blue};

QLabel* textLabel(const char* name, const QString& text = {}) {
  auto* label = new QLabel(text);
  label->setObjectName(QLatin1String(name));
  // The game-over texts come from set files: no markup, shown as written, and a word
  // longer than the dialog is cut rather than widening it.
  label->setTextFormat(Qt::PlainText);
  label->setMinimumWidth(1);
  label->setWordWrap(true);
  label->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
  return label;
}

QFrame* bevel(QFrame::Shadow shadow) {
  auto* frame = new QFrame;
  frame->setFrameStyle(QFrame::Panel | shadow);
  frame->setLineWidth(1);
  return frame;
}

}  // namespace

GameOverDialog::GameOverDialog(QWidget* parent) : GameDialog(false, parent), colourTimer_(new QTimer(this)) {
  setWindowTitle(tr("Game Over"));
  QFrame* outer = bevel(QFrame::Raised);
  auto* column = new QVBoxLayout(outer);
  column->setContentsMargins(7, 7, 6, 3);
  column->setSpacing(0);
  column->addWidget(makeTitle());
  column->addSpacing(6);
  column->addWidget(makeTexts());
  column->addSpacing(2);
  column->addWidget(makeButtons());
  auto* whole = new QVBoxLayout(this);
  whole->setContentsMargins(0, 0, 0, 0);
  whole->addWidget(outer);
  setDesignSize({432, 0});

  colourTimer_->setObjectName(QStringLiteral("colourTimer"));
  colourTimer_->setInterval(200);
  connect(colourTimer_, &QTimer::timeout, this, &GameOverDialog::colourTimerFired);
}

// The title flashes on the banner's black.
QWidget* GameOverDialog::makeTitle() {
  QFrame* frame = bevel(QFrame::Sunken);
  frame->setAutoFillBackground(true);
  frame->setStyleSheet(QStringLiteral("background: black;"));
  frame->setFixedHeight(40);
  title_ = new GameOverTitle;
  auto* centre = new QHBoxLayout(frame);
  centre->setContentsMargins(0, 0, 0, 0);
  centre->addWidget(title_, 0, Qt::AlignCenter);
  return frame;
}

// The sentence, the score in the banner's colours at the size of its digits, the
// rating and the notice, one under the other as tall as their lines need.
QWidget* GameOverDialog::makeTexts() {
  QFrame* frame = bevel(QFrame::Sunken);
  sentence_ = textLabel("sentence");
  score_ = new QLabel;
  score_->setObjectName(QStringLiteral("score"));
  score_->setAlignment(Qt::AlignCenter);
  QFont digits = font();
  digits.setPixelSize(40);
  digits.setBold(true);
  score_->setFont(digits);
  score_->setFixedHeight(54);
  score_->setStyleSheet(QStringLiteral("background: black; color: #ff9315; border: 2px solid #8a2c00;"
                                       " border-radius: 10px;"));
  rating_ = textLabel("rating");
  QFont comment = font();
  comment.setPixelSize(font().pixelSize() + 3);
  comment.setItalic(true);
  rating_->setFont(comment);
  auto* notice = textLabel("notice", tr("The Highscore table on the internet has now been removed because I "
                                        "no longer have time to update it..."));
  setPaletteColour(*notice, QPalette::WindowText, QColor(85, 85, 85));

  auto* texts = new QVBoxLayout(frame);
  texts->setContentsMargins(7, 7, 7, 7);
  texts->setSpacing(6);
  texts->addWidget(sentence_);
  texts->addWidget(score_, 0, Qt::AlignHCenter);
  texts->addWidget(rating_);
  texts->addWidget(notice);
  return frame;
}

// The web page link and the two buttons, hidden until the title has flashed a while;
// their place is kept meanwhile, so the dialog does not change size when they show.
QWidget* GameOverDialog::makeButtons() {
  buttons_ = new QWidget;
  buttons_->setObjectName(QStringLiteral("buttons"));
  QSizePolicy keepPlace = buttons_->sizePolicy();
  keepPlace.setRetainSizeWhenHidden(true);
  buttons_->setSizePolicy(keepPlace);
  auto* link = new LinkLabel;
  link->setCaption(QLatin1String(kAuthorWebPage));
  link->setUrl(QLatin1String(kAuthorWebPage));
  auto* visit = new QHBoxLayout;
  visit->setContentsMargins(4, 0, 0, 0);
  visit->setSpacing(6);
  visit->addWidget(new QLabel(tr("Visit my Web Site at:")));
  visit->addWidget(link);
  visit->addStretch();

  addToBoard_ = new SizedButton(tr("&Add to Local HighScore Board..."), {221, 27});
  auto* box = new QDialogButtonBox;
  addButton(*box, tr("&Ok"), QDialogButtonBox::AcceptRole, {101, 27})->setDefault(true);
  auto* row = new QHBoxLayout;
  row->setContentsMargins(0, 0, 4, 0);
  row->addWidget(addToBoard_);
  row->addStretch();
  row->addWidget(box);

  auto* panel = new QVBoxLayout(buttons_);
  panel->setContentsMargins(0, 12, 0, 4);
  panel->setSpacing(6);
  panel->addLayout(visit);
  panel->addLayout(row);
  buttons_->hide();
  connect(box, &QDialogButtonBox::accepted, this, &QDialog::accept);
  connect(addToBoard_, &QPushButton::clicked, this, &GameOverDialog::addToBoardChosen);
  return buttons_;
}

void GameOverDialog::setResult(const GameResult& result) {
  result_ = result;
  sentence_->setText(result.sentence);
  score_->setText(QString::number(result.score));
  score_->setFixedWidth(std::max(140, score_->sizeHint().width() + 40));
  rating_->setText(result.rating);
  rating_->setVisible(!result.rating.isEmpty());
}

QColor GameOverDialog::titleColour() const { return title_->colour; }

void GameOverDialog::aboutToShow() {
  revealCount_ = 0;
  buttons_->hide();
  colourTimer_->start();
  addToBoard_->setEnabled(true);
}

void GameOverDialog::done(int result) {
  colourTimer_->stop();
  QDialog::done(result);
}

void GameOverDialog::keyPressEvent(QKeyEvent* event) {
  // Only "&Ok" ends the dialog; Escape would otherwise close it before the buttons show.
  if (event->key() == Qt::Key_Escape && event->modifiers() == Qt::NoModifier) return;
  QDialog::keyPressEvent(event);
}

void GameOverDialog::colourTimerFired() {
  colourStep_ = (colourStep_ + 1) % 4;
  title_->colour = kTitleColours[colourStep_];
  title_->update();
  if (revealCount_ < 6) {
    ++revealCount_;
    if (revealCount_ == 5) buttons_->show();
  }
}

void GameOverDialog::scoreAdded() { addToBoard_->setEnabled(false); }
