#include "game/SetCommands.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>

#include "chooser/RecentSets.h"
#include "chooser/SetChooserDialog.h"
#include "common/Files.h"
#include "game/Game.h"
#include "game/SetInstaller.h"
#include "imageset/BmpDecode.h"
#include "imageset/DefaultSet.h"
#include "imageset/SetPlaces.h"
#include "imageset/SetReaders.h"
#include "ui/Prompts.h"

namespace {

// A dropped path is taken up to this many characters.
constexpr int kDroppedPathLimit = 1023;

void showMessage(Game& game, const QString& text, const QString& caption) {
  prompts().message(game.view().dialogParent(), text, caption, BoxIcon::Error);
}

void showError(Game& game, const QString& text) { showMessage(game, text, QStringLiteral("Error")); }

// Puts a read set in force, or tells the player why there is none: a refusal
// before the set in force had to go keeps it, any later one leaves the built-in set.
bool installReadSet(Game& game, SetReadResult&& result) {
  if (result.set) {
    installSet(game, std::move(*result.set));
    return true;
  }
  if (!result.setKept) restoreDefaultSet(game);
  showError(game, result.error);
  return false;
}

// The extended reader's part once the file is open; the player sees the busy
// cursor from the end of the header on.
bool loadOpenExtendedSet(Game& game, QIODevice& file, bool showAboutDialog) {
  SetReadResult result = readExtendedSet(file, [&game] {
    game.view().setBusyCursor(true);
    game.view().processPendingEvents();
  });
  file.close();
  game.view().setBusyCursor(false);
  if (!installReadSet(game, std::move(result))) return false;
  game.wave().stopWave(WaveChannel::Splat);
  game.wave().playWave(game.set.sound(SoundEffect::Startup), WaveChannel::Main);
  if (showAboutDialog) game.view().showCurrentSetAbout();
  return true;
}

}  // namespace

void loadExtendedSet(Game& game, const QString& path, bool showAboutDialog) {
  QFile file(path);
  // A file that cannot be opened counts as too small.
  if (!isRegularFile(path) || !file.open(QIODevice::ReadOnly)) {
    showError(game, QString::fromLatin1(kNotExtendedSetMessage));
    return;
  }
  loadOpenExtendedSet(game, file, showAboutDialog);
}

void loadImageSet(Game& game, const QString& givenPath, bool showAboutDialog, QString* setterFileName) {
  QString path = givenPath;
  if (path.isEmpty()) {
    FileDialogRequest setter;
    setter.title = QStringLiteral("Please select a PieVorbQuarn image set to use:");
    setter.filter = QStringLiteral(
        "Image Set (*.SET)|*.set|eXtended Set (*.XET)|*.xet|Any Set (*.SET,*.XET)|*.xet;*.set|All Files (*.*)|*.*");
    setter.filterIndex = 3;
    setter.defaultExt = QStringLiteral("SET");
    setter.initialPath = setterFileName ? *setterFileName : QString();
    setter.mustExist = true;
    path = prompts().chooseFile(game.view().dialogParent(), setter);
    if (path.isEmpty()) return;
    if (setterFileName) *setterFileName = path;
  }

  QFile file(path);
  if (!isRegularFile(path) || !file.open(QIODevice::ReadOnly)) {
    showMessage(game, QStringLiteral("Error, unable to open file..."), QStringLiteral("Error"));
    return;
  }
  const QByteArray magic = file.read(kMagicSize);  // shorter than 18 bytes matches nothing
  if (magic == QByteArrayView(kExtendedMagic, kMagicSize)) {
    if (loadOpenExtendedSet(game, file, showAboutDialog)) rememberLoadedSet(path);
  } else if (magic == QByteArrayView(kFirstGenerationMagic, kMagicSize)) {
    file.close();
    showMessage(game, QStringLiteral("This old image set format is no longer supported by Pie Vorb Quarn..."),
                QStringLiteral("Version Control"));
  } else if (magic != QByteArrayView(kPlainMagic, kMagicSize)) {
    file.close();
    showMessage(game, QStringLiteral("This file is NOT a Pie Vorb Quarn Image Set or eXtended Set file..."),
                QStringLiteral("Error"));
  } else {
    game.view().setBusyCursor(true);
    SetReadResult result = readPlainSet(file, path);
    file.close();
    game.view().setBusyCursor(false);
    if (installReadSet(game, std::move(result))) rememberLoadedSet(path);
  }
}

StartupPlace StartupPlace::ofApplication() {
  StartupPlace place;
  place.arguments = QCoreApplication::arguments().mid(1);
  place.programFile = QCoreApplication::applicationFilePath();
  place.currentFolder = QDir::currentPath();
  return place;
}

bool ImageSetCommands::loadStartupSet(const StartupPlace& place) {
  QString candidate = place.arguments.value(0);
  const int slash = place.programFile.lastIndexOf(QLatin1Char('/'));
  QString folder = slash >= 0 ? place.programFile.left(slash + 1) : place.currentFolder;
  if (!folder.endsWith(QLatin1Char('/'))) folder += QLatin1Char('/');

  bool showAbout = true;
  if (!isRegularFile(candidate)) {
    candidate = defaultSetPath(folder);
    defaultPath_ = candidate;
    showAbout = false;
  }
  game_.view().processPendingEvents();
  if (isRegularFile(candidate)) {
    loadImageSet(game_, candidate, false);
    // Only the program's own default set is worth reloading on reset.
    if (candidate == defaultPath_ && game_.set.header.title.text() != QLatin1String("Pie Vorb Quarn"))
      defaultPath_.clear();
  }
  return showAbout;
}

void ImageSetCommands::resetToDefaults() {
  // A default set that is missing (never installed, or deleted since) leaves the
  // built-in set to reset to, which is no error.
  if (!defaultPath_.isEmpty() && isRegularFile(defaultPath_))
    loadImageSet(game_, defaultPath_, false);
  else
    restoreDefaultSet(game_);
}

void ImageSetCommands::loadSetFile() { loadImageSet(game_, QString(), true, &setterFileName_); }

void ImageSetCommands::chooseSet() {
  SetChooserDialog chooser(SetSources::ofApplication(), previewCacheFolder(), game_.view().dialogParent());
  if (prompts().runModal(chooser) == QDialog::Accepted) loadImageSet(game_, chooser.chosenPath(), true);
}

void ImageSetCommands::aboutCurrentSet() { game_.view().showCurrentSetAbout(); }

void ImageSetCommands::loadBitmapPair() {
  FileDialogRequest fs;
  fs.filter = QStringLiteral("Bitmap Files (*.BMP)|*.BMP|All Files (*.*)|*.*");
  fs.defaultExt = QStringLiteral("BMP");
  fs.mustExist = true;

  fs.title = QStringLiteral("Please select Bitmap file 1 (PICT1.BMP)");
  fs.initialPath = fsFileName_;
  const QString first = prompts().chooseFile(game_.view().dialogParent(), fs);
  if (first.isEmpty()) return;
  fsFileName_ = first;

  fs.title = QStringLiteral("Please select Bitmap file 2 (PICT2.BMP)");
  fs.initialPath = fsFileName_;
  const QString second = prompts().chooseFile(game_.view().dialogParent(), fs);
  if (second.isEmpty()) return;
  fsFileName_ = second;

  LoadedSet set = builtinSet();
  SetHeader& header = set.header;
  header.title.set(QStringLiteral("Unknwon"));
  header.author.set(QStringLiteral("Unknown"));
  header.email.set(QStringLiteral("Unknown"));
  header.webPage.set(QStringLiteral("Unknown"));
  header.comment.set(QStringLiteral("Images from ") + first + QStringLiteral(" and ") + second);

  set.targetStrip = loadBmpFile(first, nullptr, kStripBounds);
  if (!set.targetStrip.isNull()) set.splatStrip = loadBmpFile(second, nullptr, kStripBounds);
  // A bitmap that does not load leaves the built-in set, without a word.
  if (set.targetStrip.isNull() || set.splatStrip.isNull()) set = builtinSet();
  installSet(game_, std::move(set));
}

void ImageSetCommands::dropFiles(const QStringList& paths) {
  game_.view().setBusyCursor(true);
  restoreDefaultSet(game_);
  if (!paths.isEmpty()) loadImageSet(game_, paths.first().left(kDroppedPathLimit), true);
  game_.view().setBusyCursor(false);
}
