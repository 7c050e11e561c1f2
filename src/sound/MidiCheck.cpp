#include "sound/MidiCheck.h"

#include <QCoreApplication>
#include <cstdint>

namespace {

class Reader {
 public:
  Reader(const QByteArray& data, qsizetype begin, qsizetype end) : data_(data), pos_(begin), end_(end) {}
  bool atEnd() const { return pos_ >= end_; }
  bool byte(std::uint8_t& out) {
    if (pos_ >= end_) return false;
    out = static_cast<std::uint8_t>(data_[pos_++]);
    return true;
  }
  bool skip(std::uint32_t n) {
    if (n > static_cast<std::uint64_t>(end_ - pos_)) return false;
    pos_ += n;
    return true;
  }
  // Variable-length quantity: at most four bytes, seven bits each.
  bool vlq(std::uint32_t& out) {
    out = 0;
    for (int i = 0; i < 4; ++i) {
      std::uint8_t b;
      if (!byte(b)) return false;
      out = (out << 7) | (b & 0x7F);
      if (!(b & 0x80)) return true;
    }
    return false;
  }

 private:
  const QByteArray& data_;
  qsizetype pos_;
  qsizetype end_;
};

std::uint32_t be32(const QByteArray& d, qsizetype at) {
  return (std::uint32_t(std::uint8_t(d[at])) << 24) | (std::uint32_t(std::uint8_t(d[at + 1])) << 16) |
         (std::uint32_t(std::uint8_t(d[at + 2])) << 8) | std::uint32_t(std::uint8_t(d[at + 3]));
}
std::uint16_t be16(const QByteArray& d, qsizetype at) {
  return std::uint16_t((std::uint8_t(d[at]) << 8) | std::uint8_t(d[at + 1]));
}

// Walks one track's events and adds its channel events (the notes and what
// shapes them) to channelEvents.
QString checkTrack(Reader r, int track, long& channelEvents) {
  // Each problem names its track.
  const auto where = [track](const char* problem) {
    return QCoreApplication::translate("MidiCheck", problem).arg(track);
  };
  std::uint8_t running = 0;
  while (!r.atEnd()) {
    std::uint32_t delta;
    if (!r.vlq(delta))
      return where(QT_TRANSLATE_NOOP("MidiCheck", "a delta time is cut short or too long in track %1"));
    std::uint8_t status;
    if (!r.byte(status))
      return where(QT_TRANSLATE_NOOP("MidiCheck", "an event is missing after its delta time in track %1"));
    bool haveFirst = false;
    if (status < 0x80) {
      if (running == 0)
        return where(QT_TRANSLATE_NOOP("MidiCheck", "a data byte stands where an event should begin in track %1"));
      haveFirst = true;  // running status: this byte was the event's first data byte
      status = running;
    }
    if (status < 0xF0) {
      running = status;
      const int dataBytes = (status & 0xF0) == 0xC0 || (status & 0xF0) == 0xD0 ? 1 : 2;
      for (int i = haveFirst ? 1 : 0; i < dataBytes; ++i) {
        std::uint8_t b;
        if (!r.byte(b)) return where(QT_TRANSLATE_NOOP("MidiCheck", "a channel event is cut short in track %1"));
        if (b & 0x80) return where(QT_TRANSLATE_NOOP("MidiCheck", "a channel event lacks its data bytes in track %1"));
      }
      ++channelEvents;
    } else if (status == 0xF0 || status == 0xF7) {
      running = 0;
      std::uint32_t len;
      if (!r.vlq(len) || !r.skip(len))
        return where(QT_TRANSLATE_NOOP("MidiCheck", "a system exclusive message is cut short in track %1"));
    } else if (status == 0xFF) {
      running = 0;
      std::uint8_t type;
      std::uint32_t len;
      if (!r.byte(type) || !r.vlq(len) || !r.skip(len))
        return where(QT_TRANSLATE_NOOP("MidiCheck", "a meta event is cut short in track %1"));
      if (type == 0x2F) return {};  // end of track; anything after it is never read
    } else {
      return where(QT_TRANSLATE_NOOP("MidiCheck", "a system message that has no place in a file in track %1"));
    }
  }
  return {};  // a track without its end marker still plays
}

}  // namespace

QString checkMidiData(const QByteArray& data) {
  if (data.size() < 14 || !data.startsWith("MThd"))
    return QCoreApplication::translate("MidiCheck", "The file is not a MIDI file.");
  const std::uint32_t headerLength = be32(data, 4);
  if (headerLength < 6 || headerLength > std::uint64_t(data.size() - 8))
    return QCoreApplication::translate("MidiCheck", "The MIDI data is damaged: its header chunk has a wrong length.");
  const int format = be16(data, 8);
  const int tracks = be16(data, 10);
  const int division = be16(data, 12);
  if (format > 2)
    return QCoreApplication::translate("MidiCheck", "The MIDI data is damaged: unknown file format %1.").arg(format);
  if (tracks == 0) return QCoreApplication::translate("MidiCheck", "The MIDI data holds no tracks.");
  if (division == 0)
    return QCoreApplication::translate("MidiCheck", "The MIDI data is damaged: its time division is zero.");

  qsizetype at = 8 + qsizetype(headerLength);
  int found = 0;
  long channelEvents = 0;
  while (found < tracks) {
    if (data.size() - at < 8)
      return QCoreApplication::translate(
                 "MidiCheck", "The MIDI data is damaged: the header announces %1 tracks but the file holds %2.")
          .arg(tracks)
          .arg(found);
    const std::uint32_t length = be32(data, at + 4);
    const qsizetype body = at + 8;
    if (length > std::uint64_t(data.size() - body))
      return QCoreApplication::translate("MidiCheck", "The MIDI data is damaged: a chunk is cut short.");
    // Chunks of other kinds are allowed by the format and skipped by players.
    if (data.mid(at, 4) == "MTrk") {
      ++found;
      const QString problem = checkTrack(Reader(data, body, body + length), found, channelEvents);
      if (!problem.isEmpty())
        return QCoreApplication::translate("MidiCheck", "The MIDI data is damaged: %1.").arg(problem);
    }
    at = body + qsizetype(length);
  }
  if (channelEvents == 0) return QCoreApplication::translate("MidiCheck", "The MIDI data holds no notes to play.");
  return {};
}
