#pragma once

#include <QString>

class Messenger;

// Where the help pages lie and what the user is told when one is missing.
namespace HelpPages {

// The contents page, opened by F1 in the main window and by "&Tartalom".
QString contentsPage();

// The help folder: ProgramPath/HtmlHelp, or the one the program ships with (ProgramFiles).
QString folder(const QString &programPath);

// The file of a page in the help folder, or empty when there is none. The pages come from
// Windows, so a page whose name differs only in letter case is found as well.
QString findPage(const QString &folder, const QString &page);

// "Figyelmeztetés", symbol 1, "OK": the page is not available.
QString missingText(const QString &page);
void warnMissing(Messenger &messenger, const QString &page);

} // namespace HelpPages
