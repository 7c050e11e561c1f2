#pragma once
// `AboutDialog`: the program's name, version, author and whether its sound started.
#include "ui/GameDialog.h"

class QLabel;
class QPushButton;
class LinkLabel;

class AboutDialog : public GameDialog {
  Q_OBJECT
 public:
  // audioOpened: whether the wave device opened at start-up (muting later changes nothing here).
  explicit AboutDialog(bool audioOpened = false, QWidget* parent = nullptr);
  void setAudioOpened(bool opened) { audioOpened_ = opened; }
  // Opens the web site as a click on its link does.
  void openWebSite();

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
  void aboutToShow() override;

 private:
  void buildLinks();

  bool audioOpened_;
};
