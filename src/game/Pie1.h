#pragma once
// The main window: the black banner with the title, menu button, sound icon,
// score and time, the abort button, and the playfield with the thirteen holes.
// It shows the pictures the Game draws and forwards clicks and timer ticks.
#include <QMainWindow>
#include <QTimer>
#include <array>
#include <memory>

#include "game/Game.h"
#include "game/Widgets.h"

class QMenu;
class QAction;

// Client size that shows the whole playfield under the banner; also the minimum.
constexpr int kClientWidth = 580;
constexpr int kClientHeight = 474;

struct TForm1Deps {
  WavePlayer* wave = nullptr;
  MusicPort* music = nullptr;
  Clock clock = LocalNowDays;
  RandomSource* random = nullptr;
};

class TForm1 : public QWidget, public GameView {
  Q_OBJECT
 public:
  explicit TForm1(const TForm1Deps& deps, QWidget* parent = nullptr);
  ~TForm1() override;

  Game& game() { return *game_; }
  PictureBox* HoleImage(int n) const { return holes_[n]; }

  // The parts other code and the tests look at.
  Panel* Panel1;
  Panel* Panel2;
  Panel* Panel3;
  Panel* Panel4;
  Panel* Panel5;
  Panel* Panel6;
  Panel* Panel7;
  PictureBox* TitleImg;
  PictureBox* Image17;
  PictureBox* Image18;
  PictureBox* Stat;
  PictureBox* ScoreWords;
  PictureBox* Score;
  PictureBox* TimeWords;
  PictureBox* Time;
  QTimer* Animate;
  QTimer* ShowAbout;

  void FormResize();
  void FormShow();
  void FormDestroy();

  // Moves the abort button / menu button / sound icon inside their small panels.
  void placeImage18();
  void setImage17Top(int top);
  void setStatOffset(int offset, const QString& hint);

  // GameView
  void holeChanged(int hole) override;
  void scoreChanged() override;
  void timeChanged() override;
  void setPicturesChanged() override;
  void playfieldColourChanged() override;
  void titleColourChanged() override;
  void playfieldCursorChanged() override;
  void captionChanged() override;
  void abortButtonMoved() override;
  void animateChanged(bool enabled) override;
  void showGameOver(const QString& sentence, const QString& rating) override;
  void setBusyCursor(bool busy) override;
  void processPendingEvents() override;
  QWidget* dialogParent() override { return this; }

  // Hook for the game-over dialog until it is shown by its own window class.
  std::function<void(const QString&, const QString&)> gameOverHandler;

 protected:
  void resizeEvent(QResizeEvent* e) override;
  void showEvent(QShowEvent* e) override;
  void closeEvent(QCloseEvent* e) override;

 private:
  void buildComponents();

  std::unique_ptr<Game> game_;
  std::array<PictureBox*, kHoles + 1> holes_{};
  QImage image17Picture_, image18Picture_, statPicture_;
  bool shown_ = false;
  bool destroyed_ = false;
};

QColor colourFromValue(std::uint32_t bgr);
