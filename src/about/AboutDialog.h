#pragma once
// `AboutDialog`: the program's name, version, author and whether its sound started.
#include "ui/GameDialog.h"

class QLabel;
class LinkLabel;

class AboutDialog : public GameDialog {
  Q_OBJECT
 public:
  // audioOpened: whether the wave device opened at start-up (muting later changes nothing here).
  explicit AboutDialog(bool audioOpened = false, QWidget* parent = nullptr);
  void setAudioOpened(bool opened) { audioOpened_ = opened; }
  // Opens the web site as a click on its link does.
  void openWebSite();

 protected:
  void aboutToShow() override;

 private:
  QLayout* makeHeading();

  bool audioOpened_;
  QLabel* audioEnabled_ = nullptr;  // covers the failed line beneath it when shown
  LinkLabel* webSiteLink_ = nullptr;
};
