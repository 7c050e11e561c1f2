#include "common/Files.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>

#include <QFile>
#include <QFileInfo>

namespace {

constexpr char16_t kFirstEscape = 0xDC80;  // stands for the byte 0x80; 0xDCFF for 0xFF

bool continues(unsigned char byte, unsigned char low = 0x80, unsigned char high = 0xBF) {
  return byte >= low && byte <= high;
}

// The length of the well-formed UTF-8 sequence at bytes[i], 0 when there is none.
int sequenceAt(const QByteArray& bytes, qsizetype i) {
  const auto at = [&](qsizetype k) { return k < bytes.size() ? static_cast<unsigned char>(bytes[k]) : 0; };
  const unsigned char lead = at(i);
  if (lead < 0x80) return 1;
  if (lead >= 0xC2 && lead <= 0xDF) return continues(at(i + 1)) ? 2 : 0;
  if (lead >= 0xE0 && lead <= 0xEF) {
    // No overlong forms and no surrogates.
    const unsigned char low = lead == 0xE0 ? 0xA0 : 0x80, high = lead == 0xED ? 0x9F : 0xBF;
    return continues(at(i + 1), low, high) && continues(at(i + 2)) ? 3 : 0;
  }
  if (lead >= 0xF0 && lead <= 0xF4) {
    const unsigned char low = lead == 0xF0 ? 0x90 : 0x80, high = lead == 0xF4 ? 0x8F : 0xBF;
    return continues(at(i + 1), low, high) && continues(at(i + 2)) && continues(at(i + 3)) ? 4 : 0;
  }
  return 0;
}

bool isEscape(const QString& name, qsizetype i) {
  const char16_t c = name[i].unicode();
  return c >= kFirstEscape && c <= kFirstEscape + 0x7F && (i == 0 || !name[i - 1].isHighSurrogate());
}

}  // namespace

bool isRegularFile(const QString& path) {
  if (path.isEmpty()) return false;
  // Qt answers for every name it can spell (its resources included); the system for the rest.
  if (shownFileName(path) == path) return QFileInfo(path).isFile();
  struct stat st {};
  return ::stat(encodeFileName(path).constData(), &st) == 0 && S_ISREG(st.st_mode);
}

QString fileNamePart(const QString& path) { return QFileInfo(path).fileName(); }

QString decodeFileName(const QByteArray& name) {
  QString text;
  text.reserve(name.size());
  qsizetype start = 0;  // the well-formed run not yet added
  for (qsizetype i = 0; i < name.size();) {
    const int length = sequenceAt(name, i);
    if (length > 0) {
      i += length;
      continue;
    }
    text += QString::fromUtf8(name.constData() + start, i - start);
    text += QChar(char16_t(kFirstEscape + (static_cast<unsigned char>(name[i]) - 0x80)));
    start = ++i;
  }
  text += QString::fromUtf8(name.constData() + start, name.size() - start);
  return text;
}

QByteArray encodeFileName(const QString& name) {
  QByteArray bytes;
  qsizetype start = 0;
  for (qsizetype i = 0; i < name.size(); ++i) {
    if (!isEscape(name, i)) continue;
    bytes += QStringView(name).mid(start, i - start).toUtf8();
    bytes += char(0x80 + (name[i].unicode() - kFirstEscape));
    start = i + 1;
  }
  bytes += QStringView(name).mid(start).toUtf8();
  return bytes;
}

QString shownFileName(const QString& name) {
  QString shown = name;
  for (qsizetype i = 0; i < shown.size(); ++i)
    if (isEscape(name, i)) shown[i] = QChar::ReplacementCharacter;
  return shown;
}

bool openRegularFile(QFile& file, int* systemError) {
  const int fd = ::open(encodeFileName(file.fileName()).constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
  struct stat st {};
  int error = 0;
  if (fd < 0 || fstat(fd, &st) != 0)
    error = errno;
  else if (S_ISREG(st.st_mode) && file.open(fd, QIODevice::ReadOnly, QFileDevice::AutoCloseHandle))
    return true;
  else if (S_ISREG(st.st_mode))
    error = errno ? errno : EIO;
  if (fd >= 0) ::close(fd);
  if (systemError) *systemError = error;
  return false;
}

QString systemReason(int error) { return QString::fromLocal8Bit(std::strerror(error)); }
