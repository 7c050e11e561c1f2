#include "wizard/ImageGroupDialog.h"

#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QShowEvent>
#include <algorithm>
#include <utility>

#include "ui/DialogLook.h"
#include "ui/Prompts.h"
#include "wizard/SetWriter.h"

namespace {

struct FileRow {
  QLabel* caption;
  QLineEdit* field;
  QPushButton* browse;
};

// A caption, its file name and its Browse button, with the field's top edge at top.
FileRow addFileRow(QWidget* parent, const QString& caption, int top) {
  FileRow row{new QLabel(caption, parent), new QLineEdit(parent), new QPushButton(QStringLiteral("Browse..."), parent)};
  row.caption->move(8, top + 3);
  row.caption->adjustSize();
  const int fieldLeft = std::max(64, row.caption->geometry().right() + 6);
  row.field->setGeometry(fieldLeft, top, 361 - fieldLeft, 22);
  row.field->setMaxLength(255);
  row.browse->setGeometry(367, top - 1, 75, 23);
  row.browse->setAutoDefault(false);
  row.caption->setBuddy(row.field);
  return row;
}

}  // namespace

ImageGroupDialog::ImageGroupDialog(QWidget* parent) : GameDialog(true, parent) {
  setWindowTitle(QStringLiteral("Add/Edit Image Group"));
  resize(450, 163);

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
  // Everything below the explanation moves down with it.
  const int shift = explanationLabel->geometry().bottom() + 1 - 48;
  instructionLabel->move(8, 56 + shift);
  instructionLabel->adjustSize();

  const FileRow figure = addFileRow(this, QStringLiteral("pict1.bmp:"), 76 + shift);
  figureCaption = figure.caption, figureFile = figure.field, browseFigureButton = figure.browse;
  const FileRow splat = addFileRow(this, QStringLiteral("pict2.bmp:"), 104 + shift);
  splatCaption = splat.caption, splatFile = splat.field, browseSplatButton = splat.browse;

  okButton = new QPushButton(QStringLiteral("&Ok"), this);
  setFixedSize(450, 163 + shift);
  okButton->setGeometry(286, 133 + shift, 75, 25);
  okButton->setDefault(true);
  cancelButton = new QPushButton(QStringLiteral("&Cancel"), this);
  cancelButton->setGeometry(367, 133 + shift, 75, 25);
  cancelButton->setAutoDefault(false);

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
  // The second entry's name is shown as the game spells it, stray underscore and all.
  request.filter = QStringLiteral("Bitmap Files (*.BMP)|*.BMP|All Files (*.*_|*.*");
  request.defaultExt = QStringLiteral("bmp");
  request.mustExist = true;
  if (isRegularFile(edit->text())) openerFileName_ = edit->text();
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
  for (const auto& [field, name] : {std::pair{figureFile, "pict1.bmp"}, std::pair{splatFile, "pict2.bmp"}}) {
    if (!isRegularFile(field->text())) {
      prompts().message(this, QStringLiteral("Error, file for %1 cannot be found...").arg(QLatin1String(name)),
                        QStringLiteral("Error"), BoxIcon::Exclamation);
      return;
    }
  }
  accept();
}

void ImageGroupDialog::cancelEdits() { reject(); }
