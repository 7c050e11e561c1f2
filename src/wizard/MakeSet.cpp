#include "wizard/MakeSet.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QSettings>
#include <QRegularExpression>
#include <QSet>

#include "common/Files.h"
#include "imageset/CursorTable.h"
#include "imageset/GameNumbers.h"
#include "imageset/SetReaders.h"
#include "imageset/TickModes.h"
#include "wizard/SetDraft.h"
#include "wizard/WizardPreview.h"

namespace {

struct Texts {
  Q_DECLARE_TR_FUNCTIONS(MakeSet)
};

// A manifest names files and short texts; anything larger is no manifest.
constexpr qint64 kLargestManifest = 64 * 1024;

const QSet<QString> kSetKeys = {
    QStringLiteral("title"),       QStringLiteral("author"),       QStringLiteral("email"),
    QStringLiteral("web"),         QStringLiteral("comment"),      QStringLiteral("congratulation-prefix"),
    QStringLiteral("congratulation-suffix"), QStringLiteral("page-colour"), QStringLiteral("title-colour"),
    QStringLiteral("tick-mode"),   QStringLiteral("cursor"),       QStringLiteral("hot-spot")};

struct PictureKey {
  const char* key;
  QString SetInputs::*field;
};
constexpr PictureKey kPictureKeys[] = {
    {"figure", &SetInputs::pict1},      {"splat", &SetInputs::pict2},    {"title", &SetInputs::titleBmp},
    {"numbers", &SetInputs::numbersBmp}, {"count", &SetInputs::countBmp}, {"misc", &SetInputs::miscBmp},
};
// Indexed by indexOf(SoundEffect); the tune has its own key.
constexpr const char* kSoundKeys[] = {"startup", "tick", "splat", "gameover"};

// QSettings splits a value at its commas; a text is whatever the line held.
QString text(const QSettings& ini, const QString& key) {
  const QVariant v = ini.value(key);
  return v.typeId() == QMetaType::QStringList ? v.toStringList().join(QStringLiteral(", ")) : v.toString();
}

bool readColour(const QString& value, std::uint32_t* colour) {
  static const QRegularExpression hex(QStringLiteral("^#[0-9A-Fa-f]{6}$"));
  if (!hex.match(value).hasMatch()) return false;
  *colour = colourValue(QColor(value));
  return true;
}

}  // namespace

MakeSetResult makeSetFromManifest(const QString& manifest, const QString& out) {
  MakeSetResult result;
  const auto refuse = [&result](const QString& file, const QString& why) {
    result.exitCode = 1;
    result.error = QStringLiteral("%1: %2").arg(file, why);
    return result;
  };
  const QFileInfo manifestInfo(manifest);
  if (!isRegularFile(manifest) || manifestInfo.isSymLink()) return refuse(manifest, Texts::tr("cannot be opened"));
  if (manifestInfo.size() > kLargestManifest) return refuse(manifest, Texts::tr("is too large to be a manifest"));
  const QFileInfo outInfo(out);
  if (outInfo.isSymLink() || (outInfo.exists() && !outInfo.isFile()))
    return refuse(out, Texts::tr("is not a regular file to write the set to"));

  QSettings ini(manifest, QSettings::IniFormat);
  if (ini.status() != QSettings::NoError) return refuse(manifest, Texts::tr("is not an INI file"));
  const QDir base = manifestInfo.absoluteDir();
  const auto path = [&base](const QString& name) { return name.isEmpty() ? name : base.absoluteFilePath(name); };

  // Every key must be one the manifest knows: a misspelt one would be silently ignored.
  QSet<QString> known;
  for (const QString& k : kSetKeys) known << QStringLiteral("set/") + k;
  for (int band = 1; band <= kRatingMessages; ++band) known << QStringLiteral("set/rating%1").arg(band);
  for (const PictureKey& k : kPictureKeys) known << QStringLiteral("pictures/") + QLatin1String(k.key);
  for (const char* k : kSoundKeys) known << QStringLiteral("sounds/") + QLatin1String(k);
  known << QStringLiteral("sounds/tune");
  for (const QString& key : ini.allKeys())
    if (!known.contains(key)) return refuse(manifest, Texts::tr("unknown key %1").arg(key));
  for (const char* required : {"pictures/figure", "pictures/splat", "set/title"})
    if (text(ini, QLatin1String(required)).isEmpty())
      return refuse(manifest, Texts::tr("missing required key %1").arg(QLatin1String(required)));

  SetDraft draft;
  SetInputs& in = draft.inputs;
  in.outFile = QFileInfo(out).absoluteFilePath();
  in.name = text(ini, QStringLiteral("set/title"));
  if (ini.contains(QStringLiteral("set/author"))) in.author = text(ini, QStringLiteral("set/author"));
  if (ini.contains(QStringLiteral("set/email"))) in.email = text(ini, QStringLiteral("set/email"));
  in.url = ini.contains(QStringLiteral("set/web")) ? text(ini, QStringLiteral("set/web")) : QString();
  if (ini.contains(QStringLiteral("set/comment"))) in.comment = text(ini, QStringLiteral("set/comment"));
  if (ini.contains(QStringLiteral("set/congratulation-prefix")))
    in.prefix = text(ini, QStringLiteral("set/congratulation-prefix"));
  if (ini.contains(QStringLiteral("set/congratulation-suffix")))
    in.suffix = text(ini, QStringLiteral("set/congratulation-suffix"));
  for (std::size_t i = 0; i < in.ratings.size(); ++i) {
    const QString key = QStringLiteral("set/rating%1").arg(i + 1);
    if (ini.contains(key)) in.ratings[i] = text(ini, key);
  }
  for (const auto& [key, colour] : {std::pair{"set/page-colour", &in.pageColour}, std::pair{"set/title-colour", &in.titleColour}}) {
    if (!ini.contains(QLatin1String(key))) continue;
    if (!readColour(text(ini, QLatin1String(key)), colour))
      return refuse(manifest, Texts::tr("%1 must be a colour like #RRGGBB").arg(QLatin1String(key)));
  }
  if (ini.contains(QStringLiteral("set/tick-mode"))) {
    bool number = false;
    const int mode = text(ini, QStringLiteral("set/tick-mode")).toInt(&number);
    if (!number || mode < 0 || mode >= int(kTickModes.size()))
      return refuse(manifest, Texts::tr("set/tick-mode must be 0 to %1").arg(kTickModes.size() - 1));
    in.tickMode = std::uint8_t(mode);
  }
  if (ini.contains(QStringLiteral("set/cursor"))) {
    const QString cursor = text(ini, QStringLiteral("set/cursor"));
    bool number = false;
    const int slot = cursor.toInt(&number);
    if (number && (slot < 1 || slot >= kCustomCursorSlot))
      return refuse(manifest, Texts::tr("set/cursor must be 1 to 7 or a picture file"));
    in.cursorChoice = number ? std::uint8_t(slot) : std::uint8_t(kCustomCursorSlot);
    if (!number) in.cursorFile = path(cursor);
  }
  if (ini.contains(QStringLiteral("set/hot-spot"))) {
    const QStringList xy = ini.value(QStringLiteral("set/hot-spot")).toStringList();
    bool okX = false, okY = false;
    const int x = xy.value(0).trimmed().toInt(&okX), y = xy.value(1).trimmed().toInt(&okY);
    if (xy.size() != 2 || !okX || !okY || x < 0 || x > 31 || y < 0 || y > 31)
      return refuse(manifest, Texts::tr("set/hot-spot must be x,y with each 0 to 31"));
    in.hotSpotX = std::uint8_t(x);
    in.hotSpotY = std::uint8_t(y);
  }
  for (const PictureKey& k : kPictureKeys) in.*k.field = path(text(ini, QStringLiteral("pictures/") + QLatin1String(k.key)));
  for (std::size_t i = 0; i < in.waves.size(); ++i)
    in.waves[i] = path(text(ini, QStringLiteral("sounds/") + QLatin1String(kSoundKeys[i])));
  in.music = path(text(ini, QStringLiteral("sounds/tune")));

  // Every named file must exist; the draft's steps then check what each holds.
  const auto missing = [](const QString& name) { return !name.isEmpty() && !isRegularFile(name); };
  QStringList named{in.pict1, in.pict2, in.titleBmp, in.numbersBmp, in.countBmp, in.miscBmp, in.music, in.cursorFile};
  for (const QString& wave : in.waves) named << wave;
  for (const QString& name : named)
    if (missing(name)) return refuse(name, Texts::tr("cannot be found"));

  const Preparation prepared = draft.prepare();
  if (!prepared.ok()) return refuse(manifest, prepared.problems.join(QStringLiteral("; ")));
  result.warnings = wizardLook(in).warnings;

  struct Quiet : WriterProgress {
    void setStatus(const QString&) override {}
    void showProgress(qint64, qint64) override {}
  } quiet;
  SetHeader header{};
  const WriteOutcome outcome = writeExtendedSet(prepared.set, header, quiet);
  if (!outcome.valid()) return refuse(out, writeOutcomeText(outcome));
  return result;
}
