#include "ui/Prompts.h"

#include <QApplication>
#include <QColorDialog>
#include <QDesktopServices>
#include <QDialog>
#include <QFileDialog>
#include <QMenu>
#include <QMessageBox>
#include <QUrl>

#include "ui/AppStyle.h"

namespace {

class DesktopPrompts final : public Prompts {
 public:
  void message(QWidget* parent, const QString& text, const QString& caption, BoxIcon icon) override {
    appstyle::useStyleSheet();
    QMessageBox box(iconFor(icon), caption, text, QMessageBox::Ok, parent);
    box.exec();
  }
  bool confirm(QWidget* parent, const QString& text, const QString& caption) override {
    appstyle::useStyleSheet();
    QMessageBox box(QMessageBox::Question, caption, text, QMessageBox::Ok | QMessageBox::Cancel, parent);
    return box.exec() == QMessageBox::Ok;
  }
  QString chooseFile(QWidget* parent, const FileDialogRequest& r) override {
    appstyle::useStyleSheet();
    QFileDialog dialog(parent, r.title);
    QString selected;
    const QString filter = qtFilterFromPairs(r.filter, r.filterIndex, &selected);
    dialog.setNameFilter(filter);
    if (!selected.isEmpty()) dialog.selectNameFilter(selected);
    dialog.setDefaultSuffix(r.defaultExt);
    dialog.setAcceptMode(r.save ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
    dialog.setFileMode(r.save ? QFileDialog::AnyFile
                              : (r.mustExist ? QFileDialog::ExistingFile : QFileDialog::AnyFile));
    if (!r.initialPath.isEmpty()) {
      const QFileInfo info(r.initialPath);
      if (info.isDir()) {
        dialog.setDirectory(r.initialPath);
      } else {
        dialog.setDirectory(info.absolutePath());
        dialog.selectFile(info.fileName());
      }
    }
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return {};
    return dialog.selectedFiles().constFirst();
  }
  QColor chooseColour(QWidget* parent, const QColor& initial) override {
    appstyle::useStyleSheet();
    return QColorDialog::getColor(initial, parent);
  }
  int runModal(QDialog& dialog) override { return dialog.exec(); }
  void popupMenu(QMenu& menu, const QPoint& at) override {
    appstyle::useStyleSheet();
    menu.exec(at);
  }
  void openUrl(const QString& address) override { QDesktopServices::openUrl(QUrl(address)); }

 private:
  static QMessageBox::Icon iconFor(BoxIcon icon) {
    switch (icon) {
      case BoxIcon::Error: return QMessageBox::Critical;
      case BoxIcon::Exclamation: return QMessageBox::Warning;
      case BoxIcon::Question: return QMessageBox::Question;
      case BoxIcon::Information: return QMessageBox::Information;
    }
    return QMessageBox::NoIcon;
  }
};

DesktopPrompts desktopPrompts;
Prompts* currentPrompts = &desktopPrompts;

}  // namespace

Prompts& prompts() { return *currentPrompts; }
void setPrompts(Prompts* p) { currentPrompts = p ? p : &desktopPrompts; }

QString qtFilterFromPairs(const QString& pairs, int filterIndex, QString* selected) {
  const QStringList parts = pairs.split(QLatin1Char('|'));
  QStringList out;
  for (int i = 0; i + 1 < parts.size(); i += 2) {
    QString patterns = parts[i + 1];
    patterns.replace(QLatin1Char(';'), QLatin1Char(' '));
    // Qt shows its own pattern list; strip a "(...)" already in the name so it is not doubled.
    QString name = parts[i];
    const int paren = name.indexOf(QLatin1Char('('));
    if (paren > 0) name = name.left(paren).trimmed();
    const QString entry = QStringLiteral("%1 (%2)").arg(name, patterns);
    out << entry;
    if (selected && i / 2 + 1 == filterIndex) *selected = entry;
  }
  return out.join(QStringLiteral(";;"));
}
