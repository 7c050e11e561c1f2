#pragma once
// `TLeader`: asks for the player's name before a score goes on the board. The name
// stays between games, so the last one typed is offered again.
#include <QDialog>

class QLabel;
class QLineEdit;
class QPushButton;

class TLeader : public QDialog {
  Q_OBJECT
 public:
  explicit TLeader(QWidget* parent = nullptr);

  QLabel* Label1;
  QLineEdit* Name;
  QPushButton* Button1;
  QPushButton* Button2;

 protected:
  void showEvent(QShowEvent* event) override;

 private:
  void Button1Click();
};
