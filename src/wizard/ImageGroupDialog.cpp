#include "wizard/ImageGroupDialog.h"
#include "wizard/PictureImport.h"

#include <QDialogButtonBox>
#include <QFileInfo>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>
#include <utility>

#include "common/Files.h"
#include "ui/DialogLook.h"
#include "ui/Prompts.h"

ImageGroupDialog::ImageGroupDialog(QWidget* parent) : GameDialog(true, parent) {
  setWindowTitle(tr("Add/Edit Image Group"));

  auto* explanation = new QLabel(
      tr("Each group of images is made up of two BMP files.  The first (pict1.bmp) contains the "
                     "picture appearing, the second (pict2.bmp) contains the animation of what happens when the "
                     "player clicks on the image (for example a pie dripping down a face)."));
  explanation->setWordWrap(true);
  explanation->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
  explanation->setMinimumHeight(42);

  auto* rows = new QGridLayout;
  rows->setHorizontalSpacing(6);
  rows->setVerticalSpacing(6);
  rows->setColumnMinimumWidth(0, 50);
  rows->setColumnStretch(1, 1);
  figureFile_ = addFileRow(rows, "pict1.bmp", tr("pict1.bmp:"), tr("Please select popping up image (pict1.bmp)"));
  splatFile_ = addFileRow(rows, "pict2.bmp", tr("pict2.bmp:"), tr("Please select splating image (pict2.bmp)"));

  auto* buttons = new QDialogButtonBox;
  addButton(*buttons, QCoreApplication::translate("DialogLook", "&Ok"), QDialogButtonBox::AcceptRole, {75, 25})->setDefault(true);
  addButton(*buttons, tr("&Cancel"), QDialogButtonBox::RejectRole, {75, 25});
  buttons->layout()->setSpacing(6);
  connect(buttons, &QDialogButtonBox::accepted, this, &ImageGroupDialog::acceptEdits);
  connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

  auto* column = new QVBoxLayout(this);
  column->setContentsMargins(8, 6, 8, 5);
  column->setSpacing(0);
  column->addWidget(explanation);
  column->addSpacing(8);
  column->addWidget(new QLabel(tr("Please select/edit/type the filenames for the two files as follows:")));
  column->addSpacing(4);
  column->addLayout(rows);
  column->addSpacing(7);
  column->addStretch();
  column->addWidget(buttons);
  setDesignSize({450, 163});
}

// A caption, its file name and its Browse button.
QLineEdit* ImageGroupDialog::addFileRow(QGridLayout* rows, const char* file, const QString& captionText,
                                        const QString& browseTitle) {
  const int row = rows->rowCount();
  auto* caption = new QLabel(captionText);
  auto* field = new QLineEdit;
  field->setObjectName(QLatin1String(file));
  field->setMaxLength(255);
  caption->setBuddy(field);
  auto* browseButton = new SizedButton(tr("Browse..."), {75, 23});
  browseButton->setObjectName(QStringLiteral("browse:") + QLatin1String(file));
  browseButton->setAutoDefault(false);
  rows->addWidget(caption, row, 0);
  rows->addWidget(field, row, 1);
  rows->addWidget(browseButton, row, 2);
  connect(browseButton, &QPushButton::clicked, this, [this, field, browseTitle] { browse(field, browseTitle); });
  return field;
}

bool ImageGroupDialog::edit(QString& pict1, QString& pict2) {
  figureFile_->setText(pict1);
  splatFile_->setText(pict2);
  // The window is kept between edits; each one starts at the first picture.
  figureFile_->setFocus();
  if (prompts().runModal(*this) != QDialog::Accepted) return false;
  pict1 = figureFile_->text();
  pict2 = splatFile_->text();
  return true;
}

void ImageGroupDialog::browse(QLineEdit* edit, const QString& title) {
  FileDialogRequest request;
  request.title = title;
  // Any picture Qt's readers open becomes the BMP the set stores.
  request.filter = pictureFileFilter();
  request.defaultExt = QStringLiteral("png");
  request.mustExist = true;
  if (isRegularFile(edit->text())) openerFileName_ = edit->text();
  request.initialPath = openerFileName_;
  const QString chosen = prompts().chooseFile(this, request);
  if (chosen.isEmpty()) return;
  openerFileName_ = QFileInfo(chosen).absoluteFilePath();
  edit->setText(openerFileName_);
}

void ImageGroupDialog::acceptEdits() {
  // One complaint per press: pict2 is not looked at while pict1 is missing.
  for (const auto& [field, name] : {std::pair{figureFile_, "pict1.bmp"}, std::pair{splatFile_, "pict2.bmp"}}) {
    if (!isRegularFile(field->text())) {
      prompts().message(this, tr("Error, file for %1 cannot be found...").arg(QLatin1String(name)),
                        tr("Error"), BoxIcon::Exclamation);
      return;
    }
  }
  accept();
}
