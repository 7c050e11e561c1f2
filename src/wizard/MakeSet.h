#pragma once
// `--make-set MANIFEST OUT`: a set built from a small INI manifest through the same
// draft, checks and conversions as the wizard. Paths in the manifest are relative
// to it. On any refusal nothing is left under OUT.
#include <QString>
#include <QStringList>

struct MakeSetResult {
  int exitCode = 0;      // 0 when the set was written
  QStringList warnings;  // what the wizard would warn about; the set is written all the same
  QString error;         // why it was refused, naming the file
};

MakeSetResult makeSetFromManifest(const QString& manifest, const QString& out);
