#pragma once
// `PlayerNameDialog`: asks for the player's name before a score goes on the board. The name
// stays between games, so the last one typed is offered again.
#include "ui/GameDialog.h"

class QLabel;
class QLineEdit;
class QPushButton;

class PlayerNameDialog : public GameDialog {
  Q_OBJECT
 public:
  explicit PlayerNameDialog(QWidget* parent = nullptr);

  QLabel* promptLabel;
  QLineEdit* nameEdit;
  QPushButton* okButton;
  QPushButton* cancelButton;

 protected:
  void aboutToShow() override;

 private:
  void acceptName();
};
