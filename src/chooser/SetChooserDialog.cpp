#include "chooser/SetChooserDialog.h"

#include <QApplication>
#include <QDialogButtonBox>
#include <QDir>
#include <QFileInfo>
#include <QLabel>
#include <QListView>
#include <QTextLayout>
#include <QLocale>
#include <QPainter>
#include <QPushButton>
#include <QStyledItemDelegate>
#include <QVBoxLayout>

#include "chooser/PreviewLoader.h"
#include "chooser/SetListModel.h"
#include "board/SetPreview.h"
#include "common/Files.h"
#include "imageset/SetPlaces.h"
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
    // The row's background and selection as the style draws them.
    QStyleOptionViewItem background = option;
    initStyleOption(&background, index);
    background.text.clear();
    background.icon = QIcon();
    background.features &= ~QStyleOptionViewItem::HasDecoration;
    QStyle* style = option.widget ? option.widget->style() : QApplication::style();
    style->drawPrimitive(QStyle::PE_PanelItemViewItem, &background, painter, option.widget);
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
    const QString state = ready ? SetChooserDialog::tr("No preview")
                          : index.data(SetListModel::StalledRole).toBool() ? SetChooserDialog::tr("Not answering")
                                                                            : SetChooserDialog::tr("Drawing preview...");
    painter->drawText(rect, Qt::AlignCenter, state);
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
      lines(painter, rect, error, 2);
      painter->restore();
    } else {
      const QString author = index.data(SetListModel::AuthorRole).toString();
      if (!author.isEmpty()) line(painter, rect, SetChooserDialog::tr("by ") + author);
      const int room = rect.height() / std::max(1, painter->fontMetrics().lineSpacing()) - 2;
      lines(painter, rect, index.data(SetListModel::CommentRole).toString(), room);
    }
    QRect foot = rect;
    foot.setTop(rect.bottom() - 2 * painter->fontMetrics().lineSpacing());
    line(painter, foot, marks(index));
    const QString origin = originText(SetOrigin(index.data(SetListModel::OriginRole).toInt()));
    line(painter, foot, index.data(SetListModel::InUseRole).toBool() ? origin + SetChooserDialog::tr("  \u00b7  in use") : origin);
  }

  // Draws one line at the top of rect and moves rect's top below it.
  static void line(QPainter* painter, QRect& rect, const QString& text) {
    const int height = painter->fontMetrics().lineSpacing();
    painter->drawText(QRect(rect.left(), rect.top(), rect.width(), height), Qt::AlignLeft | Qt::AlignVCenter,
                      painter->fontMetrics().elidedText(text, Qt::ElideRight, rect.width()));
    rect.setTop(rect.top() + height);
  }

  // Word-wraps text into at most count lines at the top of rect, the last one elided.
  static void lines(QPainter* painter, QRect& rect, const QString& text, int count) {
    if (count <= 0 || text.isEmpty()) return;
    const QFontMetrics metrics = painter->fontMetrics();
    QTextLayout layout(text, painter->font());
    QTextOption wrap;
    wrap.setWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
    layout.setTextOption(wrap);
    layout.beginLayout();
    for (int n = 0; n < count; ++n) {
      QTextLine row = layout.createLine();
      if (!row.isValid()) break;
      row.setLineWidth(rect.width());
      const bool last = n == count - 1;
      const QString part = last ? text.mid(row.textStart()) : text.mid(row.textStart(), row.textLength());
      line(painter, rect, part.trimmed().replace(QLatin1Char('\n'), QLatin1Char(' ')));
      if (last) break;
    }
    layout.endLayout();
  }

  static QString marks(const QModelIndex& index) {
    const qint64 size = index.data(SetListModel::SizeRole).toLongLong();
    if (size < 0)
      return index.data(SetListModel::StalledRole).toBool() ? SetChooserDialog::tr("Not answering")
                                                             : SetChooserDialog::tr("Looking...");
    QStringList parts{QLocale().toString(size) + SetChooserDialog::tr(" bytes")};
    if (index.data(SetListModel::SummaryReadyRole).toBool() && index.data(SetListModel::ErrorRole).toString().isEmpty()) {
      const int sounds = index.data(SetListModel::SoundsRole).toInt();
      parts << (sounds == 0 ? SetChooserDialog::tr("no sounds")
                            : sounds == 1 ? SetChooserDialog::tr("1 sound") : SetChooserDialog::tr("%1 sounds").arg(sounds));
      parts << (index.data(SetListModel::TuneRole).toBool() ? SetChooserDialog::tr("tune") : SetChooserDialog::tr("no tune"));
    }
    return parts.join(QStringLiteral("  \u00b7  "));
  }
};

}  // namespace

SetChooserDialog::SetChooserDialog(SetSources sources, const QString& cacheFolder, QWidget* parent, qreal dpr)
    : GameDialog(true, parent), sources_(std::move(sources)), cacheFolder_(cacheFolder) {
  setObjectName(QStringLiteral("setChooser"));
  setWindowTitle(tr("Choose Image Set"));
  model_ = new SetListModel(this);
  list_ = new QListView(this);
  // The previews are drawn at the density of the screen the list is on, pixel for pixel.
  previewDpr_ = dpr > 0 ? dpr : list_->devicePixelRatioF();
  loader_ = new PreviewLoader(PreviewCache(cacheFolder, previewDpr_),
                              [this](const QString& path, const SetSummary& summary) {
                                model_->setSummary(path, summary);
                                updateButtons();
                              },
                              this);
  connect(loader_, &PreviewLoader::stalled, this, [this](const QString& tag) {
    model_->setStalled(tag);
    if (tag == QLatin1String("\n folders"))
      status_->setText(tr("A sets folder is not answering."));
    else if (sources_.recent.contains(tag) && !recentFound_.contains(tag))
      status_->setText(tr("A file loaded lately is not answering."));
  });
  connect(model_, &SetListModel::previewWanted, this, [this](const SetEntry& entry) { loader_->request(entry); },
          Qt::QueuedConnection);
  list_->setObjectName(QStringLiteral("setList"));
  list_->setModel(model_);
  connect(list_->selectionModel(), &QItemSelectionModel::currentChanged, this, [this] { updateButtons(); });
  list_->setItemDelegate(new SetEntryDelegate(list_));
  list_->setUniformItemSizes(true);
  list_->setVerticalScrollMode(QAbstractItemView::ScrollPerPixel);
  list_->setMinimumSize(kSetPreviewSize.width() + 340, kSetPreviewSize.height() + 2 * kGap + 4);
  status_ = new QLabel(this);
  status_->setObjectName(QStringLiteral("chooserStatus"));

  buttons_ = new QDialogButtonBox(this);
  useButton_ = buttons_->addButton(tr("&Use"), QDialogButtonBox::AcceptRole);
  addButton_ = buttons_->addButton(tr("&Add Set..."), QDialogButtonBox::ActionRole);
  removeButton_ = buttons_->addButton(tr("&Remove"), QDialogButtonBox::ActionRole);
  QPushButton* close = buttons_->addButton(QDialogButtonBox::Close);
  useButton_->setObjectName(QStringLiteral("useButton"));
  addButton_->setObjectName(QStringLiteral("addButton"));
  removeButton_->setObjectName(QStringLiteral("removeButton"));
  close->setObjectName(QStringLiteral("closeButton"));
  close->setText(tr("Close"));  // the game's word, in every language the game speaks
  useButton_->setDefault(true);

  auto* layout = new QVBoxLayout(this);
  layout->addWidget(list_, 1);
  layout->addWidget(status_);
  layout->addWidget(buttons_);

  // Use is the accept role; the chosen path is taken before the dialog closes.
  disconnect(buttons_, &QDialogButtonBox::accepted, nullptr, nullptr);
  connect(useButton_, &QPushButton::clicked, this, [this] { useCurrent(); });
  connect(buttons_, &QDialogButtonBox::rejected, this, &QDialog::reject);
  connect(addButton_, &QPushButton::clicked, this, [this] { addSet(); });
  connect(removeButton_, &QPushButton::clicked, this, [this] { removeCurrent(); });
  connect(list_, &QListView::doubleClicked, this, [this] { useCurrent(); });

  // Two and a half rows: within a 1280x720 screen, and its buttons within 960x540.
  setDesignSize({kSetPreviewSize.width() + 400, 5 * (kSetPreviewSize.height() + 2 * kGap) / 2 + 60});
  rescan();
}

// The loader goes with the window without waiting for its workers.
SetChooserDialog::~SetChooserDialog() = default;

void SetChooserDialog::rescan(const QString& select) {
  const int generation = ++generation_;
  select_ = select;
  folderScanned_ = false;
  cleaned_ = false;
  recentFound_.clear();
  status_->setText(tr("Looking for sets..."));
  loader_->run(QStringLiteral("\n folders"), [this, generation, shipped = sources_.shippedFolder,
                                              player = sources_.playerFolder]() -> std::function<void()> {
    QList<SetEntry> found = listFolder(shipped, SetOrigin::Shipped);
    found += listFolder(player, SetOrigin::Player);
    return [this, generation, found] {
      if (generation != generation_) return;
      folderEntries_ = found;
      folderScanned_ = true;
      rebuild();
    };
  });
  // Each recent file on its own: one on a dead mount holds up no other.
  for (const QString& path : sources_.recent) {
    if (path.isEmpty()) continue;
    loader_->run(path, [this, generation, path]() -> std::function<void()> {
      std::optional<SetEntry> found = lookAtFile(path);
      return [this, generation, path, found] {
        if (generation != generation_) return;
        recentFound_.insert(path, found);
        rebuild();
      };
    });
  }
  rebuild();
}

void SetChooserDialog::rebuild() {
  const QString current = select_.isEmpty() ? currentPath() : select_;
  QList<SetEntry> recent;
  QList<SetEntry> waiting;  // not looked at yet: listed by name
  for (const QString& path : sources_.recent) {
    if (path.isEmpty()) continue;
    const auto found = recentFound_.constFind(path);
    if (found == recentFound_.constEnd()) {
      SetEntry entry;
      entry.path = path;
      waiting.append(entry);
    } else if (found->has_value()) {
      recent.append(**found);
    }
  }
  const QList<SetEntry> entries = joinSets(folderEntries_, recent) + waiting;
  model_->setEntries(entries);
  for (const SetEntry& entry : entries) {
    if (entry.size < 0) continue;
    const QString stamp = entry.path + QLatin1Char('\n') + QString::number(entry.size) + QLatin1Char('\n') +
                          QString::number(entry.modifiedMs);
    if (requested_.contains(stamp)) continue;
    requested_.insert(stamp);
    loader_->request(entry);
  }
  int wanted = model_->rowOf(current);
  // Until the player has a list to pick from, the set in force is the current row.
  if (select_.isEmpty() && (!folderScanned_ || !waiting.isEmpty() || currentRow() <= 0))
    for (int row = 0; row < model_->rowCount(); ++row)
      if (model_->index(row).data(SetListModel::InUseRole).toBool()) wanted = row;
  if (wanted >= 0) {
    list_->setCurrentIndex(model_->index(wanted));
    if (current == select_) select_.clear();
  } else if (model_->rowCount() > 0 && !list_->currentIndex().isValid()) {
    list_->setCurrentIndex(model_->index(0));
  }
  if (folderScanned_ && waiting.isEmpty()) {
    status_->clear();
    if (!cleaned_) {
      cleaned_ = true;
      // Previews of files no longer listed go, once every file has been looked at.
      loader_->run(QStringLiteral("\n cache"), [cache = PreviewCache(cacheFolder_, previewDpr_), entries]() -> std::function<void()> {
        cache.keepOnly(entries);
        return {};
      });
    }
  }
  updateButtons();
}

void SetChooserDialog::showInUse(const QString& path) {
  inUse_ = path;
  if (path.isEmpty()) return model_->setInUse({});
  // The file itself, whatever path it was loaded by: found on a worker.
  loader_->run(QStringLiteral("\n in use"), [this, path]() -> std::function<void()> {
    const std::optional<SetEntry> file = lookAtFile(path);
    const QString canonical = file ? file->canonical : QString();
    return [this, path, canonical] {
      if (path != inUse_) return;
      model_->setInUse(canonical);
      for (int row = 0; row < model_->rowCount(); ++row)
        if (model_->index(row).data(SetListModel::InUseRole).toBool()) {
          if (select_.isEmpty()) list_->setCurrentIndex(model_->index(row));
          break;
        }
    };
  });
}

bool SetChooserDialog::waitUntilSettled(int ms) { return loader_->waitForDone(ms); }

int SetChooserDialog::currentRow() const {
  const QModelIndex current = list_->currentIndex();
  return current.isValid() ? current.row() : -1;
}

QString SetChooserDialog::currentPath() const {
  const int row = currentRow();
  return row >= 0 ? model_->entry(row).path : QString();
}

void SetChooserDialog::updateButtons() {
  const int row = currentRow();
  const QModelIndex index = model_->index(row);
  useButton_->setEnabled(row >= 0 && index.data(SetListModel::SummaryReadyRole).toBool() &&
                         index.data(SetListModel::ErrorRole).toString().isEmpty());
  removeButton_->setEnabled(row >= 0 && model_->entry(row).origin == SetOrigin::Player &&
                            index.data(SetListModel::SummaryReadyRole).toBool());
}

void SetChooserDialog::useCurrent() {
  if (!useButton_->isEnabled()) return;
  chosenPath_ = model_->entry(currentRow()).path;
  accept();
}

void SetChooserDialog::addSet() {
  FileDialogRequest request;
  request.title = tr("Please select an image set to add:");
  request.filter = setFileFilter();
  request.filterIndex = kSetFileFilterAnySet;
  request.mustExist = true;
  const QString path = prompts().chooseFile(this, request);
  if (path.isEmpty()) return;
  addButton_->setEnabled(false);
  loader_->run(QStringLiteral("\n add"), [this, path, folder = sources_.playerFolder]() -> std::function<void()> {
    QString added;
    const QString error = addSetToFolder(path, folder, &added);
    return [this, path, error, added] {
      addButton_->setEnabled(true);
      if (!error.isEmpty()) {
        prompts().message(this, tr("%1 cannot be added:\n%2").arg(QFileInfo(path).fileName(), error), tr("Error"),
                          BoxIcon::Error);
        return;
      }
      rescan(added);
    };
  });
}

void SetChooserDialog::removeCurrent() {
  const int row = currentRow();
  if (row < 0 || model_->entry(row).origin != SetOrigin::Player) return;
  const SetEntry entry = model_->entry(row);
  const QString name = model_->data(model_->index(row), Qt::DisplayRole).toString();
  if (!prompts().confirm(this,
                         tr("Remove \"%1\" from your sets folder?  Its file %2 is deleted.")
                             .arg(name, shownFileName(QFileInfo(entry.path).fileName())),
                         tr("Remove Image Set")))
    return;
  removeButton_->setEnabled(false);
  loader_->run(QStringLiteral("\n remove"), [this, entry, name]() -> std::function<void()> {
    QString why;
    const RemoveOutcome outcome = removePlayerSet(entry, name, &why);
    return [this, entry, outcome, why] {
      if (outcome == RemoveOutcome::Changed)
        prompts().message(this,
                          tr("The file %1 has changed since the list was made, so it was not deleted. The list "
                             "now shows it as it is.")
                              .arg(shownFileName(QDir::toNativeSeparators(entry.path))),
                          tr("Error"), BoxIcon::Error);
      else if (outcome == RemoveOutcome::Failed)
        prompts().message(this, tr("The file %1 could not be deleted: %2").arg(shownFileName(QDir::toNativeSeparators(entry.path)), why),
                          tr("Error"), BoxIcon::Error);
      rescan();
    };
  });
}
