#pragma once
// Where set files live, by the names the set code has always used; each is the
// places module's one rule (common/Places.h).
#include "common/Places.h"

using places::defaultSetPath;
using places::playerSetFolder;
using places::previewCacheFolder;
using places::programFolder;
using places::shippedSetFolder;

#include <QCoreApplication>

// The file dialog's filter for set files, shared by the Load command and the
// chooser's Add, with the index of "Any Set" in it.
inline QString setFileFilter() {
  return QCoreApplication::translate(
      "SetFiles",
      "Image Set (*.SET)|*.set|eXtended Set (*.XET)|*.xet|Any Set (*.SET,*.XET)|*.xet;*.set|All Files (*.*)|*.*");
}
constexpr int kSetFileFilterAnySet = 3;
