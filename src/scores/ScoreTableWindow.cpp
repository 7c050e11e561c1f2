#include "scores/ScoreTableWindow.h"

#include <QDialogButtonBox>
#include <QHeaderView>
#include <QPushButton>
#include <QStyledItemDelegate>
#include <QTableView>
#include <QVBoxLayout>

#include "scores/BoardText.h"
#include "scores/ScoreBoardModel.h"
#include "ui/DialogLook.h"
#include "ui/Prompts.h"

namespace {

constexpr int kRowHeight = 18;

// A text too long for its column ends in "...", cut where the game cuts it.
class FittingDelegate final : public QStyledItemDelegate {
 public:
  using QStyledItemDelegate::QStyledItemDelegate;
  static QString fitted(const QString& text, int columnWidth, const QFontMetrics& metrics) {
    return fitText(text, columnWidth - 4, metrics);
  }

 protected:
  void initStyleOption(QStyleOptionViewItem* option, const QModelIndex& index) const override {
    QStyledItemDelegate::initStyleOption(option, index);
    option->text = fitted(option->text, option->rect.width(), option->fontMetrics);
    option->textElideMode = Qt::ElideNone;
  }
};

}  // namespace

ScoreTableWindow::ScoreTableWindow(ScoreBoard board, QWidget* parent)
    : GameDialog(true, parent), board_(std::move(board)), model_(new ScoreBoardModel(board_, this)) {
  setWindowTitle(QStringLiteral("Local Highscore Table..."));

  auto* buttons = new QDialogButtonBox;
  addButton(*buttons, QStringLiteral("&Ok"), QDialogButtonBox::AcceptRole, {129, 25})->setDefault(true);
  QPushButton* reset = addButton(*buttons, QStringLiteral("&Reset Score-board"), QDialogButtonBox::ResetRole, {129, 25});
  connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
  connect(reset, &QPushButton::clicked, this, &ScoreTableWindow::resetBoard);

  auto* column = new QVBoxLayout(this);
  column->setContentsMargins(4, 4, 2, 4);
  column->setSpacing(3);
  column->addWidget(makeTable(), 1);
  auto* bottom = new QHBoxLayout;
  bottom->setContentsMargins(2, 0, 0, 0);
  bottom->addWidget(buttons);
  column->addLayout(bottom);
  setDesignSize({535, 373});
}

// Rows of equal height under a header whose column borders the player can drag.
QTableView* ScoreTableWindow::makeTable() {
  table_ = new QTableView;
  table_->setObjectName(QStringLiteral("table"));
  table_->setModel(model_);
  table_->setItemDelegate(new FittingDelegate(table_));
  table_->setFrameStyle(QFrame::Panel | QFrame::Sunken);
  table_->setLineWidth(1);
  table_->setShowGrid(false);
  table_->setWordWrap(false);
  table_->setSelectionBehavior(QAbstractItemView::SelectRows);
  table_->setSelectionMode(QAbstractItemView::SingleSelection);
  table_->setEditTriggers(QAbstractItemView::NoEditTriggers);
  table_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  table_->verticalHeader()->hide();
  table_->verticalHeader()->setMinimumSectionSize(0);
  table_->verticalHeader()->setDefaultSectionSize(kRowHeight);
  QHeaderView* header = table_->horizontalHeader();
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
  return table_;
}

void ScoreTableWindow::loadBoard() {
  if (!board_.load())
    prompts().message(this, board_.lastError(), QStringLiteral("Error"), BoxIcon::Error);
  model_->boardChanged();
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
  model_->boardChanged();
  if (!saved)
    prompts().message(this, QStringLiteral("Your score could not be saved:\n%1").arg(board_.lastError()),
                      QStringLiteral("Error"), BoxIcon::Error);
  return saved;
}

QStringList ScoreTableWindow::rowCells(int row) const {
  QStringList cells;
  for (int c = 0; c < model_->columnCount(); ++c)
    cells << FittingDelegate::fitted(model_->index(row, c).data().toString(), table_->columnWidth(c),
                                     table_->fontMetrics());
  return cells;
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
  model_->boardChanged();
}
