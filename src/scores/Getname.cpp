#include "scores/Getname.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QShowEvent>

#include "about/DialogLook.h"
#include "game/Prompts.h"

TLeader::TLeader(QWidget* parent) : QDialog(parent, dialogFlags(false)) {
  setWindowTitle(QStringLiteral("Local HighScore Board"));
  setFont(dialogFont());
  setFixedSize(427, 61);

  Label1 = new QLabel(QStringLiteral("Please enter your name:"), this);
  Label1->move(8, 8);
  Label1->adjustSize();
  Name = new QLineEdit(this);
  Name->setGeometry(128, 6, 293, 21);
  Name->setMaxLength(200);
  Button1 = new QPushButton(QStringLiteral("&Ok"), this);
  Button1->setGeometry(236, 32, 89, 25);
  Button1->setDefault(true);
  Button2 = new QPushButton(QStringLiteral("&Cancel"), this);
  Button2->setGeometry(332, 32, 89, 25);

  connect(Button1, &QPushButton::clicked, this, &TLeader::Button1Click);
  connect(Button2, &QPushButton::clicked, this, &QDialog::reject);
}

void TLeader::showEvent(QShowEvent* event) {
  QDialog::showEvent(event);
  if (event->spontaneous()) return;
  centreOnScreen(this);
  // Typing replaces the name offered from last time.
  Name->selectAll();
  Name->setFocus();
}

void TLeader::Button1Click() {
  // A name of spaces is a name; only an empty field is refused.
  if (Name->text().isEmpty()) {
    prompts().message(this, QStringLiteral("You must enter a name to be added to the high score table..."),
                      QStringLiteral("Error"), BoxIcon::Exclamation);
    return;
  }
  accept();
}
