#include "wizard/SetCreationWizard.h"
#include "wizard/WizardPreview.h"

#include <QApplication>
#include <QCloseEvent>
#include <QDialogButtonBox>
#include <QComboBox>
#include <QFileInfo>
#include <QFrame>
#include <QGroupBox>
#include <QLabel>
#include <QLayout>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>
#include <QGuiApplication>
#include <QScreen>
#include <QScrollArea>
#include <QStyle>
#include <QStackedWidget>
#include <QStorageInfo>
#include <QVBoxLayout>
#include <QDir>
#include <QSignalBlocker>
#include <QTimer>

#include "imageset/CursorTable.h"
#include "imageset/DefaultSet.h"
#include "ui/AppInfo.h"
#include "ui/DialogLook.h"
#include "ui/PaletteColour.h"
#include "ui/Prompts.h"
#include "wizard/CreationProgressDialog.h"
#include "wizard/CursorSetupDialog.h"
#include "wizard/CursorTile.h"
#include "wizard/ImageGroupDialog.h"
#include "wizard/MidiFormat.h"
#include "wizard/WizardParts.h"
#include "sound/SoundPorts.h"
#include "wizard/PictureImport.h"
#include "wizard/SoundImport.h"
#include "imageset/SetReaders.h"

namespace {

// The steps in the order the wizard shows them.
enum Page { kStripsPage, kPicturesPage, kSoundsPage, kTextsPage, kCursorPage, kOutputPage, kPages };
constexpr int kLastPage = kOutputPage;
static_assert(int(kPages) == int(kDraftSteps));
// The preview and the saved draft follow typing this long after the last key.
constexpr int kSettleMs = 150;

// On top like the wizard, or it could open behind it; the wait cursor lasts until
// the writer ends.
CreationProgressDialog* showProgressWindow() {
  auto* window = new CreationProgressDialog;
  window->setWindowFlag(Qt::WindowStaysOnTopHint);
  window->show();
  window->repaint();
  QApplication::setOverrideCursor(Qt::WaitCursor);
  return window;
}

// The name after the last folder or drive separator.
QString nameAfterFolders(const QString& path) {
  const qsizetype cut = std::max(path.lastIndexOf(QLatin1Char('/')), path.lastIndexOf(QLatin1Char(':')));
  return path.mid(cut + 1);
}

bool isSetFileName(const QString& path) {
  const QString name = nameAfterFolders(path);
  const qsizetype dot = name.lastIndexOf(QLatin1Char('.'));
  return !name.isEmpty() && dot >= 0 && name.mid(dot).toUpper() == QStringLiteral(".XET");
}

// The colour of a swatch as the set stores it (0x00BBGGRR).
std::uint32_t swatchColour(const QFrame* swatch) {
  return colourValue(swatch->palette().color(QPalette::Window));
}

QPushButton* stepButton(const QString& text, const char* name) {
  auto* button = new SizedButton(text, {77, 25});
  button->setObjectName(QLatin1String(name));
  return button;
}

}  // namespace

// ---------------------------------------------------------------- window

SetCreationWizard::SetCreationWizard(const CursorTable& cursors, const BuiltinPictures& pictures,
                                     ImageGroupDialog& editGroup, CursorSetupDialog& customSetup, QWidget* parent,
                                     WizardPorts ports)
    : GameDialog(true, parent), editGroup_(editGroup), ports_(std::move(ports)), customSetup_(customSetup) {
  settle_ = new QTimer(this);
  settle_->setSingleShot(true);
  settle_->setInterval(kSettleMs);
  connect(settle_, &QTimer::timeout, this, [this] { settle(); });
  setWindowFlags(windowFlags() | Qt::WindowSystemMenuHint | Qt::WindowStaysOnTopHint);
  setWindowTitle(tr("%1 - Create New eXtended Image Set Wizard").arg(QLatin1String(kAppName)));
  setModal(true);
  addPages(cursors, pictures);
  layOutFrame();
  resetFields();
  for (QLineEdit* field : findChildren<QLineEdit*>()) connect(field, &QLineEdit::textChanged, this, [this] { edited(); });
  connect(tickMode_, &QComboBox::currentIndexChanged, this, [this] { edited(); });
  // The tune heard on the sounds step ends with the wizard, however it closes.
  connect(this, &QDialog::finished, this, [this] { stopTune(); });
}

SetCreationWizard::~SetCreationWizard() { stopTune(); }

void SetCreationWizard::addPages(const CursorTable& cursors, const BuiltinPictures& pictures) {
  pages_ = new QStackedWidget;
  pages_->addWidget(makeAnimationPage());
  pages_->addWidget(makeBitmapsPage(pictures));
  pages_->addWidget(makeSoundsPage());
  pages_->addWidget(makeTextsPage());
  pages_->addWidget(makeCursorPage(cursors));
  pages_->addWidget(makeOutputPage());
  // What resetFields leaves alone starts out once per wizard.
  setPaletteColour(*titleColour_, QPalette::Window, QColor(255, 0, 0));
  setPaletteColour(*pageColour_, QPalette::Window, QColor(255, 255, 255));
  url_->setText(QStringLiteral("http://"));
  connect(pages_, &QStackedWidget::currentChanged, this, [this] { pageChanged(); });
}

// The heading strip with the step number, the page area, a rule and the step buttons,
// top to bottom. The window is 592 x 413 unless a page needs more room.
void SetCreationWizard::layOutFrame() {
  intro_ = wizardparts::wrapped(tr("This wizard creates an eXtended Image Set, which lets you change the "
                                    "graphics and sound of %1.  Please follow the prompts on each step.")
                                    .arg(QLatin1String(kAppName)),
                                this);
  intro_->setMinimumHeight(33);
  pageTitle_ = new QLabel;
  pageTitle_->setObjectName(QStringLiteral("pageTitle"));
  pageTitle_->setFrameStyle(QFrame::Panel | QFrame::Sunken);
  pageTitle_->setAlignment(Qt::AlignCenter);
  pageTitle_->setText(tr("Step %1 of %2").arg(1).arg(kPages));
  setLeastSize(pageTitle_, {88, 23});
  auto* heading = new QHBoxLayout;
  heading->setContentsMargins(8, 2, 8, 2);
  heading->setSpacing(8);
  heading->addWidget(intro_, 1);
  heading->addWidget(pageTitle_, 0, Qt::AlignVCenter);

  auto* rule = new QFrame;
  rule->setFrameStyle(QFrame::HLine | QFrame::Sunken);
  rule->setFixedHeight(2);

  back_ = stepButton(tr("<< &Back"), "back");
  next_ = stepButton(tr("&Next >>"), "next");
  cancel_ = stepButton(tr("&Cancel"), "cancel");
  next_->setDefault(true);
  auto* buttons = new QDialogButtonBox;
  buttons->addButton(back_, QDialogButtonBox::ActionRole);
  buttons->addButton(next_, QDialogButtonBox::ActionRole);
  buttons->addButton(cancel_, QDialogButtonBox::RejectRole);
  buttons->layout()->setSpacing(4);
  connect(cancel_, &QPushButton::clicked, this, &SetCreationWizard::reject);
  connect(next_, &QPushButton::clicked, this, [this] { next(); });
  connect(back_, &QPushButton::clicked, this, [this] { back(); });
  auto* bottom = new QHBoxLayout;
  bottom->setContentsMargins(0, 2, 5, 2);
  bottom->addWidget(buttons);

  auto* column = new QVBoxLayout(this);
  column->setContentsMargins(0, 0, 0, 0);
  column->setSpacing(0);
  column->addLayout(heading);
  // The step scrolls only on a screen too small for it; the buttons stay in view.
  scroll_ = new QScrollArea;
  scroll_->setObjectName(QStringLiteral("stepArea"));
  scroll_->setFrameShape(QFrame::NoFrame);
  scroll_->setWidgetResizable(true);
  scroll_->setWidget(pages_);
  column->addWidget(scroll_, 1);
  column->addWidget(rule);
  column->addLayout(bottom);
  // The width the steps were drawn for; the height is each step's own.
  setDesignSize({592, 1});
}

void SetCreationWizard::fitStep() {
  // Only the step shown asks for room, so a short step makes a short window.
  for (int i = 0; i < pages_->count(); ++i) {
    const QSizePolicy::Policy policy = i == pages_->currentIndex() ? QSizePolicy::Preferred : QSizePolicy::Ignored;
    pages_->widget(i)->setSizePolicy(policy, policy);
  }
  pages_->adjustSize();
  QWidget* page = pages_->currentWidget();
  // A step not shown before has not taken the dialog's font and style yet.
  page->ensurePolished();
  if (page->layout()) page->layout()->activate();
  QSize wanted = page->sizeHint().expandedTo(page->minimumSizeHint());
  // Wrapped texts need more height at the width they get than their hint says.
  if (page->layout() && page->layout()->hasHeightForWidth())
    wanted.setHeight(std::max(wanted.height(), page->layout()->totalHeightForWidth(wanted.width())));
  // The stack would take the room of its largest step; it takes the shown step's.
  pages_->setMinimumSize(wanted);
  pages_->setMaximumHeight(wanted.height());
  // What the rest of the window and its title bar take, and the screen's room.
  const QScreen* screen = this->screen() ? this->screen() : QGuiApplication::primaryScreen();
  const QRect room = screen ? screen->availableGeometry() : QRect(0, 0, 1280, 720);
  const int around = std::max(0, isVisible() ? height() - scroll_->height() : sizeHint().height() - scroll_->sizeHint().height());
  const int titleBar = style()->pixelMetric(QStyle::PM_TitleBarHeight, nullptr, this);
  const int highest = std::max(120, room.height() - around - titleBar);
  const int widest = std::max(320, room.width() - 16);
  const bool scrolls = wanted.height() > highest;
  const int bar = scrolls ? style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, this) + 2 : 0;
  scroll_->setMinimumSize(std::min(wanted.width() + bar, widest), std::min(wanted.height(), highest));
  scroll_->setMaximumHeight(std::min(wanted.height(), highest));
  // Once the step is shown it knows its size for sure; then the window is kept within the screen.
  if (isVisible() && !refitting_) {
    QTimer::singleShot(0, this, [this] {
      refitting_ = true;
      fitStep();
      refitting_ = false;
      QTimer::singleShot(0, this, [this] { keepOnScreen(); });
    });
  }
}

void SetCreationWizard::keepOnScreen() {
  const QScreen* screen = this->screen();
  if (!screen) return;
  const QRect room = screen->availableGeometry();
  const QRect frame = frameGeometry();
  const int x = std::clamp(frame.x(), room.left(), std::max(room.left(), room.right() + 1 - frame.width()));
  const int y = std::clamp(frame.y(), room.top(), std::max(room.top(), room.bottom() + 1 - frame.height()));
  if (x != frame.x() || y != frame.y()) move(pos() + QPoint(x - frame.x(), y - frame.y()));
}

// ---------------------------------------------------------------- navigation

void SetCreationWizard::resetFields() {
  draft_ = SetDraft();
  if (!ports_.setsFolder.isEmpty())
    draft_.inputs.outFile = QDir(ports_.setsFolder).filePath(QStringLiteral("new-set.xet"));
  showDraft();
}

void SetCreationWizard::showDraft() {
  const SetInputs& in = draft_.inputs;
  const QSignalBlocker quiet(settle_);
  pict1_->setText(in.pict1);
  pict2_->setText(in.pict2);
  titleFile_->setText(in.titleBmp);
  numbersFile_->setText(in.numbersBmp);
  countFile_->setText(in.countBmp);
  miscFile_->setText(in.miscBmp);
  for (std::size_t i = 0; i < waveFiles_.size(); ++i) waveFiles_[i]->setText(in.waves[i]);
  musicFile_->setText(in.music);
  cursorFile_->setText(in.cursorFile);
  setName_->setText(in.name);
  author_->setText(in.author);
  email_->setText(in.email);
  url_->setText(in.url);
  comment_->setText(in.comment);
  prefix_->setText(in.prefix);
  suffix_->setText(in.suffix);
  for (std::size_t i = 0; i < ratings_.size(); ++i) ratings_[i]->setText(in.ratings[i]);
  outFile_->setText(in.outFile);
  setPaletteColour(*titleColour_, QPalette::Window, colourFromValue(in.titleColour));
  setPaletteColour(*pageColour_, QPalette::Window, colourFromValue(in.pageColour));
  tickMode_->setCurrentIndex(in.tickMode);
  // Long texts show their beginning, not where typing would go on.
  for (QLineEdit* field : findChildren<QLineEdit*>()) field->setCursorPosition(0);
  chooseCursor(in.cursorChoice);
  pages_->setCurrentIndex(draft_.step);
  settle_->stop();
  pageChanged();
  showSoundLengths();
}

void SetCreationWizard::takeControls() {
  const SetInputs in = inputs();
  draft_.inputs = in;
  draft_.step = pages_->currentIndex();
}

void SetCreationWizard::edited() { settle_->start(); }

void SetCreationWizard::settle() {
  takeControls();
  refreshPreview();
  if (pages_->currentIndex() == kSoundsPage) showSoundLengths();
  if (!ports_.draftPath.isEmpty() && draft_.anythingFilled()) saveDraftFile(draft_, ports_.draftPath);
}

void SetCreationWizard::showSoundLengths() {
  for (std::size_t i = 0; i < soundLengths_.size(); ++i) {
    if (!soundLengths_[i]) continue;
    const QString& name = draft_.inputs.waves[i];
    if (name.trimmed().isEmpty()) {
      soundLengths_[i]->setText(tr("built-in"));
      continue;
    }
    const SoundImport sound = importSound(name, kLongestSound);
    soundLengths_[i]->setText(sound.ok() ? soundLengthText(sound) : tr("cannot be used"));
    soundLengths_[i]->setToolTip(sound.error);
  }
}

void SetCreationWizard::playSound(std::size_t index) {
  takeControls();
  if (!ports_.sound) return;
  const QString& name = draft_.inputs.waves[index];
  SoundBuffer buffer;
  if (name.trimmed().isEmpty()) {
    ports_.sound->stopWave(WaveChannel::Main);
    return;
  }
  const SoundImport sound = importSound(name, kLongestSound);
  if (!sound.ok()) {
    showError(sound.error);
    return;
  }
  buffer.data = SoundBytes::Block(sound.samples.begin(), sound.samples.end());
  ports_.sound->playWave(buffer, WaveChannel::Main);
}

void SetCreationWizard::playTune() {
  takeControls();
  if (!ports_.playTune) return;
  const QString& name = draft_.inputs.music;
  TuneProblem problem = TuneProblem::None;
  const QByteArray midi = readTuneData(name, problem);
  if (problem != TuneProblem::None) {
    showError(tuneProblemLine(problem, name));
    return;
  }
  QString error;
  tunePlaying_ = true;
  if (!ports_.playTune(midi, error)) showError(error);
}

void SetCreationWizard::stopTune() {
  if (tunePlaying_ && ports_.stopTune) ports_.stopTune();
  tunePlaying_ = false;
}

bool SetCreationWizard::mayDiscard() {
  takeControls();
  if (!draft_.anythingFilled()) return true;
  return prompts().confirm(this, tr("Discard the set you are making? Everything filled in on these steps will be lost."),
                           tr("Discard the new set?"));
}

void SetCreationWizard::aboutToShow() {
  resetFields();
  if (ports_.draftPath.isEmpty()) return;
  const DraftLoad loaded = loadDraftFile(ports_.draftPath);
  if (loaded.draft) {
    draft_ = *loaded.draft;
    showDraft();
  }
  if (!loaded.message.isEmpty()) prompts().message(this, loaded.message, tr("Set draft"), BoxIcon::Exclamation);
}

void SetCreationWizard::pageChanged() {
  const int page = pages_->currentIndex();
  fitStep();
  pageTitle_->setText(tr("Step %1 of %2").arg(page + 1).arg(kPages));
  back_->setEnabled(page > 0);
  next_->setEnabled(page < kLastPage);
  cancel_->setEnabled(true);
  cancel_->setText(page == kLastPage ? tr("&Quit") : tr("&Cancel"));
  refreshPreview();
}

void SetCreationWizard::refreshPreview() {
  const int page = pages_->currentIndex();
  WizardPreview* shown = page == 0 ? animationPreview_ : page == 1 ? picturesPreview_ : nullptr;
  if (shown) shown->showInputs(inputs());
}

void SetCreationWizard::back() {
  takeControls();
  draft_.back();
  pages_->setCurrentIndex(draft_.step);
}

bool SetCreationWizard::checkPage(int page) {
  takeControls();
  const QString problem = draft_.checkStep(page);
  if (!problem.isEmpty()) showError(problem);
  return problem.isEmpty();
}

void SetCreationWizard::next() {
  takeControls();
  if (draft_.onLastStep()) return;
  QString why;
  if (!draft_.next(&why)) {
    showError(why);
    return;
  }
  pages_->setCurrentIndex(draft_.step);
  if (draft_.onLastStep()) showEstimatedSize(estimateSetSize(draft_.prepare().set, writerHeader_));
}

void SetCreationWizard::showEstimatedSize(qint64 bytes) {
  estimatedSize_ = bytes;
  estimate_->setText(tr("%1 bytes   (%2k)").arg(bytes).arg(bytes / 1024));
}

void SetCreationWizard::showError(const QString& text) {
  prompts().message(this, text, tr("Error"), BoxIcon::Error);
}

// ---------------------------------------------------------------- inputs

void SetCreationWizard::editImageGroup() {
  QString pict1 = pict1_->text(), pict2 = pict2_->text();
  if (editGroup_.edit(pict1, pict2)) {
    pict1_->setText(pict1);
    pict2_->setText(pict2);
    refreshPreview();
  }
}

void SetCreationWizard::chooseCursor(int tag) {
  if (tag < 1 || tag > 8) return;
  cursorTiles_[static_cast<std::size_t>(cursorChoice_ - 1)]->setSelected(false);
  cursorChoice_ = tag;
  customCursorBox_->setVisible(cursorChoice_ == kCustomCursorSlot);
  cursorTiles_[static_cast<std::size_t>(cursorChoice_ - 1)]->setSelected(true);
}

void SetCreationWizard::setUpCursor() {
  if (!isRegularFile(cursorFile_->text())) {
    showError(tr("Error, bitmap file not found..."));
    return;
  }
  if (!customSetup_.loadCursorPicture(cursorFile_->text())) return;
  takeControls();
  customSetup_.setHotSpot({draft_.inputs.hotSpotX, draft_.inputs.hotSpotY});
  prompts().runModal(customSetup_);
  const SetCursor cursor = customSetup_.cursor();
  draft_.inputs.hotSpotX = static_cast<std::uint8_t>(cursor.hotSpot.x());
  draft_.inputs.hotSpotY = static_cast<std::uint8_t>(cursor.hotSpot.y());
  edited();
}

void SetCreationWizard::pickColour(QFrame* swatch) {
  const QColor chosen = prompts().chooseColour(this, swatch->palette().color(QPalette::Window));
  if (chosen.isValid()) setPaletteColour(*swatch, QPalette::Window, chosen);
  settle();
}

void SetCreationWizard::browse(QLineEdit* field, Dialog kind, const QString& title) {
  struct Kind {
    const char* filter;
    const char* defaultExt;
  };
  // Indexed by Dialog.
  static constexpr Kind kKinds[] = {
      {nullptr, "png"},
      {QT_TRANSLATE_NOOP("SetCreationWizard", "Sounds (*.wav *.flac *.ogg *.oga *.opus *.mp3 *.aif *.aiff)|*.wav;*.flac;*.ogg;*.oga;*.opus;*.mp3;*.aif;*.aiff|All Files (*.*)|*.*"), "wav"},
      {QT_TRANSLATE_NOOP("SetCreationWizard", "MIDI Files (*.MID,*.RMI)|*.mid;*.rmi|All Files (*.*)|*.*"), "mid"},
      {QT_TRANSLATE_NOOP("SetCreationWizard", "eXtended Image Set (*.XET)|*.xet|All Files (*.*)|*.*"), "xet"},
  };
  const auto index = static_cast<std::size_t>(kind);
  FileDialogRequest request;
  request.title = title;
  request.filter = kind == Dialog::Bitmap ? pictureFileFilter() : tr(kKinds[index].filter);
  request.defaultExt = QString::fromLatin1(kKinds[index].defaultExt);
  if (kind == Dialog::Save) {
    request.save = true;
    request.mustExist = false;
  }
  QString& last = lastDialogFile_[index];
  request.initialPath = isRegularFile(field->text()) ? field->text() : last;
  const QString chosen = prompts().chooseFile(this, request);
  if (chosen.isEmpty()) return;
  last = chosen;
  field->setText(QFileInfo(chosen).absoluteFilePath());
}

SetInputs SetCreationWizard::inputs() const {
  SetInputs in;
  in.outFile = outFile_->text();
  in.pict1 = pict1_->text();
  in.pict2 = pict2_->text();
  in.titleBmp = titleFile_->text();
  in.numbersBmp = numbersFile_->text();
  in.countBmp = countFile_->text();
  in.miscBmp = miscFile_->text();
  for (std::size_t i = 0; i < waveFiles_.size(); ++i) in.waves[i] = waveFiles_[i]->text();
  in.music = musicFile_->text();
  in.cursorFile = cursorFile_->text();
  in.name = setName_->text();
  in.author = author_->text();
  in.email = email_->text();
  in.url = url_->text();
  in.comment = comment_->text();
  in.prefix = prefix_->text();
  in.suffix = suffix_->text();
  for (std::size_t i = 0; i < ratings_.size(); ++i) in.ratings[i] = ratings_[i]->text();
  in.titleColour = swatchColour(titleColour_);
  in.pageColour = swatchColour(pageColour_);
  in.cursorChoice = static_cast<std::uint8_t>(cursorChoice_);
  in.hotSpotX = draft_.inputs.hotSpotX;
  in.hotSpotY = draft_.inputs.hotSpotY;
  in.tickMode = static_cast<std::uint8_t>(std::max(tickMode_->currentIndex(), 0));
  return in;
}

// ---------------------------------------------------------------- last page

qint64 SetCreationWizard::freeSpaceFor(const QString& path) {
  QFileInfo info(path);
  QString folder = info.absolutePath();
  // The folder may not exist yet; the nearest existing one holds the file system.
  while (!QFileInfo(folder).isDir() && folder != QFileInfo(folder).absolutePath())
    folder = QFileInfo(folder).absolutePath();
  const QStorageInfo storage(folder);
  if (!storage.isValid() || !storage.isReady()) return -1;
  return storage.bytesAvailable();
}

void SetCreationWizard::outFileChanged() {
  const QString out = outFile_->text();
  sizePanel_->setVisible(isSetFileName(out));
  if (out.isEmpty()) return;

  const qint64 free = freeSpaceFor(out);
  freeSpace_->setText(tr("%1 bytes  (%2k)").arg(free).arg(free / 1024));
  warning_->setVisible(free < estimatedSize_);
}

void SetCreationWizard::createSet() {
  if (creating_) return;
  creating_ = true;
  // Nothing in the wizard may change or start a second creation meanwhile.
  setEnabled(false);
  QPointer<CreationProgressDialog> progress;
  const WriteOutcome outcome = writeSet(inputs(), progress);
  if (progress) QApplication::restoreOverrideCursor();
  // The progress window stays up, showing how the writer ended, until the message is read.
  if (outcome.valid())
    prompts().message(this, writeOutcomeText(outcome), tr("Sucess!"), BoxIcon::Information);
  else if (outcome.kind != WriteOutcome::NotConverted)
    showError(writeOutcomeText(outcome));
  if (progress) progress->finish();
  setEnabled(true);
  creating_ = false;
  if (outcome.valid()) {
    // The work is in the set now; nothing is left to resume.
    if (!ports_.draftPath.isEmpty()) removeDraftFile(ports_.draftPath);
    const QString written = draft_.inputs.outFile;
    if (ports_.useSet && prompts().confirm(this, tr("The new set is written. Use it now?"), tr("Use the new set")))
      ports_.useSet(written);
    draft_ = SetDraft();
    done(QDialog::Accepted);
    return;
  }
  if (closeWhenDone_) reject();
}

WriteOutcome SetCreationWizard::writeSet(const SetInputs& in, QPointer<CreationProgressDialog>& progress) {
  CreationProgressRelay relay(progress);
  // The player's sets folder is made at its first set; any other folder must be there already.
  if (!ports_.setsFolder.isEmpty() && QFileInfo(in.outFile).absolutePath() == QDir(ports_.setsFolder).absolutePath())
    QDir().mkpath(ports_.setsFolder);
  const Preparation prepared = prepareSet(in);
  if (!prepared.ok()) {
    showError(prepared.problems.join(QLatin1Char('\n')));
    WriteOutcome refused;
    refused.kind = WriteOutcome::NotConverted;
    return refused;
  }
  return writeExtendedSet(prepared.set, writerHeader_, relay, [&progress] { progress = showProgressWindow(); });
}

void SetCreationWizard::closeEvent(QCloseEvent* event) {
  // The title bar's close is a Cancel: it asks before anything filled in is lost.
  event->ignore();
  reject();
}

void SetCreationWizard::reject() {
  if (creating_) {
    closeWhenDone_ = true;
    return;
  }
  if (!mayDiscard()) return;
  if (!ports_.draftPath.isEmpty()) removeDraftFile(ports_.draftPath);
  draft_ = SetDraft();
  QDialog::reject();
}
