#include <QApplication>

#include "game/Pie1.h"

namespace {
// Stands in until the sound system is wired: a silent device.
class Silent final : public WavePlayer, public MusicPort {
 public:
  void PlayWave(SoundBuffer&, int) override {}
  void StopWave(int) override {}
  SoundState soundState() const override { return SoundState::Unavailable; }
  void StartMusic() override {}
  void StopMusic() override {}
  bool musicPlaying() const override { return false; }
};
}  // namespace

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  QApplication::setOverrideCursor(Qt::WaitCursor);
  QApplication::setApplicationName(QStringLiteral("Pie Vorb Quarn"));
  Silent silent;
  TForm1Deps deps;
  deps.wave = &silent;
  deps.music = &silent;
  TForm1 form(deps);
  form.show();
  return app.exec();
}
