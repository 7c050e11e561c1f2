#pragma once
// `GameDialog`: the base of the game's fixed-size dialogs. Each one opens in the middle
// of the screen and fills itself in just before it appears, every time the program
// shows it; a window manager restoring it (a spontaneous show) changes nothing.
//
// A dialog lays its parts out with a Qt layout and names the size it has in the
// game's own face; it keeps that size unless the layout needs more room (a larger
// face, a longer text), so it grows rather than cuts a text short.
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
  bool event(QEvent* event) override;
  // Call once the layout is in place, as the last step of building the dialog.
  void setDesignSize(const QSize& size);

 private:
  void fitToLayout();

  QSize designSize_;
};
