#pragma once
// The only place the set benchmark touches the game's own code: writing a set
// with and without the progress window, loading one, and where its pictures lie.
#include <QString>
#include <utility>
#include <vector>

namespace setapi {

struct Inputs {
  QString outFile;
  QString pict1, pict2;  // target and splat strips (BMP files)
  QString wave;          // startup sound (8-bit mono 11025 Hz PCM)
};

// Writes the set the way the wizard does; false with *error on failure.
bool writeSet(const Inputs& in, bool withProgressWindow, QString* error);

// Loads the set into one game kept for the whole run, as the open-set command does.
bool loadSet(const QString& path);

// Offset and length of each picture inside a set written from in.
std::vector<std::pair<qint64, qint64>> pictureSpans(const Inputs& in);

}  // namespace setapi
