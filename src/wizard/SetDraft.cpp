#include "wizard/SetDraft.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QSaveFile>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include "common/Files.h"
#include "imageset/CursorTable.h"
#include "imageset/DefaultSet.h"
#include "imageset/TickModes.h"

namespace {

// A draft holds names and short texts; anything larger is no draft.
constexpr qint64 kLargestDraftFile = 256 * 1024;
constexpr int kDraftVersion = 1;

// Each text input under its name in the draft file.
struct TextField {
  const char* key;
  QString SetInputs::*field;
};
constexpr TextField kTextFields[] = {
    {"out", &SetInputs::outFile},      {"figure", &SetInputs::pict1},       {"splat", &SetInputs::pict2},
    {"title", &SetInputs::titleBmp},   {"numbers", &SetInputs::numbersBmp}, {"count", &SetInputs::countBmp},
    {"misc", &SetInputs::miscBmp},     {"tune", &SetInputs::music},         {"cursorFile", &SetInputs::cursorFile},
    {"name", &SetInputs::name},        {"author", &SetInputs::author},      {"email", &SetInputs::email},
    {"web", &SetInputs::url},          {"comment", &SetInputs::comment},    {"prefix", &SetInputs::prefix},
    {"suffix", &SetInputs::suffix},
};

bool blankOrFile(const QString& name) { return name.trimmed().isEmpty() || isRegularFile(name); }

}  // namespace

SetDraft::SetDraft() {
  inputs.prefix = QString::fromLatin1(kDefaultCongratulationPrefix);
  inputs.suffix = QString::fromLatin1(kDefaultCongratulationSuffix);
  for (std::size_t i = 0; i < inputs.ratings.size(); ++i) inputs.ratings[i] = QString::fromLatin1(kDefaultRatingMessages[i]);
  inputs.url = QStringLiteral("http://");
}

QString SetDraft::checkStep(int which) const {
  const SetInputs& in = inputs;
  switch (which) {
    case kStripsStep: {
      if (!isRegularFile(in.pict1) || !isRegularFile(in.pict2)) return tr("Cannot find the specified images...");
      SetInputs strips;
      strips.pageColour = in.pageColour;
      strips.pict1 = in.pict1;
      strips.pict2 = in.pict2;
      return prepareSet(strips).problems.join(QLatin1Char('\n'));
    }
    case kPicturesStep: {
      if (!blankOrFile(in.titleBmp) || !blankOrFile(in.numbersBmp) || !blankOrFile(in.countBmp) || !blankOrFile(in.miscBmp))
        return tr("One of the above specified files cound not be found...");
      SetInputs pictures;
      pictures.pageColour = in.pageColour;
      pictures.titleBmp = in.titleBmp;
      pictures.numbersBmp = in.numbersBmp;
      pictures.countBmp = in.countBmp;
      pictures.miscBmp = in.miscBmp;
      return prepareSet(pictures).problems.join(QLatin1Char('\n'));
    }
    case kSoundsStep: {
      SetInputs sounds;
      sounds.waves = in.waves;
      sounds.music = in.music;
      return prepareSet(sounds).problems.join(QLatin1Char('\n'));
    }
    case kTextsStep: return in.name.isEmpty() ? tr("This image set has no name...") : QString();
    case kCursorStep: {
      if (in.cursorChoice != kCustomCursorSlot) return {};
      if (!isRegularFile(in.cursorFile)) return tr("Cursor BMP file was not found...");
      SetInputs cursor;
      cursor.cursorChoice = in.cursorChoice;
      cursor.cursorFile = in.cursorFile;
      return prepareSet(cursor).problems.isEmpty() ? QString() : tr("Cursor BMP file could not be loaded...");
    }
    default: return {};
  }
}

bool SetDraft::next(QString* why) {
  if (step >= kOutputStep) return false;
  const QString problem = checkStep(step);
  if (why) *why = problem;
  if (!problem.isEmpty()) return false;
  ++step;
  return true;
}

void SetDraft::back() {
  if (step > kStripsStep) --step;
}

bool SetDraft::anythingFilled() const {
  SetDraft fresh;
  fresh.step = step;
  fresh.inputs.outFile = inputs.outFile;  // the wizard's own suggestion is no work of the set maker
  return !(fresh == *this);
}

QByteArray SetDraft::toJson() const {
  QJsonObject o;
  o.insert(QStringLiteral("version"), kDraftVersion);
  o.insert(QStringLiteral("step"), step);
  for (const TextField& f : kTextFields) o.insert(QLatin1String(f.key), inputs.*f.field);
  QJsonArray waves, ratings;
  for (const QString& w : inputs.waves) waves.append(w);
  for (const QString& r : inputs.ratings) ratings.append(r);
  o.insert(QStringLiteral("sounds"), waves);
  o.insert(QStringLiteral("ratings"), ratings);
  o.insert(QStringLiteral("titleColour"), qint64(inputs.titleColour));
  o.insert(QStringLiteral("pageColour"), qint64(inputs.pageColour));
  o.insert(QStringLiteral("cursor"), inputs.cursorChoice);
  o.insert(QStringLiteral("hotX"), inputs.hotSpotX);
  o.insert(QStringLiteral("hotY"), inputs.hotSpotY);
  o.insert(QStringLiteral("tickMode"), inputs.tickMode);
  return QJsonDocument(o).toJson(QJsonDocument::Compact);
}

std::optional<SetDraft> SetDraft::fromJson(const QByteArray& bytes) {
  QJsonParseError error{};
  const QJsonDocument document = QJsonDocument::fromJson(bytes, &error);
  if (error.error != QJsonParseError::NoError || !document.isObject()) return std::nullopt;
  const QJsonObject o = document.object();
  if (o.value(QStringLiteral("version")).toInt() != kDraftVersion) return std::nullopt;
  SetDraft draft;
  for (const TextField& f : kTextFields) {
    const QJsonValue v = o.value(QLatin1String(f.key));
    if (!v.isString()) return std::nullopt;
    draft.inputs.*f.field = v.toString();
  }
  const QJsonArray waves = o.value(QStringLiteral("sounds")).toArray();
  const QJsonArray ratings = o.value(QStringLiteral("ratings")).toArray();
  if (waves.size() != kSoundEffectCount || ratings.size() != qsizetype(draft.inputs.ratings.size())) return std::nullopt;
  for (qsizetype i = 0; i < waves.size(); ++i) draft.inputs.waves[std::size_t(i)] = waves[i].toString();
  for (qsizetype i = 0; i < ratings.size(); ++i) draft.inputs.ratings[std::size_t(i)] = ratings[i].toString();
  const auto inRange = [&o](const char* key, qint64 low, qint64 high, qint64* value) {
    const QJsonValue v = o.value(QLatin1String(key));
    if (!v.isDouble()) return false;
    *value = v.toInteger(-1);
    return *value >= low && *value <= high;
  };
  qint64 step = 0, title = 0, page = 0, cursor = 0, hotX = 0, hotY = 0, tick = 0;
  if (!inRange("step", 0, kDraftSteps - 1, &step) || !inRange("titleColour", 0, 0xFFFFFF, &title) ||
      !inRange("pageColour", 0, 0xFFFFFF, &page) || !inRange("cursor", 1, 8, &cursor) ||
      !inRange("hotX", 0, 31, &hotX) || !inRange("hotY", 0, 31, &hotY) ||
      !inRange("tickMode", 0, qint64(kTickModes.size()) - 1, &tick))
    return std::nullopt;
  draft.step = int(step);
  draft.inputs.titleColour = std::uint32_t(title);
  draft.inputs.pageColour = std::uint32_t(page);
  draft.inputs.cursorChoice = std::uint8_t(cursor);
  draft.inputs.hotSpotX = std::uint8_t(hotX);
  draft.inputs.hotSpotY = std::uint8_t(hotY);
  draft.inputs.tickMode = std::uint8_t(tick);
  return draft;
}

DraftLoad loadDraftFile(const QString& path) {
  DraftLoad result;
  const QFileInfo info(path);
  if (!info.exists() && !info.isSymLink()) return result;
  QByteArray bytes;
  bool read = false;
  const int fd = ::open(QFile::encodeName(path).constData(), O_RDONLY | O_NOFOLLOW | O_CLOEXEC | O_NONBLOCK);
  if (fd >= 0) {
    struct stat st {};
    QFile file;
    if (::fstat(fd, &st) == 0 && S_ISREG(st.st_mode) && st.st_size <= kLargestDraftFile &&
        file.open(fd, QIODevice::ReadOnly, QFileDevice::AutoCloseHandle)) {
      bytes = file.read(kLargestDraftFile + 1);
      read = bytes.size() == st.st_size;
    } else {
      ::close(fd);
    }
  }
  if (read) result.draft = SetDraft::fromJson(bytes);
  if (result.draft) return result;
  const QString aside = path + QStringLiteral(".damaged");
  QFile::remove(aside);
  const bool moved = QFile::rename(path, aside);
  result.message = moved ? SetDraft::tr("The set you were making could not be read back; it was kept as %1 and the "
                                        "wizard starts afresh.")
                               .arg(QDir::toNativeSeparators(aside))
                         : SetDraft::tr("The set you were making could not be read back from %1; the wizard starts afresh.")
                               .arg(QDir::toNativeSeparators(path));
  return result;
}

bool saveDraftFile(const SetDraft& draft, const QString& path) {
  const QFileInfo info(path);
  if (!QDir().mkpath(info.absolutePath())) return false;
  // QSaveFile writes through a link to its target; the draft's own name is ours to replace.
  if (info.isSymLink() && !QFile::remove(path)) return false;
  if (info.exists() && !info.isSymLink() && !info.isFile()) return false;
  QSaveFile file(path);
  if (!file.open(QIODevice::WriteOnly)) return false;
  file.write(draft.toJson());
  return file.commit();
}

void removeDraftFile(const QString& path) { QFile::remove(path); }
