#pragma once

#include <QString>

class Messenger;

// The database version check: every warehouse folder's db_version.txt against the version the
// program needs. Missing or old folders give one warning; the program works on in either case.
class VersionCheck
{
public:
    // True when `version` is older than `required`. Versions are compared number by number
    // ("2.0" is newer than "1.23", "1.3" older than "1.23"); a missing part counts as 0. A text
    // that is not digits separated by dots is taken as old: nothing can be said about it.
    static bool isOlder(const QString &version, const QString &required);

    // The first line of a version file, or a null string when the file does not exist.
    static QString readVersion(const QString &path);

    // The version of one warehouse: its db_version.txt, or on a server the one row of its
    // db_version table; a null string when there is none.
    static QString warehouseVersion(const QString &location, int warehouse);

    // The warning text for the database in dbPath, or an empty string when every folder is at least
    // at `required`.
    static QString warningText(const QString &dbPath, const QString &required);

    // Shows the warning (caption "Figyelmeztetés", symbol 1, "OK") when there is one.
    static void run(Messenger &messenger, const QString &dbPath, const QString &required);
};
