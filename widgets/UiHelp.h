#pragma once

#include <QString>

#include <functional>

class Messenger;
class QWidget;
class Settings;

// Opens the help viewer modally on a page of ProgramPath/HtmlHelp and returns when it is closed;
// a missing page gives the warning "A kért súgótémakör nem elérhető: ..." instead of the viewer.
// Every "&Súgó" button and the F1 key call this.
void showHelp(QWidget *parent, const Settings &settings, Messenger &messenger, const QString &page);

// F1 anywhere in `screen` opens the help on `page`. The settings object and the messenger must
// outlive the screen (both live for the whole run).
void installHelpKey(QWidget *screen, const Settings &settings, Messenger &messenger, const QString &page);
// F1 anywhere in `screen` runs `openHelp` (a screen whose page is known only later).
void installHelpKey(QWidget *screen, std::function<void()> openHelp);
