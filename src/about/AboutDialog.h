#pragma once
// `AboutDialog`: the program's name, version, author and whether its sound started.
#include <QDialog>

class QLabel;
class QPushButton;
class LinkLabel;

// The author's web page, the target of the links in the about box and the game-over dialog.
inline constexpr char kAuthorWebPage[] = "http://www.zanthorp.example/";

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
