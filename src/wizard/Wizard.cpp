#include "wizard/Wizard.h"

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
#include "game/Prompts.h"
#include "imageset/DefaultSet.h"
#include "wizard/Cp.h"
#include "wizard/Cust.h"
#include "wizard/Grped.h"

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

void ShowWizardError(QWidget* parent, const QString& caption, const QString& text) {
  prompts().message(parent, text, caption, BoxIcon::Error);
}

std::uint32_t SwatchColour(const QFrame* swatch) {
  const QColor c = swatch->palette().color(QPalette::Window);
  return colourValue(c.red(), c.green(), c.blue());
}

void SetSwatchColour(QFrame* swatch, const QColor& colour) {
  QPalette p = swatch->palette();
  p.setColor(QPalette::Window, colour);
  swatch->setPalette(p);
}

// ---------------------------------------------------------------- tiles

TCursorTile::TCursorTile(int tag, QWidget* parent) : QFrame(parent), Tag(tag) {
  setFixedSize(49, 49);
  setLineWidth(2);
  setSelected(false);
}

void TCursorTile::setSelected(bool selected) {
  selected_ = selected;
  setFrameStyle(QFrame::Panel | (selected ? QFrame::Sunken : QFrame::Raised));
  update();
}

void TCursorTile::mousePressEvent(QMouseEvent* event) {
  if (event->button() == Qt::LeftButton) Q_EMIT clicked(Tag);
}

void TCursorTile::paintEvent(QPaintEvent* event) {
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

TForm3::TForm3(Game& game, TEditGroup& editGroup, TCustomSetup& customSetup, QWidget* parent)
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

  Intro = wrapped(QStringLiteral("This wizard creates an eXtended Image Set, which lets you change the graphics and "
                                 "sound of Pie Vorb Quarn.  Please follow the prompts on each step."),
                  this);
  Intro->setGeometry(8, 2, 480, 33);
  PagePanel = new QLabel(this);
  PagePanel->setFrameStyle(QFrame::Panel | QFrame::Sunken);
  PagePanel->setAlignment(Qt::AlignCenter);
  PagePanel->setGeometry(496, 7, 88, 23);

  Notebook1 = new QStackedWidget(this);
  Notebook1->setGeometry(0, 37, 592, 345);
  Notebook1->addWidget(makeAnimationPage());
  Notebook1->addWidget(makeBitmapsPage());
  Notebook1->addWidget(makeSoundsPage());
  Notebook1->addWidget(makeTextsPage());
  Notebook1->addWidget(makeCursorPage());
  Notebook1->addWidget(makeOutputPage());
  SetSwatchColour(Examp, QColor(255, 0, 0));
  SetSwatchColour(Bg2, QColor(255, 255, 255));
  URL->setText(QStringLiteral("http://"));

  auto* rule = new QFrame(this);
  rule->setFrameStyle(QFrame::HLine | QFrame::Sunken);
  rule->setGeometry(0, 382, 592, 2);

  Button3 = new QPushButton(QStringLiteral("<< &Back"), this);
  Button2 = new QPushButton(QStringLiteral("&Next >>"), this);
  Button1 = new QPushButton(QStringLiteral("&Cancel"), this);
  Button3->setGeometry(346, 386, 77, 25);
  Button2->setGeometry(427, 386, 77, 25);
  Button1->setGeometry(510, 386, 77, 25);
  Button2->setDefault(true);

  connect(Notebook1, &QStackedWidget::currentChanged, this, [this] { Notebook1PageChanged(); });
  connect(Button1, &QPushButton::clicked, this, [this] { Button1Click(); });
  connect(Button2, &QPushButton::clicked, this, [this] { Button2Click(); });
  connect(Button3, &QPushButton::clicked, this, [this] { Button3Click(); });

  FormShow();
}

QWidget* TForm3::makeAnimationPage() {
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
  group(QStringLiteral(" Pict1.bmp "), TheFName1);
  group(QStringLiteral(" Pict2.bmp "), TheFName2);
  Button4 = new QPushButton(QStringLiteral("Change Image &Files..."), page);
  auto* row = new QHBoxLayout;
  row->addStretch();
  row->addWidget(Button4);
  v->addLayout(row);
  v->addStretch();
  connect(Button4, &QPushButton::clicked, this, [this] { Button5Click(); });
  return page;
}

QWidget* TForm3::makeBitmapsPage() {
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
        examplePicture(builtin.DefTitle, 333, 17, page), F1, Button11, &Examp, &Button21,
        QStringLiteral("&Set Background Colour..."));
  group(QStringLiteral(" Number Strip:  (300x51 Pixels  - numbers.bmp) "),
        examplePicture(builtin.DefNumbers, 147, 25, page), F2, Button15, nullptr, nullptr, {});
  group(QStringLiteral(" Count Down and Messages (Game over and Click Here): (671x107 Pixels  - count.bmp) "),
        examplePicture(builtin.DefCount, 156, 25, page), F3, Button12, &Bg2, &Button22,
        QStringLiteral("&Set Page Background Colour..."));
  group(QStringLiteral(" Misc Extras  (Words \"Time,\" \"Score,\" and the base to the pop up boxes): "
                       "(111x124 Pixels  - miscpics.bmp) "),
        examplePicture(builtin.DefXtras, 36, 40, page), F4, Button13, nullptr, nullptr, {});

  connect(Button11, &QPushButton::clicked, this, [this] { browse(F1, Dialog::Bitmap, QStringLiteral("Select Title File")); });
  connect(Button15, &QPushButton::clicked, this, [this] { browse(F2, Dialog::Bitmap, QStringLiteral("Select Numbers File")); });
  connect(Button12, &QPushButton::clicked, this,
          [this] { browse(F3, Dialog::Bitmap, QStringLiteral("Select Countdown and Messages File")); });
  connect(Button13, &QPushButton::clicked, this,
          [this] { browse(F4, Dialog::Bitmap, QStringLiteral("Select Extra Graphics File")); });
  connect(Button21, &QPushButton::clicked, this, [this] { Button21Click(); });
  connect(Button22, &QPushButton::clicked, this, [this] { Button22Click(); });
  return page;
}

QWidget* TForm3::makeSoundsPage() {
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
  group(QStringLiteral(" Program Startup/File Loaded Sound (only used when set loaded)  - startup.wav"), FName1,
        Button14, wave, nullptr);
  group(QStringLiteral(" Ticking Clock Sound  - tick.wav"), FName2, Button16, wave, &PlayMode);
  group(QStringLiteral(" Splat Sound (heard when the player clicks on a popped up picture) - splat.wav"), FName3,
        Button17, wave, nullptr);
  group(QStringLiteral(" End of game sound (sound played when time runs out, played once)  - gameover.wav"), FName4,
        Button18, wave, nullptr);
  auto* rule = new QFrame(page);
  rule->setFrameStyle(QFrame::HLine | QFrame::Sunken);
  v->addWidget(rule);
  group(QStringLiteral(" Background MIDI File (midi file played during game) "), FName5, Button19,
        QStringLiteral("Custom MIDI &Filename:"), nullptr);
  v->addStretch();

  connect(Button14, &QPushButton::clicked, this, [this] { browse(FName1, Dialog::Wave, QStringLiteral("Select startup sound")); });
  connect(Button16, &QPushButton::clicked, this, [this] { browse(FName2, Dialog::Wave, QStringLiteral("Select ticking sound")); });
  connect(Button17, &QPushButton::clicked, this, [this] { browse(FName3, Dialog::Wave, QStringLiteral("Select splat sound")); });
  connect(Button18, &QPushButton::clicked, this,
          [this] { browse(FName4, Dialog::Wave, QStringLiteral("Select end of game sound")); });
  connect(Button19, &QPushButton::clicked, this,
          [this] { browse(FName5, Dialog::Midi, QStringLiteral("Select MIDI sequence for in-game music")); });
  return page;
}

QWidget* TForm3::makeTextsPage() {
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
  Name = edit(200, about);
  Author = edit(200, about);
  Email = edit(200, about);
  URL = edit(200, about);
  Comm = edit(200, about);
  a->addWidget(labelFor(QStringLiteral("&Image Set Name:"), Name), 0, 0);
  a->addWidget(Name, 0, 1, 1, 3);
  a->addWidget(labelFor(QStringLiteral("&Author:"), Author), 1, 0);
  a->addWidget(Author, 1, 1);
  a->addWidget(labelFor(QStringLiteral("&Email Address:"), Email), 1, 2);
  a->addWidget(Email, 1, 3);
  a->addWidget(labelFor(QStringLiteral("Author's URL:"), URL), 2, 0);
  a->addWidget(URL, 2, 1);
  a->addWidget(labelFor(QStringLiteral("Set Comments:"), Comm), 2, 2);
  a->addWidget(Comm, 2, 3);
  v->addWidget(about);

  QFrame* end = sunken(page);
  auto* e = new QGridLayout(end);
  e->setContentsMargins(6, 4, 6, 4);
  e->setVerticalSpacing(2);
  M1 = edit(200, end);
  M2 = edit(200, end);
  e->addWidget(labelFor(QStringLiteral("&End of game Message:"), M1), 0, 0, 1, 4);
  e->addWidget(M1, 1, 0);
  // Sample numbers where the game-over dialog puts the pies and the score.
  e->addWidget(labelFor(QStringLiteral("&10"), M2), 1, 1);
  e->addWidget(M2, 1, 2);
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
    C[static_cast<std::size_t>(i)] = edit(240, comments);
    const int column = i < 4 ? 0 : 2;
    c->addWidget(new QLabel(QString::fromLatin1(bands[i]), comments), 2 + i % 4, column);
    c->addWidget(C[static_cast<std::size_t>(i)], 2 + i % 4, column + 1);
  }
  v->addWidget(comments);
  v->addStretch();
  return page;
}

QWidget* TForm3::makeCursorPage() {
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
    auto* tile = new TCursorTile(i + 1, strip);
    const int slot = i + 1 == kCustomTile ? 9 : i + 1;
    tile->setCursor(game_.cursors.cursor(slot));
    tile->picture = cursorPicture(game_.cursors.get(slot));
    B[static_cast<std::size_t>(i)] = tile;
    auto* caption = wrapped(QString::fromLatin1(kTileNames[i]), strip);
    caption->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    caption->setFixedWidth(68);
    tiles->addWidget(tile, 0, i, Qt::AlignHCenter);
    tiles->addWidget(caption, 1, i, Qt::AlignHCenter | Qt::AlignTop);
    connect(tile, &TCursorTile::clicked, this, [this](int tag) { B7Click(tag); });
  }
  v->addWidget(strip);

  GB1 = new QGroupBox(QStringLiteral(" Custom Cursor Setup - cursor.bmp "), page);
  auto* g = new QHBoxLayout(GB1);
  g->setContentsMargins(6, 2, 6, 4);
  auto* left = new QVBoxLayout;
  CursorFilename = edit(255, GB1);
  Button7 = new QPushButton(QStringLiteral("&Browse..."), GB1);
  auto* caption = new QLabel(QStringLiteral("Cursor BMP &Filename:"), GB1);
  caption->setBuddy(CursorFilename);
  left->addWidget(caption);
  left->addLayout(fileRow({}, CursorFilename, Button7));
  Button20 = new QPushButton(QStringLiteral("Setup Custom Cursor..."), GB1);
  left->addWidget(Button20, 0, Qt::AlignLeft);
  left->addStretch();
  g->addLayout(left, 1);
  QFrame* legend = sunken(GB1);
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
  v->addWidget(GB1);
  v->addStretch();

  connect(Button7, &QPushButton::clicked, this,
          [this] { browse(CursorFilename, Dialog::Bitmap, QStringLiteral("Select cursor picture...")); });
  connect(Button20, &QPushButton::clicked, this, [this] { Button20Click(); });
  return page;
}

QWidget* TForm3::makeOutputPage() {
  auto* page = new QWidget;
  auto* v = new QVBoxLayout(page);
  v->setContentsMargins(10, 8, 10, 8);
  v->addWidget(wrapped(
      QStringLiteral("The last step in this creation process is to specify the output filename:  (ending in .XET)"),
      page));
  OutFile = edit(255, page);
  Button8 = new QPushButton(QStringLiteral("&Browse..."), page);
  v->addLayout(fileRow(QStringLiteral("Output Filename:"), OutFile, Button8));

  Panel12 = sunken(page);
  auto* p = new QGridLayout(Panel12);
  p->setContentsMargins(8, 6, 8, 6);
  EstFilesize = new QLabel(Panel12);
  AvailSpace = new QLabel(Panel12);
  Warning = wrapped(
      QStringLiteral("WARNING: There might not be enough available free space on this disk to continue..."), Panel12);
  Warning->setStyleSheet(QStringLiteral("color: red; font-weight: bold;"));
  Warning->hide();
  Button9 = new QPushButton(QStringLiteral("&Refresh Sizes"), Panel12);
  Button10 = new QPushButton(QStringLiteral("&Create eXtended Image Set File!"), Panel12);
  p->addWidget(new QLabel(QStringLiteral("Estimated Image Set filesize:"), Panel12), 0, 0);
  p->addWidget(EstFilesize, 0, 1);
  p->addWidget(new QLabel(QStringLiteral("Space available on chosen drive:"), Panel12), 1, 0);
  p->addWidget(AvailSpace, 1, 1);
  p->setColumnStretch(1, 1);
  p->addWidget(Warning, 2, 0, 1, 2);
  p->setRowMinimumHeight(2, 34);
  auto* buttons = new QHBoxLayout;
  buttons->addWidget(Button9);
  buttons->addStretch();
  buttons->addWidget(Button10);
  p->addLayout(buttons, 3, 0, 1, 2);
  Panel12->hide();
  v->addWidget(Panel12);
  v->addStretch();

  connect(Button8, &QPushButton::clicked, this,
          [this] { browse(OutFile, Dialog::Save, QStringLiteral("Enter new .XET filename:")); });
  connect(OutFile, &QLineEdit::textChanged, this, [this] { OutFileChange(); });
  connect(Button9, &QPushButton::clicked, this, [this] { OutFileChange(); });
  connect(Button10, &QPushButton::clicked, this, [this] { Button10Click(); });
  return page;
}

// ---------------------------------------------------------------- navigation

void TForm3::FormShow() {
  M1->setText(QString::fromLatin1(kDefaultCongratulationPrefix));
  M2->setText(QString::fromLatin1(kDefaultCongratulationSuffix));
  PlayMode->setCurrentIndex(0);
  for (int i = 0; i < 8; ++i) C[static_cast<std::size_t>(i)]->setText(QString::fromLatin1(kDefaultRatingMessages[static_cast<std::size_t>(i)]));
  Notebook1->setCurrentIndex(0);
  B7Click(1);
  Notebook1PageChanged();
}

void TForm3::showEvent(QShowEvent* event) {
  if (!event->spontaneous()) {
    FormShow();
    if (const QScreen* screen = this->screen()) move(screen->availableGeometry().center() - rect().center());
  }
  QDialog::showEvent(event);
}

void TForm3::Notebook1PageChanged() {
  const int page = Notebook1->currentIndex();
  PagePanel->setText(QStringLiteral("Step %1 of %2").arg(page + 1).arg(kPages));
  Button3->setEnabled(page > 0);
  Button2->setEnabled(page < kLastPage);
  Button1->setEnabled(true);
  Button1->setText(page == kLastPage ? QStringLiteral("&Quit") : QStringLiteral("&Cancel"));
}

void TForm3::Button1Click() { reject(); }

void TForm3::Button3Click() {
  if (Notebook1->currentIndex() > 0) Notebook1->setCurrentIndex(Notebook1->currentIndex() - 1);
}

bool TForm3::CheckPage(int page) {
  auto fail = [this](const QString& text) {
    ShowWizardError(this, QStringLiteral("Error"), text);
    return false;
  };
  auto blankOrExists = [](const QLineEdit* field) { return field->text().isEmpty() || NameExists(field->text()); };
  switch (page) {
    case 0:
      if (!NameExists(TheFName1->text()) || !NameExists(TheFName2->text()))
        return fail(QStringLiteral("Cannot find the specified images..."));
      return true;
    case 1:
      if (!blankOrExists(F1) || !blankOrExists(F2) || !blankOrExists(F3) || !blankOrExists(F4))
        return fail(QStringLiteral("One of the above specified files cound not be found..."));
      return true;
    case 2: {
      const QString message =
          SoundStepMessage(FName1->text(), FName2->text(), FName3->text(), FName4->text(), FName5->text());
      return message.isEmpty() || fail(message);
    }
    case 3:
      if (Name->text().isEmpty()) return fail(QStringLiteral("This image set has no name..."));
      return true;
    case 4:
      if (CursorChoice == kCustomTile && !NameExists(CursorFilename->text()))
        return fail(QStringLiteral("Cursor BMP file was not found..."));
      return true;
    default: return false;
  }
}

void TForm3::Button2Click() {
  const int page = Notebook1->currentIndex();
  if (page >= kLastPage || !CheckPage(page)) return;
  Notebook1->setCurrentIndex(page + 1);
  if (page + 1 == kLastPage) {
    const qint64 n = EstimateSetSize(Inputs(), writerHeader_);
    EstFilesize->setText(QStringLiteral("%1 bytes   (%2k)").arg(n).arg(n / 1024));
  }
}

// ---------------------------------------------------------------- inputs

void TForm3::Button5Click() {
  QString pict1 = TheFName1->text(), pict2 = TheFName2->text();
  if (editGroup_.Edit(pict1, pict2)) {
    TheFName1->setText(pict1);
    TheFName2->setText(pict2);
  }
}

void TForm3::B7Click(int tag) {
  if (tag < 1 || tag > 8) return;
  B[static_cast<std::size_t>(CursorChoice - 1)]->setSelected(false);
  CursorChoice = static_cast<std::uint8_t>(tag);
  GB1->setVisible(CursorChoice == kCustomTile);
  B[static_cast<std::size_t>(CursorChoice - 1)]->setSelected(true);
}

void TForm3::Button20Click() {
  if (!NameExists(CursorFilename->text())) {
    ShowWizardError(this, QStringLiteral("Error"), QStringLiteral("Error, bitmap file not found..."));
    return;
  }
  if (!customSetup_.LoadCurimg(CursorFilename->text())) return;
  prompts().runModal(customSetup_);
}

void TForm3::pickColour(QFrame* swatch) {
  const QColor chosen = chooseColour(swatch->palette().color(QPalette::Window), this);
  if (chosen.isValid()) SetSwatchColour(swatch, chosen);
}

void TForm3::Button21Click() { pickColour(Examp); }
void TForm3::Button22Click() { pickColour(Bg2); }

void TForm3::browse(QLineEdit* field, Dialog kind, const QString& title) {
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
  request.initialPath = NameExists(field->text()) ? field->text() : last;
  const QString chosen = prompts().chooseFile(this, request);
  if (chosen.isEmpty()) return;
  last = chosen;
  field->setText(QFileInfo(chosen).absoluteFilePath());
}

SetInputs TForm3::Inputs() const {
  SetInputs in;
  in.outFile = OutFile->text();
  in.pict1 = TheFName1->text();
  in.pict2 = TheFName2->text();
  in.titleBmp = F1->text();
  in.numbersBmp = F2->text();
  in.countBmp = F3->text();
  in.miscBmp = F4->text();
  in.startupWave = FName1->text();
  in.tickWave = FName2->text();
  in.splatWave = FName3->text();
  in.gameOverWave = FName4->text();
  in.music = FName5->text();
  in.cursorFile = CursorFilename->text();
  in.name = Name->text();
  in.author = Author->text();
  in.email = Email->text();
  in.url = URL->text();
  in.comment = Comm->text();
  in.prefix = M1->text();
  in.suffix = M2->text();
  for (std::size_t i = 0; i < 8; ++i) in.ratings[i] = C[i]->text();
  in.titleColour = SwatchColour(Examp);
  in.pageColour = SwatchColour(Bg2);
  in.cursorChoice = CursorChoice;
  in.hotSpotX = static_cast<std::uint8_t>(std::clamp(customSetup_.X1->value(), 0, 31));
  in.hotSpotY = static_cast<std::uint8_t>(std::clamp(customSetup_.Y1->value(), 0, 31));
  in.tickMode = static_cast<std::uint8_t>(std::max(PlayMode->currentIndex(), 0));
  return in;
}

// ---------------------------------------------------------------- last page

qint64 TForm3::FreeSpaceFor(const QString& path) {
  QFileInfo info(path);
  QString folder = info.absolutePath();
  // The folder may not exist yet; the nearest existing one holds the file system.
  while (!QFileInfo(folder).isDir() && folder != QFileInfo(folder).absolutePath())
    folder = QFileInfo(folder).absolutePath();
  const QStorageInfo storage(folder);
  if (!storage.isValid() || !storage.isReady()) return -1;
  return storage.bytesAvailable();
}

void TForm3::OutFileChange() {
  const QString out = OutFile->text();
  const QString name = fileNamePart(out);
  const qsizetype dot = name.lastIndexOf(QLatin1Char('.'));
  const bool acceptable = !out.isEmpty() && !name.isEmpty() && dot >= 0 && name.mid(dot).toUpper() == QStringLiteral(".XET");
  Panel12->setVisible(acceptable);
  if (out.isEmpty()) return;

  const qint64 free = FreeSpaceFor(out);
  bool ok = false;
  qint64 estimate = EstFilesize->text().section(QLatin1Char(' '), 0, 0).toLongLong(&ok);
  if (!ok) estimate = 0;
  AvailSpace->setText(QStringLiteral("%1 bytes  (%2k)").arg(free).arg(free / 1024));
  Warning->setVisible(free < estimate);
}

void TForm3::Button10Click() {
  if (creating_) return;
  creating_ = true;
  const SetInputs in = Inputs();
  QPointer<TCreateProgress> progress;
  // Nothing in the wizard may change or start a second creation meanwhile.
  setEnabled(false);

  struct Relay : WriterProgress {
    QPointer<TCreateProgress>& dialog;
    explicit Relay(QPointer<TCreateProgress>& d) : dialog(d) {}
    void setStatus(const QString& text) override {
      if (dialog) dialog->SetStatus(text);
    }
    void showProgress(qint64 written, qint64 total) override {
      if (dialog) dialog->ShowProgress(written, total);
    }
    void pump() override { QApplication::processEvents(); }
  } relay(progress);

  const WriteOutcome outcome = WriteExtendedSet(
      in, writerHeader_, relay,
      [this, &in] {
        customSetup_.LoadCurimg(in.cursorFile);  // a picture that will not load keeps the one before
        return customSetup_.CurimgPlanes();
      },
      [&progress] {
        progress = new TCreateProgress;
        progress->setWindowFlag(Qt::WindowStaysOnTopHint);
        progress->show();
        progress->repaint();
        QApplication::setOverrideCursor(Qt::WaitCursor);
      });

  if (progress) QApplication::restoreOverrideCursor();
  if (outcome.valid())
    prompts().message(this, WriteOutcomeText(outcome), QStringLiteral("Sucess!"), BoxIcon::Information);
  else
    ShowWizardError(this, QStringLiteral("Error"), WriteOutcomeText(outcome));
  if (progress) progress->Finish();

  setEnabled(true);
  creating_ = false;
  if (closeWhenDone_) reject();
}

void TForm3::closeEvent(QCloseEvent* event) {
  if (creating_) {
    closeWhenDone_ = true;
    event->ignore();
    return;
  }
  QDialog::closeEvent(event);
}

void TForm3::reject() {
  if (creating_) {
    closeWhenDone_ = true;
    return;
  }
  QDialog::reject();
}
