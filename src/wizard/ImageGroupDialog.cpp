#include "wizard/ImageGroupDialog.h"

#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QShowEvent>

#include "ui/DialogLook.h"
#include "ui/Prompts.h"

namespace {

// A folder or an empty edit is no file, however it is spelled.
bool namesFile(const QString& path) { return !path.isEmpty() && QFileInfo(path).isFile(); }

}  // namespace

ImageGroupDialog::ImageGroupDialog(QWidget* parent) : GameDialog(true, parent) {
  setWindowTitle(QStringLiteral("Add/Edit Image Group"));
  setFont(dialogFont());
  setFixedSize(450, 163);

  explanationLabel = new QLabel(
      QStringLiteral("Each group of images is made up of two BMP files.  The first (pict1.bmp) contains the "
                     "picture appearing, the second (pict2.bmp) contains the animation of what happens when the "
                     "player clicks on the image (for example a pie dripping down a face)."),
      this);
  explanationLabel->setWordWrap(true);
  explanationLabel->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
  explanationLabel->setGeometry(8, 6, 434, 42);
  fitHeight(explanationLabel);

  instructionLabel = new QLabel(QStringLiteral("Please select/edit/type the filenames for the two files as follows:"), this);
  instructionLabel->move(8, 56);
  instructionLabel->adjustSize();

  figureCaption = new QLabel(QStringLiteral("pict1.bmp:"), this);
  figureCaption->setGeometry(8, 79, 56, 13);
  figureFile = new QLineEdit(this);
  figureFile->setGeometry(64, 75, 297, 21);
  figureFile->setMaxLength(255);
  browseFigureButton = new QPushButton(QStringLiteral("Browse..."), this);
  browseFigureButton->setGeometry(367, 74, 75, 23);

  splatCaption = new QLabel(QStringLiteral("pict2.bmp:"), this);
  splatCaption->setGeometry(8, 107, 56, 13);
  splatFile = new QLineEdit(this);
  splatFile->setGeometry(64, 103, 297, 21);
  splatFile->setMaxLength(255);
  browseSplatButton = new QPushButton(QStringLiteral("Browse..."), this);
  browseSplatButton->setGeometry(367, 102, 75, 23);

  okButton = new QPushButton(QStringLiteral("&Ok"), this);
  okButton->setGeometry(286, 133, 75, 25);
  okButton->setDefault(true);
  cancelButton = new QPushButton(QStringLiteral("&Cancel"), this);
  cancelButton->setGeometry(367, 133, 75, 25);
  cancelButton->setAutoDefault(false);
  browseFigureButton->setAutoDefault(false);
  browseSplatButton->setAutoDefault(false);

  figureCaption->setBuddy(figureFile);
  splatCaption->setBuddy(splatFile);

  connect(browseFigureButton, &QPushButton::clicked, this, &ImageGroupDialog::browseFigure);
  connect(browseSplatButton, &QPushButton::clicked, this, &ImageGroupDialog::browseSplat);
  connect(okButton, &QPushButton::clicked, this, &ImageGroupDialog::acceptEdits);
  connect(cancelButton, &QPushButton::clicked, this, &ImageGroupDialog::cancelEdits);
}

bool ImageGroupDialog::edit(QString& pict1, QString& pict2) {
  figureFile->setText(pict1);
  splatFile->setText(pict2);
  if (prompts().runModal(*this) != QDialog::Accepted) return false;
  pict1 = figureFile->text();
  pict2 = splatFile->text();
  return true;
}

void ImageGroupDialog::browse(QLineEdit* edit, const QString& title) {
  FileDialogRequest request;
  request.title = title;
  // The typo in the second entry's name is how the game has always shown it.
  request.filter = QStringLiteral("Bitmap Files (*.BMP)|*.BMP|All Files (*.*_|*.*");
  request.defaultExt = QStringLiteral("bmp");
  request.mustExist = true;
  if (namesFile(edit->text())) openerFileName_ = edit->text();
  request.initialPath = openerFileName_;
  const QString chosen = prompts().chooseFile(this, request);
  if (chosen.isEmpty()) return;
  openerFileName_ = QFileInfo(chosen).absoluteFilePath();
  edit->setText(openerFileName_);
}

void ImageGroupDialog::browseFigure() { browse(figureFile, QStringLiteral("Please select popping up image (pict1.bmp)")); }

void ImageGroupDialog::browseSplat() { browse(splatFile, QStringLiteral("Please select splating image (pict2.bmp)")); }

void ImageGroupDialog::acceptEdits() {
  // One complaint per press: pict2 is not looked at while pict1 is missing.
  if (!namesFile(figureFile->text())) {
    prompts().message(this, QStringLiteral("Error, file for pict1.bmp cannot be found..."), QStringLiteral("Error"),
                      BoxIcon::Exclamation);
    return;
  }
  if (!namesFile(splatFile->text())) {
    prompts().message(this, QStringLiteral("Error, file for pict2.bmp cannot be found..."), QStringLiteral("Error"),
                      BoxIcon::Exclamation);
    return;
  }
  accept();
}

void ImageGroupDialog::cancelEdits() { reject(); }
