#include "scores/Hs.h"

#include <QFrame>
#include <QHeaderView>
#include <QListWidget>
#include <QPainter>
#include <QPushButton>
#include <QShowEvent>
#include <QStyledItemDelegate>
#include <QVBoxLayout>

#include "about/DialogLook.h"
#include "game/Prompts.h"
#include "imageset/Codepage.h"
#include "scores/BoardText.h"

namespace {
constexpr int RowHeight = 16;
}

class BoardDelegate final : public QStyledItemDelegate {
 public:
  explicit BoardDelegate(const Tscores* owner) : QStyledItemDelegate(const_cast<Tscores*>(owner)), owner_(owner) {}
  void paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const override {
    owner_->BoardDrawItem(*painter, index.row(), option.rect, option.state & QStyle::State_Selected);
  }
  QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex&) const override {
    return {qMax(1, option.rect.width()), RowHeight};
  }

 private:
  const Tscores* owner_;
};

Tscores::Tscores(ScoreBoard board, QWidget* parent)
    : QDialog(parent, dialogFlags(true)), board_(std::move(board)), headModel_(0, 3) {
  setWindowTitle(QStringLiteral("Local Highscore Table..."));
  setFont(dialogFont());
  setFixedSize(535, 373);

  Panel1 = new QFrame(this);
  Panel1->setFrameStyle(QFrame::Panel | QFrame::Sunken);
  Panel1->setLineWidth(1);
  Panel1->setGeometry(4, 4, 529, 337);
  auto* column = new QVBoxLayout(Panel1);
  column->setContentsMargins(1, 1, 1, 1);
  column->setSpacing(0);

  headModel_.setHorizontalHeaderLabels({QStringLiteral("Rank"), QStringLiteral("Name"), QStringLiteral("Score")});
  Head = new QHeaderView(Qt::Horizontal, Panel1);
  Head->setModel(&headModel_);
  Head->setFixedHeight(20);
  Head->setDefaultAlignment(Qt::AlignLeft | Qt::AlignVCenter);
  Head->setSectionResizeMode(QHeaderView::Interactive);
  Head->setStretchLastSection(false);
  Head->setSectionsClickable(false);
  Head->setHighlightSections(false);
  Head->setMinimumSectionSize(0);
  Head->resizeSection(0, 65);
  Head->resizeSection(1, 339);
  Head->resizeSection(2, 36);
  column->addWidget(Head);

  Board = new QListWidget(Panel1);
  Board->setFrameShape(QFrame::NoFrame);
  Board->setUniformItemSizes(true);
  Board->setItemDelegate(new BoardDelegate(this));
  Board->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  column->addWidget(Board);

  Button1 = new QPushButton(QStringLiteral("&Ok"), this);
  Button1->setGeometry(404, 344, 129, 25);
  Button1->setDefault(true);
  Button2 = new QPushButton(QStringLiteral("&Reset Score-board"), this);
  Button2->setGeometry(6, 344, 129, 25);

  connect(Button1, &QPushButton::clicked, this, &QDialog::accept);
  connect(Button2, &QPushButton::clicked, this, &Tscores::Button2Click);
  // Both while a border is dragged and when it is dropped.
  connect(Head, &QHeaderView::sectionResized, this, &Tscores::HeadSized);
}

void Tscores::LoadBoard() {
  if (!board_.LoadBoard())
    prompts().message(this, board_.lastError(), QStringLiteral("Error"), BoxIcon::Error);
  refreshBoard();
}

void Tscores::SaveBoard() {
  // Viewing the table saves it each time; only a reset the player asked for is worth
  // a message when it cannot be kept.
  if (!board_.SaveBoard() && emptied_)
    prompts().message(this,
                      QStringLiteral("The score board could not be emptied:\n%1").arg(board_.lastError()),
                      QStringLiteral("Error"), BoxIcon::Error);
  emptied_ = false;
}

bool Tscores::AddScore(const QString& name, qint32 score) {
  const bool saved = board_.AddScore(name, score);
  refreshBoard();
  if (!saved)
    prompts().message(this, QStringLiteral("Your score could not be saved:\n%1").arg(board_.lastError()),
                      QStringLiteral("Error"), BoxIcon::Error);
  return saved;
}

void Tscores::refreshBoard() {
  Board->clear();
  for (const QByteArray& e : board_.entries()) Board->addItem(fromAnsi(e));
}

void Tscores::showEvent(QShowEvent* event) {
  QDialog::showEvent(event);
  if (event->spontaneous()) return;
  centreOnScreen(this);
  LoadBoard();
}

void Tscores::done(int result) {
  SaveBoard();
  QDialog::done(result);
}

void Tscores::Button2Click() {
  if (!prompts().confirm(this, QStringLiteral("Remove all entires from score board? really?"),
                         QStringLiteral("Really delete score board?")))
    return;
  board_.clear();
  emptied_ = true;
  refreshBoard();
}

void Tscores::HeadSized() { Board->viewport()->update(); }

QList<std::pair<int, int>> Tscores::cellSpans(int rowWidth) const {
  const int w0 = Head->sectionSize(0);
  const int w1 = Head->sectionSize(1);
  return {{0, w0}, {w0, w1}, {w0 + w1, rowWidth - (w0 + w1)}};
}

QStringList Tscores::rowCells(int row) const {
  const QByteArray& e = board_.entries().at(row);
  const QStringList texts{RankText(row), entryName(e), entryScore(e)};
  const auto spans = cellSpans(Board->viewport()->width());
  const QFontMetrics metrics(Board->font());
  QStringList cells;
  for (int c = 0; c < 3; ++c) cells << FitText(texts[c], spans[c].second - 4, metrics);
  return cells;
}

void Tscores::BoardDrawItem(QPainter& painter, int row, const QRect& rect, bool selected) const {
  if (row < 0 || row >= board_.entries().size()) return;
  const QPalette& pal = Board->palette();
  const QBrush brush = selected ? pal.highlight() : pal.base();
  painter.save();
  painter.setFont(Board->font());
  painter.setPen(selected ? pal.color(QPalette::HighlightedText) : pal.color(QPalette::Text));
  // The row spans the list's visible width whatever width the view gave the item.
  const QRect rowRect(rect.left(), rect.top(), Board->viewport()->width() - rect.left(), rect.height());
  painter.setClipRect(rowRect);
  const QStringList cells = rowCells(row);
  const auto spans = cellSpans(rowRect.width());
  for (int c = 0; c < 3; ++c) {
    const int x = rect.left() + spans[c].first;
    const int width = spans[c].second;
    painter.fillRect(QRect(x, rect.top(), width, rect.height()), brush);
    painter.drawText(QRect(x + 2, rect.top(), qMax(0, width - 2), rect.height()),
                     Qt::AlignLeft | Qt::AlignTop | Qt::TextSingleLine, cells[c]);
  }
  painter.restore();
}
