#pragma once
// What the chooser shows of one set file: its texts, size, sounds, tune and
// preview, or why it cannot be read.
#include <QImage>
#include <QString>

#include "imageset/SetReaders.h"

struct SetSummary {
  QString title, author, comment;
  int soundCount = 0;  // sound effects the set brings (0 to 4)
  bool hasTune = false;
  QString error;       // "cannot be read:" and the reader's reason; empty for a good set
  QImage preview;      // null for a set that cannot be read

  bool readable() const { return error.isEmpty(); }
};

// Reads any set file by its path with the Load command's reader; the reader's
// bounds hold for whatever the file claims.
SetReadResult readSetAt(const QString& path);

// Reads the set and draws its preview with dpr pixels to each of its logical
// ones (the screen's density). Safe off the GUI thread.
SetSummary summarizeSet(const QString& path, qreal dpr = 1);
