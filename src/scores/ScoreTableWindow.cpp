#include "scores/ScoreTableWindow.h"

#include <QFrame>
#include <QHeaderView>
#include <QListWidget>
#include <QPainter>
#include <QPushButton>
#include <QStyledItemDelegate>
#include <QVBoxLayout>

#include "ui/Prompts.h"
#include "ui/Codepage.h"
#include "scores/BoardText.h"

namespace {
constexpr int kRowHeight = 18;
}

class BoardDelegate final : public QStyledItemDelegate {
 public:
  explicit BoardDelegate(const ScoreTableWindow* owner) : QStyledItemDelegate(const_cast<ScoreTableWindow*>(owner)), owner_(owner) {}
  void paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const override {
    owner_->drawRow(*painter, index.row(), option.rect, option.state & QStyle::State_Selected);
  }
  QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex&) const override {
    return {qMax(1, option.rect.width()), kRowHeight};
  }

 private:
  const ScoreTableWindow* owner_;
};

ScoreTableWindow::ScoreTableWindow(ScoreBoard board, QWidget* parent)
    : GameDialog(true, parent), board_(std::move(board)), headModel_(0, 3) {
  setWindowTitle(QStringLiteral("Local Highscore Table..."));
  setFixedSize(535, 373);
  buildTable();

  okButton = new QPushButton(QStringLiteral("&Ok"), this);
  okButton->setGeometry(404, 344, 129, 25);
  okButton->setDefault(true);
  resetButton = new QPushButton(QStringLiteral("&Reset Score-board"), this);
  resetButton->setGeometry(6, 344, 129, 25);

  connect(okButton, &QPushButton::clicked, this, &QDialog::accept);
  connect(resetButton, &QPushButton::clicked, this, &ScoreTableWindow::resetBoard);
  // Both while a border is dragged and when it is dropped.
  connect(header, &QHeaderView::sectionResized, this, &ScoreTableWindow::headerResized);
}

// A header the player can drag over a list that draws each row in the header's columns.
void ScoreTableWindow::buildTable() {

  tablePanel = new QFrame(this);
  tablePanel->setFrameStyle(QFrame::Panel | QFrame::Sunken);
  tablePanel->setLineWidth(1);
  tablePanel->setGeometry(4, 4, 529, 337);
  auto* column = new QVBoxLayout(tablePanel);
  column->setContentsMargins(1, 1, 1, 1);
  column->setSpacing(0);

  headModel_.setHorizontalHeaderLabels({QStringLiteral("Rank"), QStringLiteral("Name"), QStringLiteral("Score")});
  header = new QHeaderView(Qt::Horizontal, tablePanel);
  header->setModel(&headModel_);
  header->setFixedHeight(20);
  header->setDefaultAlignment(Qt::AlignLeft | Qt::AlignVCenter);
  header->setSectionResizeMode(QHeaderView::Interactive);
  // The last column takes what the first two leave, so the header spans the table.
  header->setStretchLastSection(true);
  header->setSectionsClickable(false);
  header->setHighlightSections(false);
  header->setMinimumSectionSize(0);
  header->resizeSection(0, 65);
  header->resizeSection(1, 339);
  header->resizeSection(2, 36);
  column->addWidget(header);

  rows = new QListWidget(tablePanel);
  rows->setFrameShape(QFrame::NoFrame);
  rows->setUniformItemSizes(true);
  rows->setItemDelegate(new BoardDelegate(this));
  rows->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  column->addWidget(rows);
}

void ScoreTableWindow::loadBoard() {
  if (!board_.load())
    prompts().message(this, board_.lastError(), QStringLiteral("Error"), BoxIcon::Error);
  refreshBoard();
}

void ScoreTableWindow::saveBoard() {
  // Only a reset changes the board here; viewing it leaves the file alone.
  if (!emptied_) return;
  if (!board_.save())
    prompts().message(this,
                      QStringLiteral("The score board could not be emptied:\n%1").arg(board_.lastError()),
                      QStringLiteral("Error"), BoxIcon::Error);
  emptied_ = false;
}

bool ScoreTableWindow::addScore(const QString& name, qint32 score) {
  const bool saved = board_.add(name, score);
  refreshBoard();
  if (!saved)
    prompts().message(this, QStringLiteral("Your score could not be saved:\n%1").arg(board_.lastError()),
                      QStringLiteral("Error"), BoxIcon::Error);
  return saved;
}

void ScoreTableWindow::refreshBoard() {
  // The rows draw themselves from the board; the list needs only as many as it has.
  rows->clear();
  rows->model()->insertRows(0, int(board_.entries().size()));
}

void ScoreTableWindow::aboutToShow() { loadBoard(); }

void ScoreTableWindow::done(int result) {
  saveBoard();
  QDialog::done(result);
}

void ScoreTableWindow::resetBoard() {
  if (!prompts().confirm(this, QStringLiteral("Remove all entires from score board? really?"),
                         QStringLiteral("Really delete score board?")))
    return;
  board_.clear();
  emptied_ = true;
  refreshBoard();
}

void ScoreTableWindow::headerResized() { rows->viewport()->update(); }

QList<std::pair<int, int>> ScoreTableWindow::cellSpans(int rowWidth) const {
  const int w0 = header->sectionSize(0);
  const int w1 = header->sectionSize(1);
  return {{0, w0}, {w0, w1}, {w0 + w1, rowWidth - (w0 + w1)}};
}

QStringList ScoreTableWindow::rowCells(int row) const {
  const QByteArray& e = board_.entries().at(row);
  const QStringList texts{rankText(row), entryName(e), entryScore(e)};
  const auto spans = cellSpans(rows->viewport()->width());
  const QFontMetrics metrics(rows->font());
  QStringList cells;
  for (int c = 0; c < 3; ++c) cells << fitText(texts[c], spans[c].second - 4, metrics);
  return cells;
}

void ScoreTableWindow::drawRow(QPainter& painter, int row, const QRect& rect, bool selected) const {
  if (row < 0 || row >= board_.entries().size()) return;
  const QPalette& pal = rows->palette();
  const QBrush brush = selected ? pal.highlight() : pal.base();
  painter.save();
  painter.setFont(rows->font());
  painter.setPen(selected ? pal.color(QPalette::HighlightedText) : pal.color(QPalette::Text));
  // The row spans the list's visible width whatever width the view gave the item.
  const QRect rowRect(rect.left(), rect.top(), rows->viewport()->width() - rect.left(), rect.height());
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
