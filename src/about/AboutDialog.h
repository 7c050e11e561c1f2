#pragma once
// `AboutDialog`: the program's name, version, author and whether its sound started.
#include <QDialog>

#include "ui/AppInfo.h"

class QLabel;
class QPushButton;
class LinkLabel;


class AboutDialog : public QDialog {
  Q_OBJECT
 public:
  // audioOpened: whether the wave device opened at start-up (muting later changes nothing here).
  explicit AboutDialog(bool audioOpened = false, QWidget* parent = nullptr);
  void setAudioOpened(bool opened) { audioOpened_ = opened; }

  QLabel* emblem;
  QLabel* nameLabel;
  QLabel* versionLabel;
  QLabel* audioFailedLabel;
  QLabel* audioEnabledLabel;
  QLabel* createdByLabel;
  LinkLabel* authorLink;
  QLabel* blurbLabel;
  QLabel* visitLabel;
  // Also clicked by the main window's command that opens the web site.
  LinkLabel* webSiteLink;
  QPushButton* okButton;

 protected:
  void showEvent(QShowEvent* event) override;

 private:
  void fillAudioLine();

  bool audioOpened_;
};
