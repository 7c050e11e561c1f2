#include <QLabel>
#include <QPushButton>

#include "SetTestSupport.h"
#include "about/Link.h"
#include "imageset/Imab.h"
#include "imageset/LoadCommands.h"

namespace {

SetHeader headerWith(const QString& title, const QString& email) {
  SetHeader h;
  h.clear();
  h.Title.set(title);
  h.Author.set(QStringLiteral("Ann Author"));
  h.Email.set(email);
  h.WebPage.set(QStringLiteral("https://example.org/ann"));
  h.Comment.set(QStringLiteral("A comment long enough to need more than one line in the comment box of this dialog, "
                               "so that its word wrapping shows."));
  return h;
}

}  // namespace

TEST(ImgAbout, ShowsTheHeaderInTheDesignedOrder) {
  FakePrompts prompts;
  TImgAbout dialog;
  EXPECT_EQ(dialog.windowTitle(), QStringLiteral("About Current Image Set..."));
  EXPECT_EQ(dialog.size(), QSize(475, 222));
  EXPECT_EQ(dialog.minimumSize(), dialog.maximumSize());
  EXPECT_EQ(dialog.Button1->text(), QStringLiteral("&Ok"));
  EXPECT_TRUE(dialog.Button1->isDefault());
  EXPECT_EQ(dialog.Title->size(), QSize(330, 25));
  EXPECT_EQ(dialog.Comment->size(), QSize(357, 85));
  EXPECT_TRUE(dialog.Title->wordWrap() && dialog.Comment->wordWrap());

  const QStringList captions{dialog.Label1->text(), dialog.Label3->text(), dialog.Label5->text(),
                             dialog.Label7->text(), dialog.Label4->text()};
  EXPECT_EQ(captions, (QStringList{"Image Set Title:", "Image Set Author:", "Author's E-mail Address:",
                                   "Author's Web Site:", "Image Set Comment:"}));
  const QList<QWidget*> topToBottom{dialog.Title, dialog.Author, dialog.Email, dialog.Web, dialog.Comment, dialog.Button1};
  for (int i = 1; i < topToBottom.size(); ++i) EXPECT_LT(topToBottom[i - 1]->y(), topToBottom[i]->y());

  QStringList seen;
  prompts.onModal = [&](QDialog&) {
    seen << dialog.Title->text() << dialog.Author->URL_Caption() << dialog.Author->URL() << dialog.Email->URL_Caption()
         << dialog.Email->URL() << dialog.Web->URL_Caption() << dialog.Web->URL();
    return int(QDialog::Accepted);
  };
  const SetHeader h = headerWith(QStringLiteral("Ann's Set"), QStringLiteral("ann@example.org"));
  ShowImgAbout(dialog, h);
  EXPECT_EQ(seen, (QStringList{"Ann's Set", "Ann Author", "", "ann@example.org", "mailto:ann@example.org",
                               "https://example.org/ann", ""}));
  EXPECT_EQ(dialog.Comment->text(), h.Comment.text());
  EXPECT_EQ(prompts.modalTitles, QStringList{"About Current Image Set..."});

  // The longest address makes the longest target the dialog allows.
  ShowImgAbout(dialog, headerWith(QStringLiteral("x"), QString(200, QLatin1Char('e'))));
  EXPECT_EQ(dialog.Email->URL().size(), 207);
  for (TLink* link : {dialog.Author, dialog.Email, dialog.Web}) EXPECT_LE(link->width(), 330);

  // Rendered for a look by eye when asked.
  if (const QByteArray png = qgetenv("PVQ_IMAB_PNG"); !png.isEmpty()) {
    ShowImgAbout(dialog, h);
    EXPECT_TRUE(dialog.grab().save(QString::fromLocal8Bit(png)));
  }
}

TEST_F(SetTest, ImgAboutReadsTheActiveHeaderEachTimeItIsShown) {
  TImgAbout dialog(&game.set.header);
  dialog.show();
  EXPECT_EQ(dialog.Title->text(), QStringLiteral("Pie Vorb Quarn (Default)"));
  EXPECT_EQ(dialog.Email->URL(), QStringLiteral("mailto:") + QString::fromLatin1(kDefaultEmail));
  dialog.hide();

  prompts.fileAnswers = {write("bmp1.bmp", bmpBytes(truePicture(20, 20, qRgb(1, 1, 1)))),
                         write("bmp2.bmp", bmpBytes(truePicture(20, 20, qRgb(2, 2, 2))))};
  ImageSetCommands(game).LoadseperateBMPimagesforanimation1Click();
  dialog.show();
  EXPECT_EQ(dialog.Title->text(), QStringLiteral("Unknwon"));
  EXPECT_EQ(dialog.Author->text(), QStringLiteral("Unknown"));
  EXPECT_TRUE(dialog.Comment->text().startsWith(QStringLiteral("Images from ")));
  dialog.hide();
}

// Also the way to make a sample set for trying by hand: PVQ_SAMPLE_XET=/path/sample.xet.
TEST_F(SetTest, SampleSetWithEveryItemLoads) {
  const QByteArray bytes = sampleSet();
  QString path = QString::fromLocal8Bit(qgetenv("PVQ_SAMPLE_XET"));
  if (path.isEmpty()) path = dir.filePath(QStringLiteral("sample.xet"));
  ASSERT_TRUE(writeFile(path, bytes));

  ImageSetCommands commands(game);
  commands.FormDropFiles({path});
  ASSERT_TRUE(prompts.messages.isEmpty()) << messageTexts().join('|').toStdString();
  EXPECT_EQ(game.set.setTitle, QStringLiteral("Sample Set"));
  EXPECT_EQ(game.playfieldColour, 0x00704020u);
  EXPECT_EQ(game.titleColour, 0x0000C0FFu);
  EXPECT_EQ(game.playfieldCursorSlot, 8);
  EXPECT_TRUE(game.cursors.has(kCustomCursorSlot));
  EXPECT_EQ(game.set.groupCount(), 2);
  EXPECT_EQ(game.set.header.TickSoundMode, 2);
  EXPECT_EQ(game.set.GameOverSound.data.size(), 11025u);
  EXPECT_TRUE(game.set.musicPresent);
  EXPECT_EQ(view.aboutShown, 1);
}
