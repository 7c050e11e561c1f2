#pragma once
// Texts in set files and the high-score file are single bytes of Windows code
// page 1252, so files made on Windows read the same here.
#include <QByteArray>
#include <QByteArrayView>
#include <QString>

QString fromAnsi(QByteArrayView bytes);
// Characters the code page lacks become '?', so a line never gains stray bytes.
QByteArray toAnsi(const QString& text);
