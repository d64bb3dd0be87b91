#pragma once

#include <QString>

class QCheckBox;
class QLabel;
class QWidget;

// The check box that counts the a-la-carte issues ("08") into a norm comparison on purpose, and
// the note that says why they are left out otherwise.
namespace ALaCarteChoice {

QCheckBox *checkBox(QWidget *parent);
QLabel *note(QWidget *parent);

} // namespace ALaCarteChoice
