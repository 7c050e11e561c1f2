// The set chooser's open time with 50 sets, cold (no previews cached) and
// cached, against a window listing the same 50 files by name only, interleaved
// round by round. Each time runs from making the window to the window painted
// with every preview in it. Prints one line per measure: name, then one time in
// ms per round.
//
//   bench_chooser <scratch folder> [rounds=5]
#include <QApplication>
#include <QDialog>
#include <QDir>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QListWidget>
#include <QVBoxLayout>
#include <QWindow>
#include <cstdio>
#include <cstdlib>
#include <map>
#include <string>
#include <vector>

#include "chooser/PreviewLoader.h"
#include "chooser/SetChooserDialog.h"
#include "chooser/SetListModel.h"
#include "imageset/SetFileBuilder.h"

namespace {

constexpr int kSets = 50;

void settle(QWidget& window) {
  window.show();
  while (!window.isVisible() || !window.windowHandle() || !window.windowHandle()->isExposed())
    QApplication::processEvents(QEventLoop::WaitForMoreEvents, 5);
  window.repaint();
  QApplication::processEvents();
}

double namesOnly(const QList<SetEntry>& entries) {
  QElapsedTimer t;
  t.start();
  QDialog window;
  auto* list = new QListWidget(&window);
  for (const SetEntry& entry : entries) list->addItem(QFileInfo(entry.path).fileName());
  (new QVBoxLayout(&window))->addWidget(list);
  settle(window);
  return t.nsecsElapsed() / 1e6;
}

double chooser(const SetSources& sources, const QString& cache) {
  QElapsedTimer t;
  t.start();
  SetChooserDialog window(sources, cache);
  window.show();
  window.waitUntilSettled();
  settle(window);
  return t.nsecsElapsed() / 1e6;
}

}  // namespace

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  if (argc < 2) {
    std::fprintf(stderr, "usage: %s <scratch folder> [rounds=5]\n", argv[0]);
    return 2;
  }
  const QString dir = QString::fromLocal8Bit(argv[1]);
  const int rounds = argc > 2 ? std::atoi(argv[2]) : 5;
  const QString sets = dir + QStringLiteral("/sets"), cache = dir + QStringLiteral("/cache");
  QDir(dir).removeRecursively();
  QDir().mkpath(sets);
  // Fifty sets with pictures, sounds and a tune, each its own title and colours.
  for (int i = 0; i < kSets; ++i) {
    QByteArray bytes = sampleSet();
    putShortString(bytes, xet::Title, "Bench set " + QByteArray::number(i));
    putInt32(bytes, xet::pageColour, std::int32_t(0x00101010 * (i % 15)));
    writeFile(sets + QStringLiteral("/set%1.xet").arg(i, 2, 10, QLatin1Char('0')), bytes);
  }
  const SetSources sources{QString(), sets, {}};
  const QList<SetEntry> entries = scanSets(sources);
  std::printf("set_files %lld\n", static_cast<long long>(entries.size()));

  std::map<std::string, std::vector<double>> times;
  for (int r = 0; r < rounds; ++r) {
    times["chooser_names"].push_back(namesOnly(entries));
    QDir(cache).removeRecursively();
    times["chooser_cold"].push_back(chooser(sources, cache));
    times["chooser_names"].push_back(namesOnly(entries));
    times["chooser_cached"].push_back(chooser(sources, cache));
  }
  for (const auto& [name, list] : times) {
    std::printf("%s", name.c_str());
    for (double v : list) std::printf(" %.2f", v);
    std::printf("\n");
  }
  return 0;
}
