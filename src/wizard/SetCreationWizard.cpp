#include "wizard/SetCreationWizard.h"

#include <QApplication>
#include <QCloseEvent>
#include <QColorDialog>
#include <QComboBox>
#include <QFileInfo>
#include <QFrame>
#include <QGroupBox>
#include <QLabel>
#include <QLayout>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>
#include <QScreen>
#include <QSpinBox>
#include <QStackedWidget>
#include <QStorageInfo>

#include "imageset/CursorTable.h"
#include "imageset/DefaultSet.h"
#include "ui/PaletteColour.h"
#include "ui/Prompts.h"
#include "wizard/CreationProgressDialog.h"
#include "wizard/CursorSetupDialog.h"
#include "wizard/ImageGroupDialog.h"
#include "wizard/WizardParts.h"

namespace {

// The steps in the order the wizard shows them.
enum Page { kStripsPage, kPicturesPage, kSoundsPage, kTextsPage, kCursorPage, kOutputPage, kPages };
constexpr int kLastPage = kOutputPage;

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

}  // namespace

std::uint32_t swatchColour(const QFrame* swatch) {
  return colourValue(swatch->palette().color(QPalette::Window));
}

void setSwatchColour(QFrame* swatch, const QColor& colour) {
  setPaletteColour(*swatch, QPalette::Window, colour);
}

// ---------------------------------------------------------------- window

SetCreationWizard::SetCreationWizard(const CursorTable& cursors, const BuiltinPictures& pictures,
                                     ImageGroupDialog& editGroup, CursorSetupDialog& customSetup, QWidget* parent)
    : GameDialog(true, parent), editGroup_(editGroup), customSetup_(customSetup) {
  setWindowFlags(windowFlags() | Qt::WindowSystemMenuHint | Qt::WindowStaysOnTopHint);
  chooseColour = [](const QColor& initial, QWidget* parent) { return QColorDialog::getColor(initial, parent); };
  setWindowTitle(QStringLiteral("Pie Vorb Quarn - Create New eXtended Image Set Wizard"));
  setModal(true);

  addHeading();
  addPages(cursors, pictures);
  addStepButtons();
  layOutFrame();
  resetFields();
}

void SetCreationWizard::addHeading() {
  introLabel = wizardparts::wrapped(QStringLiteral("This wizard creates an eXtended Image Set, which lets you change the "
                                                   "graphics and sound of Pie Vorb Quarn.  Please follow the prompts on "
                                                   "each step."),
                                    this);
  pageTitle = new QLabel(this);
  pageTitle->setObjectName(QStringLiteral("pageTitle"));
  pageTitle->setFrameStyle(QFrame::Panel | QFrame::Sunken);
  pageTitle->setAlignment(Qt::AlignCenter);
}

void SetCreationWizard::addPages(const CursorTable& cursors, const BuiltinPictures& pictures) {
  pages = new QStackedWidget(this);
  pages->addWidget(makeAnimationPage());
  pages->addWidget(makeBitmapsPage(pictures));
  pages->addWidget(makeSoundsPage());
  pages->addWidget(makeTextsPage());
  pages->addWidget(makeCursorPage(cursors));
  pages->addWidget(makeOutputPage());
  // What resetFields leaves alone starts out once per wizard.
  setSwatchColour(titleColourSwatch, QColor(255, 0, 0));
  setSwatchColour(pageColourSwatch, QColor(255, 255, 255));
  urlEdit->setText(QStringLiteral("http://"));
  connect(pages, &QStackedWidget::currentChanged, this, [this] { pageChanged(); });
}

void SetCreationWizard::addStepButtons() {
  bottomRule = new QFrame(this);
  bottomRule->setFrameStyle(QFrame::HLine | QFrame::Sunken);

  backButton = new QPushButton(QStringLiteral("<< &Back"), this);
  nextButton = new QPushButton(QStringLiteral("&Next >>"), this);
  cancelButton = new QPushButton(QStringLiteral("&Cancel"), this);
  nextButton->setDefault(true);
  connect(cancelButton, &QPushButton::clicked, this, [this] { cancel(); });
  connect(nextButton, &QPushButton::clicked, this, [this] { next(); });
  connect(backButton, &QPushButton::clicked, this, [this] { back(); });
}

// The heading strip, the page area, the rule and the bottom bar, top to bottom. The
// window is 592 x 413 unless a page needs more room for its texts in the face in use.
void SetCreationWizard::layOutFrame() {
  constexpr int kHeading = 37, kBottomBar = 31, kButtonWidth = 77, kButtonGap = 4;
  int width = 592;
  for (int i = 0; i < pages->count(); ++i) width = std::max(width, pages->widget(i)->minimumSizeHint().width());
  int pageHeight = 345;
  for (int i = 0; i < pages->count(); ++i) {
    const QLayout* layout = pages->widget(i)->layout();
    pageHeight = std::max(pageHeight, layout->hasHeightForWidth() ? layout->totalHeightForWidth(width)
                                                                  : layout->totalMinimumSize().height());
  }
  const int height = kHeading + pageHeight + kBottomBar;
  setFixedSize(width, height);
  pageTitle->setGeometry(width - 96, 7, 88, 23);
  introLabel->setGeometry(8, 2, width - 112, kHeading - 4);
  pages->setGeometry(0, kHeading, width, pageHeight);
  bottomRule->setGeometry(0, kHeading + pageHeight, width, 2);
  int left = width - 5;
  for (QPushButton* button : {cancelButton, nextButton, backButton}) {
    const int buttonWidth = std::max(kButtonWidth, button->sizeHint().width());
    left -= buttonWidth;
    button->setGeometry(left, height - 27, buttonWidth, 25);
    left -= kButtonGap;
  }
}

// ---------------------------------------------------------------- navigation

void SetCreationWizard::resetFields() {
  prefixEdit->setText(QString::fromLatin1(kDefaultCongratulationPrefix));
  suffixEdit->setText(QString::fromLatin1(kDefaultCongratulationSuffix));
  tickModeBox->setCurrentIndex(0);
  for (std::size_t i = 0; i < ratingEdits.size(); ++i)
    ratingEdits[i]->setText(QString::fromLatin1(kDefaultRatingMessages[i]));
  // Long texts show their beginning, not where typing would go on.
  for (QLineEdit* field : findChildren<QLineEdit*>()) field->setCursorPosition(0);
  pages->setCurrentIndex(0);
  chooseCursor(1);
  pageChanged();
}

void SetCreationWizard::aboutToShow() { resetFields(); }

void SetCreationWizard::pageChanged() {
  const int page = pages->currentIndex();
  pageTitle->setText(QStringLiteral("Step %1 of %2").arg(page + 1).arg(kPages));
  backButton->setEnabled(page > 0);
  nextButton->setEnabled(page < kLastPage);
  cancelButton->setEnabled(true);
  cancelButton->setText(page == kLastPage ? QStringLiteral("&Quit") : QStringLiteral("&Cancel"));
}

void SetCreationWizard::cancel() { reject(); }

void SetCreationWizard::back() {
  if (pages->currentIndex() > 0) pages->setCurrentIndex(pages->currentIndex() - 1);
}

bool SetCreationWizard::checkPage(int page) {
  auto fail = [this](const QString& text) {
    showError(text);
    return false;
  };
  auto blankOrExists = [](const QLineEdit* field) { return field->text().isEmpty() || isRegularFile(field->text()); };
  switch (page) {
    case kStripsPage:
      if (!isRegularFile(figureFileLabel->text()) || !isRegularFile(splatFileLabel->text()))
        return fail(QStringLiteral("Cannot find the specified images..."));
      return true;
    case kPicturesPage:
      if (!blankOrExists(titleFile) || !blankOrExists(digitsFile) || !blankOrExists(countFile) || !blankOrExists(miscFile))
        return fail(QStringLiteral("One of the above specified files cound not be found..."));
      return true;
    case kSoundsPage: {
      const QString message = soundStepMessage(inputs().waves, musicFile->text());
      return message.isEmpty() || fail(message);
    }
    case kTextsPage:
      if (setNameEdit->text().isEmpty()) return fail(QStringLiteral("This image set has no name..."));
      return true;
    case kCursorPage:
      if (cursorChoice != kCustomCursorSlot) return true;
      if (!isRegularFile(cursorFile->text())) return fail(QStringLiteral("Cursor BMP file was not found..."));
      // The writer takes the planes from the picture loaded here; one that does not
      // load would leave it with whatever was shown before, or nothing.
      if (!customSetup_.loadCursorPicture(cursorFile->text()))
        return fail(QStringLiteral("Cursor BMP file could not be loaded..."));
      return true;
    default: return false;
  }
}

void SetCreationWizard::next() {
  const int page = pages->currentIndex();
  if (page >= kLastPage || !checkPage(page)) return;
  pages->setCurrentIndex(page + 1);
  if (page + 1 == kLastPage) showEstimatedSize(estimateSetSize(inputs(), writerHeader_));
}

void SetCreationWizard::showEstimatedSize(qint64 bytes) {
  estimatedSize_ = bytes;
  estimateLabel->setText(QStringLiteral("%1 bytes   (%2k)").arg(bytes).arg(bytes / 1024));
}

void SetCreationWizard::showError(const QString& text) {
  prompts().message(this, text, QStringLiteral("Error"), BoxIcon::Error);
}

// ---------------------------------------------------------------- inputs

void SetCreationWizard::editImageGroup() {
  QString pict1 = figureFileLabel->text(), pict2 = splatFileLabel->text();
  if (editGroup_.edit(pict1, pict2)) {
    figureFileLabel->setText(pict1);
    splatFileLabel->setText(pict2);
  }
}

void SetCreationWizard::chooseCursor(int tag) {
  if (tag < 1 || tag > 8) return;
  cursorTiles[static_cast<std::size_t>(cursorChoice - 1)]->setSelected(false);
  cursorChoice = static_cast<std::uint8_t>(tag);
  customCursorBox->setVisible(cursorChoice == kCustomCursorSlot);
  cursorTiles[static_cast<std::size_t>(cursorChoice - 1)]->setSelected(true);
}

void SetCreationWizard::setUpCursor() {
  if (!isRegularFile(cursorFile->text())) {
    showError(QStringLiteral("Error, bitmap file not found..."));
    return;
  }
  if (!customSetup_.loadCursorPicture(cursorFile->text())) return;
  prompts().runModal(customSetup_);
}

void SetCreationWizard::pickColour(QFrame* swatch) {
  const QColor chosen = chooseColour(swatch->palette().color(QPalette::Window), this);
  if (chosen.isValid()) setSwatchColour(swatch, chosen);
}

void SetCreationWizard::chooseTitleColour() { pickColour(titleColourSwatch); }
void SetCreationWizard::choosePageColour() { pickColour(pageColourSwatch); }

void SetCreationWizard::browse(QLineEdit* field, Dialog kind, const QString& title) {
  struct Kind {
    const char* filter;
    const char* defaultExt;
  };
  // Indexed by Dialog.
  static constexpr Kind kKinds[] = {
      {"Windows Bitmap (*.BMP)|*.bmp|All Files (*.*)|*.*", "BMP"},
      {"Wave File (*.WAV)|*.wav|All Files (*.*)|*.*", "wav"},
      {"MIDI Files (*.MID,*.RMI)|*.mid;*.rmi|All Files (*.*)|*.*", "mid"},
      {"eXtended Image Set (*.XET)|*.xet|All Files (*.*)|*.*", "xet"},
  };
  const auto index = static_cast<std::size_t>(kind);
  FileDialogRequest request;
  request.title = title;
  request.filter = QString::fromLatin1(kKinds[index].filter);
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
  in.outFile = outFile->text();
  in.pict1 = figureFileLabel->text();
  in.pict2 = splatFileLabel->text();
  in.titleBmp = titleFile->text();
  in.numbersBmp = digitsFile->text();
  in.countBmp = countFile->text();
  in.miscBmp = miscFile->text();
  for (std::size_t i = 0; i < waveFiles.size(); ++i) in.waves[i] = waveFiles[i]->text();
  in.music = musicFile->text();
  in.cursorFile = cursorFile->text();
  in.name = setNameEdit->text();
  in.author = authorEdit->text();
  in.email = emailEdit->text();
  in.url = urlEdit->text();
  in.comment = commentEdit->text();
  in.prefix = prefixEdit->text();
  in.suffix = suffixEdit->text();
  for (std::size_t i = 0; i < 8; ++i) in.ratings[i] = ratingEdits[i]->text();
  in.titleColour = swatchColour(titleColourSwatch);
  in.pageColour = swatchColour(pageColourSwatch);
  in.cursorChoice = cursorChoice;
  in.hotSpotX = static_cast<std::uint8_t>(std::clamp(customSetup_.hotSpotX->value(), 0, 31));
  in.hotSpotY = static_cast<std::uint8_t>(std::clamp(customSetup_.hotSpotY->value(), 0, 31));
  in.tickMode = static_cast<std::uint8_t>(std::max(tickModeBox->currentIndex(), 0));
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
  const QString out = outFile->text();
  sizePanel->setVisible(isSetFileName(out));
  if (out.isEmpty()) return;

  const qint64 free = freeSpaceFor(out);
  freeSpaceLabel->setText(QStringLiteral("%1 bytes  (%2k)").arg(free).arg(free / 1024));
  warningLabel->setVisible(free < estimatedSize_);
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
    prompts().message(this, writeOutcomeText(outcome), QStringLiteral("Sucess!"), BoxIcon::Information);
  else
    showError(writeOutcomeText(outcome));
  if (progress) progress->finish();
  setEnabled(true);
  creating_ = false;
  if (closeWhenDone_) reject();
}

WriteOutcome SetCreationWizard::writeSet(const SetInputs& in, QPointer<CreationProgressDialog>& progress) {
  CreationProgressRelay relay(progress);
  auto customCursorPlanes = [this, &in] {
    customSetup_.loadCursorPicture(in.cursorFile);  // a picture that will not load keeps the one before
    return customSetup_.cursorPlanes();
  };
  return writeExtendedSet(in, writerHeader_, relay, customCursorPlanes, [&progress] { progress = showProgressWindow(); });
}

void SetCreationWizard::closeEvent(QCloseEvent* event) {
  if (creating_) {
    closeWhenDone_ = true;
    event->ignore();
    return;
  }
  QDialog::closeEvent(event);
}

void SetCreationWizard::reject() {
  if (creating_) {
    closeWhenDone_ = true;
    return;
  }
  QDialog::reject();
}
