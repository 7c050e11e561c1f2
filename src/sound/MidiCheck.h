#pragma once
// A light structural check of Standard MIDI File data, so a damaged tune is
// reported when it is opened rather than silently playing nothing.
#include <QByteArray>
#include <QString>

// Empty when the data is a complete MIDI file with at least one channel event;
// otherwise a sentence saying what is wrong.
QString checkMidiData(const QByteArray& data);
