#include "game/SetInstaller.h"

#include <QFile>

#include "game/Game.h"
#include "imageset/DefaultSet.h"

namespace {

// A set dropped during a game replaces the tune under the player: the music stops
// first, or it would play on from a deleted file until the round ends. The old
// tune goes even when the new set has none.
void replaceTune(Game& game, const QByteArray& tune) {
  ActiveSet& set = game.set;
  if (set.musicPresent && game.music().musicPlaying()) game.music().stopMusic();
  set.musicPresent = false;
  if (set.musicFile.isEmpty()) return;
  QFile::remove(set.musicFile);  // may fail; the flag tells what is there
  if (!tune.isEmpty()) {
    QFile file(set.musicFile);
    // Not being able to write the tune is no reason to refuse the set.
    if (file.open(QIODevice::WriteOnly | QIODevice::Truncate)) {
      const bool written = file.write(tune) == tune.size();
      file.close();
      if (!written) file.remove();
    }
  }
  set.musicPresent = QFile::exists(set.musicFile);
}

// Slot 8 is emptied only while it holds the set's own cursor: the wizard's trial
// cursor there is not the set's to destroy.
void replaceCursor(Game& game, const std::optional<CustomCursor>& cursor) {
  ActiveSet& set = game.set;
  if (set.customCursor) {
    if (game.cursors.get(kCustomCursorSlot) == set.customCursor) game.cursors.clear(kCustomCursorSlot);
    set.customCursor = nullptr;
  }
  if (cursor) installCustomCursor(game, cursor->planes.data(), cursor->hotX, cursor->hotY);
}

// A fresh score and time, drawn with the new set's digits, and the idle board.
void showFreshBoard(Game& game) {
  game.state = Idle;
  game.score = 0;
  game.timeLeft = 30;
  game.scorePicture = blankPicture(126, 49, 0xFF000000);
  game.timePicture = blankPicture(60, 49, 0xFF000000);
  game.view().setPicturesChanged();
  game.drawScore();
  game.drawTime();
  game.showIdleBoard();
}

}  // namespace

void installSet(Game& game, LoadedSet&& loaded) {
  // A set replaced during a round ends the round: its button goes out as at the end of one.
  if (game.state != Idle) game.setAbortButtonLit(false);
  game.state = Idle;
  game.setAnimate(false);
  replaceTune(game, loaded.tune);
  replaceCursor(game, loaded.cursor);
  game.setPlayfieldCursor(loaded.cursorSlot);
  game.setPlayfieldColour(loaded.playfieldColour);
  game.setTitleColour(loaded.titleColour);
  static_cast<SetContent&>(game.set) = std::move(loaded);
  // The title is painted as it is: kept in the drawing format, it is not converted
  // at every paint, and a palette index past a short palette shows black, as in
  // the pictures the game copies.
  game.set.title = game.set.title.convertToFormat(QImage::Format_RGB32);
  showFreshBoard(game);
  game.updateMainCaption();
  game.view().setBusyCursor(false);
}

void restoreDefaultSet(Game& game) { installSet(game, builtinSet()); }

void installCustomCursor(Game& game, const std::uint8_t* planes, std::uint8_t hotX, std::uint8_t hotY) {
  game.cursors.set(kCustomCursorSlot, cursorFromPlanes(planes, hotX, hotY));
  game.set.customCursor = game.cursors.get(kCustomCursorSlot);
}
