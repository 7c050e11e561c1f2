#include "wizard/SetCreationWizard.h"

#include <QApplication>
#include <QBitmap>
#include <QCloseEvent>
#include <QColorDialog>
#include <QComboBox>
#include <QFileInfo>
#include <QFrame>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPainter>
#include <QPointer>
#include <QPushButton>
#include <QScreen>
#include <QSpinBox>
#include <QStackedWidget>
#include <QStorageInfo>
#include <QVBoxLayout>

#include "game/Game.h"
#include "ui/Prompts.h"
#include "imageset/DefaultSet.h"
#include "wizard/CreationProgressDialog.h"
#include "wizard/CursorSetupDialog.h"
#include "wizard/ImageGroupDialog.h"

namespace {

constexpr int kPages = 6;
constexpr int kLastPage = kPages - 1;
constexpr int kCustomTile = 8;

const char* const kPlayModes[] = {"Play Each Second (CountDown and In-Game)", "Play Each Second (CountDown)",
                                  "Play Each Second (In-Game)", "Play Once (CountDown and In-Game)",
                                  "Play Once (CountDown)", "Play Once (In-Game)"};
const char* const kTileNames[] = {"Normal Pie Image",     "Finger Cursor",       "Cross Hair Target",
                                  "Double Barreled Shotgun", "Dart Board Target 1", "Dart Board Target 2",
                                  "Weird Triangle",      "Custom Cursor..."};

QLabel* wrapped(const QString& text, QWidget* parent) {
  auto* label = new QLabel(text, parent);
  label->setWordWrap(true);
  return label;
}

QFrame* sunken(QWidget* parent) {
  auto* frame = new QFrame(parent);
  frame->setFrameStyle(QFrame::Panel | QFrame::Sunken);
  return frame;
}

QLineEdit* edit(int maxLength, QWidget* parent) {
  auto* e = new QLineEdit(parent);
  e->setMaxLength(maxLength);
  return e;
}

// A field with its Browse button on one row.
QHBoxLayout* fileRow(const QString& caption, QLineEdit* field, QPushButton* button) {
  auto* row = new QHBoxLayout;
  row->setSpacing(4);
  if (!caption.isEmpty()) {
    auto* label = new QLabel(caption);
    label->setBuddy(field);
    row->addWidget(label);
  }
  row->addWidget(field, 1);
  row->addWidget(button);
  return row;
}

// The built-in graphics shown small in the 16 colours of the standard palette.
QPixmap example(const QImage& picture, int width, int height) {
  static const QList<QRgb> palette = {
      qRgb(0, 0, 0),       qRgb(128, 0, 0),   qRgb(0, 128, 0),   qRgb(128, 128, 0), qRgb(0, 0, 128),   qRgb(128, 0, 128),
      qRgb(0, 128, 128),   qRgb(192, 192, 192), qRgb(128, 128, 128), qRgb(255, 0, 0), qRgb(0, 255, 0), qRgb(255, 255, 0),
      qRgb(0, 0, 255),     qRgb(255, 0, 255), qRgb(0, 255, 255), qRgb(255, 255, 255)};
  if (picture.isNull()) return {};
  const QImage small = picture.convertToFormat(QImage::Format_RGB32)
                           .scaled(width, height, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
  return QPixmap::fromImage(small.convertToFormat(QImage::Format_Indexed8, palette, Qt::ThresholdDither));
}

QLabel* examplePicture(const QImage& picture, int width, int height, QWidget* parent) {
  auto* label = new QLabel(parent);
  label->setPixmap(example(picture, width, height));
  label->setFixedSize(width, height);
  return label;
}

// A bitmap cursor drawn as it shows on a white page.
QImage cursorPicture(const QCursor* cursor) {
  if (!cursor) return {};
  const QBitmap bits = cursor->bitmap();
  const QBitmap mask = cursor->mask();
  if (bits.isNull() || mask.isNull()) return cursor->pixmap().toImage();
  const QImage b = bits.toImage(), m = mask.toImage();
  QImage out(b.size(), QImage::Format_ARGB32);
  out.fill(Qt::transparent);
  for (int y = 0; y < b.height(); ++y)
    for (int x = 0; x < b.width(); ++x)
      if (m.pixelIndex(x, y) == 1) out.setPixel(x, y, b.pixelIndex(x, y) == 1 ? qRgb(0, 0, 0) : qRgb(255, 255, 255));
  return out;
}

QString fileNamePart(const QString& path) {
  const qsizetype cut = std::max(path.lastIndexOf(QLatin1Char('/')), path.lastIndexOf(QLatin1Char(':')));
  return path.mid(cut + 1);
}

}  // namespace

void showWizardError(QWidget* parent, const QString& caption, const QString& text) {
  prompts().message(parent, text, caption, BoxIcon::Error);
}

std::uint32_t swatchColour(const QFrame* swatch) {
  const QColor c = swatch->palette().color(QPalette::Window);
  return colourValue(c.red(), c.green(), c.blue());
}

void setSwatchColour(QFrame* swatch, const QColor& colour) {
  QPalette p = swatch->palette();
  p.setColor(QPalette::Window, colour);
  swatch->setPalette(p);
}

// ---------------------------------------------------------------- tiles

CursorTile::CursorTile(int tag, QWidget* parent) : QFrame(parent), slot(tag) {
  setFixedSize(49, 49);
  setLineWidth(2);
  setSelected(false);
}

void CursorTile::setSelected(bool selected) {
  selected_ = selected;
  setFrameStyle(QFrame::Panel | (selected ? QFrame::Sunken : QFrame::Raised));
  update();
}

void CursorTile::mousePressEvent(QMouseEvent* event) {
  if (event->button() == Qt::LeftButton) Q_EMIT clicked(slot);
}

void CursorTile::paintEvent(QPaintEvent* event) {
  QPainter painter(this);
  painter.fillRect(rect(), QColor(255, 255, 255));
  if (!picture.isNull()) {
    const QPoint at((width() - picture.width()) / 2, (height() - picture.height()) / 2);
    painter.drawImage(at + (selected_ ? QPoint(1, 1) : QPoint()), picture);
  }
  painter.end();
  QFrame::paintEvent(event);
}

// ---------------------------------------------------------------- window

SetCreationWizard::SetCreationWizard(Game& game, ImageGroupDialog& editGroup, CursorSetupDialog& customSetup, QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                          Qt::WindowCloseButtonHint | Qt::WindowStaysOnTopHint | Qt::MSWindowsFixedSizeDialogHint),
      game_(game),
      editGroup_(editGroup),
      customSetup_(customSetup) {
  chooseColour = [](const QColor& initial, QWidget* parent) { return QColorDialog::getColor(initial, parent); };
  setWindowTitle(QStringLiteral("Pie Vorb Quarn - Create New eXtended Image Set Wizard"));
  setModal(true);
  setFixedSize(592, 413);
  // The pages were laid out for a small dialog font; the long group captions need it.
  QFont small = font();
  small.setPixelSize(11);
  setFont(small);

  introLabel = wrapped(QStringLiteral("This wizard creates an eXtended Image Set, which lets you change the graphics and "
                                 "sound of Pie Vorb Quarn.  Please follow the prompts on each step."),
                  this);
  introLabel->setGeometry(8, 2, 480, 33);
  pageTitle = new QLabel(this);
  pageTitle->setFrameStyle(QFrame::Panel | QFrame::Sunken);
  pageTitle->setAlignment(Qt::AlignCenter);
  pageTitle->setGeometry(496, 7, 88, 23);

  pages = new QStackedWidget(this);
  pages->setGeometry(0, 37, 592, 345);
  pages->addWidget(makeAnimationPage());
  pages->addWidget(makeBitmapsPage());
  pages->addWidget(makeSoundsPage());
  pages->addWidget(makeTextsPage());
  pages->addWidget(makeCursorPage());
  pages->addWidget(makeOutputPage());
  setSwatchColour(titleColourSwatch, QColor(255, 0, 0));
  setSwatchColour(pageColourSwatch, QColor(255, 255, 255));
  urlEdit->setText(QStringLiteral("http://"));

  auto* rule = new QFrame(this);
  rule->setFrameStyle(QFrame::HLine | QFrame::Sunken);
  rule->setGeometry(0, 382, 592, 2);

  backButton = new QPushButton(QStringLiteral("<< &Back"), this);
  nextButton = new QPushButton(QStringLiteral("&Next >>"), this);
  cancelButton = new QPushButton(QStringLiteral("&Cancel"), this);
  backButton->setGeometry(346, 386, 77, 25);
  nextButton->setGeometry(427, 386, 77, 25);
  cancelButton->setGeometry(510, 386, 77, 25);
  nextButton->setDefault(true);

  connect(pages, &QStackedWidget::currentChanged, this, [this] { pageChanged(); });
  connect(cancelButton, &QPushButton::clicked, this, [this] { cancel(); });
  connect(nextButton, &QPushButton::clicked, this, [this] { next(); });
  connect(backButton, &QPushButton::clicked, this, [this] { back(); });

  resetFields();
}

QWidget* SetCreationWizard::makeAnimationPage() {
  auto* page = new QWidget;
  auto* v = new QVBoxLayout(page);
  v->setContentsMargins(10, 8, 10, 8);
  v->addWidget(wrapped(QStringLiteral(
      "An image set may show more than one target picture.  It needs two pictures: one holding the images of the "
      "target appearing, and one holding the pie (splat) images.  Every 107 lines of picture start a new set of "
      "faces, so taller pictures give the game more targets to throw at."), page));
  auto group = [&](const QString& title, QLabel*& name) {
    auto* box = new QGroupBox(title, page);
    auto* g = new QHBoxLayout(box);
    auto* caption = new QLabel(QStringLiteral("Filename:"), box);
    caption->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    name = wrapped(QString(), box);
    name->setMinimumHeight(34);
    name->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    g->addWidget(caption, 0, Qt::AlignTop);
    g->addWidget(name, 1);
    v->addWidget(box);
  };
  group(QStringLiteral(" Pict1.bmp "), figureFileLabel);
  group(QStringLiteral(" Pict2.bmp "), splatFileLabel);
  changeGroupFilesButton = new QPushButton(QStringLiteral("Change Image &Files..."), page);
  auto* row = new QHBoxLayout;
  row->addStretch();
  row->addWidget(changeGroupFilesButton);
  v->addLayout(row);
  v->addStretch();
  connect(changeGroupFilesButton, &QPushButton::clicked, this, [this] { editImageGroup(); });
  return page;
}

QWidget* SetCreationWizard::makeBitmapsPage() {
  auto* page = new QWidget;
  auto* v = new QVBoxLayout(page);
  v->setContentsMargins(3, 4, 3, 4);
  v->setSpacing(2);
  auto* noteRow = new QHBoxLayout;
  noteRow->addWidget(wrapped(QStringLiteral("The graphics of the game can be overridden here; example pictures came "
                                            "with the program.  Leave a file name blank to keep the built-in "
                                            "graphic."), page), 1);
  auto* note = wrapped(QStringLiteral("<span style='color:red'>NOTE:</span> NB: Sizes of example pictures differ "
                                      "from actual picture sizes..."), page);
  note->setFixedWidth(190);
  noteRow->addWidget(note);
  v->addLayout(noteRow);

  const BuiltinPictures& builtin = builtinPictures();
  // Small pictures sit beside the file name; the wide ones get a row of their own.
  auto group = [&](const QString& title, QLabel* picture, QLineEdit*& field, QPushButton*& browse, QFrame** swatch,
                   QPushButton** colourButton, const QString& colourText) {
    auto* box = new QGroupBox(title, page);
    auto* g = new QGridLayout(box);
    g->setContentsMargins(6, 2, 6, 4);
    g->setVerticalSpacing(2);
    field = edit(255, box);
    browse = new QPushButton(QStringLiteral("Browse..."), box);
    auto* caption = new QLabel(QStringLiteral("&Example:"), box);
    caption->setBuddy(field);
    picture->setParent(box);
    QHBoxLayout* row = fileRow(QStringLiteral("Filename:"), field, browse);
    if (swatch) {
      *colourButton = new QPushButton(colourText, box);
      *swatch = sunken(box);
      (*swatch)->setAutoFillBackground(true);
      (*swatch)->setFixedSize(22, 22);
      row->addSpacing(8);
      row->addWidget(*colourButton);
      row->addWidget(*swatch);
    }
    if (picture->height() > 30) {
      auto* line = new QHBoxLayout;
      line->addWidget(caption);
      line->addWidget(picture);
      line->addSpacing(8);
      line->addLayout(row, 1);
      g->addLayout(line, 0, 0);
    } else {
      auto* exampleRow = new QHBoxLayout;
      exampleRow->addWidget(caption);
      exampleRow->addWidget(picture);
      exampleRow->addStretch();
      g->addLayout(exampleRow, 0, 0);
      g->addLayout(row, 1, 0);
    }
    v->addWidget(box);
  };
  group(QStringLiteral(" Title Bar:  (594x31 Pixels  - title.bmp) "),
        examplePicture(builtin.title, 333, 17, page), titleFile, browseTitleButton, &titleColourSwatch, &titleColourButton,
        QStringLiteral("&Set Background Colour..."));
  group(QStringLiteral(" Number Strip:  (300x51 Pixels  - numbers.bmp) "),
        examplePicture(builtin.digits, 147, 25, page), digitsFile, browseDigitsButton, nullptr, nullptr, {});
  group(QStringLiteral(" Count Down and Messages (Game over and Click Here): (671x107 Pixels  - count.bmp) "),
        examplePicture(builtin.countdown, 156, 25, page), countFile, browseCountButton, &pageColourSwatch, &pageColourButton,
        QStringLiteral("&Set Page Background Colour..."));
  group(QStringLiteral(" Misc Extras  (Words \"Time,\" \"Score,\" and the base to the pop up boxes): "
                       "(111x124 Pixels  - miscpics.bmp) "),
        examplePicture(builtin.misc, 36, 40, page), miscFile, browseMiscButton, nullptr, nullptr, {});

  connect(browseTitleButton, &QPushButton::clicked, this, [this] { browse(titleFile, Dialog::Bitmap, QStringLiteral("Select Title File")); });
  connect(browseDigitsButton, &QPushButton::clicked, this, [this] { browse(digitsFile, Dialog::Bitmap, QStringLiteral("Select Numbers File")); });
  connect(browseCountButton, &QPushButton::clicked, this,
          [this] { browse(countFile, Dialog::Bitmap, QStringLiteral("Select Countdown and Messages File")); });
  connect(browseMiscButton, &QPushButton::clicked, this,
          [this] { browse(miscFile, Dialog::Bitmap, QStringLiteral("Select Extra Graphics File")); });
  connect(titleColourButton, &QPushButton::clicked, this, [this] { chooseTitleColour(); });
  connect(pageColourButton, &QPushButton::clicked, this, [this] { choosePageColour(); });
  return page;
}

QWidget* SetCreationWizard::makeSoundsPage() {
  auto* page = new QWidget;
  auto* v = new QVBoxLayout(page);
  v->setContentsMargins(8, 4, 8, 4);
  v->setSpacing(2);
  v->addWidget(wrapped(QStringLiteral("The sounds of the game can be replaced too.  Keep them small: every sound "
                                      "goes into the set file and makes it larger.  Leave a name blank for no sound."),
                       page));
  auto* format = new QLabel(
      QStringLiteral("Sound files MUST be of the following format:  PCM .WAV file, MONO, 8-Bit, 11025 Hz"), page);
  format->setStyleSheet(QStringLiteral("color: red; font-weight: bold;"));
  v->addWidget(format);

  auto group = [&](const QString& title, QLineEdit*& field, QPushButton*& browse, const QString& caption,
                   QComboBox** combo) {
    auto* box = new QGroupBox(title, page);
    auto* row = new QHBoxLayout(box);
    row->setContentsMargins(6, 2, 6, 4);
    field = edit(255, box);
    browse = new QPushButton(QStringLiteral("Browse..."), box);
    row->addLayout(fileRow(caption, field, browse), 1);
    if (combo) {
      *combo = new QComboBox(box);
      for (const char* item : kPlayModes) (*combo)->addItem(QString::fromLatin1(item));
      row->addWidget(*combo);
    }
    v->addWidget(box);
  };
  const QString wave = QStringLiteral("Custom Wave &Filename:");
  group(QStringLiteral(" Program Startup/File Loaded Sound (only used when set loaded)  - startup.wav"), startupWaveFile,
        browseStartupButton, wave, nullptr);
  group(QStringLiteral(" Ticking Clock Sound  - tick.wav"), tickWaveFile, browseTickButton, wave, &tickModeBox);
  group(QStringLiteral(" Splat Sound (heard when the player clicks on a popped up picture) - splat.wav"), splatWaveFile,
        browseSplatButton, wave, nullptr);
  group(QStringLiteral(" End of game sound (sound played when time runs out, played once)  - gameover.wav"), gameOverWaveFile,
        browseGameOverButton, wave, nullptr);
  auto* rule = new QFrame(page);
  rule->setFrameStyle(QFrame::HLine | QFrame::Sunken);
  v->addWidget(rule);
  group(QStringLiteral(" Background MIDI File (midi file played during game) "), musicFile, browseMusicButton,
        QStringLiteral("Custom MIDI &Filename:"), nullptr);
  v->addStretch();

  connect(browseStartupButton, &QPushButton::clicked, this, [this] { browse(startupWaveFile, Dialog::Wave, QStringLiteral("Select startup sound")); });
  connect(browseTickButton, &QPushButton::clicked, this, [this] { browse(tickWaveFile, Dialog::Wave, QStringLiteral("Select ticking sound")); });
  connect(browseSplatButton, &QPushButton::clicked, this, [this] { browse(splatWaveFile, Dialog::Wave, QStringLiteral("Select splat sound")); });
  connect(browseGameOverButton, &QPushButton::clicked, this,
          [this] { browse(gameOverWaveFile, Dialog::Wave, QStringLiteral("Select end of game sound")); });
  connect(browseMusicButton, &QPushButton::clicked, this,
          [this] { browse(musicFile, Dialog::Midi, QStringLiteral("Select MIDI sequence for in-game music")); });
  return page;
}

QWidget* SetCreationWizard::makeTextsPage() {
  auto* page = new QWidget;
  auto* v = new QVBoxLayout(page);
  v->setContentsMargins(8, 4, 8, 4);
  v->setSpacing(3);
  v->addWidget(wrapped(QStringLiteral("Here you can change the messages shown at the end of a game, and tell the "
                                      "players about this set and its author."), page));
  auto labelFor = [](const QString& text, QWidget* buddy) {
    auto* label = new QLabel(text);
    label->setBuddy(buddy);
    return label;
  };

  QFrame* about = sunken(page);
  auto* a = new QGridLayout(about);
  a->setContentsMargins(6, 4, 6, 4);
  a->setVerticalSpacing(2);
  setNameEdit = edit(200, about);
  authorEdit = edit(200, about);
  emailEdit = edit(200, about);
  urlEdit = edit(200, about);
  commentEdit = edit(200, about);
  a->addWidget(labelFor(QStringLiteral("&Image Set Name:"), setNameEdit), 0, 0);
  a->addWidget(setNameEdit, 0, 1, 1, 3);
  a->addWidget(labelFor(QStringLiteral("&Author:"), authorEdit), 1, 0);
  a->addWidget(authorEdit, 1, 1);
  a->addWidget(labelFor(QStringLiteral("&Email Address:"), emailEdit), 1, 2);
  a->addWidget(emailEdit, 1, 3);
  a->addWidget(labelFor(QStringLiteral("Author's URL:"), urlEdit), 2, 0);
  a->addWidget(urlEdit, 2, 1);
  a->addWidget(labelFor(QStringLiteral("Set Comments:"), commentEdit), 2, 2);
  a->addWidget(commentEdit, 2, 3);
  v->addWidget(about);

  QFrame* end = sunken(page);
  auto* e = new QGridLayout(end);
  e->setContentsMargins(6, 4, 6, 4);
  e->setVerticalSpacing(2);
  prefixEdit = edit(200, end);
  suffixEdit = edit(200, end);
  e->addWidget(labelFor(QStringLiteral("&End of game Message:"), prefixEdit), 0, 0, 1, 4);
  e->addWidget(prefixEdit, 1, 0);
  // Sample numbers where the game-over dialog puts the pies and the score.
  e->addWidget(labelFor(QStringLiteral("&10"), suffixEdit), 1, 1);
  e->addWidget(suffixEdit, 1, 2);
  e->addWidget(new QLabel(QStringLiteral("20"), end), 1, 3);
  v->addWidget(end);

  QFrame* comments = sunken(page);
  auto* c = new QGridLayout(comments);
  c->setContentsMargins(6, 4, 6, 4);
  c->setVerticalSpacing(2);
  c->addWidget(new QLabel(QStringLiteral("End of Game Score Comments:"), comments), 0, 0, 1, 4);
  c->addWidget(new QLabel(QStringLiteral("Score:   Comment:"), comments), 1, 0, 1, 2);
  c->addWidget(new QLabel(QStringLiteral("Score:   Comment:"), comments), 1, 2, 1, 2);
  const char* const bands[] = {"0-5:", "6-20:", "21-40:", "41-80:", "81-130:", "131-190:", "191-230:", "231+:"};
  for (int i = 0; i < 8; ++i) {
    ratingEdits[static_cast<std::size_t>(i)] = edit(240, comments);
    const int column = i < 4 ? 0 : 2;
    c->addWidget(new QLabel(QString::fromLatin1(bands[i]), comments), 2 + i % 4, column);
    c->addWidget(ratingEdits[static_cast<std::size_t>(i)], 2 + i % 4, column + 1);
  }
  v->addWidget(comments);
  v->addStretch();
  return page;
}

QWidget* SetCreationWizard::makeCursorPage() {
  auto* page = new QWidget;
  auto* v = new QVBoxLayout(page);
  v->setContentsMargins(8, 4, 8, 4);
  v->setSpacing(3);
  v->addWidget(wrapped(QStringLiteral("The mouse cursor used during play can be one of the 7 built-in cursors, or "
                                      "your own cursor made from a picture."), page));
  v->addWidget(new QLabel(QStringLiteral("Choose Cursor:"), page));
  QFrame* strip = sunken(page);
  auto* tiles = new QGridLayout(strip);
  tiles->setContentsMargins(4, 4, 4, 2);
  tiles->setVerticalSpacing(1);
  for (int i = 0; i < 8; ++i) {
    auto* tile = new CursorTile(i + 1, strip);
    const int slot = i + 1 == kCustomTile ? 9 : i + 1;
    tile->setCursor(game_.cursors.cursor(slot));
    tile->picture = cursorPicture(game_.cursors.get(slot));
    cursorTiles[static_cast<std::size_t>(i)] = tile;
    auto* caption = wrapped(QString::fromLatin1(kTileNames[i]), strip);
    caption->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    caption->setFixedWidth(68);
    tiles->addWidget(tile, 0, i, Qt::AlignHCenter);
    tiles->addWidget(caption, 1, i, Qt::AlignHCenter | Qt::AlignTop);
    connect(tile, &CursorTile::clicked, this, [this](int tag) { chooseCursor(tag); });
  }
  v->addWidget(strip);

  customCursorBox = new QGroupBox(QStringLiteral(" Custom Cursor Setup - cursor.bmp "), page);
  auto* g = new QHBoxLayout(customCursorBox);
  g->setContentsMargins(6, 2, 6, 4);
  auto* left = new QVBoxLayout;
  cursorFile = edit(255, customCursorBox);
  browseCursorButton = new QPushButton(QStringLiteral("&Browse..."), customCursorBox);
  auto* caption = new QLabel(QStringLiteral("Cursor BMP &Filename:"), customCursorBox);
  caption->setBuddy(cursorFile);
  left->addWidget(caption);
  left->addLayout(fileRow({}, cursorFile, browseCursorButton));
  setUpCursorButton = new QPushButton(QStringLiteral("Setup Custom Cursor..."), customCursorBox);
  left->addWidget(setUpCursorButton, 0, Qt::AlignLeft);
  left->addStretch();
  g->addLayout(left, 1);
  QFrame* legend = sunken(customCursorBox);
  legend->setAutoFillBackground(true);
  auto* l = new QVBoxLayout(legend);
  l->setContentsMargins(4, 2, 4, 2);
  l->setSpacing(0);
  auto line = [&](const QString& text, const char* ink, const char* paper) {
    auto* label = new QLabel(text, legend);
    label->setStyleSheet(QStringLiteral("color: %1; background: %2;").arg(QLatin1String(ink), QLatin1String(paper)));
    l->addWidget(label);
  };
  line(QStringLiteral("Custom Cursor: 16 Colour BMP picture, 32x32 pixels where:"), "black", "transparent");
  line(QStringLiteral("Black = Black"), "black", "white");
  line(QStringLiteral("Red = Inverted With Background"), "red", "white");
  line(QStringLiteral("Other Colours = Transparent"), "yellow", "maroon");
  line(QStringLiteral("White = White"), "white", "black");
  g->addWidget(legend);
  v->addWidget(customCursorBox);
  v->addStretch();

  connect(browseCursorButton, &QPushButton::clicked, this,
          [this] { browse(cursorFile, Dialog::Bitmap, QStringLiteral("Select cursor picture...")); });
  connect(setUpCursorButton, &QPushButton::clicked, this, [this] { setUpCursor(); });
  return page;
}

QWidget* SetCreationWizard::makeOutputPage() {
  auto* page = new QWidget;
  auto* v = new QVBoxLayout(page);
  v->setContentsMargins(10, 8, 10, 8);
  v->addWidget(wrapped(
      QStringLiteral("The last step in this creation process is to specify the output filename:  (ending in .XET)"),
      page));
  outFile = edit(255, page);
  browseOutFileButton = new QPushButton(QStringLiteral("&Browse..."), page);
  v->addLayout(fileRow(QStringLiteral("Output Filename:"), outFile, browseOutFileButton));

  sizePanel = sunken(page);
  auto* p = new QGridLayout(sizePanel);
  p->setContentsMargins(8, 6, 8, 6);
  estimateLabel = new QLabel(sizePanel);
  freeSpaceLabel = new QLabel(sizePanel);
  warningLabel = wrapped(
      QStringLiteral("WARNING: There might not be enough available free space on this disk to continue..."), sizePanel);
  warningLabel->setStyleSheet(QStringLiteral("color: red; font-weight: bold;"));
  warningLabel->hide();
  refreshSizesButton = new QPushButton(QStringLiteral("&Refresh Sizes"), sizePanel);
  createButton = new QPushButton(QStringLiteral("&Create eXtended Image Set File!"), sizePanel);
  p->addWidget(new QLabel(QStringLiteral("Estimated Image Set filesize:"), sizePanel), 0, 0);
  p->addWidget(estimateLabel, 0, 1);
  p->addWidget(new QLabel(QStringLiteral("Space available on chosen drive:"), sizePanel), 1, 0);
  p->addWidget(freeSpaceLabel, 1, 1);
  p->setColumnStretch(1, 1);
  p->addWidget(warningLabel, 2, 0, 1, 2);
  p->setRowMinimumHeight(2, 34);
  auto* buttons = new QHBoxLayout;
  buttons->addWidget(refreshSizesButton);
  buttons->addStretch();
  buttons->addWidget(createButton);
  p->addLayout(buttons, 3, 0, 1, 2);
  sizePanel->hide();
  v->addWidget(sizePanel);
  v->addStretch();

  connect(browseOutFileButton, &QPushButton::clicked, this,
          [this] { browse(outFile, Dialog::Save, QStringLiteral("Enter new .XET filename:")); });
  connect(outFile, &QLineEdit::textChanged, this, [this] { outFileChanged(); });
  connect(refreshSizesButton, &QPushButton::clicked, this, [this] { outFileChanged(); });
  connect(createButton, &QPushButton::clicked, this, [this] { createSet(); });
  return page;
}

// ---------------------------------------------------------------- navigation

void SetCreationWizard::resetFields() {
  prefixEdit->setText(QString::fromLatin1(kDefaultCongratulationPrefix));
  suffixEdit->setText(QString::fromLatin1(kDefaultCongratulationSuffix));
  tickModeBox->setCurrentIndex(0);
  for (int i = 0; i < 8; ++i) ratingEdits[static_cast<std::size_t>(i)]->setText(QString::fromLatin1(kDefaultRatingMessages[static_cast<std::size_t>(i)]));
  pages->setCurrentIndex(0);
  chooseCursor(1);
  pageChanged();
}

void SetCreationWizard::showEvent(QShowEvent* event) {
  if (!event->spontaneous()) {
    resetFields();
    if (const QScreen* screen = this->screen()) move(screen->availableGeometry().center() - rect().center());
  }
  QDialog::showEvent(event);
}

void SetCreationWizard::pageChanged() {
  const int page = pages->currentIndex();
  pageTitle->setText(QStringLiteral("Step %1 of %2").arg(page + 1).arg(kPages));
  backButton->setEnabled(page > 0);
  nextButton->setEnabled(page < kLastPage);
  cancelButton->setEnabled(true);
  cancelButton->setText(page == kLastPage ? QStringLiteral("&Quit") : QStringLiteral("&Cancel"));
}

void SetCreationWizard::cancel() { reject(); }

void SetCreationWizard::back() {
  if (pages->currentIndex() > 0) pages->setCurrentIndex(pages->currentIndex() - 1);
}

bool SetCreationWizard::checkPage(int page) {
  auto fail = [this](const QString& text) {
    showWizardError(this, QStringLiteral("Error"), text);
    return false;
  };
  auto blankOrExists = [](const QLineEdit* field) { return field->text().isEmpty() || nameExists(field->text()); };
  switch (page) {
    case 0:
      if (!nameExists(figureFileLabel->text()) || !nameExists(splatFileLabel->text()))
        return fail(QStringLiteral("Cannot find the specified images..."));
      return true;
    case 1:
      if (!blankOrExists(titleFile) || !blankOrExists(digitsFile) || !blankOrExists(countFile) || !blankOrExists(miscFile))
        return fail(QStringLiteral("One of the above specified files cound not be found..."));
      return true;
    case 2: {
      const QString message =
          soundStepMessage(startupWaveFile->text(), tickWaveFile->text(), splatWaveFile->text(), gameOverWaveFile->text(), musicFile->text());
      return message.isEmpty() || fail(message);
    }
    case 3:
      if (setNameEdit->text().isEmpty()) return fail(QStringLiteral("This image set has no name..."));
      return true;
    case 4:
      if (cursorChoice == kCustomTile && !nameExists(cursorFile->text()))
        return fail(QStringLiteral("Cursor BMP file was not found..."));
      return true;
    default: return false;
  }
}

void SetCreationWizard::next() {
  const int page = pages->currentIndex();
  if (page >= kLastPage || !checkPage(page)) return;
  pages->setCurrentIndex(page + 1);
  if (page + 1 == kLastPage) {
    const qint64 n = estimateSetSize(inputs(), writerHeader_);
    estimateLabel->setText(QStringLiteral("%1 bytes   (%2k)").arg(n).arg(n / 1024));
  }
}

// ---------------------------------------------------------------- inputs

void SetCreationWizard::editImageGroup() {
  QString pict1 = figureFileLabel->text(), pict2 = splatFileLabel->text();
  if (editGroup_.edit(pict1, pict2)) {
    figureFileLabel->setText(pict1);
    splatFileLabel->setText(pict2);
  }
}

void SetCreationWizard::chooseCursor(int tag) {
  if (tag < 1 || tag > 8) return;
  cursorTiles[static_cast<std::size_t>(cursorChoice - 1)]->setSelected(false);
  cursorChoice = static_cast<std::uint8_t>(tag);
  customCursorBox->setVisible(cursorChoice == kCustomTile);
  cursorTiles[static_cast<std::size_t>(cursorChoice - 1)]->setSelected(true);
}

void SetCreationWizard::setUpCursor() {
  if (!nameExists(cursorFile->text())) {
    showWizardError(this, QStringLiteral("Error"), QStringLiteral("Error, bitmap file not found..."));
    return;
  }
  if (!customSetup_.loadCursorPicture(cursorFile->text())) return;
  prompts().runModal(customSetup_);
}

void SetCreationWizard::pickColour(QFrame* swatch) {
  const QColor chosen = chooseColour(swatch->palette().color(QPalette::Window), this);
  if (chosen.isValid()) setSwatchColour(swatch, chosen);
}

void SetCreationWizard::chooseTitleColour() { pickColour(titleColourSwatch); }
void SetCreationWizard::choosePageColour() { pickColour(pageColourSwatch); }

void SetCreationWizard::browse(QLineEdit* field, Dialog kind, const QString& title) {
  FileDialogRequest request;
  request.title = title;
  switch (kind) {
    case Dialog::Bitmap:
      request.filter = QStringLiteral("Windows Bitmap (*.BMP)|*.bmp|All Files (*.*)|*.*");
      request.defaultExt = QStringLiteral("BMP");
      break;
    case Dialog::Wave:
      request.filter = QStringLiteral("Wave File (*.WAV)|*.wav|All Files (*.*)|*.*");
      request.defaultExt = QStringLiteral("wav");
      break;
    case Dialog::Midi:
      request.filter = QStringLiteral("MIDI Files (*.MID,*.RMI)|*.mid;*.rmi|All Files (*.*)|*.*");
      request.defaultExt = QStringLiteral("mid");
      break;
    case Dialog::Save:
      request.filter = QStringLiteral("eXtended Image Set (*.XET)|*.xet|All Files (*.*)|*.*");
      request.defaultExt = QStringLiteral("xet");
      request.save = true;
      request.mustExist = false;
      break;
  }
  QString& last = lastDialogFile_[static_cast<std::size_t>(kind)];
  request.initialPath = nameExists(field->text()) ? field->text() : last;
  const QString chosen = prompts().chooseFile(this, request);
  if (chosen.isEmpty()) return;
  last = chosen;
  field->setText(QFileInfo(chosen).absoluteFilePath());
}

SetInputs SetCreationWizard::inputs() const {
  SetInputs in;
  in.outFile = outFile->text();
  in.pict1 = figureFileLabel->text();
  in.pict2 = splatFileLabel->text();
  in.titleBmp = titleFile->text();
  in.numbersBmp = digitsFile->text();
  in.countBmp = countFile->text();
  in.miscBmp = miscFile->text();
  in.startupWave = startupWaveFile->text();
  in.tickWave = tickWaveFile->text();
  in.splatWave = splatWaveFile->text();
  in.gameOverWave = gameOverWaveFile->text();
  in.music = musicFile->text();
  in.cursorFile = cursorFile->text();
  in.name = setNameEdit->text();
  in.author = authorEdit->text();
  in.email = emailEdit->text();
  in.url = urlEdit->text();
  in.comment = commentEdit->text();
  in.prefix = prefixEdit->text();
  in.suffix = suffixEdit->text();
  for (std::size_t i = 0; i < 8; ++i) in.ratings[i] = ratingEdits[i]->text();
  in.titleColour = swatchColour(titleColourSwatch);
  in.pageColour = swatchColour(pageColourSwatch);
  in.cursorChoice = cursorChoice;
  in.hotSpotX = static_cast<std::uint8_t>(std::clamp(customSetup_.hotSpotX->value(), 0, 31));
  in.hotSpotY = static_cast<std::uint8_t>(std::clamp(customSetup_.hotSpotY->value(), 0, 31));
  in.tickMode = static_cast<std::uint8_t>(std::max(tickModeBox->currentIndex(), 0));
  return in;
}

// ---------------------------------------------------------------- last page

qint64 SetCreationWizard::freeSpaceFor(const QString& path) {
  QFileInfo info(path);
  QString folder = info.absolutePath();
  // The folder may not exist yet; the nearest existing one holds the file system.
  while (!QFileInfo(folder).isDir() && folder != QFileInfo(folder).absolutePath())
    folder = QFileInfo(folder).absolutePath();
  const QStorageInfo storage(folder);
  if (!storage.isValid() || !storage.isReady()) return -1;
  return storage.bytesAvailable();
}

void SetCreationWizard::outFileChanged() {
  const QString out = outFile->text();
  const QString name = fileNamePart(out);
  const qsizetype dot = name.lastIndexOf(QLatin1Char('.'));
  const bool acceptable = !out.isEmpty() && !name.isEmpty() && dot >= 0 && name.mid(dot).toUpper() == QStringLiteral(".XET");
  sizePanel->setVisible(acceptable);
  if (out.isEmpty()) return;

  const qint64 free = freeSpaceFor(out);
  bool ok = false;
  qint64 estimate = estimateLabel->text().section(QLatin1Char(' '), 0, 0).toLongLong(&ok);
  if (!ok) estimate = 0;
  freeSpaceLabel->setText(QStringLiteral("%1 bytes  (%2k)").arg(free).arg(free / 1024));
  warningLabel->setVisible(free < estimate);
}

void SetCreationWizard::createSet() {
  if (creating_) return;
  creating_ = true;
  const SetInputs in = inputs();
  QPointer<CreationProgressDialog> progress;
  // Nothing in the wizard may change or start a second creation meanwhile.
  setEnabled(false);

  struct Relay : WriterProgress {
    QPointer<CreationProgressDialog>& dialog;
    explicit Relay(QPointer<CreationProgressDialog>& d) : dialog(d) {}
    void setStatus(const QString& text) override {
      if (dialog) dialog->drawStatus(text);
    }
    void showProgress(qint64 written, qint64 total) override {
      if (dialog) dialog->drawProgress(written, total);
    }
    void pump() override { QApplication::processEvents(); }
  } relay(progress);

  const WriteOutcome outcome = writeExtendedSet(
      in, writerHeader_, relay,
      [this, &in] {
        customSetup_.loadCursorPicture(in.cursorFile);  // a picture that will not load keeps the one before
        return customSetup_.cursorPlanes();
      },
      [&progress] {
        progress = new CreationProgressDialog;
        progress->setWindowFlag(Qt::WindowStaysOnTopHint);
        progress->show();
        progress->repaint();
        QApplication::setOverrideCursor(Qt::WaitCursor);
      });

  if (progress) QApplication::restoreOverrideCursor();
  if (outcome.valid())
    prompts().message(this, writeOutcomeText(outcome), QStringLiteral("Sucess!"), BoxIcon::Information);
  else
    showWizardError(this, QStringLiteral("Error"), writeOutcomeText(outcome));
  if (progress) progress->finish();

  setEnabled(true);
  creating_ = false;
  if (closeWhenDone_) reject();
}

void SetCreationWizard::closeEvent(QCloseEvent* event) {
  if (creating_) {
    closeWhenDone_ = true;
    event->ignore();
    return;
  }
  QDialog::closeEvent(event);
}

void SetCreationWizard::reject() {
  if (creating_) {
    closeWhenDone_ = true;
    return;
  }
  QDialog::reject();
}
