// The wizard's warnings about the pictures it is given, at each boundary.
#include <gtest/gtest.h>

#include <QPainter>
#include <QTemporaryDir>

#include "imageset/SetFileBuilder.h"
#include "imageset/SetHeader.h"
#include "wizard/StripChecks.h"
#include "wizard/WizardPreview.h"

TEST(StripChecks, HeightsThatAreNotWholeTargetsSayWhatTheGameFindsAndWhatTheNextNeeds) {
  EXPECT_EQ(stripHeightWarning(QStringLiteral("Pict1.bmp"), 214),
            QStringLiteral("Pict1.bmp: 214 rows hold 1 target; 2 targets need 216 rows"));
  EXPECT_EQ(stripHeightWarning(QStringLiteral("Pict1.bmp"), 215),
            QStringLiteral("Pict1.bmp: 215 rows hold 1 target; 2 targets need 216 rows"));
  EXPECT_EQ(stripHeightWarning(QStringLiteral("Pict2.bmp"), 216), QString());
  EXPECT_EQ(stripHeightWarning(QStringLiteral("Pict2.bmp"), 108), QString());
  EXPECT_EQ(stripHeightWarning(QStringLiteral("Pict2.bmp"), 217),
            QStringLiteral("Pict2.bmp: 217 rows hold 2 targets; 3 targets need 324 rows"));
  // 107 rows show their one target; fewer show none whole.
  EXPECT_EQ(stripHeightWarning(QStringLiteral("Pict1.bmp"), 107),
            QStringLiteral("Pict1.bmp: 107 rows hold 1 target; 2 targets need 216 rows"));
  EXPECT_EQ(stripHeightWarning(QStringLiteral("Pict1.bmp"), 1),
            QStringLiteral("Pict1.bmp: 1 row holds 0 targets; 1 target needs 108 rows"));
  EXPECT_EQ(targetsInStrip(106), 0);
  EXPECT_EQ(targetsInStrip(215), 1);
  EXPECT_EQ(targetsInStrip(216), 2);
}

TEST(StripChecks, UnequalTargetCountsAreNamed) {
  EXPECT_EQ(stripCountWarning(2, 2), QString());
  EXPECT_EQ(stripCountWarning(1, 2),
            QStringLiteral("Pict1.bmp holds 1 target but Pict2.bmp holds 2 targets: a hit target splats with the row "
                           "of the same number, so both need as many"));
  EXPECT_FALSE(stripCountWarning(3, 2).isEmpty());
}

TEST(StripChecks, PageColourIsComparedWithTheBackgroundAroundTheFirstFrame) {
  // A white frame edge around a red figure, and a blue second frame the edge never reaches.
  QImage strip(224, 108, QImage::Format_RGB32);
  strip.fill(Qt::white);
  QPainter painter(&strip);
  painter.fillRect(20, 20, 70, 70, Qt::red);
  painter.fillRect(112, 0, 112, 108, Qt::blue);
  painter.end();
  EXPECT_EQ(pictureBackground(strip), qRgb(255, 255, 255));

  const QList<PictureOnPage> pictures = {{QStringLiteral("the figure"), qRgb(255, 255, 255)},
                                         {QStringLiteral("the count-down"), qRgb(0, 128, 0)}};
  EXPECT_EQ(pageColourWarning(qRgb(0, 128, 0), {pictures[1]}), QString());
  EXPECT_EQ(pageColourWarning(qRgb(0, 128, 0), pictures),
            QStringLiteral("The page colour #008000 differs from the background of the figure (#FFFFFF): boxes will "
                           "show around them"));
}

TEST(StripChecks, WizardLookReadsTheStripsAndGathersEveryWarning) {
  QTemporaryDir dir;
  auto write = [&](const char* name, const QImage& picture) {
    const QString path = dir.filePath(QString::fromLatin1(name));
    EXPECT_TRUE(writeFile(path, bmpBytes(picture)));
    return path;
  };
  SetInputs in;
  in.pict1 = write("pict1.bmp", truePicture(559, 214, qRgb(255, 255, 255)));
  in.pict2 = write("pict2.bmp", truePicture(1119, 216, qRgb(255, 255, 255)));
  WizardLook look = wizardLook(in);
  EXPECT_EQ(look.figureTargets, 1);
  EXPECT_EQ(look.splatTargets, 2);
  EXPECT_EQ(look.set.targetStrip.height(), 214);
  EXPECT_EQ(look.warnings, (QStringList{QStringLiteral("Pict1.bmp: 214 rows hold 1 target; 2 targets need 216 rows"),
                                        stripCountWarning(1, 2)}));

  // A green page with the built-in count-down, which stands on white.
  in.pict1 = write("pict1b.bmp", truePicture(559, 216, qRgb(0, 128, 0)));
  in.pict2 = write("pict2b.bmp", truePicture(1119, 216, qRgb(0, 128, 0)));
  in.pageColour = colourValue(QColor(0, 128, 0));
  look = wizardLook(in);
  ASSERT_EQ(look.warnings.size(), 1);
  EXPECT_EQ(look.warnings[0], QStringLiteral("The page colour #008000 differs from the background of the built-in "
                                             "count-down (#FFFFFF): boxes will show around them"));
  EXPECT_EQ(look.set.playfieldColour, QColor(0, 128, 0));

  in.pict2 = dir.filePath(QStringLiteral("missing.bmp"));
  look = wizardLook(in);
  EXPECT_TRUE(look.warnings.value(0).startsWith(QStringLiteral("Pict2.bmp cannot be read: ")));
}
