// Renders the main window offscreen through a fixed script and writes what the
// player would see: the board in every state its buttons and rounds take it to,
// and the cursor over every part of it. Two runs of the same build write the same
// files, so two builds can be compared pixel for pixel.
//   pvq_boardcapture OUTPUT-FOLDER
//   pvq_boardcapture --compare REFERENCE-FOLDER OUTPUT-FOLDER
// Run with QT_QPA_PLATFORM=offscreen (tools/board-shots.sh does).
#include <QApplication>
#include <QBitmap>
#include <QBuffer>
#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QMouseEvent>
#include <QTemporaryDir>
#include <QTextStream>
#include <algorithm>
#include <cstdio>
#include <memory>

#include "game/GameController.h"
#include "game/MainWindow.h"
#include "imageset/SetFileBuilder.h"
#include "sound/MidiPlayer.h"
#include "sound/WaveDevice.h"
#include "support/FakePrompts.h"
#include "support/ScratchPlaces.h"

namespace {

class QuietDevice : public WaveDevice {
 public:
  explicit QuietDevice(bool opens) : opens_(opens) {}
  bool open(SampleSource&) override { return opens_; }
  void close() override {}

 private:
  bool opens_;
};

class QuietMidi : public MidiPlayer {
 public:
  bool open(const QString&, QString&) override { return true; }
  void play() override {}
  void stop() override {}
  void close() override {}
};

// The same numbers at every game start.
class FixedRandom : public RandomSource {
 public:
  void seed(std::uint64_t) override { state_ = 12345; }
  int below(int n) override {
    state_ = state_ * 1103515245u + 12345u;
    return n <= 1 ? 0 : static_cast<int>((state_ >> 16) % static_cast<unsigned>(n));
  }

 private:
  std::uint32_t state_ = 12345;
};

// Where the holes' centres are in a window of the given size: the playfield is
// centred under the banner.
QPoint holeCentre(int hole, QSize window) {
  const HolePlace place = kHolePlaces[std::size_t(hole - 1)];
  const int left = window.width() / 2 - 280;
  const int top = std::max(82, (window.height() - 82) / 2 + 82 - 196);
  return {left + place.left + 55, top + place.top + 65};
}

class Capture {
 public:
  Capture(const QString& out, bool deviceOpens, const QStringList& arguments) : out_(out) {
    GameDeps deps;
    deps.makeWaveDevice = [deviceOpens] { return std::make_unique<QuietDevice>(deviceOpens); };
    deps.makeMidiPlayer = [] { return std::make_unique<QuietMidi>(); };
    deps.clock = [] { return 45000.0; };
    deps.stepClock = [this] { return micros_; };
    deps.random = &random_;
    keepFilesIn(deps, QDir(dir_.path()), arguments, QStringLiteral("tune.mid"));
    controller_ = std::make_unique<GameController>(deps);
    window_ = &controller_->window();
    window_->show();
    while (!controller_->startedUp()) QApplication::processEvents(QEventLoop::AllEvents, 10);
    QApplication::processEvents();
  }
  ~Capture() { window_->close(); }

  MainWindow& window() { return *window_; }

  void shoot(const QString& name) {
    QApplication::processEvents();
    const QImage picture = window_->grab().toImage().convertToFormat(QImage::Format_RGB32);
    picture.save(out_ + QLatin1Char('/') + name + QStringLiteral(".png"));
  }

  void press(QPoint at) { send(QEvent::MouseButtonPress, at, Qt::LeftButton); }
  void release(QPoint at) { send(QEvent::MouseButtonRelease, at, Qt::NoButton); }
  void click(QPoint at) {
    press(at);
    release(at);
  }

  // One step's interval passes and the step runs.
  void step() {
    micros_ += kStepMicros;
    controller_->stepTimerFired();
  }

  // The cursor the player sees at each point of a grid over the window.
  void writeCursors(const QString& name, int pitch) {
    QFile file(out_ + QLatin1Char('/') + name + QStringLiteral(".txt"));
    if (!file.open(QIODevice::WriteOnly | QIODevice::Text)) return;
    QTextStream text(&file);
    for (int y = 0; y < window_->height(); y += pitch) {
      for (int x = 0; x < window_->width(); x += pitch) {
        QWidget* target = targetAt({x, y});
        const QPoint local = target->mapFrom(window_, QPoint(x, y));
        QMouseEvent move(QEvent::MouseMove, local, target->mapToGlobal(local), Qt::NoButton, Qt::NoButton,
                         Qt::NoModifier);
        QApplication::sendEvent(target, &move);
        text << describe(target->cursor()) << (x + pitch < window_->width() ? " " : "\n");
      }
    }
  }

 private:
  QWidget* targetAt(QPoint at) {
    QWidget* child = window_->childAt(at);
    return child ? child : window_;
  }

  void send(QEvent::Type type, QPoint at, Qt::MouseButton buttons) {
    if (type == QEvent::MouseButtonPress) grabbed_ = targetAt(at);
    QWidget* target = grabbed_ ? grabbed_ : window_;
    const QPoint local = target->mapFrom(window_, at);
    QMouseEvent e(type, local, target->mapToGlobal(local), Qt::LeftButton, buttons, Qt::NoModifier);
    QApplication::sendEvent(target, &e);
    if (type == QEvent::MouseButtonRelease) grabbed_ = nullptr;
  }

  QString describe(const QCursor& c) {
    if (c.shape() != Qt::BitmapCursor) return QString::number(c.shape());
    const QString key = QString::number(c.bitmap().cacheKey()) + QLatin1Char('/') + QString::number(c.mask().cacheKey());
    if (!bitmapNames_.contains(key)) {
      QByteArray bytes;
      QBuffer buffer(&bytes);
      buffer.open(QIODevice::WriteOnly);
      c.bitmap().toImage().save(&buffer, "PNG");
      c.mask().toImage().save(&buffer, "PNG");
      bitmapNames_[key] = QString::fromLatin1(QCryptographicHash::hash(bytes, QCryptographicHash::Md5).toHex().left(8));
    }
    return bitmapNames_[key] + QStringLiteral("@%1,%2").arg(c.hotSpot().x()).arg(c.hotSpot().y());
  }

  QString out_;
  QTemporaryDir dir_;
  FixedRandom random_;
  std::int64_t micros_ = 1'000'000'000;
  std::unique_ptr<GameController> controller_;
  MainWindow* window_ = nullptr;  // owned by the controller
  QWidget* grabbed_ = nullptr;
  QHash<QString, QString> bitmapNames_;
};

const QPoint kMenuButton{25, 55};
const QPoint kSoundIcon{62, 57};
QPoint abortButton(const MainWindow& w) { return {w.width() - 25, 57}; }

// A whole round: every frame, with all holes pressed every third step.
void playRound(Capture& c, const QString& prefix) {
  c.click(holeCentre(kStartHole, c.window().size()));
  c.shoot(prefix + QStringLiteral("-000"));
  for (int frame = 1; frame <= 340; ++frame) {
    c.step();
    if (frame > 40 && frame % 3 == 0)
      for (int hole = 1; hole <= kHoles; ++hole) c.click(holeCentre(hole, c.window().size()));
    c.shoot(prefix + QStringLiteral("-%1").arg(frame, 3, 10, QLatin1Char('0')));
  }
}

void captureDefaultSet(const QString& out) {
  Capture c(out, true, {});
  c.shoot(QStringLiteral("idle"));
  c.writeCursors(QStringLiteral("cursors-idle"), 3);
  c.click(kSoundIcon);
  c.shoot(QStringLiteral("sound-muted"));
  c.click(kSoundIcon);
  c.shoot(QStringLiteral("sound-enabled"));
  // The menu button held down, then let go off the button (no menu).
  c.press(kMenuButton);
  c.shoot(QStringLiteral("menu-pressed"));
  c.release({300, 300});
  c.shoot(QStringLiteral("menu-released"));
  playRound(c, QStringLiteral("round"));
  c.shoot(QStringLiteral("after-round"));
  // A round aborted by its button.
  c.click(holeCentre(kStartHole, c.window().size()));
  for (int i = 0; i < 60; ++i) c.step();
  c.shoot(QStringLiteral("abort-lit"));
  c.writeCursors(QStringLiteral("cursors-round"), 3);
  c.click(abortButton(c.window()));
  c.shoot(QStringLiteral("abort-dark"));
  // A round ended by the menu button.
  c.click(holeCentre(kStartHole, c.window().size()));
  for (int i = 0; i < 45; ++i) c.step();
  c.click(kMenuButton);
  c.shoot(QStringLiteral("menu-ends-round"));
  // The resize rule: wider, taller, both, and back to the smallest.
  for (const QSize size : {QSize(800, 474), QSize(580, 700), QSize(1000, 800), QSize(581, 475), QSize(300, 200)}) {
    c.window().resize(size);
    QApplication::processEvents();
    const QString name = QStringLiteral("resized-%1x%2").arg(size.width()).arg(size.height());
    c.shoot(name);
  }
  c.window().resize(1000, 800);
  QApplication::processEvents();
  c.writeCursors(QStringLiteral("cursors-resized"), 5);
  c.click(holeCentre(kStartHole, c.window().size()));
  for (int i = 0; i < 50; ++i) c.step();
  c.shoot(QStringLiteral("resized-round"));
}

void captureOwnSet(const QString& out) {
  QTemporaryDir dir;
  const QString setFile = dir.filePath(QStringLiteral("sample.xet"));
  writeFile(setFile, sampleSet());
  Capture c(out, false, {setFile});
  c.shoot(QStringLiteral("own-idle"));
  c.writeCursors(QStringLiteral("cursors-own"), 3);
  c.click(kSoundIcon);
  c.shoot(QStringLiteral("own-sound-unavailable"));
  c.click(holeCentre(kStartHole, c.window().size()));
  for (int i = 0; i < 80; ++i) {
    c.step();
    if (i % 4 == 0)
      for (int hole = 1; hole <= kHoles; ++hole) c.click(holeCentre(hole, c.window().size()));
  }
  c.shoot(QStringLiteral("own-round"));
  c.window().resize(900, 600);
  QApplication::processEvents();
  c.shoot(QStringLiteral("own-resized"));
}

int compare(const QString& reference, const QString& output) {
  const QDir ref(reference), out(output);
  int differing = 0, files = 0;
  for (const QString& name : ref.entryList(QDir::Files, QDir::Name)) {
    ++files;
    const QString other = out.filePath(name);
    if (name.endsWith(QStringLiteral(".png"))) {
      const QImage a(ref.filePath(name)), b(other);
      if (a.size() != b.size()) {
        std::printf("%s: size %dx%d, was %dx%d\n", qPrintable(name), b.width(), b.height(), a.width(), a.height());
        ++differing;
        continue;
      }
      qint64 pixels = 0;
      for (int y = 0; y < a.height(); ++y)
        for (int x = 0; x < a.width(); ++x) pixels += a.pixel(x, y) != b.pixel(x, y);
      if (pixels) {
        std::printf("%s: %lld differing pixels\n", qPrintable(name), static_cast<long long>(pixels));
        ++differing;
      }
    } else {
      QFile fa(ref.filePath(name)), fb(other);
      fa.open(QIODevice::ReadOnly);
      if (!fb.open(QIODevice::ReadOnly) || fa.readAll() != fb.readAll()) {
        std::printf("%s differs\n", qPrintable(name));
        ++differing;
      }
    }
  }
  std::printf("%d files compared, %d differ\n", files, differing);
  return differing == 0 && files > 0 ? 0 : 1;
}

}  // namespace

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  const QStringList args = app.arguments();
  if (args.size() == 4 && args[1] == QStringLiteral("--compare")) return compare(args[2], args[3]);
  if (args.size() != 2) {
    std::fprintf(stderr, "usage: pvq_boardcapture OUTPUT-FOLDER | --compare REFERENCE OUTPUT\n");
    return 2;
  }
  QDir().mkpath(args[1]);
  FakePrompts prompts;
  captureDefaultSet(args[1]);
  captureOwnSet(args[1]);
  return 0;
}
