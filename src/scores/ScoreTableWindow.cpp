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

ScoreTableWindow::ScoreTableWindow(QWidget* parent) : GameDialog(true, parent), model_(new ScoreBoardModel(this)) {
  setWindowTitle(tr("Local Highscore Table..."));

  auto* buttons = new QDialogButtonBox;
  addButton(*buttons, tr("&Ok"), QDialogButtonBox::AcceptRole, {129, 25})->setDefault(true);
  QPushButton* reset = addButton(*buttons, tr("&Reset Score-board"), QDialogButtonBox::ResetRole, {129, 25});
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

void ScoreTableWindow::showEntries(const QByteArrayList& entries) {
  resetChosen_ = false;
  model_->setEntries(entries);
}

QStringList ScoreTableWindow::rowCells(int row) const {
  QStringList cells;
  for (int c = 0; c < model_->columnCount(); ++c)
    cells << FittingDelegate::fitted(model_->index(row, c).data().toString(), table_->columnWidth(c),
                                     table_->fontMetrics());
  return cells;
}

void ScoreTableWindow::resetBoard() {
  if (!prompts().confirm(this, tr("Remove all entires from score board? really?"), tr("Really delete score board?")))
    return;
  resetChosen_ = true;
  model_->setEntries({});
}
