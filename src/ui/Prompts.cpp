#include "ui/Prompts.h"

#include <QApplication>
#include <QDesktopServices>
#include <QKeyEvent>
#include <QTimer>
#include <QWindow>
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
    const KeysActOnRelease keys(box);
    box.exec();
  }
  bool confirm(QWidget* parent, const QString& text, const QString& caption) override {
    appstyle::useStyleSheet();
    QMessageBox box(QMessageBox::Question, caption, text, QMessageBox::Ok | QMessageBox::Cancel, parent);
    const KeysActOnRelease keys(box);
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
  int runModal(QDialog& dialog) override {
    const KeysActOnRelease keys(dialog);
    return dialog.exec();
  }
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

KeysActOnRelease::KeysActOnRelease(QWidget& dialog) : dialog_(dialog), timeout_(new QTimer(this)) {
  timeout_->setSingleShot(true);
  timeout_->setInterval(500);
  connect(timeout_, &QTimer::timeout, this, &KeysActOnRelease::deliverHeldPress);
  // The dialog's window sees a key before any of its widgets; the window may not
  // exist yet, so the watch is on everything and picks out that window.
  qApp->installEventFilter(this);
}

KeysActOnRelease::~KeysActOnRelease() { qApp->removeEventFilter(this); }

bool KeysActOnRelease::eventFilter(QObject* watched, QEvent* event) {
  const QEvent::Type type = event->type();
  if ((type != QEvent::KeyPress && type != QEvent::KeyRelease) || watched != dialog_.windowHandle() || delivering_)
    return false;
  const auto* key = static_cast<QKeyEvent*>(event);
  const bool closing = key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter || key->key() == Qt::Key_Escape;
  if (type == QEvent::KeyPress) {
    if (!closing || held_) return held_ && closing;
    held_.reset(static_cast<QKeyEvent*>(key->clone()));
    timeout_->start();
    return true;
  }
  if (held_ && key->key() == held_->key()) deliverHeldPress();
  return false;
}

void KeysActOnRelease::deliverHeldPress() {
  timeout_->stop();
  const std::unique_ptr<QKeyEvent> press = std::move(held_);
  if (!press || !dialog_.windowHandle()) return;
  delivering_ = true;
  QCoreApplication::sendEvent(dialog_.windowHandle(), press.get());
  delivering_ = false;
}

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
