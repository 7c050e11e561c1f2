// The six steps of the set creation wizard, each built from a few named parts.
#include <QComboBox>
#include <QFrame>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "imageset/CursorTable.h"
#include "imageset/DefaultSet.h"
#include "imageset/TickModes.h"
#include "wizard/SetCreationWizard.h"
#include "wizard/WizardParts.h"

using namespace wizardparts;

namespace {

const char* const kTileNames[] = {"Normal Pie Image",     "Finger Cursor",       "Cross Hair Target",
                                  "Double Barreled Shotgun", "Dart Board Target 1", "Dart Board Target 2",
                                  "Weird Triangle",      "Custom Cursor..."};
// The title of each sound's file dialog, indexed by indexOf(SoundEffect).
const std::array<const char*, kSoundEffectCount> kWaveDialogTitles = {
    "Select startup sound", "Select ticking sound", "Select splat sound", "Select end of game sound"};

QVBoxLayout* pageLayout(QWidget* page, int side, int top, int spacing = -1) {
  auto* v = new QVBoxLayout(page);
  v->setContentsMargins(side, top, side, top);
  if (spacing >= 0) v->setSpacing(spacing);
  return v;
}

QLabel* labelFor(const QString& text, QWidget* buddy) {
  auto* label = new QLabel(text);
  label->setBuddy(buddy);
  return label;
}

QGridLayout* panelGrid(QFrame* panel) {
  auto* grid = new QGridLayout(panel);
  grid->setContentsMargins(6, 4, 6, 4);
  grid->setVerticalSpacing(2);
  return grid;
}

// ---------------------------------------------------------------- step 1

// A strip's group: its file name, shown but only changed through the group editor.
QLabel* addStripGroup(QVBoxLayout* v, const QString& title, QWidget* page) {
  auto* box = new QGroupBox(title, page);
  auto* row = new QHBoxLayout(box);
  auto* caption = new QLabel(QStringLiteral("Filename:"), box);
  caption->setAlignment(Qt::AlignLeft | Qt::AlignTop);
  QLabel* name = wrapped(QString(), box);
  name->setMinimumHeight(34);
  name->setAlignment(Qt::AlignLeft | Qt::AlignTop);
  row->addWidget(caption, 0, Qt::AlignTop);
  row->addWidget(name, 1);
  v->addWidget(box);
  return name;
}

// ---------------------------------------------------------------- step 2

void addPicturesNote(QVBoxLayout* v, QWidget* page) {
  auto* row = new QHBoxLayout;
  row->addWidget(wrapped(QStringLiteral("The graphics of the game can be overridden here; example pictures came "
                                        "with the program.  Leave a file name blank to keep the built-in "
                                        "graphic."), page), 1);
  auto* note = wrapped(QStringLiteral("<span style='color:#c80000'>NOTE:</span> NB: Sizes of example pictures differ "
                                      "from actual picture sizes..."), page);
  note->setFixedWidth(190);
  row->addWidget(note);
  v->addLayout(row);
}

// What a picture group holds; the colour parts only when colourText is given.
struct PictureGroup {
  QLineEdit* field = nullptr;
  QPushButton* browse = nullptr;
  QPushButton* colourButton = nullptr;
  QFrame* swatch = nullptr;
};

void addColourPicker(QHBoxLayout* row, PictureGroup& group, const QString& colourText, QWidget* box) {
  group.colourButton = new QPushButton(colourText, box);
  group.swatch = sunken(box);
  group.swatch->setAutoFillBackground(true);
  group.swatch->setFixedSize(22, 22);
  row->addSpacing(8);
  row->addWidget(group.colourButton);
  row->addWidget(group.swatch);
}

// Small examples sit above the file name; the tall ones beside it.
PictureGroup addPictureGroup(QVBoxLayout* v, const QString& title, QLabel* picture, const QString& colourText,
                             QWidget* page) {
  PictureGroup group;
  auto* box = new QGroupBox(title, page);
  auto* grid = new QGridLayout(box);
  grid->setContentsMargins(6, 2, 6, 4);
  grid->setVerticalSpacing(2);
  group.field = edit(255, box);
  group.browse = new QPushButton(QStringLiteral("Browse..."), box);
  auto* caption = new QLabel(QStringLiteral("&Example:"), box);
  caption->setBuddy(group.field);
  picture->setParent(box);
  QHBoxLayout* row = fileRow(QStringLiteral("Filename:"), group.field, group.browse);
  if (!colourText.isEmpty()) addColourPicker(row, group, colourText, box);
  auto* exampleRow = new QHBoxLayout;
  exampleRow->setSpacing(6);
  exampleRow->addWidget(caption);
  exampleRow->addWidget(picture);
  if (picture->height() > 30) {
    exampleRow->addSpacing(8);
    exampleRow->addLayout(row, 1);
    grid->addLayout(exampleRow, 0, 0);
  } else {
    exampleRow->addStretch();
    grid->addLayout(exampleRow, 0, 0);
    grid->addLayout(row, 1, 0);
  }
  v->addWidget(box);
  return group;
}

// ---------------------------------------------------------------- step 3

void addSoundsNote(QVBoxLayout* v, QWidget* page) {
  v->addWidget(wrapped(QStringLiteral("The sounds of the game can be replaced too.  Keep them small: every sound "
                                      "goes into the set file and makes it larger.  Leave a name blank for no sound."),
                       page));
  auto* format = new QLabel(
      QStringLiteral("Sound files MUST be of the following format:  PCM .WAV file, MONO, 8-Bit, 11025 Hz"), page);
  format->setStyleSheet(QStringLiteral("color: #c80000; font-weight: bold;"));
  v->addWidget(format);
}

// A sound's group: its file name and Browse button; returns the row for extras.
QHBoxLayout* addSoundGroup(QVBoxLayout* v, const QString& title, const QString& caption, QLineEdit*& field,
                           QPushButton*& browse, QWidget* page) {
  auto* box = new QGroupBox(title, page);
  auto* row = new QHBoxLayout(box);
  row->setContentsMargins(6, 2, 6, 4);
  field = edit(255, box);
  // Room for a file name, even beside the tick sound's play modes.
  field->setMinimumWidth(200);
  browse = new QPushButton(QStringLiteral("Browse..."), box);
  row->addLayout(fileRow(caption, field, browse), 1);
  v->addWidget(box);
  return row;
}

QComboBox* playModeBox(QWidget* parent) {
  auto* box = new QComboBox(parent);
  for (const TickMode& mode : kTickModes) box->addItem(QString::fromLatin1(mode.caption));
  return box;
}

// ---------------------------------------------------------------- step 4

struct AboutFields {
  QLineEdit *name, *author, *email, *url, *comment;
};

QFrame* makeAboutPanel(QWidget* page, AboutFields& f) {
  QFrame* panel = sunken(page);
  QGridLayout* a = panelGrid(panel);
  for (QLineEdit** field : {&f.name, &f.author, &f.email, &f.url, &f.comment}) *field = edit(200, panel);
  a->addWidget(labelFor(QStringLiteral("&Image Set Name:"), f.name), 0, 0);
  a->addWidget(f.name, 0, 1, 1, 3);
  a->addWidget(labelFor(QStringLiteral("&Author:"), f.author), 1, 0);
  a->addWidget(f.author, 1, 1);
  a->addWidget(labelFor(QStringLiteral("&Email Address:"), f.email), 1, 2);
  a->addWidget(f.email, 1, 3);
  a->addWidget(labelFor(QStringLiteral("Author's URL:"), f.url), 2, 0);
  a->addWidget(f.url, 2, 1);
  a->addWidget(labelFor(QStringLiteral("Set Comments:"), f.comment), 2, 2);
  a->addWidget(f.comment, 2, 3);
  return panel;
}

QFrame* makeEndMessagePanel(QWidget* page, QLineEdit*& prefix, QLineEdit*& suffix) {
  QFrame* panel = sunken(page);
  QGridLayout* e = panelGrid(panel);
  prefix = edit(200, panel);
  suffix = edit(200, panel);
  e->addWidget(labelFor(QStringLiteral("&End of game Message:"), prefix), 0, 0, 1, 4);
  e->addWidget(prefix, 1, 0);
  // Sample numbers where the game-over dialog puts the pies and the score.
  e->addWidget(labelFor(QStringLiteral("&10"), suffix), 1, 1);
  e->addWidget(suffix, 1, 2);
  e->addWidget(new QLabel(QStringLiteral("20"), panel), 1, 3);
  return panel;
}

QFrame* makeRatingsPanel(QWidget* page, std::array<QLineEdit*, 8>& ratings) {
  QFrame* panel = sunken(page);
  QGridLayout* c = panelGrid(panel);
  c->addWidget(new QLabel(QStringLiteral("End of Game Score Comments:"), panel), 0, 0, 1, 4);
  c->addWidget(new QLabel(QStringLiteral("Score:   Comment:"), panel), 1, 0, 1, 2);
  c->addWidget(new QLabel(QStringLiteral("Score:   Comment:"), panel), 1, 2, 1, 2);
  const char* const bands[] = {"0-5:", "6-20:", "21-40:", "41-80:", "81-130:", "131-190:", "191-230:", "231+:"};
  for (int i = 0; i < 8; ++i) {
    QLineEdit* field = ratings[static_cast<std::size_t>(i)] = edit(240, panel);
    const int column = i < 4 ? 0 : 2;
    c->addWidget(new QLabel(QString::fromLatin1(bands[i]), panel), 2 + i % 4, column);
    c->addWidget(field, 2 + i % 4, column + 1);
  }
  return panel;
}

// ---------------------------------------------------------------- step 5

// What each colour of a custom cursor picture becomes, in those colours.
QFrame* makeCursorLegend(QWidget* parent) {
  QFrame* legend = sunken(parent);
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
  return legend;
}

}  // namespace

QWidget* SetCreationWizard::makeAnimationPage() {
  auto* page = new QWidget;
  QVBoxLayout* v = pageLayout(page, 10, 8);
  v->addWidget(wrapped(QStringLiteral(
      "An image set may show more than one target picture.  It needs two pictures: one holding the images of the "
      "target appearing, and one holding the pie (splat) images.  Every 107 lines of picture start a new set of "
      "faces, so taller pictures give the game more targets to throw at."), page));
  figureFileLabel = addStripGroup(v, QStringLiteral(" Pict1.bmp "), page);
  splatFileLabel = addStripGroup(v, QStringLiteral(" Pict2.bmp "), page);
  changeGroupFilesButton = new QPushButton(QStringLiteral("Change Image &Files..."), page);
  auto* row = new QHBoxLayout;
  row->addStretch();
  row->addWidget(changeGroupFilesButton);
  v->addLayout(row);
  v->addStretch();
  connect(changeGroupFilesButton, &QPushButton::clicked, this, [this] { editImageGroup(); });
  return page;
}

QWidget* SetCreationWizard::makeBitmapsPage(const BuiltinPictures& pictures) {
  auto* page = new QWidget;
  QVBoxLayout* v = pageLayout(page, 3, 4, 2);
  addPicturesNote(v, page);
  const PictureGroup title =
      addPictureGroup(v, QStringLiteral(" Title Bar:  (594x31 Pixels  - title.bmp) "),
                      examplePicture(pictures.title, 333, 17, page), QStringLiteral("&Set Background Colour..."), page);
  const PictureGroup digits = addPictureGroup(v, QStringLiteral(" Number Strip:  (300x51 Pixels  - numbers.bmp) "),
                                              examplePicture(pictures.digits, 147, 25, page), {}, page);
  const PictureGroup count =
      addPictureGroup(v, QStringLiteral(" Count Down and Messages (Game over and Click Here): (671x107 Pixels  - count.bmp) "),
                      examplePicture(pictures.countdown, 156, 25, page),
                      QStringLiteral("&Set Page Background Colour..."), page);
  const PictureGroup misc =
      addPictureGroup(v, QStringLiteral(" Misc Extras  (Words \"Time,\" \"Score,\" and the base to the pop up boxes): "
                                        "(111x124 Pixels  - miscpics.bmp) "),
                      examplePicture(pictures.misc, 36, 40, page), {}, page);
  titleFile = title.field, browseTitleButton = title.browse;
  titleColourButton = title.colourButton, titleColourSwatch = title.swatch;
  digitsFile = digits.field, browseDigitsButton = digits.browse;
  countFile = count.field, browseCountButton = count.browse;
  pageColourButton = count.colourButton, pageColourSwatch = count.swatch;
  miscFile = misc.field, browseMiscButton = misc.browse;
  connectPictureButtons();
  return page;
}

void SetCreationWizard::connectPictureButtons() {
  connect(browseTitleButton, &QPushButton::clicked, this,
          [this] { browse(titleFile, Dialog::Bitmap, QStringLiteral("Select Title File")); });
  connect(browseDigitsButton, &QPushButton::clicked, this,
          [this] { browse(digitsFile, Dialog::Bitmap, QStringLiteral("Select Numbers File")); });
  connect(browseCountButton, &QPushButton::clicked, this,
          [this] { browse(countFile, Dialog::Bitmap, QStringLiteral("Select Countdown and Messages File")); });
  connect(browseMiscButton, &QPushButton::clicked, this,
          [this] { browse(miscFile, Dialog::Bitmap, QStringLiteral("Select Extra Graphics File")); });
  connect(titleColourButton, &QPushButton::clicked, this, [this] { chooseTitleColour(); });
  connect(pageColourButton, &QPushButton::clicked, this, [this] { choosePageColour(); });
}

QWidget* SetCreationWizard::makeSoundsPage() {
  auto* page = new QWidget;
  QVBoxLayout* v = pageLayout(page, 8, 4, 2);
  addSoundsNote(v, page);
  const QString wave = QStringLiteral("Custom Wave &Filename:");
  for (const SoundEffectInfo& sound : kSoundEffects) {
    const auto i = static_cast<std::size_t>(indexOf(sound.effect));
    QHBoxLayout* row = addSoundGroup(v, QString::fromLatin1(sound.wizardCaption), wave, waveFiles[i],
                                     browseWaveButtons[i], page);
    if (sound.effect == SoundEffect::Tick) row->addWidget(tickModeBox = playModeBox(row->parentWidget()));
  }
  auto* rule = new QFrame(page);
  rule->setFrameStyle(QFrame::HLine | QFrame::Sunken);
  v->addWidget(rule);
  addSoundGroup(v, QStringLiteral(" Background MIDI File (midi file played during game) "),
                QStringLiteral("Custom MIDI &Filename:"), musicFile, browseMusicButton, page);
  v->addStretch();
  connectSoundButtons();
  return page;
}

void SetCreationWizard::connectSoundButtons() {
  for (std::size_t i = 0; i < waveFiles.size(); ++i)
    connect(browseWaveButtons[i], &QPushButton::clicked, this,
            [this, i] { browse(waveFiles[i], Dialog::Wave, QString::fromLatin1(kWaveDialogTitles[i])); });
  connect(browseMusicButton, &QPushButton::clicked, this,
          [this] { browse(musicFile, Dialog::Midi, QStringLiteral("Select MIDI sequence for in-game music")); });
}

QWidget* SetCreationWizard::makeTextsPage() {
  auto* page = new QWidget;
  QVBoxLayout* v = pageLayout(page, 8, 4, 3);
  v->addWidget(wrapped(QStringLiteral("Here you can change the messages shown at the end of a game, and tell the "
                                      "players about this set and its author."), page));
  AboutFields about{};
  v->addWidget(makeAboutPanel(page, about));
  setNameEdit = about.name, authorEdit = about.author, emailEdit = about.email;
  urlEdit = about.url, commentEdit = about.comment;
  v->addWidget(makeEndMessagePanel(page, prefixEdit, suffixEdit));
  v->addWidget(makeRatingsPanel(page, ratingEdits));
  v->addStretch();
  return page;
}

QWidget* SetCreationWizard::makeCursorPage(const CursorTable& cursors) {
  auto* page = new QWidget;
  QVBoxLayout* v = pageLayout(page, 8, 4, 3);
  v->addWidget(wrapped(QStringLiteral("The mouse cursor used during play can be one of the 7 built-in cursors, or "
                                      "your own cursor made from a picture."), page));
  v->addWidget(new QLabel(QStringLiteral("Choose Cursor:"), page));
  v->addWidget(makeCursorStrip(page, cursors));
  v->addWidget(makeCustomCursorBox(page));
  v->addStretch();
  return page;
}

// The eight tiles; the custom tile shows the cursor of the empty custom slot.
QWidget* SetCreationWizard::makeCursorStrip(QWidget* page, const CursorTable& cursors) {
  QFrame* strip = sunken(page);
  auto* tiles = new QGridLayout(strip);
  tiles->setContentsMargins(4, 4, 4, 2);
  tiles->setVerticalSpacing(1);
  for (int i = 0; i < 8; ++i) {
    auto* tile = new CursorTile(i + 1, strip);
    const int slot = i + 1 == kCustomCursorSlot ? kCustomSignCursorSlot : i + 1;
    tile->setCursor(cursors.cursor(slot));
    tile->picture = cursorPicture(cursors.get(slot));
    cursorTiles[static_cast<std::size_t>(i)] = tile;
    QLabel* caption = wrapped(QString::fromLatin1(kTileNames[i]), strip);
    caption->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    caption->setFixedWidth(68);
    tiles->addWidget(tile, 0, i, Qt::AlignHCenter);
    tiles->addWidget(caption, 1, i, Qt::AlignHCenter | Qt::AlignTop);
    connect(tile, &CursorTile::clicked, this, [this](int tag) { chooseCursor(tag); });
  }
  return strip;
}

QGroupBox* SetCreationWizard::makeCustomCursorBox(QWidget* page) {
  customCursorBox = new QGroupBox(QStringLiteral(" Custom Cursor Setup - cursor.bmp "), page);
  auto* g = new QHBoxLayout(customCursorBox);
  g->setContentsMargins(6, 2, 6, 4);
  auto* left = new QVBoxLayout;
  cursorFile = edit(255, customCursorBox);
  cursorFile->setMinimumWidth(220);
  browseCursorButton = new QPushButton(QStringLiteral("&Browse..."), customCursorBox);
  left->addWidget(labelFor(QStringLiteral("Cursor BMP &Filename:"), cursorFile));
  left->addLayout(fileRow({}, cursorFile, browseCursorButton));
  setUpCursorButton = new QPushButton(QStringLiteral("Setup Custom Cursor..."), customCursorBox);
  left->addWidget(setUpCursorButton, 0, Qt::AlignLeft);
  left->addStretch();
  g->addLayout(left, 1);
  g->addWidget(makeCursorLegend(customCursorBox));
  connect(browseCursorButton, &QPushButton::clicked, this,
          [this] { browse(cursorFile, Dialog::Bitmap, QStringLiteral("Select cursor picture...")); });
  connect(setUpCursorButton, &QPushButton::clicked, this, [this] { setUpCursor(); });
  return customCursorBox;
}

QWidget* SetCreationWizard::makeOutputPage() {
  auto* page = new QWidget;
  QVBoxLayout* v = pageLayout(page, 10, 8);
  v->addWidget(wrapped(
      QStringLiteral("The last step in this creation process is to specify the output filename:  (ending in .XET)"),
      page));
  outFile = edit(255, page);
  browseOutFileButton = new QPushButton(QStringLiteral("&Browse..."), page);
  v->addLayout(fileRow(QStringLiteral("Output Filename:"), outFile, browseOutFileButton));
  v->addWidget(makeSizePanel(page));
  v->addStretch();
  connect(browseOutFileButton, &QPushButton::clicked, this,
          [this] { browse(outFile, Dialog::Save, QStringLiteral("Enter new .XET filename:")); });
  connect(outFile, &QLineEdit::textChanged, this, [this] { outFileChanged(); });
  return page;
}

// The estimate, the free space and the Create button; hidden until the name ends in .XET.
QFrame* SetCreationWizard::makeSizePanel(QWidget* page) {
  sizePanel = sunken(page);
  auto* p = new QGridLayout(sizePanel);
  p->setContentsMargins(8, 6, 8, 6);
  estimateLabel = new QLabel(sizePanel);
  freeSpaceLabel = new QLabel(sizePanel);
  warningLabel = wrapped(
      QStringLiteral("WARNING: There might not be enough available free space on this disk to continue..."), sizePanel);
  warningLabel->setStyleSheet(QStringLiteral("color: #c80000; font-weight: bold;"));
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
  connect(refreshSizesButton, &QPushButton::clicked, this, [this] { outFileChanged(); });
  connect(createButton, &QPushButton::clicked, this, [this] { createSet(); });
  return sizePanel;
}
