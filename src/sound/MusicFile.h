#pragma once
// Where the active set's tune is written for the MIDI player: "~piequa7.mid" in
// a folder only this run of the game uses
// and only this user can enter: a fixed name in the shared temporary folder would
// let another user plant a link there and have the game write through it.
#include <QString>

class PrivateMusicFolder {
 public:
  static constexpr const char* kFileName = "~piequa7.mid";

  // base: where to make the folder; empty picks $XDG_RUNTIME_DIR when it is a
  // folder of ours, else the temporary folder.
  explicit PrivateMusicFolder(QString base = {});
  ~PrivateMusicFolder();
  PrivateMusicFolder(const PrivateMusicFolder&) = delete;
  PrivateMusicFolder& operator=(const PrivateMusicFolder&) = delete;

  // The music file's path; the folder (mode 0700, a fresh name with this process's
  // number in it) is made on the first call. Empty when no folder could be made: then there is no music.
  QString musicFile();
  QString folder() const { return folder_; }
  // Deletes what the folder holds and the folder itself. Harmless twice.
  void remove();

  static QString defaultBase();

  // Removes the folders in base (empty: defaultBase()) that copies of the game made
  // and left behind when they were killed: ours, named for a process that has ended.
  // Returns how many went.
  static int removeLeftovers(const QString& base = {});

 private:
  QString base_;
  QString folder_;
  bool tried_ = false;
};

// The process-wide music file, made on first use and removed at exit.
QString backgroundMusicPath();
// Removes the process-wide folder now (the main window calls it at shut-down;
// exit does it too). Harmless when called again.
void removeBackgroundMusicFolder();
