#pragma once
// `PlayerNameDialog`: asks for the player's name before a score goes on the board. The name
// stays between games, so the last one typed is offered again.
#include <QDialog>

class QLabel;
class QLineEdit;
class QPushButton;

class PlayerNameDialog : public QDialog {
  Q_OBJECT
 public:
  explicit PlayerNameDialog(QWidget* parent = nullptr);

  QLabel* promptLabel;
  QLineEdit* nameEdit;
  QPushButton* okButton;
  QPushButton* cancelButton;

 protected:
  void showEvent(QShowEvent* event) override;

 private:
  void acceptName();
};
