// The six steps of the set creation wizard, each built from a few named parts.
#include <QComboBox>
#include <QCoreApplication>
#include <QFrame>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>
#include <algorithm>
#include <string>

#include "imageset/CursorTable.h"
#include "imageset/DefaultSet.h"
#include "imageset/GameNumbers.h"
#include "wizard/CursorTile.h"
#include "imageset/TickModes.h"
#include "wizard/SetCreationWizard.h"
#include "wizard/WizardParts.h"
#include "wizard/WizardPreview.h"

using namespace wizardparts;

namespace {

const char* const kTileNames[] = {
    QT_TRANSLATE_NOOP("SetCreationWizard", "Normal Pie Image"),
    QT_TRANSLATE_NOOP("SetCreationWizard", "Finger Cursor"),
    QT_TRANSLATE_NOOP("SetCreationWizard", "Cross Hair Target"),
    QT_TRANSLATE_NOOP("SetCreationWizard", "Double Barreled Shotgun"),
    QT_TRANSLATE_NOOP("SetCreationWizard", "Dart Board Target 1"),
    QT_TRANSLATE_NOOP("SetCreationWizard", "Dart Board Target 2"),
    QT_TRANSLATE_NOOP("SetCreationWizard", "Weird Triangle"),
    QT_TRANSLATE_NOOP("SetCreationWizard", "Custom Cursor...")};
// The title of each sound's file dialog, indexed by indexOf(SoundEffect).
const std::array<const char*, kSoundEffectCount> kWaveDialogTitles = {
    QT_TRANSLATE_NOOP("SetCreationWizard", "Select startup sound"), QT_TRANSLATE_NOOP("SetCreationWizard", "Select ticking sound"),
    QT_TRANSLATE_NOOP("SetCreationWizard", "Select splat sound"), QT_TRANSLATE_NOOP("SetCreationWizard", "Select end of game sound")};

// Tests and tools find the controls by these names.
template <class Widget>
Widget* named(Widget* widget, const char* name) {
  widget->setObjectName(QLatin1String(name));
  return widget;
}

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
  auto* caption = new QLabel(SetCreationWizard::tr("Filename:"), box);
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
  row->addWidget(wrapped(SetCreationWizard::tr("The graphics of the game can be overridden here; example pictures came "
                                               "with the program.  Leave a file name blank to keep the built-in "
                                               "graphic.") + QLatin1Char(' ') +
                             SetCreationWizard::tr("PNG, JPEG, GIF, BMP, WebP or TIFF: see-through parts are "
                                                         "filled with the page colour."),
                         page),
                 1);
  auto* note = wrapped(SetCreationWizard::tr("<span style='color:#c80000'>NOTE:</span> NB: Sizes of example pictures differ "
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
  grid->setContentsMargins(6, groupTopMargin(box, 2), 6, 4);
  grid->setVerticalSpacing(2);
  group.field = edit(255, box);
  group.browse = new QPushButton(SetCreationWizard::tr("Browse..."), box);
  auto* caption = new QLabel(SetCreationWizard::tr("&Example:"), box);
  caption->setBuddy(group.field);
  picture->setParent(box);
  QHBoxLayout* row = fileRow(SetCreationWizard::tr("Filename:"), group.field, group.browse);
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

void nameGroup(const PictureGroup& group, const char* file, const char* colour = nullptr) {
  named(group.field, file);
  named(group.browse, (std::string("browse:") + file).c_str());
  if (colour) {
    named(group.swatch, colour);
    named(group.colourButton, (std::string(colour) + "Button").c_str());
  }
}

// ---------------------------------------------------------------- step 3

void addSoundsNote(QVBoxLayout* v, QWidget* page) {
  v->addWidget(wrapped(SetCreationWizard::tr("The sounds of the game can be replaced too.  Keep them small: every sound "
                                      "goes into the set file and makes it larger.  Leave a name blank for no sound."),
                       page));
  auto* format = new QLabel(
      SetCreationWizard::tr("WAV, FLAC, Ogg, Opus or MP3 of any rate: each is stored as mono, 8-bit, 11025 Hz (Play lets you hear it)."),
      page);
  format->setWordWrap(true);
  v->addWidget(format);
}

// A sound's group: its file name and Browse button; returns the row for extras.
QHBoxLayout* addSoundGroup(QVBoxLayout* v, const QString& title, const QString& caption, QLineEdit*& field,
                           QPushButton*& browse, QWidget* page) {
  auto* box = new QGroupBox(title, page);
  auto* row = new QHBoxLayout(box);
  row->setContentsMargins(6, groupTopMargin(box, 2), 6, 4);
  field = edit(255, box);
  // Room for a file name, even beside the tick sound's play modes.
  field->setMinimumWidth(200);
  browse = new QPushButton(SetCreationWizard::tr("Browse..."), box);
  row->addLayout(fileRow(caption, field, browse), 1);
  v->addWidget(box);
  return row;
}

QComboBox* playModeBox(QWidget* parent) {
  auto* box = new QComboBox(parent);
  for (const TickMode& mode : kTickModes) box->addItem(QCoreApplication::translate("TickModes", mode.caption));
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
  a->addWidget(labelFor(SetCreationWizard::tr("&Image Set Name:"), f.name), 0, 0);
  a->addWidget(f.name, 0, 1, 1, 3);
  a->addWidget(labelFor(SetCreationWizard::tr("&Author:"), f.author), 1, 0);
  a->addWidget(f.author, 1, 1);
  a->addWidget(labelFor(SetCreationWizard::tr("&Email Address:"), f.email), 1, 2);
  a->addWidget(f.email, 1, 3);
  a->addWidget(labelFor(SetCreationWizard::tr("Author's URL:"), f.url), 2, 0);
  a->addWidget(f.url, 2, 1);
  a->addWidget(labelFor(SetCreationWizard::tr("Set Comments:"), f.comment), 2, 2);
  a->addWidget(f.comment, 2, 3);
  return panel;
}

QFrame* makeEndMessagePanel(QWidget* page, QLineEdit*& prefix, QLineEdit*& suffix) {
  QFrame* panel = sunken(page);
  QGridLayout* e = panelGrid(panel);
  prefix = edit(200, panel);
  suffix = edit(200, panel);
  e->addWidget(labelFor(SetCreationWizard::tr("&End of game Message:"), prefix), 0, 0, 1, 4);
  e->addWidget(prefix, 1, 0);
  // Sample numbers where the game-over dialog puts the pies and the score.
  e->addWidget(labelFor(QStringLiteral("&10"), suffix), 1, 1);
  // The sample number is no name for the field after it.
  suffix->setAccessibleName(SetCreationWizard::tr("End of game Message, second part"));
  e->addWidget(suffix, 1, 2);
  e->addWidget(new QLabel(QStringLiteral("20"), panel), 1, 3);
  return panel;
}

// "0-5:", "6-20:", ..., "231+:": each band's scores, from the table of bands.
QString bandCaption(int band) {
  const int low = band == 0 ? 0 : kScoreBandTops[std::size_t(band - 1)] + 1;
  if (band >= int(kScoreBandTops.size())) return QStringLiteral("%1+:").arg(low);
  return QStringLiteral("%1-%2:").arg(low).arg(kScoreBandTops[std::size_t(band)]);
}

QFrame* makeRatingsPanel(QWidget* page, std::array<QLineEdit*, kRatingMessages>& ratings) {
  QFrame* panel = sunken(page);
  QGridLayout* c = panelGrid(panel);
  c->addWidget(new QLabel(SetCreationWizard::tr("End of Game Score Comments:"), panel), 0, 0, 1, 4);
  c->addWidget(new QLabel(SetCreationWizard::tr("Score:   Comment:"), panel), 1, 0, 1, 2);
  c->addWidget(new QLabel(SetCreationWizard::tr("Score:   Comment:"), panel), 1, 2, 1, 2);
  const int perColumn = (kRatingMessages + 1) / 2;
  for (int i = 0; i < kRatingMessages; ++i) {
    QLineEdit* field = ratings[static_cast<std::size_t>(i)] = edit(240, panel);
    const int column = i < perColumn ? 0 : 2;
    QLabel* band = labelFor(bandCaption(i), field);
    band->setParent(panel);
    // A screen reader says what the field is for, not only its band of scores.
    field->setAccessibleName(SetCreationWizard::tr("Comment for a score of %1").arg(bandCaption(i).chopped(1)));
    c->addWidget(band, 2 + i % perColumn, column);
    c->addWidget(field, 2 + i % perColumn, column + 1);
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
  line(SetCreationWizard::tr("Custom Cursor: 16 Colour BMP picture, 32x32 pixels where:"), "black", "transparent");
  line(SetCreationWizard::tr("Black = Black"), "black", "white");
  line(SetCreationWizard::tr("Red = Inverted With Background"), "red", "white");
  line(SetCreationWizard::tr("Other Colours = Transparent"), "yellow", "maroon");
  line(SetCreationWizard::tr("White = White"), "white", "black");
  return legend;
}

}  // namespace

QWidget* SetCreationWizard::makeAnimationPage() {
  auto* page = new QWidget;
  QVBoxLayout* v = pageLayout(page, 10, 8);
  v->addWidget(wrapped(tr(
      "An image set may show more than one target picture.  It needs two pictures: one holding the images of the "
      "target appearing, and one holding the pie (splat) images.  Every 108 rows of picture hold one target: 107 "
      "rows of frames and one divider row, so taller pictures give the game more targets to throw at."), page));
  pict1_ = addStripGroup(v, tr(" Pict1.bmp "), page);
  pict1_->setObjectName(QStringLiteral("pict1.bmp"));
  pict2_ = addStripGroup(v, tr(" Pict2.bmp "), page);
  pict2_->setObjectName(QStringLiteral("pict2.bmp"));
  auto* change = named<QPushButton>(new QPushButton(tr("Change Image &Files..."), page), "changeImageFiles");
  auto* row = new QHBoxLayout;
  row->addStretch();
  row->addWidget(change);
  v->addLayout(row);
  v->addWidget(animationPreview_ = named(new WizardPreview(page), "animationPreview"));
  v->addStretch();
  connect(change, &QPushButton::clicked, this, [this] { editImageGroup(); });
  return page;
}

QWidget* SetCreationWizard::makeBitmapsPage(const BuiltinPictures& pictures) {
  auto* page = new QWidget;
  QVBoxLayout* v = pageLayout(page, 3, 4, 2);
  addPicturesNote(v, page);
  const PictureGroup title =
      addPictureGroup(v, tr(" Title Bar:  (594x31 Pixels  - title.bmp) "),
                      examplePicture(pictures.title, 333, 17, page), tr("&Set Background Colour..."), page);
  const PictureGroup digits = addPictureGroup(v, tr(" Number Strip:  (300x51 Pixels  - numbers.bmp) "),
                                              examplePicture(pictures.digits, 147, 25, page), {}, page);
  const PictureGroup count =
      addPictureGroup(v, tr(" Count Down and Messages (Game over and Click Here): (671x107 Pixels  - count.bmp) "),
                      examplePicture(pictures.countdown, 156, 25, page),
                      tr("&Set Page Background Colour..."), page);
  const PictureGroup misc =
      addPictureGroup(v, tr(" Misc Extras  (Words \"Time,\" \"Score,\" and the base to the pop up boxes): "
                                        "(111x124 Pixels  - miscpics.bmp) "),
                      examplePicture(pictures.misc, 36, 40, page), {}, page);
  nameGroup(title, "title.bmp", "titleColour");
  nameGroup(digits, "numbers.bmp");
  nameGroup(count, "count.bmp", "pageColour");
  nameGroup(misc, "miscpics.bmp");
  titleFile_ = title.field, numbersFile_ = digits.field, countFile_ = count.field, miscFile_ = misc.field;
  titleColour_ = title.swatch, pageColour_ = count.swatch;
  const std::pair<const PictureGroup*, const char*> browsing[] = {
      {&title, QT_TR_NOOP("Select Title File")}, {&digits, QT_TR_NOOP("Select Numbers File")},
      {&count, QT_TR_NOOP("Select Countdown and Messages File")}, {&misc, QT_TR_NOOP("Select Extra Graphics File")}};
  for (const auto& [group, dialogTitle] : browsing) {
    QLineEdit* field = group->field;
    const QString text = tr(dialogTitle);
    connect(group->browse, &QPushButton::clicked, this, [this, field, text] { browse(field, Dialog::Bitmap, text); });
  }
  connect(title.colourButton, &QPushButton::clicked, this, [this] { pickColour(titleColour_); });
  connect(count.colourButton, &QPushButton::clicked, this, [this] { pickColour(pageColour_); });
  v->addWidget(picturesPreview_ = named(new WizardPreview(page), "picturesPreview"));
  for (QLineEdit* field : {titleFile_, numbersFile_, countFile_, miscFile_})
    connect(field, &QLineEdit::editingFinished, this, [this] { refreshPreview(); });
  return page;
}

QWidget* SetCreationWizard::makeSoundsPage() {
  auto* page = new QWidget;
  QVBoxLayout* v = pageLayout(page, 8, 4, 2);
  addSoundsNote(v, page);
  const QString wave = tr("Custom Wave &Filename:");
  for (const SoundEffectInfo& sound : kSoundEffects) {
    const auto i = static_cast<std::size_t>(indexOf(sound.effect));
    QPushButton* browseWave = nullptr;
    QHBoxLayout* row = addSoundGroup(v, QCoreApplication::translate("SoundEffects", sound.wizardCaption), wave, waveFiles_[i], browseWave, page);
    named(waveFiles_[i], sound.fileName);
    named(browseWave, (std::string("browse:") + sound.fileName).c_str());
    QLineEdit* field = waveFiles_[i];
    const QString title = tr(kWaveDialogTitles[i]);
    connect(browseWave, &QPushButton::clicked, this, [this, field, title] { browse(field, Dialog::Wave, title); });
    auto* play = named(new QPushButton(tr("&Play"), row->parentWidget()), (std::string("play:") + sound.fileName).c_str());
    play->setAutoDefault(false);
    play->setToolTip(tr("Plays the sound as the set will store it: mono, 11025 Hz, 8-bit"));
    connect(play, &QPushButton::clicked, this, [this, i] { playSound(i); });
    row->addWidget(play);
    soundLengths_[i] = named(new QLabel(row->parentWidget()), (std::string("length:") + sound.fileName).c_str());
    soundLengths_[i]->setMinimumWidth(soundLengths_[i]->fontMetrics().horizontalAdvance(QStringLiteral("00.00 s  ")));
    row->addWidget(soundLengths_[i]);
    if (sound.effect == SoundEffect::Tick) {
      row->addWidget(tickMode_ = named(playModeBox(row->parentWidget()), "tickMode"));
      tickMode_->setAccessibleName(tr("When the tick sound plays"));
    }
  }
  auto* rule = new QFrame(page);
  rule->setFrameStyle(QFrame::HLine | QFrame::Sunken);
  v->addWidget(rule);
  QPushButton* browseMusic = nullptr;
  QHBoxLayout* tuneRow = addSoundGroup(v, tr(" Background MIDI File (midi file played during game) "),
                                       tr("Custom MIDI &Filename:"), musicFile_, browseMusic, page);
  named(musicFile_, "music");
  named(browseMusic, "browse:music");
  playTune_ = named(new QPushButton(tr("&Play"), tuneRow->parentWidget()), "play:music");
  playTune_->setAutoDefault(false);
  playTune_->setAccessibleName(tr("Play the tune"));
  playTune_->setToolTip(tr("Plays the tune as the set will store it"));
  playTune_->setEnabled(false);
  connect(playTune_, &QPushButton::clicked, this, [this] { playTune(); });
  connect(musicFile_, &QLineEdit::textChanged, playTune_,
          [this](const QString& name) { playTune_->setEnabled(!name.trimmed().isEmpty()); });
  tuneRow->addWidget(playTune_);
  v->addStretch();
  connect(browseMusic, &QPushButton::clicked, this,
          [this] { browse(musicFile_, Dialog::Midi, tr("Select MIDI sequence for in-game music")); });
  return page;
}

QWidget* SetCreationWizard::makeTextsPage() {
  auto* page = new QWidget;
  QVBoxLayout* v = pageLayout(page, 8, 4, 3);
  v->addWidget(wrapped(tr("Here you can change the messages shown at the end of a game, and tell the "
                                      "players about this set and its author."), page));
  AboutFields about{};
  v->addWidget(makeAboutPanel(page, about));
  setName_ = named(about.name, "name"), author_ = named(about.author, "author"), email_ = named(about.email, "email");
  url_ = named(about.url, "url"), comment_ = named(about.comment, "comment");
  v->addWidget(makeEndMessagePanel(page, prefix_, suffix_));
  named(prefix_, "prefix"), named(suffix_, "suffix");
  v->addWidget(makeRatingsPanel(page, ratings_));
  for (std::size_t i = 0; i < ratings_.size(); ++i) ratings_[i]->setObjectName(QStringLiteral("rating%1").arg(i + 1));
  v->addStretch();
  return page;
}

QWidget* SetCreationWizard::makeCursorPage(const CursorTable& cursors) {
  auto* page = new QWidget;
  QVBoxLayout* v = pageLayout(page, 8, 4, 3);
  v->addWidget(wrapped(tr("The mouse cursor used during play can be one of the 7 built-in cursors, or "
                                      "your own cursor made from a picture."), page));
  v->addWidget(new QLabel(tr("Choose Cursor:"), page));
  v->addWidget(makeCursorStrip(page, cursors));
  v->addWidget(makeCustomCursorBox(page));
  v->addStretch();
  return page;
}

// The eight tiles; the custom tile shows the cursor of the empty custom slot.
QWidget* SetCreationWizard::makeCursorStrip(QWidget* page, const CursorTable& cursors) {
  QFrame* strip = sunken(page);
  auto* tiles = new QHBoxLayout(strip);
  tiles->setContentsMargins(4, 4, 4, 2);
  tiles->setSpacing(0);
  // Each tile over its caption in a column of its own, the columns spread evenly.
  tiles->addStretch(1);
  for (int i = 0; i < kCustomCursorSlot; ++i) {
    auto* tile = new CursorTile(i + 1, strip);
    const int slot = i + 1 == kCustomCursorSlot ? kCustomSignCursorSlot : i + 1;
    tile->setCursor(cursors.cursor(slot));
    tile->setPicture(cursorPicture(cursors.get(slot)));
    cursorTiles_[static_cast<std::size_t>(i)] = tile;
    QLabel* caption = wrapped(tr(kTileNames[i]), strip);
    tile->setAccessibleName(caption->text());
    caption->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    auto* column = new QWidget(strip);
    // 68 pixels, or the caption's longest word where a language's words are longer.
    int longestWord = 0;
    for (const QString& word : caption->text().split(u' ', Qt::SkipEmptyParts))
      longestWord = std::max(longestWord, caption->fontMetrics().horizontalAdvance(word) + 2);
    column->setFixedWidth(std::max(68, longestWord));
    auto* cell = new QVBoxLayout(column);
    cell->setContentsMargins(0, 0, 0, 0);
    cell->setSpacing(1);
    cell->addWidget(tile, 0, Qt::AlignHCenter);
    cell->addWidget(caption);
    cell->addStretch();
    tiles->addWidget(column);
    tiles->addStretch(i < 7 ? 2 : 1);
    connect(tile, &CursorTile::clicked, this, [this](int tag) { chooseCursor(tag); });
  }
  return strip;
}

QGroupBox* SetCreationWizard::makeCustomCursorBox(QWidget* page) {
  customCursorBox_ = named(new QGroupBox(tr(" Custom Cursor Setup - cursor.bmp "), page), "customCursor");
  auto* g = new QHBoxLayout(customCursorBox_);
  g->setContentsMargins(6, groupTopMargin(customCursorBox_, 2), 6, 4);
  auto* left = new QVBoxLayout;
  cursorFile_ = named(edit(255, customCursorBox_), "cursor.bmp");
  cursorFile_->setMinimumWidth(220);
  auto* browseCursor = named(new QPushButton(tr("&Browse..."), customCursorBox_), "browse:cursor.bmp");
  left->addWidget(labelFor(tr("Cursor BMP &Filename:"), cursorFile_));
  left->addLayout(fileRow({}, cursorFile_, browseCursor));
  auto* setUp = named(new QPushButton(tr("Setup Custom Cursor..."), customCursorBox_), "setUpCursor");
  left->addWidget(setUp, 0, Qt::AlignLeft);
  left->addStretch();
  g->addLayout(left, 1);
  g->addWidget(makeCursorLegend(customCursorBox_));
  connect(browseCursor, &QPushButton::clicked, this,
          [this] { browse(cursorFile_, Dialog::Bitmap, tr("Select cursor picture...")); });
  connect(setUp, &QPushButton::clicked, this, [this] { setUpCursor(); });
  return customCursorBox_;
}

QWidget* SetCreationWizard::makeOutputPage() {
  auto* page = new QWidget;
  QVBoxLayout* v = pageLayout(page, 10, 8);
  v->addWidget(wrapped(
      tr("The last step in this creation process is to specify the output filename:  (ending in .XET)"),
      page));
  outFile_ = named(edit(255, page), "outFile");
  auto* browseOut = named(new QPushButton(tr("&Browse..."), page), "browse:outFile");
  v->addLayout(fileRow(tr("Output Filename:"), outFile_, browseOut));
  v->addWidget(makeSizePanel(page));
  v->addStretch();
  connect(browseOut, &QPushButton::clicked, this,
          [this] { browse(outFile_, Dialog::Save, tr("Enter new .XET filename:")); });
  connect(outFile_, &QLineEdit::textChanged, this, [this] { outFileChanged(); });
  return page;
}

// The estimate, the free space and the Create button; hidden until the name ends in .XET.
QFrame* SetCreationWizard::makeSizePanel(QWidget* page) {
  sizePanel_ = named(sunken(page), "sizes");
  auto* p = new QGridLayout(sizePanel_);
  p->setContentsMargins(8, 6, 8, 6);
  estimate_ = named(new QLabel(sizePanel_), "estimate");
  freeSpace_ = named(new QLabel(sizePanel_), "freeSpace");
  warning_ = named(wrapped(tr("WARNING: There might not be enough available free space on this disk to continue..."),
                           sizePanel_), "warning");
  warning_->setStyleSheet(QStringLiteral("color: #c80000; font-weight: bold;"));
  warning_->hide();
  auto* refresh = named(new QPushButton(tr("&Refresh Sizes"), sizePanel_), "refreshSizes");
  auto* create = named(new QPushButton(tr("&Create eXtended Image Set File!"), sizePanel_), "create");
  p->addWidget(new QLabel(tr("Estimated Image Set filesize:"), sizePanel_), 0, 0);
  p->addWidget(estimate_, 0, 1);
  p->addWidget(new QLabel(tr("Space available on chosen drive:"), sizePanel_), 1, 0);
  p->addWidget(freeSpace_, 1, 1);
  p->setColumnStretch(1, 1);
  p->addWidget(warning_, 2, 0, 1, 2);
  p->setRowMinimumHeight(2, 34);
  auto* buttons = new QHBoxLayout;
  buttons->addWidget(refresh);
  buttons->addStretch();
  buttons->addWidget(create);
  p->addLayout(buttons, 3, 0, 1, 2);
  sizePanel_->hide();
  connect(refresh, &QPushButton::clicked, this, [this] { outFileChanged(); });
  connect(create, &QPushButton::clicked, this, [this] { createSet(); });
  return sizePanel_;
}
