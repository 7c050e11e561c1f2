// A Qt input plugin that plays one session inside the real program, where no
// input device exists (a headless compositor): it waits for the board, clicks the
// start hole and then holes at random through a whole round, closes every dialog
// once it is on screen, drops a set file on the window, and closes the game.
// What it saw goes to the file named by PVQ_SESSION_LOG, one line a step, so the
// program's own output stays as it would be.
//
// Loaded with QT_PLUGIN_PATH=<folder holding generic/> QT_QPA_GENERIC_PLUGINS=pvqsession;
// PVQ_SESSION_DROP names the set file to drop.
#include <QApplication>
#include <QDialog>
#include <QDropEvent>
#include <QElapsedTimer>
#include <QFile>
#include <QGenericPlugin>
#include <QMimeData>
#include <QPointer>
#include <QTest>
#include <QTimer>
#include <QUrl>
#include <QWidget>
#include <QWindow>
#include <functional>

namespace {

// The board's geometry: hole n's top left inside the window.
constexpr int kPlayfieldLeft = 12, kPlayfieldTop = 83, kHoleWidth = 111, kHoleHeight = 130;
constexpr QPoint kHoleCorners[] = {{56, 0},    {168, 0},   {280, 0},   {392, 0},   {0, 130},
                                   {112, 130}, {224, 130}, {336, 130}, {448, 130}, {48, 260},
                                   {160, 260}, {272, 260}, {384, 260}};
constexpr int kStartHole = 7;
// Count-down and round together, with room to spare on a slow machine.
constexpr int kRoundMs = 3000 + 30000 + 4000;
constexpr int kGiveUpMs = 120000;

QPoint holeCentre(int n) {
  const QPoint corner = kHoleCorners[n - 1];
  return {kPlayfieldLeft + corner.x() + kHoleWidth / 2, kPlayfieldTop + corner.y() + kHoleHeight / 2};
}

class SessionDriver : public QObject {
 public:
  SessionDriver() : log_(qEnvironmentVariable("PVQ_SESSION_LOG")) {
    log_.open(QIODevice::WriteOnly | QIODevice::Truncate | QIODevice::Text);
    connect(&tick_, &QTimer::timeout, this, [this] { step(); });
    tick_.start(100);
    clock_.start();
  }

 private:
  enum class Stage { WaitBoard, Round, AfterRound, Drop, Dropping, AfterDrop, Done };

  // Every action runs from an event of its own: one that opens a modal dialog
  // returns only when the dialog closes, and the steps that close it must go on.
  void later(std::function<void()> action) { QTimer::singleShot(0, this, std::move(action)); }

  void say(const QString& line) {
    log_.write(line.toUtf8() + '\n');
    log_.flush();
  }

  QWidget* board() const {
    for (QWidget* w : QApplication::topLevelWidgets())
      if (w->isVisible() && !qobject_cast<QDialog*>(w) && w->width() >= 500 && w->height() >= 400) return w;
    return nullptr;
  }

  // A dialog on screen is noted once it is exposed, then closed as the player
  // would close it with its title bar's button.
  bool handleDialog() {
    QWidget* modal = QApplication::activeModalWidget();
    if (!modal) {
      for (QWidget* w : QApplication::topLevelWidgets())
        if (w->isVisible() && qobject_cast<QDialog*>(w)) modal = w;
    }
    if (!modal) return false;
    // A dialog may be shown again later; it is the one being closed only while it shows.
    if (closing_ && !closing_->isVisible()) closing_ = nullptr;
    if (modal == closing_) return true;
    if (!modal->windowHandle() || !modal->windowHandle()->isExposed()) return true;
    say(QStringLiteral("dialog %1 \"%2\" %3x%4")
            .arg(QString::fromLatin1(modal->metaObject()->className()), modal->windowTitle())
            .arg(modal->width())
            .arg(modal->height()));
    later([modal = QPointer<QWidget>(modal)] {
      if (modal) modal->close();
    });
    closing_ = modal;
    ++dialogs_;
    return true;
  }

  void click(QWidget* window, QPoint at) {
    later([window = QPointer<QWidget>(window), at] {
      if (window) QTest::mouseClick(window->windowHandle(), Qt::LeftButton, Qt::NoModifier, at);
    });
  }

  void noteCursor(QWidget* window) {
    QWidget* under = window->childAt(holeCentre(kStartHole));
    const QCursor cursor = (under ? under : window)->cursor();
    say(QStringLiteral("playfield cursor %1 %2x%3")
            .arg(cursor.shape() == Qt::BitmapCursor ? QStringLiteral("custom") : QStringLiteral("system"))
            .arg(cursor.pixmap().width())
            .arg(cursor.pixmap().height()));
  }

  bool drop(QWidget* window) {
    const QString file = qEnvironmentVariable("PVQ_SESSION_DROP");
    const QPoint at = holeCentre(kStartHole);
    // As Qt's own drop handling does: the innermost widget there that takes drops.
    QWidget* target = window->childAt(at);
    if (!target) target = window;
    while (target && !target->acceptDrops()) target = target->parentWidget();
    if (!target) return false;
    const QPoint local = target->mapFrom(window, at);
    QMimeData data;
    data.setUrls({QUrl::fromLocalFile(file)});
    QDragEnterEvent enter(local, Qt::CopyAction, &data, Qt::NoButton, Qt::NoModifier);
    QApplication::sendEvent(target, &enter);
    if (!enter.isAccepted()) return false;
    QDropEvent dropEvent(QPointF(local), Qt::CopyAction, &data, Qt::NoButton, Qt::NoModifier);
    QApplication::sendEvent(target, &dropEvent);
    return dropEvent.isAccepted();
  }

  void step() {
    if (clock_.elapsed() > kGiveUpMs) {
      say(QStringLiteral("gave up at stage %1").arg(int(stage_)));
      finish();
      return;
    }
    QWidget* window = board();
    if (stage_ != Stage::WaitBoard && stage_ != Stage::Done && !window) {
      say(QStringLiteral("the board went away"));
      finish();
      return;
    }
    const bool dialog = handleDialog();
    switch (stage_) {
      case Stage::WaitBoard:
        // The hourglass shows until the built-in set is in place.
        if (dialog || !window || !window->windowHandle()->isExposed() || QApplication::overrideCursor()) return;
        say(QStringLiteral("board \"%1\" %2x%3").arg(window->windowTitle()).arg(window->width()).arg(window->height()));
        noteCursor(window);
        click(window, holeCentre(kStartHole));
        dialogsBeforeRound_ = dialogs_;
        stageStart_ = clock_.elapsed();
        stage_ = Stage::Round;
        return;
      case Stage::Round:
        if (clock_.elapsed() - stageStart_ > kRoundMs || dialog) {
          say(QStringLiteral("round played, %1 clicks").arg(clicks_));
          stageStart_ = clock_.elapsed();
          stage_ = Stage::AfterRound;
          return;
        }
        // Three clicks a second on holes in a fixed order.
        if (++ticks_ % 3 == 0) {
          click(window, holeCentre(1 + (clicks_ * 5) % 13));
          ++clicks_;
        }
        return;
      case Stage::AfterRound:
      case Stage::AfterDrop:
        // Done once no dialog has shown for 3 s; after a round, not before the
        // game-over dialog has come, however slow the machine.
        if (dialog) stageStart_ = clock_.elapsed();
        if (clock_.elapsed() - stageStart_ < 3000) return;
        if (stage_ == Stage::AfterRound && dialogs_ == dialogsBeforeRound_ && clock_.elapsed() - stageStart_ < 30000) return;
        if (stage_ == Stage::AfterRound) {
          stage_ = Stage::Drop;
        } else {
          say(QStringLiteral("board \"%1\"").arg(window->windowTitle()));
          noteCursor(window);
          finish();
        }
        return;
      case Stage::Drop:
        stage_ = Stage::Dropping;
        later([this, window = QPointer<QWidget>(window)] {
          const bool taken = window && drop(window);
          say(taken ? QStringLiteral("drop accepted") : QStringLiteral("drop refused"));
          stageStart_ = clock_.elapsed();
          stage_ = Stage::AfterDrop;
        });
        return;
      case Stage::Dropping:
        return;
      case Stage::Done:
        return;
    }
  }

  void finish() {
    stage_ = Stage::Done;
    tick_.stop();
    say(QStringLiteral("closing"));
    if (QWidget* window = board()) window->close();
    QApplication::quit();
  }

  QPointer<QWidget> closing_;
  QFile log_;
  QTimer tick_;
  QElapsedTimer clock_;
  Stage stage_ = Stage::WaitBoard;
  qint64 stageStart_ = 0;
  int ticks_ = 0;
  int clicks_ = 0;
  int dialogs_ = 0;
  int dialogsBeforeRound_ = 0;
};

}  // namespace

class SessionDriverPlugin : public QGenericPlugin {
  Q_OBJECT
  Q_PLUGIN_METADATA(IID QGenericPluginFactoryInterface_iid FILE "SessionDriver.json")
 public:
  QObject* create(const QString& key, const QString&) override {
    return key == QLatin1String("pvqsession") ? new SessionDriver : nullptr;
  }
};

#include "SessionDriver.moc"
