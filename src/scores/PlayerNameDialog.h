#pragma once
// `PlayerNameDialog`: asks for the player's name before a score goes on the board. The name
// stays between games, so the last one typed is offered again.
//
// Return, Enter and Escape act here when the key comes up, not when it goes down: the
// table window opens the moment this dialog closes, and a key pressed here must be
// released here too, or the desktop could take it for one still held down there.
#include <QKeyEvent>
#include <memory>

#include "ui/GameDialog.h"

class QLineEdit;
class QTimer;

class PlayerNameDialog : public GameDialog {
  Q_OBJECT
 public:
  explicit PlayerNameDialog(QWidget* parent = nullptr);

  // The name typed, as the board takes it.
  QString playerName() const;

 protected:
  void aboutToShow() override;
  void keyPressEvent(QKeyEvent* event) override;
  void keyReleaseEvent(QKeyEvent* event) override;

 private:
  void acceptName();
  void actOnHeldKey();

  QLineEdit* name_;
  std::unique_ptr<QKeyEvent> heldKey_;
  QTimer* releaseWait_;  // a press whose release never comes acts after a moment
};
