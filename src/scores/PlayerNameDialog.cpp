#include "scores/PlayerNameDialog.h"

#include <QLabel>
#include <algorithm>
#include <QLineEdit>
#include <QPushButton>

#include "ui/Prompts.h"

PlayerNameDialog::PlayerNameDialog(QWidget* parent) : GameDialog(false, parent) {
  setWindowTitle(QStringLiteral("Local HighScore Board"));
  setFixedSize(427, 64);

  promptLabel = new QLabel(QStringLiteral("Please enter your name:"), this);
  promptLabel->move(8, 8);
  promptLabel->adjustSize();
  nameEdit = new QLineEdit(this);
  // The field starts after the prompt, whatever its width in the face in use.
  const int fieldLeft = std::max(128, promptLabel->geometry().right() + 8);
  nameEdit->setGeometry(fieldLeft, 5, width() - 6 - fieldLeft, 23);
  nameEdit->setMaxLength(200);
  okButton = new QPushButton(QStringLiteral("&Ok"), this);
  okButton->setGeometry(236, 34, 89, 25);
  okButton->setDefault(true);
  cancelButton = new QPushButton(QStringLiteral("&Cancel"), this);
  cancelButton->setGeometry(332, 34, 89, 25);

  connect(okButton, &QPushButton::clicked, this, &PlayerNameDialog::acceptName);
  connect(cancelButton, &QPushButton::clicked, this, &QDialog::reject);
}

void PlayerNameDialog::aboutToShow() {  // Typing replaces the name offered from last time.
  nameEdit->selectAll();
  nameEdit->setFocus();
}

void PlayerNameDialog::acceptName() {
  // A name of spaces is a name; only an empty field is refused.
  if (nameEdit->text().isEmpty()) {
    prompts().message(this, QStringLiteral("You must enter a name to be added to the high score table..."),
                      QStringLiteral("Error"), BoxIcon::Exclamation);
    return;
  }
  accept();
}
