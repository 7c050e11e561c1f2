#pragma once
// `GameDialog`: the base of the game's fixed-size dialogs. Each one opens in the middle
// of the screen and fills itself in just before it appears, every time the program
// shows it; a window manager restoring it (a spontaneous show) changes nothing.
#include <QDialog>

class GameDialog : public QDialog {
  Q_OBJECT
 public:
  // closeButton: whether the title bar carries the close button.
  explicit GameDialog(bool closeButton, QWidget* parent = nullptr);

 protected:
  // Runs after the dialog is centred, at each showing by the program.
  virtual void aboutToShow() {}
  void showEvent(QShowEvent* event) override;
};
