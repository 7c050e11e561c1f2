#pragma once
// Every modal question, message box, file dialog and shell hand-off goes through
// here, so tests can answer them without a modal loop and without a desktop.
#include <QColor>
#include <QString>
#include <QStringList>

class QWidget;
class QDialog;
class QMenu;
class QPoint;

enum class BoxIcon { Error, Exclamation, Question, Information };

struct FileDialogRequest {
  QString title;
  QString filter;        // "Name (*.EXT)|*.ext|All Files (*.*)|*.*" pairs, as the game's dialogs describe them
  int filterIndex = 1;   // 1-based, as the filter string counts its pairs
  QString defaultExt;    // without the dot
  QString initialPath;   // file or folder the dialog opens on
  bool save = false;     // a save dialog instead of an open dialog
  bool mustExist = true; // the file and its folder must exist (open dialogs)
};

class Prompts {
 public:
  virtual ~Prompts() = default;
  // A modal box with a single OK button.
  virtual void message(QWidget* parent, const QString& text, const QString& caption, BoxIcon icon) = 0;
  // OK/Cancel with the question icon; true for OK.
  virtual bool confirm(QWidget* parent, const QString& text, const QString& caption) = 0;
  // The chosen path, or an empty string when the player cancelled.
  virtual QString chooseFile(QWidget* parent, const FileDialogRequest& request) = 0;
  // The colour dialog, fully expanded, opened on initial; an invalid colour when cancelled.
  virtual QColor chooseColour(QWidget* parent, const QColor& initial) = 0;
  // Shows a dialog modally and returns its result code.
  virtual int runModal(QDialog& dialog) = 0;
  // Pops a menu up with its top-left corner at a screen point; returns when it closed.
  virtual void popupMenu(QMenu& menu, const QPoint& at) = 0;
  // Hands an address to the desktop (browser or mail program).
  virtual void openUrl(const QString& address) = 0;
};

// The prompts in force; the desktop implementation unless a test installed its own.
Prompts& prompts();
// Installs p (not owned); nullptr restores the desktop implementation.
void setPrompts(Prompts* p);

// Turns a "Name|*.a;*.b|Other|*.c" filter into Qt's "Name (*.a *.b);;Other (*.c)" form.
QString qtFilterFromPairs(const QString& pairs, int filterIndex, QString* selected);
