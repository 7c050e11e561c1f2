#include <gtest/gtest.h>

#include <QApplication>
#include <QDialogButtonBox>
#include <QMessageBox>
#include <QPushButton>
#include <QStyle>

#include "ui/AppStyle.h"
#include "ui/DialogLook.h"

using namespace appstyle;

TEST(AppStyle, EveryTextColourReadsOnItsBackground) {
  EXPECT_NEAR(contrastRatio(Qt::black, Qt::white), 21.0, 0.01);
  EXPECT_NEAR(contrastRatio(Qt::white, Qt::white), 1.0, 0.01);
  const QPalette p = appPalette();
  for (QPalette::ColorGroup group : {QPalette::Active, QPalette::Inactive, QPalette::Disabled}) {
    const std::pair<QPalette::ColorRole, QPalette::ColorRole> pairs[] = {
        {QPalette::WindowText, QPalette::Window}, {QPalette::Text, QPalette::Base},
        {QPalette::ButtonText, QPalette::Button}, {QPalette::HighlightedText, QPalette::Highlight},
        {QPalette::ToolTipText, QPalette::ToolTipBase}, {QPalette::Link, QPalette::Window}};
    for (const auto& [ink, paper] : pairs)
      EXPECT_GE(contrastRatio(p.color(group, ink), p.color(group, paper)), 4.5) << group << ' ' << ink;
  }
  // The colours the style sheet sets text in, on what they stand on.
  EXPECT_GE(contrastRatio(kRimGreenText, kPageWhite), 4.5);
  EXPECT_GE(contrastRatio(kDigitOrange, kBannerBlack), 4.5);
  EXPECT_GE(contrastRatio(Qt::black, kDigitOrange), 4.5);
  EXPECT_GE(contrastRatio(kDisabledText, kDisabledFace), 4.5);
  EXPECT_GE(contrastRatio(kAlertRed, kPageWhite), 4.5);
  // Group box edges are parts of the picture, not text: 3:1.
  EXPECT_GE(contrastRatio(kRimGreenEdge, kPageWhite), 3.0);
  const QString sheet = appStyleSheet();
  for (const QColor& c : {kBannerBlack, kDigitOrange, kPageWhite, kRimGreenText})
    EXPECT_TRUE(sheet.contains(c.name())) << c.name().toStdString();
}

TEST(AppStyle, OneFaceAndWordsOnlyOnMessageBoxButtons) {
  const QFont oldFont = QApplication::font();
  const QPalette oldPalette = QApplication::palette();
  const QString oldStyle = QApplication::style()->name();
  apply(*qApp);

  EXPECT_EQ(QApplication::font().pixelSize(), kFontPixels);
  EXPECT_EQ(QApplication::font().family(), appFont().family());
  EXPECT_EQ(QApplication::palette().color(QPalette::Highlight), kBannerBlack);
  QMessageBox box(QMessageBox::Question, QStringLiteral("Quit"), QStringLiteral("Really?"),
                  QMessageBox::Ok | QMessageBox::Cancel);
  const QList<QAbstractButton*> buttons = box.buttons();
  ASSERT_EQ(buttons.size(), 2);
  for (const QAbstractButton* button : buttons) EXPECT_TRUE(button->icon().isNull()) << button->text().toStdString();
  EXPECT_EQ(box.font().family(), appFont().family());
  // The accepting button first, whatever the desktop's habit.
  box.show();
  EXPECT_LT(box.button(QMessageBox::Ok)->x(), box.button(QMessageBox::Cancel)->x());
  box.hide();

  qApp->setStyleSheet(QString());
  QApplication::setStyle(oldStyle);
  QApplication::setPalette(oldPalette);
  QApplication::setFont(oldFont);
}

// On a scaled screen a picture grows by whole pixels: blocks of one colour, no blends.
TEST(AppStyle, PicturesGrowByWholePixels) {
  QImage checker(2, 2, QImage::Format_RGB32);
  for (int y = 0; y < 2; ++y)
    for (int x = 0; x < 2; ++x) checker.setPixel(x, y, (x + y) % 2 ? qRgb(255, 147, 21) : qRgb(0, 0, 0));
  for (const qreal ratio : {1.0, 1.5, 2.0, 3.0}) {
    const QPixmap pixmap = sharpPixmap(checker, ratio);
    const int factor = static_cast<int>(std::ceil(ratio));
    EXPECT_EQ(pixmap.size(), QSize(2, 2) * factor) << ratio;
    EXPECT_EQ(pixmap.deviceIndependentSize().toSize(), QSize(2, 2)) << ratio;
    const QImage shown = pixmap.toImage().convertToFormat(QImage::Format_RGB32);
    for (int y = 0; y < shown.height(); ++y)
      for (int x = 0; x < shown.width(); ++x)
        ASSERT_EQ(shown.pixel(x, y), checker.pixel(x / factor, y / factor)) << ratio << ' ' << x << ',' << y;
  }
}
