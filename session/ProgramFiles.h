#pragma once

#include <QString>
#include <QStringList>

// Where the folders the program ships with lie: the help pages (HtmlHelp) and the pictures
// (Pictures). A copy in the program directory comes first, so a kitchen may keep pictures of its
// own there; then the folder beside the executable (a build folder); then ../share/salvia beside
// it (an installed program, the executable in <prefix>/bin).
namespace ProgramFiles {

QString helpFolderName();
QString picturesFolderName();

// The places looked at for the folder `name`, in order.
QStringList candidates(const QString &name, const QString &programPath, const QString &executableDir);
// The first of them that is a folder, or empty.
QString find(const QString &name, const QString &programPath, const QString &executableDir);
// The folder as the screens use it: found beside this executable, or, when none is there,
// programPath/name, so that whoever reads it says which page or picture is missing.
QString folder(const QString &name, const QString &programPath);

// What the start-up says when a shipped folder is found nowhere: which one, and where it was
// looked for. Empty when every folder is found.
QString missingText(const QString &programPath, const QString &executableDir);

} // namespace ProgramFiles
