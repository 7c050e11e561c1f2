#pragma once
// The media player the background music needs: open a MIDI file by name, play it
// once from the start, stop, close, and an error text when that fails.
#include <QString>
#include <functional>

class MidiPlayer {
 public:
  virtual ~MidiPlayer() = default;
  // Loads the tune and readies the output. On failure returns false with a text
  // for the player in `error`, and the player stays closed.
  virtual bool open(const QString& path, QString& error) = 0;
  // Starts the opened tune from its beginning; it plays once.
  virtual void play() = 0;
  virtual void stop() = 0;
  // Stops and releases the tune and the output. Harmless when not open.
  virtual void close() = 0;
  // Called on the GUI thread when an opened tune turns out unplayable only once
  // it runs (damage the up-front checks missed). The player has stopped by then.
  void setFailureHandler(std::function<void(const QString&)> handler) { onFailure_ = std::move(handler); }

 protected:
  void reportFailure(const QString& error) {
    if (onFailure_) onFailure_(error);
  }

 private:
  std::function<void(const QString&)> onFailure_;
};
