#pragma once
// "Choose Image Set": every set the game can find, each with a preview drawn
// from the set itself, its texts, size and marks for sounds and tune. "&Use"
// (or a double-click) closes the window with the set to load; "&Add Set..."
// copies a set that reads cleanly into the player's folder, "&Remove" deletes
// one from there after a question.
#include <QDialog>

#include "chooser/SetCatalog.h"

class QListView;
class QPushButton;
class QDialogButtonBox;
class SetListModel;
class PreviewLoader;

class SetChooserDialog : public QDialog {
  Q_OBJECT
 public:
  SetChooserDialog(SetSources sources, const QString& cacheFolder, QWidget* parent = nullptr);
  ~SetChooserDialog() override;

  // The set the player chose to use; empty unless the dialog was accepted.
  const QString& chosenPath() const { return chosenPath_; }
  // Marks the file the set in force came from and makes it the current row.
  void showInUse(const QString& path);

  SetListModel& model() { return *model_; }
  PreviewLoader& loader() { return *loader_; }

 private:
  // Lists the sets anew, asks for the summaries not known yet and makes select current.
  QList<SetEntry> rescan(const QString& select = {});
  void updateButtons();
  void useCurrent();
  void addSet();
  void removeCurrent();
  int currentRow() const;

  SetSources sources_;
  QString chosenPath_;
  SetListModel* model_;
  PreviewLoader* loader_;
  QListView* list_;
  QDialogButtonBox* buttons_;
  QPushButton* useButton_;
  QPushButton* addButton_;
  QPushButton* removeButton_;
};
