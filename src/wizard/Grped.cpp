#include "wizard/Grped.h"

#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QShowEvent>

#include "about/DialogLook.h"
#include "game/Prompts.h"

namespace {

// A folder or an empty edit is no file, however it is spelled.
bool namesFile(const QString& path) { return !path.isEmpty() && QFileInfo(path).isFile(); }

}  // namespace

TEditGroup::TEditGroup(QWidget* parent) : QDialog(parent, dialogFlags(true)) {
  setWindowTitle(QStringLiteral("Add/Edit Image Group"));
  setFont(dialogFont());
  setFixedSize(450, 163);

  Label1 = new QLabel(
      QStringLiteral("Each group of images is made up of two BMP files.  The first (pict1.bmp) contains the "
                     "picture appearing, the second (pict2.bmp) contains the animation of what happens when the "
                     "player clicks on the image (for example a pie dripping down a face)."),
      this);
  Label1->setWordWrap(true);
  Label1->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
  Label1->setGeometry(8, 6, 434, 42);
  fitHeight(Label1);

  Label2 = new QLabel(QStringLiteral("Please select/edit/type the filenames for the two files as follows:"), this);
  Label2->move(8, 56);
  Label2->adjustSize();

  Label3 = new QLabel(QStringLiteral("pict1.bmp:"), this);
  Label3->setGeometry(8, 79, 56, 13);
  P1 = new QLineEdit(this);
  P1->setGeometry(64, 75, 297, 21);
  P1->setMaxLength(255);
  Button1 = new QPushButton(QStringLiteral("Browse..."), this);
  Button1->setGeometry(367, 74, 75, 23);

  Label4 = new QLabel(QStringLiteral("pict2.bmp:"), this);
  Label4->setGeometry(8, 107, 56, 13);
  P2 = new QLineEdit(this);
  P2->setGeometry(64, 103, 297, 21);
  P2->setMaxLength(255);
  Button2 = new QPushButton(QStringLiteral("Browse..."), this);
  Button2->setGeometry(367, 102, 75, 23);

  Button3 = new QPushButton(QStringLiteral("&Ok"), this);
  Button3->setGeometry(286, 133, 75, 25);
  Button3->setDefault(true);
  Button4 = new QPushButton(QStringLiteral("&Cancel"), this);
  Button4->setGeometry(367, 133, 75, 25);
  Button4->setAutoDefault(false);
  Button1->setAutoDefault(false);
  Button2->setAutoDefault(false);

  Label3->setBuddy(P1);
  Label4->setBuddy(P2);

  connect(Button1, &QPushButton::clicked, this, &TEditGroup::Button1Click);
  connect(Button2, &QPushButton::clicked, this, &TEditGroup::Button2Click);
  connect(Button3, &QPushButton::clicked, this, &TEditGroup::Button3Click);
  connect(Button4, &QPushButton::clicked, this, &TEditGroup::Button4Click);
}

bool TEditGroup::Edit(QString& pict1, QString& pict2) {
  P1->setText(pict1);
  P2->setText(pict2);
  if (prompts().runModal(*this) != QDialog::Accepted) return false;
  pict1 = P1->text();
  pict2 = P2->text();
  return true;
}

void TEditGroup::showEvent(QShowEvent* event) {
  QDialog::showEvent(event);
  if (!event->spontaneous()) centreOnScreen(this);
}

void TEditGroup::browse(QLineEdit* edit, const QString& title) {
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

void TEditGroup::Button1Click() { browse(P1, QStringLiteral("Please select popping up image (pict1.bmp)")); }

void TEditGroup::Button2Click() { browse(P2, QStringLiteral("Please select splating image (pict2.bmp)")); }

void TEditGroup::Button3Click() {
  // One complaint per press: pict2 is not looked at while pict1 is missing.
  if (!namesFile(P1->text())) {
    prompts().message(this, QStringLiteral("Error, file for pict1.bmp cannot be found..."), QStringLiteral("Error"),
                      BoxIcon::Exclamation);
    return;
  }
  if (!namesFile(P2->text())) {
    prompts().message(this, QStringLiteral("Error, file for pict2.bmp cannot be found..."), QStringLiteral("Error"),
                      BoxIcon::Exclamation);
    return;
  }
  accept();
}

void TEditGroup::Button4Click() { reject(); }
