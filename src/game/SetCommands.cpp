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

void showMessage(SetCommandsPort& port, const QString& text, const QString& caption) {
  prompts().message(port.dialogParent(), text, caption, BoxIcon::Error);
}

// Puts a set in force; the busy cursor, shown while it was read, ends with it.
void installSet(Game& game, SetCommandsPort& port, LoadedSet&& set) {
  game.install(std::move(set));
  port.setBusyCursor(false);
}

// Every refusal names the file it is about.
QString aboutFile(const QString& text, const QString& path) {
  return text + QStringLiteral("\n\n") + QDir::toNativeSeparators(path);
}

// Opens a set file to read, never a pipe or device; tells the player when it cannot.
bool openSetFile(SetCommandsPort& port, QFile& file, const QString& text) {
  if (openRegularFile(file)) return true;
  showMessage(port, aboutFile(text, file.fileName()), QCoreApplication::translate("SetCommands", "Error"));
  return false;
}

// Puts a read set in force, or tells the player why there is none: a refusal
// before the set in force had to go keeps it, any later one leaves the built-in set.
// A good extended set plays its start-up sound and may bring the about dialog.
// True when a set was put in force.
bool installReadSet(Game& game, SetCommandsPort& port, SetReadResult&& result, const QString& path,
                    bool showAboutDialog) {
  if (!result.set) {
    if (!result.setKept) installSet(game, port, builtinSet());
    showMessage(port, aboutFile(result.error, path), result.caption);
    return false;
  }
  result.set->sourceFile = QFileInfo(path).absoluteFilePath();
  installSet(game, port, std::move(*result.set));
  if (result.kind != SetKind::Extended) return true;
  game.playStartupSound();
  if (showAboutDialog) port.showCurrentSetAbout();
  return true;
}

// The player sees the busy cursor from the end of an extended set's header on.
std::function<void()> busyFromHere(SetCommandsPort& port) {
  return [&port] {
    port.setBusyCursor(true);
    port.processPendingEvents();
  };
}

}  // namespace

void loadExtendedSet(Game& game, SetCommandsPort& port, const QString& path, bool showAboutDialog) {
  QFile file(path);
  // A file that cannot be opened counts as too small.
  if (!openSetFile(port, file, QCoreApplication::translate("SetReaders", kNotExtendedSetMessage))) return;
  SetReadResult result = readExtendedSet(file, busyFromHere(port));
  file.close();
  port.setBusyCursor(false);
  installReadSet(game, port, std::move(result), path, showAboutDialog);
}

bool loadImageSet(Game& game, SetCommandsPort& port, const QString& givenPath, bool showAboutDialog,
                  QString* setterFileName) {
  QString path = givenPath;
  if (path.isEmpty()) {
    FileDialogRequest setter;
    setter.title = QCoreApplication::translate("SetCommands", "Please select a PieVorbQuarn image set to use:");
    setter.filter = setFileFilter();
    setter.filterIndex = kSetFileFilterAnySet;
    setter.defaultExt = QStringLiteral("SET");
    setter.initialPath = setterFileName ? *setterFileName : QString();
    setter.mustExist = true;
    path = prompts().chooseFile(port.dialogParent(), setter);
    if (path.isEmpty()) return false;
    if (setterFileName) *setterFileName = path;
  }

  QFile file(path);
  if (!openSetFile(port, file, QCoreApplication::translate("SetCommands", "Error, unable to open file...")))
    return false;
  SetReadResult result = readSetFile(file, path, busyFromHere(port));
  file.close();
  port.setBusyCursor(false);
  if (!installReadSet(game, port, std::move(result), path, showAboutDialog)) return false;
  rememberLoadedSet(path);
  return true;
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
    showMessage(port_,
                aboutFile(QCoreApplication::translate("SetCommands", "Error, unable to open file..."), candidate),
                QCoreApplication::translate("SetCommands", "Error"));
  }
  if (!isRegularFile(candidate)) {
    candidate = defaultSetPath(folder);
    defaultPath_ = candidate;
    showAbout = false;
  }
  port_.processPendingEvents();
  if (isRegularFile(candidate)) {
    // The reset reloads the program's default set when it came from that place
    // whatever its title; one that failed to load leaves the built-in set.
    if (!loadImageSet(game_, port_, candidate, false)) defaultPath_.clear();
  }
  return showAbout;
}

void ImageSetCommands::resetToDefaults() {
  // A default set that is missing (never installed, or deleted since) leaves the
  // built-in set to reset to, which is no error.
  if (!defaultPath_.isEmpty() && isRegularFile(defaultPath_))
    loadImageSet(game_, port_, defaultPath_, false);
  else
    install(builtinSet());
}

void ImageSetCommands::loadSetFile() { loadImageSet(game_, port_, QString(), true, &setterFileName_); }

void ImageSetCommands::chooseSet() {
  SetChooserDialog chooser(SetSources::ofApplication(), previewCacheFolder(), port_.dialogParent());
  chooser.showInUse(game_.set().sourceFile);
  if (prompts().runModal(chooser) == QDialog::Accepted) loadImageSet(game_, port_, chooser.chosenPath(), true);
}

void ImageSetCommands::loadBitmapPair() {
  FileDialogRequest fs;
  fs.filter = QCoreApplication::translate("SetCommands", "Bitmap Files (*.BMP)|*.BMP|All Files (*.*)|*.*");
  fs.defaultExt = QStringLiteral("BMP");
  fs.mustExist = true;

  fs.title = QCoreApplication::translate("SetCommands", "Please select Bitmap file 1 (PICT1.BMP)");
  fs.initialPath = fsFileName_;
  const QString first = prompts().chooseFile(port_.dialogParent(), fs);
  if (first.isEmpty()) return;
  fsFileName_ = first;

  fs.title = QCoreApplication::translate("SetCommands", "Please select Bitmap file 2 (PICT2.BMP)");
  fs.initialPath = fsFileName_;
  const QString second = prompts().chooseFile(port_.dialogParent(), fs);
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
      install(builtinSet());
      showMessage(port_, aboutFile(why, path), QCoreApplication::translate("SetCommands", "Error"));
    }
    return !strip.isNull();
  };
  if (loaded(set.targetStrip, first) && loaded(set.splatStrip, second)) install(std::move(set));
}

void ImageSetCommands::dropFiles(const QStringList& paths) {
  port_.setBusyCursor(true);
  install(builtinSet());
  if (!paths.isEmpty()) loadImageSet(game_, port_, paths.first().left(kDroppedPathLimit), true);
  port_.setBusyCursor(false);
}

void ImageSetCommands::install(LoadedSet&& set) { installSet(game_, port_, std::move(set)); }
