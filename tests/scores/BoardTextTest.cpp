#include <gtest/gtest.h>

#include <QFont>
#include <QFontMetrics>

#include "ui/DialogLook.h"
#include "scores/BoardText.h"
#include "scores/ScoreFile.h"

TEST(rankText, EnglishOrdinals) {
  const std::pair<int, const char*> cases[] = {
      {1, "1st"},     {2, "2nd"},     {3, "3rd"},     {4, "4th"},     {10, "10th"},   {11, "11th"},
      {12, "12th"},   {13, "13th"},   {19, "19th"},   {20, "20th"},   {21, "21st"},   {22, "22nd"},
      {23, "23rd"},   {101, "101st"}, {111, "111th"}, {112, "112th"}, {113, "113th"}, {1002, "1002nd"}};
  for (const auto& [rank, text] : cases) EXPECT_EQ(rankText(rank - 1), text) << rank;
}

TEST(EntryCells, NameAndScoreParts) {
  EXPECT_EQ(entryName(scoreEntry(24, "Ann")), "Ann");
  EXPECT_EQ(entryScore(scoreEntry(24, "Ann")), "24");
  EXPECT_EQ(entryScore(scoreEntry(2, "x")), "2");
  EXPECT_EQ(entryScore(scoreEntry(0, "x")), "");
  EXPECT_EQ(entryScore(scoreEntry(1000, "x")), "1000");
  // Only the first separator splits; later ones are the name's, shown in the code page.
  EXPECT_EQ(entryName(scoreEntry(6, "N\xD1o \xE9")), QString::fromUtf8("NÑo é"));
  EXPECT_EQ(entryName("no separator"), "no separator");
  EXPECT_EQ(entryScore("no separator"), "");
  EXPECT_EQ(entryName(""), "");
}

TEST(fitText, CutsWithDotsToTheLongestFittingPrefix) {
  const QFontMetrics fm(dialogFont());
  const QString name(200, QLatin1Char('W'));
  const int width = 335;
  EXPECT_EQ(fitText("Ann", width, fm), "Ann");
  const QString exact = QStringLiteral("Exactly");
  EXPECT_EQ(fitText(exact, fm.horizontalAdvance(exact), fm), exact);

  const QString cut = fitText(name, width, fm);
  ASSERT_TRUE(cut.endsWith("..."));
  const QString kept = cut.chopped(3);
  EXPECT_TRUE(name.startsWith(kept));
  EXPECT_FALSE(kept.isEmpty());
  EXPECT_LE(fm.horizontalAdvance(cut), width);
  EXPECT_GT(fm.horizontalAdvance(name.left(kept.size() + 1) + "..."), width) << "one more letter would fit";
}

TEST(fitText, NarrowerThanTheDots) {
  const QFontMetrics fm(dialogFont());
  const int dots = fm.horizontalAdvance("...");
  EXPECT_EQ(fitText("Something long", dots, fm), "...");
  EXPECT_EQ(fitText("Something long", dots - 1, fm), "..");
  EXPECT_EQ(fitText("Something long", 0, fm), "");
  EXPECT_EQ(fitText("Something long", -4, fm), "");
  EXPECT_EQ(fitText("", -4, fm), "");
}
