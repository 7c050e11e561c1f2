#pragma once
// "Choose Image Set": every set the game can find, each with a preview drawn
// from the set itself, its texts, size and marks for sounds and tune. "&Use"
// (or a double-click) closes the window with the set to load; "&Add Set..."
// copies a set that reads cleanly into the player's folder, "&Remove" deletes
// one from there after a question. All file work runs on the loader's workers:
// the window opens, answers and closes whatever a disk does.
#include <QHash>
#include <QSet>

#include "chooser/SetCatalog.h"
#include "ui/GameDialog.h"

class QLabel;
class QListView;
class QPushButton;
class QDialogButtonBox;
class SetListModel;
class PreviewLoader;

class SetChooserDialog : public GameDialog {
  Q_OBJECT
 public:
  // dpr: the pixel ratio the previews are drawn at; 0 for the screen's own.
  SetChooserDialog(SetSources sources, const QString& cacheFolder, QWidget* parent = nullptr, qreal dpr = 0);
  ~SetChooserDialog() override;

  // The set the player chose to use; empty unless the dialog was accepted.
  const QString& chosenPath() const { return chosenPath_; }
  // Marks the file the set in force came from and makes it the current row.
  void showInUse(const QString& path);
  // Lets events through until the list is made and every row is read or has not
  // answered, or ms have passed (tests and the benchmark); false when work is left.
  bool waitUntilSettled(int ms = 30000);

 private:
  // Lists the sets anew and makes select current once it is listed.
  void rescan(const QString& select = {});
  // Puts what the workers found so far into the list and asks for missing summaries.
  void rebuild();
  void updateButtons();
  void useCurrent();
  void addSet();
  void removeCurrent();
  int currentRow() const;
  QString currentPath() const;

  SetSources sources_;
  QString cacheFolder_;
  qreal previewDpr_ = 1;  // the pixel ratio the previews are drawn and kept at
  QString chosenPath_;
  QString select_;     // the path to make current when it is listed
  QString inUse_;      // the set in force's file as given
  int generation_ = 0; // answers of an older scan are dropped
  bool folderScanned_ = false;
  bool cleaned_ = false;
  QList<SetEntry> folderEntries_;
  QHash<QString, std::optional<SetEntry>> recentFound_;  // by path; nullopt: gone
  QSet<QString> requested_;  // path and stamp of the summaries asked for
  SetListModel* model_;
  PreviewLoader* loader_;
  QListView* list_;
  QLabel* status_;
  QDialogButtonBox* buttons_;
  QPushButton* useButton_;
  QPushButton* addButton_;
  QPushButton* removeButton_;
};
