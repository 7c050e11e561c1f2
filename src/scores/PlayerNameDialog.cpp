#include "scores/PlayerNameDialog.h"

#include <QDialogButtonBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTimer>
#include <QVBoxLayout>

#include "ui/DialogLook.h"
#include "ui/Prompts.h"

namespace {
bool closesTheDialog(const QKeyEvent* key) {
  return key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter || key->key() == Qt::Key_Escape;
}
}  // namespace

PlayerNameDialog::PlayerNameDialog(QWidget* parent) : GameDialog(false, parent), releaseWait_(new QTimer(this)) {
  setWindowTitle(tr("Local HighScore Board"));

  auto* prompt = new QLabel(tr("Please enter your name:"));
  name_ = new QLineEdit;
  name_->setObjectName(QStringLiteral("name"));
  name_->setMaxLength(200);
  prompt->setBuddy(name_);
  auto* row = new QHBoxLayout;
  row->setSpacing(8);
  row->addWidget(prompt);
  row->addWidget(name_, 1);

  auto* buttons = new QDialogButtonBox;
  addButton(*buttons, tr("&Ok"), QDialogButtonBox::AcceptRole, {89, 25})->setDefault(true);
  addButton(*buttons, tr("&Cancel"), QDialogButtonBox::RejectRole, {89, 25});
  buttons->layout()->setSpacing(7);

  auto* column = new QVBoxLayout(this);
  column->setContentsMargins(8, 5, 6, 5);
  column->setSpacing(6);
  column->addLayout(row);
  column->addWidget(buttons);
  setDesignSize({427, 64});

  releaseWait_->setSingleShot(true);
  releaseWait_->setInterval(500);
  connect(releaseWait_, &QTimer::timeout, this, &PlayerNameDialog::actOnHeldKey);
  connect(buttons, &QDialogButtonBox::accepted, this, &PlayerNameDialog::acceptName);
  connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
}

QString PlayerNameDialog::playerName() const { return name_->text(); }

void PlayerNameDialog::aboutToShow() {  // Typing replaces the name offered from last time.
  name_->selectAll();
  name_->setFocus();
}

void PlayerNameDialog::keyPressEvent(QKeyEvent* event) {
  if (!closesTheDialog(event)) return GameDialog::keyPressEvent(event);
  // Repeats of a held key are swallowed; the first press waits for its release.
  if (!heldKey_) {
    heldKey_.reset(static_cast<QKeyEvent*>(event->clone()));
    releaseWait_->start();
  }
  event->accept();
}

void PlayerNameDialog::keyReleaseEvent(QKeyEvent* event) {
  if (heldKey_ && event->key() == heldKey_->key() && !event->isAutoRepeat()) {
    event->accept();
    actOnHeldKey();
    return;
  }
  GameDialog::keyReleaseEvent(event);
}

void PlayerNameDialog::actOnHeldKey() {
  releaseWait_->stop();
  const std::unique_ptr<QKeyEvent> press = std::move(heldKey_);
  if (press && isVisible()) GameDialog::keyPressEvent(press.get());
}

void PlayerNameDialog::acceptName() {
  // A name of spaces is a name; only an empty field is refused.
  if (name_->text().isEmpty()) {
    prompts().message(this, tr("You must enter a name to be added to the high score table..."), tr("Error"),
                      BoxIcon::Exclamation);
    return;
  }
  accept();
}
