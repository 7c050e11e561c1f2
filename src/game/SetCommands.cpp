#include "game/SetCommands.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <functional>

#include "chooser/RecentSets.h"
#include "chooser/SetChooserDialog.h"
#include "common/Files.h"
#include "game/Game.h"
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

// Every refusal names the file it is about.
QString aboutFile(const QString& text, const QString& path) {
  return text + QStringLiteral("\n\n") + QDir::toNativeSeparators(path);
}

// Opens a set file to read, never a pipe or device; tells the player when it cannot.
bool openSetFile(Game& game, QFile& file, const QString& text) {
  if (isRegularFile(file.fileName()) && file.open(QIODevice::ReadOnly)) return true;
  showMessage(game, aboutFile(text, file.fileName()), QStringLiteral("Error"));
  return false;
}

// Puts a read set in force, or tells the player why there is none: a refusal
// before the set in force had to go keeps it, any later one leaves the built-in set.
// A good extended set plays its start-up sound and may bring the about dialog.
// True when a set was put in force.
bool installReadSet(Game& game, SetReadResult&& result, const QString& path, bool showAboutDialog) {
  if (!result.set) {
    if (!result.setKept) game.install(builtinSet());
    showMessage(game, aboutFile(result.error, path), result.caption);
    return false;
  }
  result.set->sourceFile = QFileInfo(path).absoluteFilePath();
  game.install(std::move(*result.set));
  if (result.kind != SetKind::Extended) return true;
  game.wave().stopWave(WaveChannel::Splat);
  game.playSound(SoundEffect::Startup, WaveChannel::Main);
  if (showAboutDialog) game.view().showCurrentSetAbout();
  return true;
}

// The player sees the busy cursor from the end of an extended set's header on.
std::function<void()> busyFromHere(Game& game) {
  return [&game] {
    game.view().setBusyCursor(true);
    game.view().processPendingEvents();
  };
}

}  // namespace

void loadExtendedSet(Game& game, const QString& path, bool showAboutDialog) {
  QFile file(path);
  // A file that cannot be opened counts as too small.
  if (!openSetFile(game, file, QString::fromLatin1(kNotExtendedSetMessage))) return;
  SetReadResult result = readExtendedSet(file, busyFromHere(game));
  file.close();
  game.view().setBusyCursor(false);
  installReadSet(game, std::move(result), path, showAboutDialog);
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
  if (!openSetFile(game, file, QStringLiteral("Error, unable to open file..."))) return;
  SetReadResult result = readSetFile(file, path, busyFromHere(game));
  file.close();
  game.view().setBusyCursor(false);
  if (installReadSet(game, std::move(result), path, showAboutDialog)) rememberLoadedSet(path);
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
  if (!candidate.isEmpty() && !isRegularFile(candidate)) {
    // A set asked for by name that is not there, or no file, is worth a word.
    showMessage(game_, aboutFile(QStringLiteral("Error, unable to open file..."), candidate), QStringLiteral("Error"));
  }
  if (!isRegularFile(candidate)) {
    candidate = defaultSetPath(folder);
    defaultPath_ = candidate;
    showAbout = false;
  }
  game_.view().processPendingEvents();
  if (isRegularFile(candidate)) {
    loadImageSet(game_, candidate, false);
    // The reset reloads the program's default set only when it is the set now in
    // force, read from that place; one that failed to load leaves the built-in set.
    if (candidate == defaultPath_ && game_.set().sourceFile != QFileInfo(candidate).absoluteFilePath())
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
    game_.install(builtinSet());
}

void ImageSetCommands::loadSetFile() { loadImageSet(game_, QString(), true, &setterFileName_); }

void ImageSetCommands::chooseSet() {
  SetChooserDialog chooser(SetSources::ofApplication(), previewCacheFolder(), game_.view().dialogParent());
  chooser.showInUse(game_.set().sourceFile);
  if (prompts().runModal(chooser) == QDialog::Accepted) loadImageSet(game_, chooser.chosenPath(), true);
}

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

  // A bitmap that does not load leaves the built-in set, and says why.
  const auto loaded = [this](QImage& strip, const QString& path) {
    QString why;
    strip = loadBmpFile(path, &why, kStripBounds);
    if (strip.isNull()) {
      game_.install(builtinSet());
      showMessage(game_, aboutFile(why, path), QStringLiteral("Error"));
    }
    return !strip.isNull();
  };
  if (loaded(set.targetStrip, first) && loaded(set.splatStrip, second)) game_.install(std::move(set));
}

void ImageSetCommands::dropFiles(const QStringList& paths) {
  game_.view().setBusyCursor(true);
  game_.install(builtinSet());
  if (!paths.isEmpty()) loadImageSet(game_, paths.first().left(kDroppedPathLimit), true);
  game_.view().setBusyCursor(false);
}
