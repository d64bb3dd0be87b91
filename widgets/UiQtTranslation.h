#pragma once

#include <QString>

class QCoreApplication;
class QFileDialog;

// Qt's own dialogs and menus (file and print dialogs, the editors' context menu, date pickers) in
// Hungarian: the Hungarian locale for the widgets and Qt's Hungarian translation.
namespace UiQtTranslation {

// Sets the Hungarian locale as the widgets' default and installs Qt's Hungarian translation,
// looked up in programPath/translations first, then in Qt's own translation folder. False when
// no translation file was found (the dialogs then stay in English).
bool install(QCoreApplication &app, const QString &programPath);

// The list of a (non-native) file dialog with Hungarian type names and modification dates, which
// Qt takes from the system's locale and leaves untranslated ("Folder", "Dec").
void hungarianFileList(QFileDialog &dialog);

} // namespace UiQtTranslation
