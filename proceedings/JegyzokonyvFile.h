#pragma once

#include <QString>

// Text files of the records of proceedings: Windows-1250, lines ended by CR LF.
namespace JegyzokonyvFile {

struct Loaded
{
    QString text; // lines joined by "\n"
    QString error; // Hungarian message; empty when the file was read
};

// Larger files are refused: the editor is meant for records of a few pages.
constexpr qint64 MaxBytes = 16 * 1024 * 1024;

Loaded load(const QString &path);
// Writes the text (the file is complete or untouched). A text with a character that
// Windows-1250 cannot hold is refused before anything is written. Empty on success, else the
// message.
QString save(const QString &path, const QString &text);

} // namespace JegyzokonyvFile
