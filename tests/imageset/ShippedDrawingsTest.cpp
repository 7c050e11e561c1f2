#include <gtest/gtest.h>

#include <QImage>
#include <QString>
#include <vector>

// The three shipped sets must read as three games: their figure, splat and
// count-down strips are different drawings, not one drawing recoloured. Colour
// says nothing here, so the strips are compared by their outlines where each
// set's own character and signs stand (above the mound all sets share). A
// recoloured drawing keeps 88-100 % of its outline within a pixel.

namespace {

const char* const kSets[] = {"pictures", "moonlight", "seaside"};
const char* const kStrips[] = {"figure.bmp", "splat.bmp", "countdown.bmp"};
constexpr int kRowsAboveTheMound = 72;  // of each 108-row band

// Where the brightness steps as sharply as at an inked outline.
std::vector<bool> outlineMap(const QImage& picture) {
  const QImage grey = picture.convertToFormat(QImage::Format_Grayscale8);
  const int w = grey.width(), h = grey.height();
  std::vector<bool> edges(std::size_t(w) * h, false);
  for (int y = 0; y + 1 < h; ++y) {
    if (y % 108 >= kRowsAboveTheMound) continue;
    const uchar* row = grey.constScanLine(y);
    const uchar* below = grey.constScanLine(y + 1);
    for (int x = 0; x + 1 < w; ++x)
      edges[std::size_t(y) * w + x] = std::abs(row[x + 1] - row[x]) + std::abs(below[x] - row[x]) > 120;
  }
  return edges;
}

// The share of a's outline that b has within a pixel.
double sharedOutline(const std::vector<bool>& a, const std::vector<bool>& b, int w, int h) {
  long long mine = 0, shared = 0;
  for (int y = 0; y < h; ++y)
    for (int x = 0; x < w; ++x) {
      if (!a[std::size_t(y) * w + x]) continue;
      ++mine;
      bool near = false;
      for (int dy = -1; dy <= 1 && !near; ++dy)
        for (int dx = -1; dx <= 1 && !near; ++dx) {
          const int nx = x + dx, ny = y + dy;
          near = nx >= 0 && ny >= 0 && nx < w && ny < h && b[std::size_t(ny) * w + nx];
        }
      if (near) ++shared;
    }
  return mine ? double(shared) / double(mine) : 1.0;
}

TEST(ShippedDrawings, EveryPairOfShippedSetsDrawsItsFigureSplatAndCountDownDifferently) {
  for (const char* strip : kStrips) {
    std::vector<QImage> pictures;
    for (const char* set : kSets) {
      pictures.emplace_back(QStringLiteral(PVQ_SOURCE_DIR "/examples/%1/%2").arg(QLatin1String(set), QLatin1String(strip)));
      ASSERT_FALSE(pictures.back().isNull()) << set << "/" << strip;
    }
    for (int i = 0; i < 3; ++i)
      for (int j = i + 1; j < 3; ++j) {
        ASSERT_EQ(pictures[i].size(), pictures[j].size());
        const int w = pictures[i].width(), h = pictures[i].height();
        const std::vector<bool> a = outlineMap(pictures[i]), b = outlineMap(pictures[j]);
        const double share = std::max(sharedOutline(a, b, w, h), sharedOutline(b, a, w, h));
        EXPECT_LT(share, 0.75) << strip << ": " << kSets[i] << " and " << kSets[j] << " share " << share * 100
                               << " % of their outline";
      }
  }
}

}  // namespace
