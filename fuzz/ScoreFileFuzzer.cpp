// A score file as the board reads it. What must hold: no entry read back holds a
// line break or NUL; entries with the usual sixteen digits come highest score
// first; saving the list and reading it again keeps every entry (entries the
// collation finds equal trade places on each reading, as the sort is reversed).
#include <QDir>
#include <algorithm>

#include "FuzzSupport.h"
#include "scores/ScoreFile.h"

extern "C" int LLVMFuzzerInitialize(int*, char***) {
  startFuzzApplication();
  return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  static const QString folder = [] {
    const QString f = scratchPath(QStringLiteral("board"));
    QDir().mkpath(f);
    return f;
  }();
  ScoreBoard board(folder, folder);
  writeScratch(board.filePath(), fuzzBytes(data, size));
  fuzzCheck(board.load(), "a plain file is read");

  const QList<QByteArray> read = board.entries();
  for (const QByteArray& entry : read) {
    fuzzCheck(!entry.contains('\r') && !entry.contains('\n') && !entry.contains('\0'),
              "an entry holds no line break and no NUL");
    fuzzCheck(lineCheck(entry).size() == 2, "an entry's check is two characters");
  }
  QByteArray previousDigits;
  for (const QByteArray& entry : read) {
    const bool usual = entry.size() > 16 && entry[16] == kScoreSeparator &&
                       std::all_of(entry.begin(), entry.begin() + 16, [](char c) { return c >= '0' && c <= '9'; });
    if (!usual) continue;
    fuzzCheck(previousDigits.isEmpty() || entry.first(16) <= previousDigits, "the board is read best first");
    previousDigits = entry.first(16);
  }

  fuzzCheck(board.save(), "the board is saved");
  ScoreBoard again(folder, folder);
  fuzzCheck(again.load(), "the saved board is read");
  QList<QByteArray> before = read, after = again.entries();
  std::sort(before.begin(), before.end());
  std::sort(after.begin(), after.end());
  fuzzCheck(before == after, "saving and reading keep every entry");
  return 0;
}
