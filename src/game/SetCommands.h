#pragma once
// The ways a player changes the set in force: the start-up set, the set file
// chosen from the menu or dropped on the window, a pair of bitmaps, and the reset.
// Each reads the set whole and installs it, or tells the player why not.
#include <QString>
#include <QStringList>

class Game;

// Reads an extended set file (.XET) and installs it; a good load plays the set's
// start-up sound and, when showAboutDialog is true, ends with the
// about-current-set dialog.
void loadExtendedSet(Game& game, const QString& path, bool showAboutDialog);

// Opens a set file and hands it to the reader its first 18 bytes name; every
// refusal names the file. An empty
// path asks for the file with the `Setter` dialog first; setterFileName, when
// given, is the file that dialog opens on and receives the player's choice.
void loadImageSet(Game& game, const QString& path, bool showAboutDialog, QString* setterFileName = nullptr);

// Where the program was started from, as `loadStartupSet` needs it.
struct StartupPlace {
  QStringList arguments;  // the command-line arguments after the program's own name
  QString programFile;    // the program's own path
  QString currentFolder;  // stands in for the program's folder when programFile names none
  // The running application's arguments, file and current folder.
  static StartupPlace ofApplication();
};

// The menu commands of "Custom &Image Sets", start-up and dropped files. Holds
// what these commands remember between uses: the default set's path and the
// files the two file dialogs last opened on.
class ImageSetCommands {
 public:
  explicit ImageSetCommands(Game& game) : game_(game) {}

  // Called once while the main window is first shown, after the built-in set is installed.
  // True when the about-current-set dialog should follow: the window then starts
  // its one-shot 50 ms `setInfoTimer` timer, whose `setInfoTimerFired` shows it.
  bool loadStartupSet(const StartupPlace& place = StartupPlace::ofApplication());

  // The reset command: reloads the remembered default set, or
  // restores the built-in set when there is none or its file is gone.
  void resetToDefaults();
  // "Load &BMP images for game..."
  void loadBitmapPair();
  // "Choose Image &Set...": the chooser's window, then the chosen set loaded as
  // "&Load Custom Image Set..." loads it.
  void chooseSet();
  // "&Load Custom Image Set..."
  void loadSetFile();
  // Files dropped on the main window, in the order the drop lists them.
  void dropFiles(const QStringList& paths);

  // The reset command reloads this set; empty when the reset restores the built-in set.
  const QString& rememberedDefaultPath() const { return defaultPath_; }

 private:
  Game& game_;
  QString defaultPath_;
  QString setterFileName_;
  QString fsFileName_;
};
