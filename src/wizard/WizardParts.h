#pragma once
// The small pieces every page of the set creation wizard is built from.
#include <QString>

class QFrame;
class QHBoxLayout;
class QImage;
class QLabel;
class QLineEdit;
class QPushButton;
class QWidget;

namespace wizardparts {

QLabel* wrapped(const QString& text, QWidget* parent);
QFrame* sunken(QWidget* parent);
QLineEdit* edit(int maxLength, QWidget* parent);
// A field with its Browse button on one row, after the caption when there is one.
QHBoxLayout* fileRow(const QString& caption, QLineEdit* field, QPushButton* button);
// The top margin of a group box's contents: least in the game's own face, more in a
// taller one, as the box's title takes more room above them.
int groupTopMargin(const QWidget* box, int least);
// A built-in picture shown small, in the 16 colours of the standard palette.
QLabel* examplePicture(const QImage& picture, int width, int height, QWidget* parent);

}  // namespace wizardparts
