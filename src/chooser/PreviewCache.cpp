#include "chooser/PreviewCache.h"

#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QBuffer>
#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QImageReader>
#include <QImageWriter>
#include <QRandomGenerator>
#include <QRegularExpression>
#include <QSet>

#include "board/SetPreview.h"
#include "common/Files.h"

namespace {

// Bumped when what a cached preview holds changes, so old ones miss; so does a
// change in how previews are drawn.
const QByteArray kVersion = "2." + QByteArray::number(kSetPreviewVersion);
const QString kKeyText = QStringLiteral("key");

// The cache's own names: a preview, or one being written.
const QRegularExpression kOwnName(QStringLiteral("^[0-9a-f]{40}\\.png(\\.[0-9a-f]{8}\\.part)?$"));

// The cache folder itself, never through a link; -1 when it is not a real folder of ours.
int openFolder(const QString& folder) {
  if (folder.isEmpty()) return -1;
  const int fd = ::open(QFile::encodeName(folder).constData(), O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC);
  if (fd < 0) return -1;
  struct stat st {};
  if (fstat(fd, &st) != 0 || !S_ISDIR(st.st_mode) || st.st_uid != geteuid()) {
    ::close(fd);
    return -1;
  }
  return fd;
}

struct Fd {
  int fd;
  ~Fd() {
    if (fd >= 0) ::close(fd);
  }
};

// The whole file named name in the folder, when it is a regular file of a sensible size.
std::optional<QByteArray> readOwnFile(int folder, const QByteArray& name) {
  const Fd file{::openat(folder, name.constData(), O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC)};
  struct stat st {};
  if (file.fd < 0 || fstat(file.fd, &st) != 0 || !S_ISREG(st.st_mode) || st.st_size > PreviewCache::kLargestFile)
    return std::nullopt;
  QByteArray bytes(qsizetype(st.st_size), Qt::Uninitialized);
  qsizetype got = 0;
  while (got < bytes.size()) {
    const ssize_t n = ::read(file.fd, bytes.data() + got, size_t(bytes.size() - got));
    if (n < 0 && errno == EINTR) continue;
    if (n <= 0) return std::nullopt;
    got += n;
  }
  return bytes;
}

bool textFits(const QString& text) { return text.size() <= PreviewCache::kLongestText; }

}  // namespace

QByteArray PreviewCache::keyOf(const SetEntry& entry) const {
  return kVersion + '\n' + encodeFileName(entry.path) + '\n' + QByteArray::number(entry.size) + '\n' +
         QByteArray::number(entry.modifiedMs) + '\n' + QByteArray::number(dpr_, 'g', 6);
}

QString PreviewCache::nameOf(const SetEntry& entry) const {
  return QString::fromLatin1(QCryptographicHash::hash(keyOf(entry), QCryptographicHash::Sha1).toHex()) +
         QStringLiteral(".png");
}

QString PreviewCache::fileOf(const SetEntry& entry) const { return folder_ + QLatin1Char('/') + nameOf(entry); }

std::optional<SetSummary> PreviewCache::find(const SetEntry& entry) const {
  const Fd folder{openFolder(folder_)};
  if (folder.fd < 0) return std::nullopt;
  std::optional<QByteArray> bytes = readOwnFile(folder.fd, nameOf(entry).toLatin1());
  if (!bytes) return std::nullopt;
  QBuffer buffer(&*bytes);
  buffer.open(QIODevice::ReadOnly);
  QImageReader reader(&buffer, "png");
  // The texts and the size come from the header, before any pixel is decoded.
  if (reader.text(kKeyText).toLatin1() != keyOf(entry).toBase64()) return std::nullopt;
  SetSummary summary;
  summary.title = reader.text(QStringLiteral("title"));
  summary.author = reader.text(QStringLiteral("author"));
  summary.comment = reader.text(QStringLiteral("comment"));
  summary.soundCount = reader.text(QStringLiteral("sounds")).toInt();
  summary.hasTune = reader.text(QStringLiteral("tune")) == QLatin1String("1");
  summary.error = reader.text(QStringLiteral("error"));
  if (!textFits(summary.title) || !textFits(summary.author) || !textFits(summary.comment) ||
      !textFits(summary.error) || summary.soundCount < 0 || summary.soundCount > 4)
    return std::nullopt;
  const QSize wanted = summary.readable() ? (QSizeF(kSetPreviewSize) * dpr_).toSize() : QSize(1, 1);
  if (reader.size() != wanted) return std::nullopt;
  QImage picture;
  if (!reader.read(&picture) || picture.size() != wanted) return std::nullopt;
  if (summary.readable()) {
    summary.preview = picture.convertToFormat(QImage::Format_RGB32);
    summary.preview.setDevicePixelRatio(dpr_);  // a PNG does not carry it
  }
  return summary;
}

void PreviewCache::store(const SetEntry& entry, const SetSummary& summary) const {
  // A set that cannot be read is remembered too, with a one-pixel picture.
  QImage picture = summary.readable() ? summary.preview : QImage(1, 1, QImage::Format_RGB32);
  if (picture.isNull()) return;
  if (!textFits(summary.title) || !textFits(summary.author) || !textFits(summary.comment) || !textFits(summary.error))
    return;  // it would be refused on reading
  if (folder_.isEmpty() || !QDir().mkpath(folder_)) return;  // without a home nothing is kept
  const Fd folder{openFolder(folder_)};
  if (folder.fd < 0) return;
  // PNG texts turn line ends into spaces: the key is stored as Base64.
  picture.setText(kKeyText, QString::fromLatin1(keyOf(entry).toBase64()));
  picture.setText(QStringLiteral("title"), summary.title);
  picture.setText(QStringLiteral("author"), summary.author);
  picture.setText(QStringLiteral("comment"), summary.comment);
  picture.setText(QStringLiteral("sounds"), QString::number(summary.soundCount));
  picture.setText(QStringLiteral("tune"), summary.hasTune ? QStringLiteral("1") : QStringLiteral("0"));
  picture.setText(QStringLiteral("error"), summary.error);
  QByteArray bytes;
  QBuffer buffer(&bytes);
  buffer.open(QIODevice::WriteOnly);
  if (!QImageWriter(&buffer, "png").write(picture) || bytes.size() > kLargestFile) return;

  // A new file of a fresh name (O_EXCL never opens what is there, links included),
  // renamed over the preview's name: whatever lay there is replaced, never written through.
  const QByteArray name = nameOf(entry).toLatin1();
  const QByteArray part =
      name + '.' + QByteArray::number(QRandomGenerator::global()->generate(), 16).rightJustified(8, '0') + ".part";
  const int fd = ::openat(folder.fd, part.constData(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0600);
  if (fd < 0) return;
  qsizetype put = 0;
  while (put < bytes.size()) {
    const ssize_t n = ::write(fd, bytes.constData() + put, size_t(bytes.size() - put));
    if (n < 0 && errno == EINTR) continue;
    if (n <= 0) break;
    put += n;
  }
  const bool closed = ::close(fd) == 0;
  if (put != bytes.size() || !closed || ::renameat(folder.fd, part.constData(), folder.fd, name.constData()) != 0)
    ::unlinkat(folder.fd, part.constData(), 0);
}

void PreviewCache::keepOnly(const QList<SetEntry>& entries) const {
  const int folder = openFolder(folder_);
  if (folder < 0) return;
  QSet<QByteArray> wanted;
  for (const SetEntry& entry : entries) wanted.insert(nameOf(entry).toLatin1());
  DIR* listing = fdopendir(folder);  // takes the descriptor
  if (!listing) {
    ::close(folder);
    return;
  }
  while (const dirent* item = readdir(listing)) {
    const QByteArray name(item->d_name);
    if (wanted.contains(name) || !kOwnName.match(QString::fromLatin1(name)).hasMatch()) continue;
    struct stat st {};
    // Only regular files of ours; unlinkat removes a name inside this very folder.
    if (fstatat(folder, name.constData(), &st, AT_SYMLINK_NOFOLLOW) == 0 && S_ISREG(st.st_mode) &&
        st.st_uid == geteuid())
      ::unlinkat(folder, name.constData(), 0);
  }
  closedir(listing);
}
