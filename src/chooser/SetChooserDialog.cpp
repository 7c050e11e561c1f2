#include "chooser/SetChooserDialog.h"

#include <QDialogButtonBox>
#include <QFileInfo>
#include <QListView>
#include <QLocale>
#include <QPainter>
#include <QPushButton>
#include <QStyledItemDelegate>
#include <QVBoxLayout>

#include "chooser/PreviewLoader.h"
#include "chooser/SetListModel.h"
#include "board/SetPreview.h"
#include "ui/Prompts.h"

namespace {

constexpr int kGap = 6;

// One row: the preview at the left, the set's texts beside it.
class SetEntryDelegate : public QStyledItemDelegate {
 public:
  using QStyledItemDelegate::QStyledItemDelegate;

  QSize sizeHint(const QStyleOptionViewItem&, const QModelIndex&) const override {
    return {kSetPreviewSize.width() + 320, kSetPreviewSize.height() + 2 * kGap};
  }

  void paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const override {
    painter->save();
    const bool selected = option.state & QStyle::State_Selected;
    const QPalette& palette = option.palette;
    painter->fillRect(option.rect, selected ? palette.highlight() : palette.base());
    const QRect pictureRect(option.rect.topLeft() + QPoint(kGap, kGap), kSetPreviewSize);
    paintPreview(painter, pictureRect, index);
    const QRect textRect = option.rect.adjusted(pictureRect.width() + 2 * kGap + 4, kGap, -kGap, -kGap);
    painter->setPen(selected ? palette.highlightedText().color() : palette.text().color());
    paintTexts(painter, textRect, index);
    painter->restore();
  }

 private:
  static void paintPreview(QPainter* painter, const QRect& rect, const QModelIndex& index) {
    const QImage preview = index.data(Qt::DecorationRole).value<QImage>();
    if (!preview.isNull()) {
      painter->drawImage(rect.topLeft(), preview);
      return;
    }
    painter->fillRect(rect, QColor(224, 224, 224));
    painter->setPen(QColor(96, 96, 96));
    const bool ready = index.data(SetListModel::SummaryReadyRole).toBool();
    painter->drawText(rect, Qt::AlignCenter, ready ? QStringLiteral("No preview") : QStringLiteral("Drawing preview..."));
  }

  static void paintTexts(QPainter* painter, QRect rect, const QModelIndex& index) {
    QFont bold = painter->font();
    bold.setBold(true);
    const QFont plain = painter->font();
    painter->setFont(bold);
    line(painter, rect, index.data(Qt::DisplayRole).toString());
    painter->setFont(plain);
    const QString error = index.data(SetListModel::ErrorRole).toString();
    if (!error.isEmpty()) {
      painter->save();
      painter->setPen(QColor(200, 0, 0));
      painter->drawText(rect, Qt::TextWordWrap | Qt::AlignLeft | Qt::AlignTop, error);
      painter->restore();
    } else {
      const QString author = index.data(SetListModel::AuthorRole).toString();
      if (!author.isEmpty()) line(painter, rect, QStringLiteral("by ") + author);
      const QString comment = index.data(SetListModel::CommentRole).toString();
      const int commentHeight = rect.height() - 2 * painter->fontMetrics().lineSpacing();
      painter->drawText(QRect(rect.topLeft(), QSize(rect.width(), std::max(0, commentHeight))),
                        Qt::TextWordWrap | Qt::AlignLeft | Qt::AlignTop, comment);
    }
    QRect foot = rect;
    foot.setTop(rect.bottom() - 2 * painter->fontMetrics().lineSpacing());
    line(painter, foot, marks(index));
    const QString origin = originText(SetOrigin(index.data(SetListModel::OriginRole).toInt()));
    line(painter, foot, index.data(SetListModel::InUseRole).toBool() ? origin + QStringLiteral("  \u00b7  in use") : origin);
  }

  // Draws one line at the top of rect and moves rect's top below it.
  static void line(QPainter* painter, QRect& rect, const QString& text) {
    const int height = painter->fontMetrics().lineSpacing();
    painter->drawText(QRect(rect.left(), rect.top(), rect.width(), height), Qt::AlignLeft | Qt::AlignVCenter,
                      painter->fontMetrics().elidedText(text, Qt::ElideRight, rect.width()));
    rect.setTop(rect.top() + height);
  }

  static QString marks(const QModelIndex& index) {
    QStringList parts{QLocale().toString(index.data(SetListModel::SizeRole).toLongLong()) + QStringLiteral(" bytes")};
    if (index.data(SetListModel::SummaryReadyRole).toBool() && index.data(SetListModel::ErrorRole).toString().isEmpty()) {
      const int sounds = index.data(SetListModel::SoundsRole).toInt();
      parts << (sounds == 0 ? QStringLiteral("no sounds")
                            : sounds == 1 ? QStringLiteral("1 sound") : QStringLiteral("%1 sounds").arg(sounds));
      parts << (index.data(SetListModel::TuneRole).toBool() ? QStringLiteral("tune") : QStringLiteral("no tune"));
    }
    return parts.join(QStringLiteral("  \u00b7  "));
  }
};

}  // namespace

SetChooserDialog::SetChooserDialog(SetSources sources, const QString& cacheFolder, QWidget* parent)
    : QDialog(parent), sources_(std::move(sources)) {
  setObjectName(QStringLiteral("setChooser"));
  setWindowTitle(QStringLiteral("Choose Image Set"));
  model_ = new SetListModel(this);
  loader_ = new PreviewLoader(PreviewCache(cacheFolder),
                              [this](const QString& path, const SetSummary& summary) {
                                model_->setSummary(path, summary);
                                updateButtons();
                              },
                              this);
  list_ = new QListView(this);
  list_->setObjectName(QStringLiteral("setList"));
  list_->setModel(model_);
  connect(list_->selectionModel(), &QItemSelectionModel::currentChanged, this, [this] { updateButtons(); });
  list_->setItemDelegate(new SetEntryDelegate(list_));
  list_->setUniformItemSizes(true);
  list_->setVerticalScrollMode(QAbstractItemView::ScrollPerPixel);
  list_->setMinimumSize(kSetPreviewSize.width() + 340, 2 * (kSetPreviewSize.height() + 2 * kGap) + 4);
  resize(kSetPreviewSize.width() + 400, 3 * (kSetPreviewSize.height() + 2 * kGap) + 60);

  buttons_ = new QDialogButtonBox(this);
  useButton_ = buttons_->addButton(QStringLiteral("&Use"), QDialogButtonBox::AcceptRole);
  addButton_ = buttons_->addButton(QStringLiteral("&Add Set..."), QDialogButtonBox::ActionRole);
  removeButton_ = buttons_->addButton(QStringLiteral("&Remove"), QDialogButtonBox::ActionRole);
  QPushButton* close = buttons_->addButton(QDialogButtonBox::Close);
  useButton_->setObjectName(QStringLiteral("useButton"));
  addButton_->setObjectName(QStringLiteral("addButton"));
  removeButton_->setObjectName(QStringLiteral("removeButton"));
  close->setObjectName(QStringLiteral("closeButton"));
  useButton_->setDefault(true);

  auto* layout = new QVBoxLayout(this);
  layout->addWidget(list_, 1);
  layout->addWidget(buttons_);

  // Use is the accept role; the chosen path is taken before the dialog closes.
  disconnect(buttons_, &QDialogButtonBox::accepted, nullptr, nullptr);
  connect(useButton_, &QPushButton::clicked, this, [this] { useCurrent(); });
  connect(buttons_, &QDialogButtonBox::rejected, this, &QDialog::reject);
  connect(addButton_, &QPushButton::clicked, this, [this] { addSet(); });
  connect(removeButton_, &QPushButton::clicked, this, [this] { removeCurrent(); });
  connect(list_, &QListView::doubleClicked, this, [this] { useCurrent(); });

  PreviewCache(cacheFolder).keepOnly(rescan());
}

SetChooserDialog::~SetChooserDialog() = default;

QList<SetEntry> SetChooserDialog::rescan(const QString& select) {
  const QList<SetEntry> entries = scanSets(sources_);
  model_->setEntries(entries);
  for (int row = 0; row < model_->rowCount(); ++row)
    if (!model_->data(model_->index(row), SetListModel::SummaryReadyRole).toBool())
      loader_->request(model_->entry(row));
  const int wanted = select.isEmpty() ? 0 : std::max(0, model_->rowOf(select));
  if (model_->rowCount() > 0) list_->setCurrentIndex(model_->index(wanted));
  updateButtons();
  return entries;
}

void SetChooserDialog::showInUse(const QString& path) {
  model_->setInUse(path);
  for (int row = 0; row < model_->rowCount(); ++row)
    if (model_->index(row).data(SetListModel::InUseRole).toBool()) list_->setCurrentIndex(model_->index(row));
}

int SetChooserDialog::currentRow() const {
  const QModelIndex current = list_->currentIndex();
  return current.isValid() ? current.row() : -1;
}

void SetChooserDialog::updateButtons() {
  const int row = currentRow();
  const QModelIndex index = model_->index(row);
  useButton_->setEnabled(row >= 0 && index.data(SetListModel::ErrorRole).toString().isEmpty());
  removeButton_->setEnabled(row >= 0 && model_->entry(row).origin == SetOrigin::Player);
}

void SetChooserDialog::useCurrent() {
  if (!useButton_->isEnabled()) return;
  chosenPath_ = model_->entry(currentRow()).path;
  accept();
}

void SetChooserDialog::addSet() {
  FileDialogRequest request;
  request.title = QStringLiteral("Please select an image set to add:");
  request.filter = QStringLiteral(
      "Image Set (*.SET)|*.set|eXtended Set (*.XET)|*.xet|Any Set (*.SET,*.XET)|*.xet;*.set|All Files (*.*)|*.*");
  request.filterIndex = 3;
  request.mustExist = true;
  const QString path = prompts().chooseFile(this, request);
  if (path.isEmpty()) return;
  QString added;
  const QString error = addSetToFolder(path, sources_.playerFolder, &added);
  if (!error.isEmpty()) {
    prompts().message(this, QFileInfo(path).fileName() + QStringLiteral(" cannot be added:\n") + error,
                      QStringLiteral("Error"), BoxIcon::Error);
    return;
  }
  rescan(added);
}

void SetChooserDialog::removeCurrent() {
  const int row = currentRow();
  if (row < 0 || model_->entry(row).origin != SetOrigin::Player) return;
  const SetEntry entry = model_->entry(row);
  const QString name = model_->data(model_->index(row), Qt::DisplayRole).toString();
  if (!prompts().confirm(this,
                         QStringLiteral("Remove \"%1\" from your sets folder?  Its file %2 is deleted.")
                             .arg(name, QFileInfo(entry.path).fileName()),
                         QStringLiteral("Remove Image Set")))
    return;
  if (!removePlayerSet(entry))
    prompts().message(this, QStringLiteral("The file %1 could not be deleted...").arg(entry.path),
                      QStringLiteral("Error"), BoxIcon::Error);
  rescan();
}
